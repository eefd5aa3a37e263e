#pragma once
// What the program does with each device kind: whether it has a device class, and the
// icon set of its device-bar entry.
#include <cstdint>
#include <string_view>

// Whether the program has a device class for a kind (today: the mouse kinds 2 and 6 and the
// HS6533 headset, 7).
bool KindHasDeviceClass(uint16_t kind);

// The icon set of a device kind: "kb", "ms", "hard_mp"/"soft_mp" (mouse pad sub-kind 0/1),
// "hd", "hub"; "unknow" for other kinds. Kind 6 has no set of its own: "unknow" (the main
// window looks it up as kind 2). An empty view for a mouse pad of another sub-kind (the
// entry then keeps its images).
std::string_view DeviceIconSet(int kind, int subKind);
