#include "panels/light/model/light_change.h"

#include <cctype>
#include <string>

#include "panels/light/model/light_colour.h"
#include "panels/light/model/light_control_names.h"

namespace {

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The number of a swatch name ("color_option_" n): the text after the last "_" read as a
// decimal integer; -1 when the name is not a numbered swatch.
int SwatchNumber(std::string_view name) {
    const std::string_view prefix = LightNames::kSwatchPrefix;
    const size_t cut = name.rfind('_');
    if (cut == std::string_view::npos || !SameText(name.substr(0, cut + 1), prefix)) return -1;
    const std::string_view digits = name.substr(cut + 1);
    if (digits.empty() || digits.size() > 4) return -1;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

struct Route {
    const char* type;
    const char* name;
    LightSource source;
};

constexpr Route kRoutes[] = {
    {"itemselect", LightNames::kModeCombo, LightSource::ModeCombo},
    {"valuechanged", LightNames::kBrightnessSlider, LightSource::BrightnessSlider},
    {"valuechanged", LightNames::kSpeedSlider, LightSource::SpeedSlider},
    {"selectchanged", LightNames::kLeftCheck, LightSource::LeftCheck},
    {"selectchanged", LightNames::kRightCheck, LightSource::RightCheck},
    {"selectchanged", LightNames::kColourfulCheck, LightSource::ColourfulCheck},
    {"killfocus", LightNames::kEditRed, LightSource::EditRed},
    {"killfocus", LightNames::kEditGreen, LightSource::EditGreen},
    {"killfocus", LightNames::kEditBlue, LightSource::EditBlue},
    {"colorchanged", LightNames::kPalette, LightSource::Palette},
};

bool InByteRange(int64_t value) {
    return value >= 0 && value <= 255;
}

}  // namespace

LightNotice ClassifyLightNotice(std::string_view type, std::string_view senderName) {
    if (SameText(type, "click")) {
        const int number = SwatchNumber(senderName);
        if (number >= 0) return {LightSource::Swatch, number};
        return {};
    }
    for (const Route& route : kRoutes)
        if (SameText(type, route.type) && SameText(senderName, route.name)) return {route.source, -1};
    return {};
}

LightChange ChangeOfSource(LightSource source) {
    switch (source) {
    case LightSource::ModeCombo:
        return LightChange::Mode;
    case LightSource::BrightnessSlider:
        return LightChange::Brightness;
    case LightSource::SpeedSlider:
        return LightChange::Speed;
    case LightSource::LeftCheck:
    case LightSource::RightCheck:
        return LightChange::Direction;
    case LightSource::ColourfulCheck:
        return LightChange::Colourful;
    case LightSource::EditRed:
    case LightSource::EditGreen:
    case LightSource::EditBlue:
    case LightSource::Palette:
        return LightChange::Colour;
    case LightSource::Swatch:
        return LightChange::Swatch;
    case LightSource::None:
        break;
    }
    return LightChange::None;
}

bool ApplyLightValue(LightInfoRecord& record, LightSource source, int64_t value) {
    switch (source) {
    case LightSource::ModeCombo:
    case LightSource::BrightnessSlider:
    case LightSource::SpeedSlider:
    case LightSource::EditRed:
    case LightSource::EditGreen:
    case LightSource::EditBlue:
        if (!InByteRange(value)) return false;
        break;
    default:
        break;
    }
    const uint8_t byte = static_cast<uint8_t>(value);
    switch (source) {
    case LightSource::None:
        return false;
    case LightSource::ModeCombo:
        record.selectItem = byte;
        return true;
    case LightSource::BrightnessSlider:
        record.light = byte;
        return true;
    case LightSource::SpeedSlider:
        record.speed = byte;
        return true;
    case LightSource::LeftCheck:
        record.fx = value != 0 ? 1 : 0;
        return true;
    case LightSource::RightCheck:
        record.fx = value != 0 ? 0 : 1;
        return true;
    case LightSource::ColourfulCheck:
        record.multiColor = value != 0 ? 1 : 0;
        return true;
    case LightSource::EditRed:
        record.red = byte;
        break;
    case LightSource::EditGreen:
        record.green = byte;
        break;
    case LightSource::EditBlue:
        record.blue = byte;
        break;
    case LightSource::Palette:
    case LightSource::Swatch: {
        const Rgb c = RgbOfArgb(static_cast<uint32_t>(value));
        record.red = c.red;
        record.green = c.green;
        record.blue = c.blue;
        break;
    }
    }
    record.multiColor = 0;
    return true;
}
