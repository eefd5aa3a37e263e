#include "devices/light_sync_modes.h"

#include <array>

#include "hid/protocol/supported_devices.h"

namespace {

constexpr std::size_t kEffectCount = 5;
constexpr std::size_t kKindCount = 4;

// Row = common effect (breathing, static, flashing, colour wheel, off); column = kind
// (keyboard, mouse, mouse pad, headset).
constexpr std::array<std::array<std::uint8_t, kKindCount>, kEffectCount> kModes = {{
    {2, 2, 2, 2},
    {3, 4, 3, 3},
    {17, 7, 4, 4},
    {1, 1, 1, 1},
    {24, 11, 8, 8},
}};

}  // namespace

std::optional<LightSyncKind> LightSyncKindOf(int deviceKind) {
    switch (deviceKind) {
    case DeviceKind::kKeyboard:
        return LightSyncKind::Keyboard;
    case DeviceKind::kMouse:
    case DeviceKind::kMouseVariant:
        return LightSyncKind::Mouse;
    case DeviceKind::kMousePad:
        return LightSyncKind::MousePad;
    case DeviceKind::kHeadsetHs6533:
        return LightSyncKind::Headset;
    default:
        return std::nullopt;
    }
}

std::optional<CommonEffect> CommonEffectOf(LightSyncKind kind, std::uint8_t mode) {
    for (std::size_t effect = 0; effect < kEffectCount; ++effect)
        if (kModes[effect][static_cast<std::size_t>(kind)] == mode) return static_cast<CommonEffect>(effect);
    return std::nullopt;
}

std::uint8_t ModeFor(LightSyncKind kind, CommonEffect effect) {
    return kModes[static_cast<std::size_t>(effect)][static_cast<std::size_t>(kind)];
}

std::optional<std::uint8_t> EquivalentMode(LightSyncKind from, std::uint8_t mode, LightSyncKind to) {
    const std::optional<CommonEffect> effect = CommonEffectOf(from, mode);
    if (!effect) return std::nullopt;
    return ModeFor(to, *effect);
}
