#include "sim/sim_keyboard.h"

#include "sim/sim_descriptors.h"
#include "sim/sim_frame.h"

using namespace simframe;

namespace {

constexpr size_t kInfoDeviceClass = 0;
constexpr size_t kInfoKeyCount = 5;
constexpr size_t kInfoMacroUnits = 6;
constexpr uint8_t kDeviceClassKeyboard = 1;
constexpr size_t kMaxKeyTable = 512;
constexpr size_t kKeyCodeLength = 3;
constexpr size_t kMacroUnit = 128;

// Lighting of the four factory slots: mode, brightness, device speed byte, direction,
// colourful, R, G, B.
constexpr uint8_t kFactorySlots[SimKeyboard::kSlotCount][8] = {
    {3, 4, 2, 0, 0, 0xFF, 0x00, 0x00},
    {1, 2, 0, 1, 1, 0x00, 0xFF, 0x00},
    {17, 3, 4, 0, 0, 0x00, 0x00, 0xFF},
    {8, 1, 1, 1, 0, 0x10, 0x20, 0x30},
};
constexpr size_t kBlockMode = 1;
constexpr size_t kBlockWFlag = 19;
constexpr size_t kBlockPollingRate = 22;

}  // namespace

SimKeyboard::SimKeyboard(SimKeyboardModel model)
    : SimCommandDevice(kCommandInterface), model_(std::move(model)), settings_(kSettingsMemorySize, 0) {
    info_[kInfoDeviceClass] = kDeviceClassKeyboard;
    info_[kInfoMacroUnits] = model_.macroMemoryUnits;
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        uint8_t* block = &settings_[slot * kBlockSize];
        std::copy(std::begin(kFactorySlots[slot]), std::end(kFactorySlots[slot]), block + kBlockMode);
        block[kBlockWFlag] = static_cast<uint8_t>(slot & 1);
        block[kBlockPollingRate] = 2;
    }
    settings_[0] = 0;  // slot 0 is active
    power_ = {100, 0, 0, 0, 0, 0};
    TakeKeyTable(model_.factoryKeys);
}

std::vector<uint8_t> SimKeyboard::ReportDescriptor(int interfaceNumber) const {
    if (interfaceNumber == kBootInterface) return simdesc::BootKeyboard();
    if (interfaceNumber == kCommandInterface) return simdesc::DeviceControls();
    return {};
}

void SimKeyboard::PressKey(uint8_t deviceKey) {
    SendConsumerUsage(static_cast<uint16_t>(kKeyDownUsage + deviceKey));
}

void SimKeyboard::ReleaseKey(uint8_t deviceKey) {
    SendConsumerUsage(static_cast<uint16_t>(kKeyUpUsage + deviceKey));
}

void SimKeyboard::TakeKeyTable(std::vector<uint8_t> table) {
    table.resize(std::min(table.size(), kMaxKeyTable) / kKeyCodeLength * kKeyCodeLength);
    keyTable_ = std::move(table);
    const size_t keys = keyTable_.size() / kKeyCodeLength;
    info_[kInfoKeyCount] = static_cast<uint8_t>(keys);
    lightPositions_.resize(keys);
    for (size_t key = 0; key < keys; ++key) lightPositions_[key] = static_cast<uint8_t>(key);
    lightFrame_.assign(keys * kKeyCodeLength, 0);  // one colour (3 bytes) per light position
}

uint8_t SimKeyboard::Execute(const uint8_t* frame, uint8_t* answer) {
    switch (frame[kCommand]) {
    case kBeginConfig:
        SetInConfig(true);
        macroStaging_ = {};
        return kStatusOk;
    case kEndConfig:
        SetInConfig(false);
        return CommitImage("macro image", macroStaging_, macroImage_,
                           size_t{model_.macroMemoryUnits} * kMacroUnit);
    case kReadInfo:
        return ReadBytes(info_.data(), info_.size(), frame, answer);
    case kReadMemory:
        return ReadBytes(settings_.data(), settings_.size(), frame, answer);
    case kWriteMemory:
        return WriteSlotMemory(settings_, kSlotCount, frame);
    case kReadKeyBlock:
        return ReadBytes(keyTable_.data(), keyTable_.size(), frame, answer);
    case kWriteKeyBlock:
        return WriteBytes(keyTable_, frame);
    case kLightFrame:
        return WriteBytes(lightFrame_, frame);
    case kWriteMacro:
        return StageImageChunk(macroStaging_, size_t{model_.macroMemoryUnits} * kMacroUnit, frame);
    case kReadSmallBlock:
        return ReadBytes(power_.data(), power_.size(), frame, answer);
    case kReadKeyExtra:
        return ReadBytes(lightPositions_.data(), lightPositions_.size(), frame, answer);
    default:
        return Refuse("unknown command " + std::to_string(frame[kCommand]));
    }
}

std::array<uint8_t, SimKeyboard::kInfoBlockSize> SimKeyboard::InfoBlock() const {
    std::lock_guard guard(lock_);
    return info_;
}

std::vector<uint8_t> SimKeyboard::SettingsMemory() const {
    std::lock_guard guard(lock_);
    return settings_;
}

std::vector<uint8_t> SimKeyboard::ActiveBlock() const {
    std::lock_guard guard(lock_);
    const auto start = settings_.begin() + static_cast<std::ptrdiff_t>(settings_[0] * kBlockSize);
    return std::vector<uint8_t>(start, start + kBlockSize);
}

void SimKeyboard::SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes) {
    std::lock_guard guard(lock_);
    for (size_t i = 0; i < bytes.size() && offset + i < settings_.size(); ++i) {
        if (offset + i == 0 && bytes[i] >= kSlotCount) continue;  // no such slot
        settings_[offset + i] = bytes[i];
    }
}

std::vector<uint8_t> SimKeyboard::KeyTable() const {
    std::lock_guard guard(lock_);
    return keyTable_;
}

void SimKeyboard::SetKeyTable(const std::vector<uint8_t>& table) {
    std::lock_guard guard(lock_);
    TakeKeyTable(table);
}

std::vector<uint8_t> SimKeyboard::KeyLightPositions() const {
    std::lock_guard guard(lock_);
    return lightPositions_;
}

std::vector<uint8_t> SimKeyboard::MacroImage() const {
    std::lock_guard guard(lock_);
    return macroImage_;
}

std::vector<uint8_t> SimKeyboard::LightFrame() const {
    std::lock_guard guard(lock_);
    return lightFrame_;
}

std::array<uint8_t, SimKeyboard::kPowerRecordSize> SimKeyboard::PowerRecord() const {
    std::lock_guard guard(lock_);
    return power_;
}

void SimKeyboard::SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record) {
    std::lock_guard guard(lock_);
    power_ = record;
}

std::vector<SimStatePart> SimKeyboard::StateParts() {
    return {{"settings", &settings_, true, 0, static_cast<uint8_t>(kSlotCount)},
            {"keys", &keyTable_},
            {"lightframe", &lightFrame_},
            {"macros", &macroImage_, false, size_t{model_.macroMemoryUnits} * kMacroUnit}};
}
