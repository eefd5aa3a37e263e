#pragma once
// Device kinds as the lighting code sees them, and the row of the light preset files that
// belongs to each kind.
//
// Kinds: 1 keyboard, 2 mouse, 3 mouse pad, 4 headset (icon only), 5 hub (icon only),
// 6 mouse on a wireless link (handled as a mouse), 7 headset with the HS6533 chip.
// Rows of "DefaultLightName", "AreaLightName" and "LightInfo": 0 keyboard, 1 mouse,
// 2 mouse pad, 3 headset.

constexpr int kKindKeyboard = 1;
constexpr int kKindMouse = 2;
constexpr int kKindMousePad = 3;
constexpr int kKindHeadsetIcon = 4;
constexpr int kKindHub = 5;
constexpr int kKindWirelessMouse = 6;
constexpr int kKindHeadset = 7;

// Highest brightness and speed level of every device (sliders run from 0 to this).
constexpr int kLightLevelMax = 4;

// A wireless mouse is a mouse; every other kind is itself.
constexpr int LightTableKind(int kind) {
    return kind == kKindWirelessMouse ? kKindMouse : kind;
}

// The preset-file row of a kind; -1 for kinds without lighting (icon-only kinds, unknown).
constexpr int LightRowOfKind(int kind) {
    switch (LightTableKind(kind)) {
    case kKindKeyboard:
        return 0;
    case kKindMouse:
        return 1;
    case kKindMousePad:
        return 2;
    case kKindHeadset:
        return 3;
    default:
        return -1;
    }
}
