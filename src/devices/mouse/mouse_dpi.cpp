#include "devices/mouse/mouse_dpi.h"

#include <algorithm>

#include "devices/mouse/leading_decimal.h"

namespace mouse {
namespace {

inline constexpr int kLargestTypedDpi3389 = 16000;
inline constexpr int kLargestTypedDpiOther = 12000;  // 0x3327 and 0x3360

bool IsLinear(std::uint16_t code) {
    return code == kSensor3389 || code == kSensor3360;
}

}  // namespace

DpiSliderRange DpiRangeForSensor(const MouseSensorInfo& sensor) {
    DpiSliderRange range;
    switch (sensor.sensorCode) {
    case kSensor3389:
        range = {true, 0, sensor.largestPosition, kLargestTypedDpi3389};
        break;
    case kSensor3360:
        range = {true, 0, sensor.largestPosition, kLargestTypedDpiOther};
        break;
    case kSensor3327:
        range = {true, 0, std::max(0, sensor.largestPosition - kSensor3327PositionsCut),
                 kLargestTypedDpiOther};
        break;
    default:
        break;
    }
    return range;
}

int DpiForPosition(const MouseSensorInfo& sensor, int position) {
    const int step = sensor.step;
    if (IsLinear(sensor.sensorCode)) return position * step + sensor.smallestDpi;
    if (sensor.sensorCode == kSensor3327) {
        if (position <= kSensor3327KneePosition) return position * step + sensor.smallestDpi;
        return 2 * step * (position - kSensor3327KneePosition) + kSensor3327UpperBase;
    }
    return position;
}

int PositionForDpi(const MouseSensorInfo& sensor, int dpi, int currentPosition) {
    const DpiSliderRange range = DpiRangeForSensor(sensor);
    int v = std::max(dpi, static_cast<int>(sensor.smallestDpi));
    if (!range.known) return v;
    v = std::min(v, range.largestTypedDpi);
    // A device that reports no step gives nothing to divide by: keep what the slider shows.
    if (sensor.step == 0) return currentPosition;
    const int step = sensor.step;

    int p = 0;
    if (sensor.sensorCode == kSensor3327 && v > kSensor3327UpperBase) {
        p = (v - kSensor3327UpperBase) / (2 * step) + kSensor3327KneePosition;
    } else {
        p = (v - sensor.smallestDpi) / step;
        if (sensor.sensorCode == kSensor3327) p = std::min(p, kSensor3327KneePosition);
    }
    return std::clamp(p, range.minPosition, range.maxPosition);
}

int PositionForDpiText(const MouseSensorInfo& sensor, std::string_view text, int currentPosition) {
    return PositionForDpi(sensor, ParseLeadingDecimal(text), currentPosition);
}

}  // namespace mouse
