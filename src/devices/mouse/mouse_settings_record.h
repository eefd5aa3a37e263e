#pragma once
// The mouse's settings record in device memory.
//
// The device keeps settings records of 128 bytes each at offset (record x 128); byte 0 of
// the memory holds the number of the active record. The host always writes 86 bytes to
// record 0 (which also makes record 0 the active one) and reads back the first 57 bytes of
// the active record.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace mouse {

// Byte layout of the settings record (offsets within the record).
namespace record {
inline constexpr std::size_t kActiveRecord = 0;     // written 0; read back: active record number
inline constexpr std::size_t kLightMode = 1;        // built-in effect 0-11
inline constexpr std::size_t kLightBrightness = 2;  // brightness level
inline constexpr std::size_t kLightSpeed = 3;       // 4 - speed level (wired), speed level (wireless)
inline constexpr std::size_t kLightDirection = 4;   // written only
inline constexpr std::size_t kLightColourful = 5;   // colourful flag
inline constexpr std::size_t kLightRed = 6;
inline constexpr std::size_t kLightGreen = 7;
inline constexpr std::size_t kLightBlue = 8;
inline constexpr std::size_t kLightNinth = 9;     // ninth byte of the lighting record
inline constexpr std::size_t kReserved10 = 10;    // 10-13 zero
inline constexpr std::size_t kPollingRate = 14;   // polling-rate index
inline constexpr std::size_t kStageXLow = 15;     // stages 0-3: X value u16 LE at 15,17,19,21
inline constexpr std::size_t kActiveStage = 23;   // active DPI stage
inline constexpr std::size_t kStageXHigh = 24;    // stages 4-6: X value u16 LE at 24,26,28
inline constexpr std::size_t kReserved30 = 30;    // zero
inline constexpr std::size_t kStageColours = 31;  // stages 0-6: R, G, B each (31-51)
inline constexpr std::size_t kReserved52 = 52;    // 52-53 zero
inline constexpr std::size_t kAstItem = 54;
inline constexpr std::size_t kMshItem = 55;
inline constexpr std::size_t kLogoItem = 56;
inline constexpr std::size_t kReadLength = 57;     // bytes read back from the active record
inline constexpr std::size_t kWriteLength = 86;    // bytes written to record 0 (57-85 zero)
inline constexpr std::size_t kRecordStride = 128;  // distance between records in memory
inline constexpr std::size_t kStageCount = 7;      // stages carried by the record
inline constexpr std::size_t kLowStageCount = 4;   // stages stored before the active-stage byte

static_assert(kStageXLow + 2 * kLowStageCount == kActiveStage, "stages 0-3 end at the active stage byte");
static_assert(kStageXHigh + 2 * (kStageCount - kLowStageCount) == kReserved30, "stages 4-6 end at byte 30");
static_assert(kStageColours + 3 * kStageCount == kReserved52, "stage colours end at byte 52");
static_assert(kLogoItem + 1 == kReadLength, "the read covers the record up to the LOGO item");
static_assert(kReadLength < kWriteLength && kWriteLength <= kRecordStride, "the write fits one record");
}  // namespace record

// Modes from this value on are light presets of the host; the device only knows 0-11.
inline constexpr std::uint8_t kFirstHostLightMode = 12;
// Largest speed level of the lighting; the wired device stores the level turned over.
inline constexpr std::uint8_t kMaxLightSpeed = 4;
// Sensor whose stage values the device counts from 1.
inline constexpr std::uint16_t kSensorCountingFromOne = 0x3389;

// The lighting choice as the device object holds it (11 bytes, in this order).
struct MouseLightingRecord {
    std::uint8_t mode = 0;        // light mode ("SelectItem")
    std::uint8_t brightness = 0;  // brightness level ("Light")
    std::uint8_t speed = 0;       // speed level ("Speed"), 0-4
    std::uint8_t direction = 0;   // direction ("Fx")
    std::uint8_t colourful = 0;   // colourful flag ("MultiColor")
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t ninth = 0;    // ninth byte: travels with the record, never in the profile file
    std::uint8_t extra10 = 0;  // tenth and eleventh bytes: in memory only
    std::uint8_t extra11 = 0;
};
static_assert(sizeof(MouseLightingRecord) == 11, "the lighting record is 11 bytes");

