#pragma once
// DPI slider positions and the DPI values they stand for, per sensor.
//
// The device information block gives the sensor code (bytes 9-10), the DPI per slider
// step (byte 11), the largest slider position (bytes 12-13) and the smallest DPI, the DPI
// at position 0 (bytes 14-15). Profiles store slider positions; the page shows DPI.
#include <cstdint>
#include <string_view>

namespace mouse {

inline constexpr std::uint16_t kSensor3389 = 0x3389;
inline constexpr std::uint16_t kSensor3327 = 0x3327;
inline constexpr std::uint16_t kSensor3360 = 0x3360;

// Sensor 0x3327 doubles its step above this position and continues from kSensor3327UpperBase.
inline constexpr int kSensor3327KneePosition = 60;
inline constexpr int kSensor3327UpperBase = 6200;
// Positions below the largest one that the 0x3327 slider does not offer.
inline constexpr int kSensor3327PositionsCut = 2;

// The sensor fields of the device information block.
struct MouseSensorInfo {
    std::uint16_t sensorCode = 0;
    std::uint8_t step = 0;              // DPI per slider step
    std::uint16_t largestPosition = 0;  // largest DPI slider position
    std::uint16_t smallestDpi = 0;      // DPI at position 0
};

// Range of the seven DPI sliders and the largest DPI accepted in their edits.
struct DpiSliderRange {
    bool known = false;  // false: unknown sensor, the sliders keep the skin's range
    int minPosition = 0;
    int maxPosition = 0;      // 0x3327: largest position - 2; others: largest position
    int largestTypedDpi = 0;  // 0x3389: 16000; 0x3327 and 0x3360: 12000
};

// The slider range for the sensor (`known` is false for any other sensor code).
DpiSliderRange DpiRangeForSensor(const MouseSensorInfo& sensor);

// DPI shown for slider position p:
//   0x3389, 0x3360: p x step + smallest DPI;
//   0x3327: the same up to position 60, above it 2 x step x (p - 60) + 6200;
//   any other sensor: p itself.
int DpiForPosition(const MouseSensorInfo& sensor, int position);

// Slider position for a DPI typed into a DPI edit:
//   a value below the smallest DPI is raised to it; above the largest typed value (known
//   sensors) it is lowered to that. Then, with integer division:
//   0x3389, 0x3360: (v - smallest) / step;
//   0x3327: above 6200, (v - 6200) / (2 x step) + 60; otherwise (v - smallest) / step, but
//   never past 60, so a value the lower part cannot reach does not land on the doubled part;
//   the position is limited to the slider range. Any other sensor: the value itself.
// A step of 0 cannot be divided by: `currentPosition` is returned unchanged.
int PositionForDpi(const MouseSensorInfo& sensor, int dpi, int currentPosition);

// The same for the text of a DPI edit, read as a decimal number with leading-digits rules
// (an empty or non-numeric text reads as 0 and is therefore raised to the smallest DPI).
int PositionForDpiText(const MouseSensorInfo& sensor, std::string_view text, int currentPosition);

}  // namespace mouse
