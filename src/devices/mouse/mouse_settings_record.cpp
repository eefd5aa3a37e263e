#include "devices/mouse/mouse_settings_record.h"

#include <algorithm>

namespace mouse {
namespace {

void PutU16(MouseSettingsBytes& out, std::size_t offset, std::uint16_t value) {
    out[offset] = static_cast<std::uint8_t>(value & 0xFF);
    out[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::size_t StageXOffset(std::size_t stage) {
    // The active-stage byte sits between stage 3 and stage 4.
    return stage < record::kLowStageCount ? record::kStageXLow + 2 * stage
                                          : record::kStageXHigh + 2 * (stage - record::kLowStageCount);
}

std::uint16_t StageXOnWire(std::uint16_t x, std::uint16_t sensorCode) {
    if (sensorCode != kSensorCountingFromOne) return x;
    // Saturate: a wrapped 0 would select the device's lowest resolution instead of its highest.
    return x == 0xFFFF ? x : static_cast<std::uint16_t>(x + 1);
}

std::uint8_t SpeedOnWire(std::uint8_t speed, bool wireless) {
    if (wireless) return speed;
    return static_cast<std::uint8_t>(kMaxLightSpeed - std::min(speed, kMaxLightSpeed));
}

std::uint8_t SpeedFromWire(std::uint8_t byte, bool wireless) {
    if (wireless) return byte;
    return byte > kMaxLightSpeed ? 0 : static_cast<std::uint8_t>(kMaxLightSpeed - byte);
}

}  // namespace

MouseSettingsBytes EncodeMouseSettingsRecord(const MouseSettings& s) {
    MouseSettingsBytes out{};  // every byte not named below goes out as 0
    const MouseLightingRecord& l = s.lighting;
    out[record::kActiveRecord] = 0;
    // Host-side light presets are played by the host; the device falls back to effect 0.
    out[record::kLightMode] = l.mode >= kFirstHostLightMode ? 0 : l.mode;
    out[record::kLightBrightness] = l.brightness;
    out[record::kLightSpeed] = SpeedOnWire(l.speed, s.wireless);
    out[record::kLightDirection] = l.direction;
    out[record::kLightColourful] = l.colourful;
    out[record::kLightRed] = l.red;
    out[record::kLightGreen] = l.green;
    out[record::kLightBlue] = l.blue;
    out[record::kLightNinth] = l.ninth;
    out[record::kPollingRate] = static_cast<std::uint8_t>(s.pollingRateIndex & 0xFF);
    out[record::kActiveStage] = static_cast<std::uint8_t>(s.activeStage & 0xFF);

    for (std::size_t i = 0; i < record::kStageCount; ++i) {
        const MouseDpiStage stage = i < s.stages.size() ? s.stages[i] : MouseDpiStage{};
        PutU16(out, StageXOffset(i), StageXOnWire(stage.x, s.sensorCode));
        out[record::kStageColours + 3 * i] = stage.red;
        out[record::kStageColours + 3 * i + 1] = stage.green;
        out[record::kStageColours + 3 * i + 2] = stage.blue;
    }

    out[record::kAstItem] = static_cast<std::uint8_t>(s.astItem & 0xFF);
    out[record::kMshItem] = static_cast<std::uint8_t>(s.mshItem & 0xFF);
    out[record::kLogoItem] = static_cast<std::uint8_t>(s.logoItem & 0xFF);
    return out;
}

void MouseRecordReadBack::ApplyTo(MouseLightingRecord& lighting) const {
    lighting.mode = mode;
    lighting.brightness = brightness;
    lighting.speed = speed;
    lighting.colourful = colourful;
    lighting.red = red;
    lighting.green = green;
    lighting.blue = blue;
    lighting.ninth = ninth;
}

int DecodeMouseSettingsRecord(std::span<const std::uint8_t> bytes, std::uint8_t activeRecord, bool wireless,
                              MouseRecordReadBack* out) {
    if (out == nullptr || bytes.size() < record::kReadLength) return 0;
    MouseRecordReadBack r;
    std::copy_n(bytes.begin(), record::kReadLength, r.bytes.begin());
    r.bytes[record::kActiveRecord] = activeRecord;
    r.activeRecord = activeRecord;
    r.mode = r.bytes[record::kLightMode];
    r.brightness = r.bytes[record::kLightBrightness];
    r.speed = SpeedFromWire(r.bytes[record::kLightSpeed], wireless);
    r.colourful = r.bytes[record::kLightColourful];
    r.red = r.bytes[record::kLightRed];
    r.green = r.bytes[record::kLightGreen];
    r.blue = r.bytes[record::kLightBlue];
    r.ninth = r.bytes[record::kLightNinth];
    r.pollingRateIndex = r.bytes[record::kPollingRate];
    r.activeStage = r.bytes[record::kActiveStage];
    *out = r;
    return 1;
}

}  // namespace mouse
