#pragma once
// In-memory records of a profile. The byte records keep the field order and size the
// devices use (device code copies them into reports), so their sizes are checked.
#include <array>
#include <cstdint>
#include <string>

#include "hid/protocol/device_info.h"

// The current lighting choice ("LightInfo").
struct LightInfoRecord {
    uint8_t selectItem = 0;  // "SelectItem": light mode, also the light preset index
    uint8_t light = 0;       // "Light": brightness level
    uint8_t speed = 0;       // "Speed": effect speed
    uint8_t fx = 0;          // "Fx": effect option bits (direction)
    uint8_t multiColor = 0;  // "MultiColor": colourful flag, 0 or 1
    uint8_t red = 0;         // "Red"
    uint8_t green = 0;       // "Green"
    uint8_t blue = 0;        // "Blue"
    uint8_t extra1 = 0;      // the three bytes below travel in memory only and are
    uint8_t extra2 = 0;      // cleared whenever the record is read from the file
    uint8_t extra3 = 0;
    bool operator==(const LightInfoRecord&) const = default;
};
static_assert(sizeof(LightInfoRecord) == 11);

// One element of "LightList" (per-mode light parameters, read only).
struct LightListEntry {
    uint8_t mode = 0;        // "LEDREGMode"
    uint8_t brightness = 0;  // "LEDBrightness"
    uint8_t speed = 0;       // "LEDSpeed"
    uint8_t direction = 0;   // "LEDDirection", read as a boolean
    uint8_t multiColor = 0;  // "LEDMultiColor", read as a boolean
    uint8_t red = 0;         // "red"
    uint8_t green = 0;       // "green"
    uint8_t blue = 0;        // "blue"
    uint8_t reserved1 = 0;
    uint8_t reserved2 = 0;
    uint8_t present = 0;  // 1 when the array element exists, 0 when it is null
    bool operator==(const LightListEntry&) const = default;
};
static_assert(sizeof(LightListEntry) == 11);

// One half of a key assignment. Bytes 2-4 are the three bytes the device stores per key.
struct KeyAssignHalf {
    uint16_t keyIndex = 0;  // button or key number (element index of "KeyList")
    uint8_t type = 0;       // bits 16-23 of the packed assignment
    uint8_t param1 = 0;     // bits 8-15
    uint8_t param2 = 0;     // bits 0-7
    uint8_t reserved = 0;
    bool operator==(const KeyAssignHalf&) const = default;
};
static_assert(sizeof(KeyAssignHalf) == 6);

// A button's current assignment ("Assignment") and its default ("DefaultAssignment").
struct KeyAssignEntry {
    KeyAssignHalf current;
    KeyAssignHalf defaults;
    bool operator==(const KeyAssignEntry&) const = default;
};
static_assert(sizeof(KeyAssignEntry) == 12);

// The packed JSON form of an assignment: type << 16 | param1 << 8 | param2.
inline int PackAssignment(const KeyAssignHalf& h) {
    return (int(h.type) << 16) | (int(h.param1) << 8) | int(h.param2);
}
inline KeyAssignHalf UnpackAssignment(uint16_t keyIndex, int packed) {
    const auto bits = static_cast<uint32_t>(packed);
    return KeyAssignHalf{keyIndex, uint8_t(bits >> 16), uint8_t(bits >> 8), uint8_t(bits), 0};
}

// One step of a light preset's effect list ("LEDEffectList" of a ".light" file).
struct LedEffectEntry {
    uint8_t mode = 0;        // "LEDREGMode": 0 breathing, 1 static, 2 blinking, 3 none, 4 wave, 5 cycle
    uint8_t brightness = 0;  // "LEDBrightness"
    uint8_t speed = 0;       // "LEDSpeed"
    uint8_t direction = 0;   // "LEDDirection"
    uint8_t multiColor = 0;  // "LEDMultiColor"
    uint8_t red = 0;         // "red"
    uint8_t green = 0;       // "green"
    uint8_t blue = 0;        // "blue"
    int32_t time = 0;        // "Time": step duration in milliseconds
    int32_t cycles = 0;      // "Cyle": repeat count
    bool operator==(const LedEffectEntry&) const = default;
};
static_assert(sizeof(LedEffectEntry) == 16);

// One DPI stage of a mouse profile.
struct DpiStage {
    uint8_t stageActive = 0;  // "StageActive": stage enabled
    uint8_t stageXY = 0;      // "StageXY": separate X and Y values
    uint8_t xLow = 0;         // "StageDPIX", low byte first
    uint8_t xHigh = 0;
    uint8_t yLow = 0;  // "StageDPIY", low byte first
    uint8_t yHigh = 0;
    uint8_t red = 0;    // "StageColorR"
    uint8_t green = 0;  // "StageColorG"
    uint8_t blue = 0;   // "StageColorB"

