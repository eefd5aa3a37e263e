#pragma once
// Light synchronisation across devices: every kind's lighting modes translate into five
// common effect types, and a selected device's mode into each other kind's equivalent.
#include <cstdint>
#include <optional>

enum class CommonEffect : std::uint8_t { Breathing = 0, Static = 1, Flashing = 2, ColourWheel = 3, Off = 4 };

// The kinds that take part (the device kinds of the device table: 1 keyboard, 2 and 6
// mouse, 3 mouse pad, 7 headset).
enum class LightSyncKind { Keyboard, Mouse, MousePad, Headset };

// The kind of a device kind code; none for kinds that do not take part.
std::optional<LightSyncKind> LightSyncKindOf(int deviceKind);
// The common effect of a kind's mode; none when the mode has none.
std::optional<CommonEffect> CommonEffectOf(LightSyncKind kind, std::uint8_t mode);
// The kind's mode for a common effect.
std::uint8_t ModeFor(LightSyncKind kind, CommonEffect effect);
// A selected device's mode as the equivalent mode of another kind; none when the mode has
// no common effect.
std::optional<std::uint8_t> EquivalentMode(LightSyncKind from, std::uint8_t mode, LightSyncKind to);
