// The mouse's conversations with the device: the initial read, the settings record, key
// assignments, macros and shoot data.
#include <span>
#include <utility>

#include "devices/mouse/mouse_event_files.h"
#include "devices/mouse/mouse_images.h"
#include "devices/device_result.h"
#include "devices/mouse_device.h"
#include "devices/mouse_key_slots.h"

namespace {

// A write that the device never answered (or answered with an error) reports this.
constexpr int kImageWriteFailed = -1;
constexpr int kImageSent = 0;

mouse::MouseLightingRecord LightingOf(const LightInfoRecord& r) {
    return {r.selectItem, r.light, r.speed,  r.fx,     r.multiColor, r.red,
            r.green,      r.blue,  r.extra1, r.extra2, r.extra3};
}

LightInfoRecord LightInfoOf(const mouse::MouseLightingRecord& r) {
    return {r.mode,  r.brightness, r.speed, r.direction, r.colourful, r.red,
            r.green, r.blue,       r.ninth, r.extra10,   r.extra11};
}

}  // namespace

template <class Command>
int CVornakelMouseDevice::Checked(Command&& command) {
    if (IsWireless() && !commandChannel_.QueryLink()) return kResultNoAnswer;
    return command();
}

void CVornakelMouseDevice::OnDeviceTimer1() {
    ReadState();
    ShowReadState();
}

void CVornakelMouseDevice::ReadState() {
    ReadInitialState();
}

void CVornakelMouseDevice::ShowReadState() {
    // The DPI sliders depend on the sensor only, so they get their range even when the key
    // block could not be read.
    if (std::exchange(sensorReadUnshown_, false)) {
        const mouse::DpiSliderRange range = mouse::DpiRangeForSensor(SensorInfo());
        if (IMousePage* page = MousePage(); page != nullptr && range.known)
            page->SetDpiRange(range.minPosition, range.maxPosition, range.largestTypedDpi);
    }
    LoadProfile();
    RefreshPage();
}

void CVornakelMouseDevice::OnDeviceTimer2() {
    ReadSettingsRecord();
    RefreshPage();
}

void CVornakelMouseDevice::OnDeviceTimer5() {
    QueryPowerStatus();
}

int CVornakelMouseDevice::ReadInitialState() {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    if (IsWireless() && !channel.QueryLink()) return kResultNoAnswer;

    int result = channel.BeginConfig();
    if (result != kResultOk) return result;
    DeviceInfoBlock info{};
    result = channel.ReadDeviceInfo(info);
    if (result != kResultOk) {
        channel.EndConfig();
        return result;
    }
    deviceInfo_ = info;
    const DeviceInfo decoded = DecodeDeviceInfo(info);
    profile_.SetSensorModel(decoded.sensor);
    sensorReadUnshown_ = true;  // the page learns the sensor's DPI range in ShowReadState

    const unsigned slots = decoded.keySlots;
    if (!mouse::KeySlotCountFits(slots) ||
        channel.SetDataLength(static_cast<int>(mouse::KeyBlockLength(slots))) != kResultOk) {
        // More key slots than the 512-byte block holds: no key block, no button map.
        channel.EndConfig();
        keyBlockRead_ = false;
        buttonSlots_.fill(mouse::kNoSlot);
        return kResultOk;
    }
    std::array<uint8_t, mouse::kMaxKeyBlockBytes> block{};
    result = channel.ReadKeyBlock(block);
    const int ended = channel.EndConfig();
    if (result != kResultOk) return result;
    keyBlock_ = block;
    keyBlockRead_ = true;
    keySlotsRead_ = slots;
    // The map found on the factory block is remembered: a reassigned button no longer shows
    // its factory bytes, yet keeps its slot.
    const std::string slotFile = DataFolder() + kKeySlotsFile;
    const mouse::ButtonSlotMap remembered = LoadRememberedSlots(slotFile, slots);
    buttonSlots_ = mouse::ResolveButtonSlots(
        std::span<const uint8_t>(keyBlock_.data(), mouse::KeyBlockLength(slots)), slots, remembered);
    if (buttonSlots_ != remembered) SaveRememberedSlots(slotFile, slots, buttonSlots_);
    return ended;
}

int CVornakelMouseDevice::ReadSettingsRecord() {
    CDeviceProtocol& channel = commandChannel_;
    std::copy_n(settingsRead_.bytes.begin(), previousSettings_.size(), previousSettings_.begin());
    if (!channel.opened) return kResultNoAnswer;
    if (IsWireless() && !channel.QueryLink()) return kResultNoAnswer;

    uint8_t active = 0;
    int result = channel.ReadMemory(std::span<uint8_t>(&active, 1), 0);
    if (result != kResultOk) return result;
    std::array<uint8_t, mouse::record::kReadLength> bytes{};
    result = channel.ReadMemory(bytes, static_cast<uint16_t>(active * mouse::record::kRecordStride));
    if (result != kResultOk) return result;
    mouse::MouseRecordReadBack read;
    if (mouse::DecodeMouseSettingsRecord(bytes, active, IsWireless(), &read) != 1) return kResultNoAnswer;
    settingsRead_ = read;

    mouse::MouseLightingRecord lighting = LightingOf(lightEffect_);
    read.ApplyTo(lighting);
    lightEffect_ = LightInfoOf(lighting);
    profile_.SetActiveStage(read.activeStage);
    systemValues_[MouseValue::kPollingRate] = read.pollingRateIndex;
    profile_.SetLightInfo(lightEffect_);
    // The profile follows what the device now holds, the polling rate included, so the next
    // profile write does not undo a change made on the device.
    SetSystemValues(systemValues_);
    SaveProfile();
    return kResultOk;
}