// One DPI stage (the 9-byte stage record of the profile).
struct MouseDpiStage {
    std::uint8_t enabled = 0;     // "StageActive"
    std::uint8_t separateXY = 0;  // "StageXY"
    std::uint16_t x = 0;          // "StageDPIX": slider position
    std::uint16_t y = 0;          // "StageDPIY": slider position
    std::uint8_t red = 0;         // "StageColorR"
    std::uint8_t green = 0;       // "StageColorG"
    std::uint8_t blue = 0;        // "StageColorB"
};

// Everything the settings record carries, as the device object's model holds it.
struct MouseSettings {
    MouseLightingRecord lighting;
    std::vector<MouseDpiStage> stages;   // the first 7 are sent; missing ones count as zero
    std::uint16_t pollingRateIndex = 0;  // "ReportStages"/"StageActive"; low byte is sent
    std::uint32_t activeStage = 0;       // "DPIStages"/"StageActive"; low byte is sent
    std::uint16_t astItem = 0;           // low byte is sent (0xFFFF "none" goes out as 0xFF)
    std::uint16_t mshItem = 0;
    std::uint16_t logoItem = 0;
    std::uint16_t sensorCode = 0;  // device information bytes 9-10
    bool wireless = false;         // the mouse runs on its wireless link
};

using MouseSettingsBytes = std::array<std::uint8_t, record::kWriteLength>;

// Builds the 86 bytes written to record 0:
//   0 = 0; 1 = mode (12 and above go out as 0); 2 = brightness;
//   3 = 4 - speed (wired, speed above 4 counts as 4) or speed (wireless); 4 = direction;
//   5 = colourful; 6-8 = colour; 9 = ninth lighting byte; 10-13 = 0; 14 = polling index;
//   15-22 = X of stages 0-3 (u16 LE); 23 = active stage; 24-29 = X of stages 4-6;
//   30 = 0; 31-51 = R, G, B of stages 0-6; 52-53 = 0; 54 AST; 55 MSH; 56 LOGO; 57-85 = 0.
// A stage missing from the list is all zeros. For sensor 0x3389 every X value goes out as
// value + 1 (a missing stage as 1; 0xFFFF stays 0xFFFF rather than wrapping to 0).
MouseSettingsBytes EncodeMouseSettingsRecord(const MouseSettings& settings);

// What the host takes from the 57 bytes read back from the active record.
struct MouseRecordReadBack {
    std::array<std::uint8_t, record::kReadLength> bytes{};  // as read, byte 0 = active record
    std::uint8_t activeRecord = 0;
    std::uint8_t mode = 0;
    std::uint8_t brightness = 0;
    std::uint8_t speed = 0;  // speed level, already turned back
    std::uint8_t colourful = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t ninth = 0;
    std::uint8_t pollingRateIndex = 0;
    std::uint8_t activeStage = 0;

    // Copies the fields read back into a lighting record; direction and the two bytes
    // after the ninth keep their values, since the device does not report them.
    void ApplyTo(MouseLightingRecord& lighting) const;
};

// Decodes the bytes read from record `activeRecord`. Byte 0 of the kept copy is replaced by
// the active record number. Speed level = 4 - byte 3 on a wired mouse (a byte above 4 reads
// as level 0), byte 3 itself on a wireless one, mirroring the encoder.
// Returns 1 and fills `out`; 0 when fewer than 57 bytes are given (`out` untouched).
int DecodeMouseSettingsRecord(std::span<const std::uint8_t> bytes, std::uint8_t activeRecord, bool wireless,
                              MouseRecordReadBack* out);

}  // namespace mouse
