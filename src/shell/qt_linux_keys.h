#pragma once
// The Linux input code of a key or mouse button event the program's own windows receive.
#include <Qt>
#include <cstdint>
#include <optional>

class QKeyEvent;

// On X11 and Wayland the native scan code is the X key code (Linux code + 8); elsewhere
// (the offscreen platform, synthetic events without a native code) the code is looked up
// from the Qt key, the keypad flag telling keypad keys from the main block.
std::optional<std::uint16_t> LinuxCodeOfKeyEvent(const QKeyEvent& event);
std::optional<std::uint16_t> LinuxCodeOfQtKey(int key, bool keypad);
std::optional<std::uint16_t> LinuxCodeOfMouseButton(Qt::MouseButton button);