mouse::MouseSettings CVornakelMouseDevice::BuildSettings() const {
    mouse::MouseSettings settings;
    settings.lighting = LightingOf(lightEffect_);
    for (const DpiStage& stage : dpiStages_)
        settings.stages.push_back(
            {stage.stageActive, stage.stageXY, stage.X(), stage.Y(), stage.red, stage.green, stage.blue});
    settings.pollingRateIndex = systemValues_[MouseValue::kPollingRate];
    settings.activeStage = profile_.GetActiveStage();
    settings.astItem = systemValues_[MouseValue::kAstItem];
    settings.mshItem = systemValues_[MouseValue::kMshItem];
    settings.logoItem = systemValues_[MouseValue::kLogoItem];
    settings.sensorCode = SensorInfo().sensorCode;
    settings.wireless = IsWireless();
    return settings;
}

int CVornakelMouseDevice::WriteSettings(const SettingsWrite& request) {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    if (request.record < 0) return kResultBadArgument;
    // A record built without a loaded profile would be all zeros: never send one.
    if (!profile_.Tree().isObject()) return kResultBadArgument;
    mouse::MouseSettingsBytes bytes = mouse::EncodeMouseSettingsRecord(BuildSettings());
    bytes[mouse::record::kActiveRecord] = static_cast<uint8_t>(request.firstByte);
    const uint32_t offset = static_cast<uint32_t>(request.record) * mouse::record::kRecordStride;
    if (!TransferFits(bytes.size(), offset)) return kResultBadArgument;

    int result = Checked([&] { return channel.BeginConfig(); });
    if (result != kResultOk) return result;
    result = Checked([&] { return channel.WriteMemory(bytes, static_cast<uint16_t>(offset)); });
    // The configuration bracket is closed even after a failed write.
    const int ended = Checked([&] { return channel.EndConfig(); });
    return result != kResultOk ? result : ended;
}

int CVornakelMouseDevice::WriteKeyAssignments(const std::vector<KeyAssignEntry>& list) {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    // Without the block as the device holds it, the slots of the buttons the host does not
    // know would be overwritten with zeros.
    if (!keyBlockRead_) return kResultNoAnswer;
    DeviceInfoBlock info{};
    int result = Checked([&] { return channel.ReadDeviceInfo(info); });
    if (result != kResultOk) return result;
    deviceInfo_ = info;
    if (DecodeDeviceInfo(info).keySlots != keySlotsRead_)
        return kResultNoAnswer;  // the layout changed since the block was read

    std::vector<mouse::KeySlotBytes> assignments;
    for (size_t i = 0; i < list.size() && i < mouse::kLogicalButtonCount; ++i)
        assignments.push_back({list[i].current.type, list[i].current.param1, list[i].current.param2});
    // An assignment for a button without a slot cannot reach the device: the others are
    // written, and the result says that one was not.
    const bool unplaced = mouse::HasUnplacedAssignment(buttonSlots_, assignments);
    std::vector<uint8_t> block;
    if (mouse::MergeKeyAssignments(keyBlock_, keySlotsRead_, buttonSlots_, assignments, &block) != 1)
        return kResultNoAnswer;
    if (channel.SetDataLength(static_cast<int>(block.size())) != kResultOk) return kResultNoAnswer;

    result = Checked([&] { return channel.BeginConfig(); });
    if (result != kResultOk) return result;
    result = Checked([&] { return channel.WriteKeyBlock(block, 0); });
    const int ended = Checked([&] { return channel.EndConfig(); });
    if (result != kResultOk) return result;
    return ended == kResultOk && unplaced ? kResultNoKeySlot : ended;
}

int CVornakelMouseDevice::WriteCurrentKeyAssignments() {
    return WriteKeyAssignments(assignments_);
}

int CVornakelMouseDevice::WriteMacros() {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kImageWriteFailed;
    DeviceInfoBlock info{};
    if (Checked([&] { return channel.ReadDeviceInfo(info); }) != kResultOk) return kImageWriteFailed;
    deviceInfo_ = info;

    const mouse::PreparedImage image =
        mouse::PrepareMacroImage(DataFolder(), mouse::MacroCapacityBytes(info[DeviceInfoByte::kMacroUnits]));
    switch (image.status) {
    case mouse::ImageStatus::NothingToSend:
        return kImageSent;
    case mouse::ImageStatus::OverCapacity:
        return image.overflowUnits;
    case mouse::ImageStatus::TooLong:
        return kImageWriteFailed;
    case mouse::ImageStatus::Ready:
        break;
    }
    if (Checked([&] { return channel.BeginConfig(); }) != kResultOk) return kImageWriteFailed;
    const int written = Checked([&] { return channel.WriteMacroData(image.bytes); });
    // The device checks and applies the image when the bracket closes.
    const int ended = Checked([&] { return channel.EndConfig(); });
    return written == kResultOk && ended == kResultOk ? kImageSent : kImageWriteFailed;
}

int CVornakelMouseDevice::SendShootData() {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kImageWriteFailed;
    DeviceInfoBlock info{};
    if (Checked([&] { return channel.ReadDeviceInfo(info); }) != kResultOk) return kImageWriteFailed;
    deviceInfo_ = info;

    const mouse::PreparedImage image = mouse::PrepareShootImage(DataFolder());
    if (image.status != mouse::ImageStatus::Ready) return kImageWriteFailed;
    if (Checked([&] { return channel.BeginConfig(); }) != kResultOk) return kImageWriteFailed;
    const int written = Checked([&] { return channel.WriteShootData(image.bytes); });
    const int ended = Checked([&] { return channel.EndConfig(); });
    return written == kResultOk && ended == kResultOk ? kImageSent : kImageWriteFailed;
}