    uint16_t X() const { return uint16_t(xLow | (xHigh << 8)); }
    uint16_t Y() const { return uint16_t(yLow | (yHigh << 8)); }
    void SetX(uint16_t v) {
        xLow = uint8_t(v);
        xHigh = uint8_t(v >> 8);
    }
    void SetY(uint16_t v) {
        yLow = uint8_t(v);
        yHigh = uint8_t(v >> 8);
    }
    bool operator==(const DpiStage&) const = default;
};
static_assert(sizeof(DpiStage) == 9);

// Two 16-bit values in one word, the low one first.
inline uint16_t LowHalf(uint32_t word) {
    return uint16_t(word);
}
inline uint16_t HighHalf(uint32_t word) {
    return uint16_t(word >> 16);
}
inline uint32_t PackHalves(uint16_t low, uint16_t high) {
    return uint32_t(low) | (uint32_t(high) << 16);
}

// The mouse's system values as five words of two 16-bit halves:
//   0: "DoubleClickTime" | "MouseSpeed"        1: "PointerPrecision" | "ScorllPage"
//   2: "WheelScorlllinse" | report rate index  3: "ASTSelectItem" | "MSHSelectItem"
//   4: "LOGOSelectItem" | unused
// All in "SystemStages" except the report rate index ("ReportStages"/"StageActive").
struct MouseSystemSettings {
    std::array<uint32_t, 5> words{};

    uint16_t DoubleClickTime() const { return LowHalf(words[0]); }
    uint16_t MouseSpeed() const { return HighHalf(words[0]); }
    uint16_t PointerPrecision() const { return LowHalf(words[1]); }
    uint16_t ScrollPage() const { return HighHalf(words[1]); }
    uint16_t WheelScrollLines() const { return LowHalf(words[2]); }
    uint16_t ReportRate() const { return HighHalf(words[2]); }
    uint16_t AstItem() const { return LowHalf(words[3]); }
    uint16_t MshItem() const { return HighHalf(words[3]); }
    uint16_t LogoItem() const { return LowHalf(words[4]); }
    bool operator==(const MouseSystemSettings&) const = default;
};

// The keyboard's system values, all in "SystemStages":
//   0: "Repeat" | "RepeatDelay"   1: "Key6Flag" | "PollingRate"   2: "WFlag" | "WinFlag"
struct KeyboardSystemSettings {
    std::array<uint32_t, 3> words{};

    uint16_t Repeat() const { return LowHalf(words[0]); }
    uint16_t RepeatDelay() const { return HighHalf(words[0]); }
    uint16_t Key6Flag() const { return LowHalf(words[1]); }
    uint16_t PollingRate() const { return HighHalf(words[1]); }
    uint16_t WFlag() const { return LowHalf(words[2]); }
    uint16_t WinFlag() const { return HighHalf(words[2]); }
    bool operator==(const KeyboardSystemSettings&) const = default;
};

// One sensor calibration entry of "CorrectInfo" (read only).
struct CorrectEntry {
    uint8_t pixThresh = 0;  // "CorrectPixThresh"
    uint8_t minSq = 0;      // "CorrectMinSq"
    uint8_t select = 0;     // "CorrectSelect"
    std::string name;       // "CorrectName"
    bool operator==(const CorrectEntry&) const = default;
};

// One key colour of a keyboard custom colour group.
struct RgbaColor {
    uint8_t red = 0;    // "Red"
    uint8_t green = 0;  // "Green"
    uint8_t blue = 0;   // "Blue"
    uint8_t alpha = 0;  // "Alpha"
    bool operator==(const RgbaColor&) const = default;
};
static_assert(sizeof(RgbaColor) == 4);

// The headset's settings, all in "SystemSetStages", in this order.
struct HeadsetSettings {
    int32_t magicEnable = 0;       // "MagicEnable"
    int32_t magicType = 0;         // "MagicType"
    int32_t eqType = 0;            // "EqType"
    int32_t customEqSelect = 0;    // "CustomEqSeletIndex"
    int32_t micInSelect = 0;       // "MicInSelect"
    int32_t micInValue = 0;        // "MicInValue"
    int32_t micMonitorSelect = 0;  // "MicMoniterSelect"
    int32_t micMonitorValue = 0;   // "MicMoniterValue"
    int32_t customEqEdited = 0;    // "CustomEqEdited": 1 while moved bands play, not a preset
    bool operator==(const HeadsetSettings&) const = default;
};
static_assert(sizeof(HeadsetSettings) == 36);

// Sensor models that select a DPI stage array: kSensor3327, kSensor3389 and kSensor3360 of
// hid/protocol/device_info.h (one definition for code that uses profiles and channels).

// Number of equaliser bands of every table.
constexpr int kEqBandCount = 10;
