#pragma once
// A device as the protocol describes it to clients: a controller with lighting modes, zones
// and LEDs. Colours are 0xRRGGBB.
#include <cstdint>
#include <string>
#include <vector>

namespace sdk {

// Device types of the protocol.
enum class DeviceType : std::int32_t { Keyboard = 5, Mouse = 6, Mousemat = 7, Headset = 8 };

// Mode flags of the protocol.
namespace mode_flag {
inline constexpr std::uint32_t kSpeed = 1u << 0;
inline constexpr std::uint32_t kDirectionLR = 1u << 1;
inline constexpr std::uint32_t kDirectionUD = 1u << 2;
inline constexpr std::uint32_t kDirectionHV = 1u << 3;
inline constexpr std::uint32_t kBrightness = 1u << 4;
inline constexpr std::uint32_t kPerLedColour = 1u << 5;
inline constexpr std::uint32_t kModeSpecificColour = 1u << 6;
inline constexpr std::uint32_t kRandomColour = 1u << 7;
inline constexpr std::uint32_t kManualSave = 1u << 8;
}  // namespace mode_flag

// How a mode takes its colours.
enum class ColourMode : std::uint32_t { None = 0, PerLed = 1, ModeSpecific = 2, Random = 3 };

enum class ZoneType : std::int32_t { Single = 0, Linear = 1, Matrix = 2 };

inline constexpr std::uint32_t kNoLed = 0xFFFFFFFF;  // an empty cell of a matrix map

struct Mode {
    std::string name;
    std::int32_t value = 0;  // the device's own number of the mode
    std::uint32_t flags = 0;
    std::uint32_t speedMin = 0, speedMax = 0;
    std::uint32_t brightnessMin = 0, brightnessMax = 0;
    std::uint32_t coloursMin = 0, coloursMax = 0;
    std::uint32_t speed = 0;
    std::uint32_t brightness = 0;
    std::uint32_t direction = 0;
    ColourMode colourMode = ColourMode::None;
    std::vector<std::uint32_t> colours;
};

struct Zone {
    std::string name;
    ZoneType type = ZoneType::Single;
    std::uint32_t ledCount = 0;  // fixed: minimum = maximum = count
    // Matrix zones: height x width cells, row by row, each an LED index within the zone or kNoLed.
    std::uint32_t matrixHeight = 0, matrixWidth = 0;
    std::vector<std::uint32_t> matrixMap;
};

struct Led {
    std::string name;
    std::uint32_t value = 0;
};

struct Controller {
    DeviceType type = DeviceType::Mouse;
    std::string name, vendor, description, version, serial, location;
    std::vector<Mode> modes;
    std::int32_t activeMode = 0;
    std::vector<Zone> zones;  // their LEDs follow one another in `leds`
    std::vector<Led> leds;
    std::vector<std::uint32_t> colours;  // one per LED
};

// The index of a zone's first LED in the controller's LED list.
std::uint32_t ZoneStart(const Controller& controller, std::size_t zone);

}  // namespace sdk
