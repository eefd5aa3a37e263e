#include "sdk/describe/device_controller.h"

#include <algorithm>
#include <cctype>

#include "devices/keyboard/keyboard_led_table.h"
#include "panels/light/model/light_device_kinds.h"
#include "panels/light/model/light_enabling.h"
#include "sdk/describe/key_names.h"

namespace sdk {

namespace {

// The keyboard's LEDs run row by row over its six rows of 21 places.
constexpr std::uint32_t kKeyRows = 6;
constexpr std::uint32_t kKeyColumns = 21;
static_assert(kKeyRows * kKeyColumns == keyboard::kLedCount, "every LED has a place in the matrix");

constexpr std::uint32_t kLevelMax = static_cast<std::uint32_t>(kLightLevelMax);
// The lighting direction option: 0 left, 1 right.
constexpr std::uint32_t kDirections = mode_flag::kDirectionLR;

std::uint32_t RgbOf(const LightInfoRecord& r) {
    return std::uint32_t{r.red} << 16 | std::uint32_t{r.green} << 8 | r.blue;
}

// Keyboard colours keep red in the low byte.
std::uint32_t RgbOfKey(std::uint32_t packed) {
    return (packed & 0xFF) << 16 | (packed & 0xFF00) | (packed >> 16 & 0xFF);
}

bool IsSingleColourMode(const std::string& id) {
    return id == "light_mode_static" || id == "light_mode_single_colour";
}

bool On(const LightEnabling& e, LightGroup g) {
    return e.State(g) == GroupState::Enabled;
}

Mode DescribeMode(const DeviceLighting& d, int value, bool perLed) {
    const LightEnabling e = LightEnablingFor(d.kind, value);
    Mode m;
    m.name = DisplayName(d.modeIds[static_cast<std::size_t>(value)], "light_mode_");
    m.value = value;
    // The device keeps one speed, brightness and direction for whichever mode it runs.
    const bool current = d.effect.selectItem == value;
    if (On(e, LightGroup::Speed)) {
        m.flags |= mode_flag::kSpeed;
        m.speedMax = kLevelMax;
        m.speed = std::min<std::uint32_t>(d.effect.speed, kLevelMax);
    }
    if (On(e, LightGroup::Brightness)) {
        m.flags |= mode_flag::kBrightness;
        m.brightnessMax = kLevelMax;
        m.brightness = std::min<std::uint32_t>(d.effect.light, kLevelMax);
    }
    // The panel enables the direction group on every mode the table does not switch it off for.
    if (e.State(LightGroup::Fx) != GroupState::Disabled) {
        m.flags |= kDirections;
        m.direction = d.effect.fx & 1u;
    }
    if (On(e, LightGroup::Colourful)) m.flags |= mode_flag::kRandomColour;
    if (perLed) {
        m.flags |= mode_flag::kPerLedColour;
        m.colourMode = ColourMode::PerLed;
    } else if (On(e, LightGroup::Colour)) {
        m.flags |= mode_flag::kModeSpecificColour;
        m.coloursMin = m.coloursMax = 1;
        m.colours = {RgbOf(d.effect)};
        m.colourMode = ColourMode::ModeSpecific;
    }
    if ((m.flags & mode_flag::kRandomColour) &&
        (m.colourMode == ColourMode::None || (current && d.effect.multiColor)))
        m.colourMode = ColourMode::Random;
    return m;
}

void DescribeKeyboard(const DeviceLighting& d, Controller& c) {
    Zone keys{.name = "Keyboard",
              .type = ZoneType::Matrix,
              .ledCount = keyboard::kLedCount,
              .matrixHeight = kKeyRows,
              .matrixWidth = kKeyColumns,
              .matrixMap = {}};
    const auto& identities = keyboard::LedIdentityTable();
    for (std::uint32_t led = 0; led < keyboard::kLedCount; ++led) {
        keys.matrixMap.push_back(led);
        c.leds.push_back({KeyLedName(identities[led]), led});
        c.colours.push_back(led < d.keyColours.size() ? RgbOfKey(d.keyColours[led]) : 0);
    }
    c.zones = {keys};
}

// One LED per lighting area, all in the device's one colour.
void DescribeAreas(const DeviceLighting& d, Controller& c) {
    for (const std::string& area : d.areaIds) {
        const std::string name = DisplayName(area, "light_area_");
        c.zones.push_back(Zone{.name = name,
                               .type = ZoneType::Single,
                               .ledCount = 1,
                               .matrixHeight = 0,
                               .matrixWidth = 0,
                               .matrixMap = {}});
        c.leds.push_back({name, static_cast<std::uint32_t>(c.leds.size())});
        c.colours.push_back(RgbOf(d.effect));
    }
}

DeviceType TypeOfKind(int kind) {
    switch (LightTableKind(kind)) {
    case kKindKeyboard:
        return DeviceType::Keyboard;
    case kKindMousePad:
        return DeviceType::Mousemat;
    case kKindHeadset:
        return DeviceType::Headset;
    default:
        return DeviceType::Mouse;
    }
}

}  // namespace

std::string DisplayName(const std::string& textId, const char* prefix) {
    const std::string p(prefix);
    std::string name = textId.rfind(p, 0) == 0 ? textId.substr(p.size()) : textId;
    for (char& ch : name)
        if (ch == '_') ch = ' ';
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

Controller DescribeDevice(const DeviceLighting& d) {
    Controller c;
    c.type = TypeOfKind(d.kind);
    c.name = d.name;
    c.vendor = d.vendor;
    c.description = d.description;
    c.version = d.version;
    c.serial = d.serial;
    c.location = d.location;
    const bool keyboard = c.type == DeviceType::Keyboard;
    for (std::size_t i = 0; i < d.modeIds.size(); ++i) {
        const int value = static_cast<int>(i);
        const bool perLed =
            keyboard ? LightEnablingFor(d.kind, value).showCustomColours : IsSingleColourMode(d.modeIds[i]);
        c.modes.push_back(DescribeMode(d, value, perLed));
    }
    c.activeMode = d.effect.selectItem < c.modes.size() ? d.effect.selectItem : 0;
    if (keyboard)
        DescribeKeyboard(d, c);
    else
        DescribeAreas(d, c);
    return c;
}

LightInfoRecord EffectOf(const Controller& c, const LightInfoRecord& before) {
    LightInfoRecord r = before;
    if (c.activeMode < 0 || static_cast<std::size_t>(c.activeMode) >= c.modes.size()) return r;
    const Mode& m = c.modes[static_cast<std::size_t>(c.activeMode)];
    r.selectItem = static_cast<std::uint8_t>(m.value);
    if (m.flags & mode_flag::kSpeed) r.speed = static_cast<std::uint8_t>(m.speed);
    if (m.flags & mode_flag::kBrightness) r.light = static_cast<std::uint8_t>(m.brightness);
    if (m.flags & kDirections) r.fx = static_cast<std::uint8_t>(m.direction);
    if (m.flags & mode_flag::kRandomColour) r.multiColor = m.colourMode == ColourMode::Random ? 1 : 0;
    std::uint32_t rgb = RgbOf(before);
    // The record keeps a colour beside the colourful switch: a mode's colour is kept whichever is on.
    if ((m.flags & mode_flag::kModeSpecificColour) && !m.colours.empty()) rgb = m.colours.front();
    if (m.colourMode == ColourMode::PerLed && c.type != DeviceType::Keyboard && !c.colours.empty()) {
        // The LEDs share one colour: the one a client changed wins.
        rgb = c.colours.front();
        for (std::uint32_t colour : c.colours)
            if (colour != RgbOf(before)) rgb = colour;
    }
    r.red = static_cast<std::uint8_t>(rgb >> 16);
    r.green = static_cast<std::uint8_t>(rgb >> 8);
    r.blue = static_cast<std::uint8_t>(rgb);
    return r;
}

std::vector<std::uint32_t> KeyColoursOf(const Controller& c) {
    std::vector<std::uint32_t> packed;
    for (std::uint32_t rgb : c.colours) packed.push_back(RgbOfKey(rgb));  // the swap is its own inverse
    return packed;
}

}  // namespace sdk
