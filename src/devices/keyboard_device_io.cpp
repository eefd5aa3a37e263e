// The keyboard's conversations with the device: the key matrix, the settings block, key
// assignments and macros.
#include <optional>
#include <span>

#include "devices/keyboard/keyboard_key_payload.h"
#include "devices/keyboard_device.h"
#include "devices/mouse/mouse_event_files.h"

namespace {

constexpr int kImageWriteFailed = -1;
constexpr int kImageSent = 0;

// The bracket is closed even after a failed command; the first failure is the result.
int Bracketed(CDeviceProtocol& channel, int result) {
    const int ended = channel.EndConfig();
    return result != kResultOk ? result : ended;
}

}  // namespace

void CVornakelKeyboardDevice::OnDeviceTimer1() {
    ReadDeviceState();
    LoadProfile();
    RefreshPage();
}

void CVornakelKeyboardDevice::OnDeviceTimer2() {
    ReadLightBlock();
    RefreshPage();
}

void CVornakelKeyboardDevice::OnDeviceTimer5() {
    QueryPowerStatus();
}

int CVornakelKeyboardDevice::ReadDeviceState() {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    int result = channel.BeginConfig();
    if (result != kResultOk) return result;
    DeviceInfoBlock info{};
    result = channel.ReadDeviceInfo(info);
    if (result != kResultOk) return Bracketed(channel, result);
    deviceInfo_ = info;
    const unsigned keys = info[DeviceInfoByte::kKeySlots];
    keyTableRead_ = false;
    ledKeyMap_.fill(keyboard::kNoKeySlot);
    if (!keyboard::KeyCountFits(keys) ||
        channel.SetDataLength(static_cast<int>(keys * keyboard::kKeyCodeLength)) != 1) {
        // More keys than the 512-byte table holds: no table, no LED mapped.
        channel.EndConfig();
        return kResultOk;
    }
    std::array<uint8_t, keyboard::kMaxKeyTableBytes> table{};
    std::array<uint8_t, keyboard::kMaxKeyTableBytes> positions{};
    result = channel.ReadKeyBlock(table);
    if (result == kResultOk) result = channel.ReadKeyExtraBlock(positions);
    result = Bracketed(channel, result);
    if (result != kResultOk) return result;
    keyTable_ = table;
    lightPositions_ = positions;
    keyCount_ = keys;
    keyTableRead_ = true;
    ledKeyMap_ = keyboard::BuildLedKeyMap(
        std::span<const uint8_t>(keyTable_.data(), keys * keyboard::kKeyCodeLength), keys);
    return kResultOk;
}

int CVornakelKeyboardDevice::ReadLightBlock() {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    uint8_t slot = 0;
    int result = channel.ReadMemory(std::span<uint8_t>(&slot, 1), 0);
    if (result != kResultOk) return result;
    keyboard::KeyboardBlockBytes bytes{};
    result = channel.ReadMemory(bytes, static_cast<uint16_t>(slot * keyboard::block::kLength));
    if (result != kResultOk) return result;
    keyboard::KeyboardBlockReadBack read;
    if (keyboard::DecodeKeyboardBlock(bytes, slot, &read) != 1) return kResultNoAnswer;
    blockRead_ = read;

    LightInfoRecord effect = lightEffect_;  // the direction is not read back
    effect.selectItem = read.mode;
    effect.light = read.brightness;
    effect.speed = read.speed;
    effect.multiColor = read.colourful;
    effect.red = read.red;
    effect.green = read.green;
    effect.blue = read.blue;
    TakeLightEffect(effect);
    system_.words[1] = PackHalves(read.key6Flag, system_.PollingRate());
    system_.words[2] = PackHalves(read.wFlag, read.winFlag);
    profile_.SetKeyboardSystem(system_);
    profile_.SetLightInfo(lightEffect_);
    SaveProfile();
    return kResultOk;
}

int CVornakelKeyboardDevice::WriteLightBlock(int slot, int slotByte) {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kResultNoAnswer;
    if (slot < 0) return kResultBadArgument;
    keyboard::KeyboardBlockSettings s;
    s.mode = lightEffect_.selectItem;
    s.brightness = lightEffect_.light;
    s.speed = lightEffect_.speed;
    s.direction = lightEffect_.fx;
    s.colourful = lightEffect_.multiColor;
    s.red = lightEffect_.red;
    s.green = lightEffect_.green;
    s.blue = lightEffect_.blue;
    s.wFlag = system_.WFlag();
    s.key6Flag = system_.Key6Flag();
    s.winFlag = system_.WinFlag();
    s.pollingRate = system_.PollingRate();
    const keyboard::KeyboardBlockBytes bytes =
        keyboard::EncodeKeyboardBlock(s, static_cast<uint8_t>(slotByte));
    const uint32_t offset = static_cast<uint32_t>(slot) * keyboard::block::kLength;
    if (!TransferFits(bytes.size(), offset)) return kResultBadArgument;
    const int result = channel.BeginConfig();
    if (result != kResultOk) return result;
    return Bracketed(channel, channel.WriteMemory(bytes, static_cast<uint16_t>(offset)));
}

int CVornakelKeyboardDevice::WriteSettings(const SettingsWrite& request) {
    const int result = WriteLightBlock(request.record, request.firstByte);
    // The custom colour mode needs the colours themselves as well.
    if (result != kResultOk || lightEffect_.selectItem != keyboard::kCustomColourMode) return result;
    return WriteCustomColours();
}

int CVornakelKeyboardDevice::WriteKeyAssignments(const std::vector<KeyAssignEntry>& list) {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened || !keyTableRead_)
        return kResultNoAnswer;  // without the table as read, unknown keys would be zeroed
    DeviceInfoBlock info{};
    int result = channel.ReadDeviceInfo(info);
    if (result != kResultOk) return result;
    deviceInfo_ = info;
    if (info[DeviceInfoByte::kKeySlots] != keyCount_)
        return kResultNoAnswer;  // the key matrix changed since it was read

    std::vector<std::optional<keyboard::KeyCode>> perLed(keyboard::kLedCount);
    for (size_t led = 0; led < list.size() && led < keyboard::kLedCount; ++led)
        perLed[led] =
            keyboard::KeyCode{list[led].current.type, list[led].current.param1, list[led].current.param2};
    const std::vector<uint8_t> payload = keyboard::BuildKeyAssignmentPayload(
        std::span<const uint8_t>(keyTable_.data(), keyCount_ * keyboard::kKeyCodeLength), keyCount_,
        ledKeyMap_, perLed);
    if (channel.SetDataLength(static_cast<int>(payload.size())) != 1) return kResultNoAnswer;
    result = channel.BeginConfig();
    if (result != kResultOk) return result;
    return Bracketed(channel, channel.WriteKeyBlock(payload, 0));
}

int CVornakelKeyboardDevice::WriteCurrentKeyAssignments() {
    return WriteKeyAssignments(assignments_);
}

int CVornakelKeyboardDevice::WriteMacros() {
    CDeviceProtocol& channel = commandChannel_;
    if (!channel.opened) return kImageWriteFailed;
    DeviceInfoBlock info{};
    if (channel.ReadDeviceInfo(info) != kResultOk) return kImageWriteFailed;
    deviceInfo_ = info;
    // The keyboard's macro image has the mouse's layout.
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
    if (channel.BeginConfig() != kResultOk) return kImageWriteFailed;
    const int written = channel.WriteMacroData(image.bytes);
    const int ended = channel.EndConfig();
    return written == kResultOk && ended == kResultOk ? kImageSent : kImageWriteFailed;
}
