#include "devices/assignment_labels.h"

#include <cstdio>

namespace {

struct CodeName {
    uint8_t code;
    const char* textId;
};

// Mouse button bits as in the HID boot mouse report.
constexpr CodeName kMouseButtons[] = {
    {0x01, "key_fn_left_button"}, {0x02, "key_fn_right_button"},   {0x04, "key_fn_middle_button"},
    {0x08, "key_fn_back_button"}, {0x10, "key_fn_forward_button"},
};
constexpr CodeName kDpiActions[] = {
    {0x01, "key_fn_dpi_up"},
    {0x02, "key_fn_dpi_down"},
    {0x03, "key_fn_dpi_cycle"},
};
constexpr CodeName kSystemKeys[] = {
    {0x01, "key_fn_power"},
    {0x02, "key_fn_sleep"},
    {0x04, "key_fn_wake"},
};

template <size_t N>
const char* Lookup(const CodeName (&table)[N], uint8_t code, const char* otherwise) {
    for (const CodeName& entry : table)
        if (entry.code == code) return entry.textId;
    return otherwise;
}

std::string Number(int value) {
    return " " + std::to_string(value);
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, " 0x%02X", value);
    return text;
}

struct IdText {
    const char* textId;
    const char* english;
};
constexpr IdText kFallbacks[] = {
    {"key_fn_disabled", "Disabled"},
    {"key_fn_left_button", "Left click"},
    {"key_fn_right_button", "Right click"},
    {"key_fn_middle_button", "Middle click"},
    {"key_fn_back_button", "Back"},
    {"key_fn_forward_button", "Forward"},
    {"key_fn_mouse_button", "Mouse button"},
    {"key_fn_swing_left", "Swing left"},
    {"key_fn_swing_right", "Swing right"},
    {"key_fn_wheel_up", "Wheel up"},
    {"key_fn_wheel_down", "Wheel down"},
    {"key_fn_dpi_up", "DPI up"},
    {"key_fn_dpi_down", "DPI down"},
    {"key_fn_dpi_cycle", "DPI cycle"},
    {"key_fn_dpi", "DPI"},
    {"key_fn_rapid_fire", "Rapid fire"},
    {"key_fn_keyboard_key", "Key"},
    {"key_fn_media_key", "Media key"},
    {"key_fn_power", "Power"},
    {"key_fn_sleep", "Sleep"},
    {"key_fn_wake", "Wake"},
    {"key_fn_system_key", "System key"},
    {"key_fn_macro", "Macro"},
    {"key_fn_gun_preset", "Gun preset"},
    {"key_fn_key_combination", "Key combination"},
    {"key_fn_special", "Special function"},
};

}  // namespace

const char* AssignmentLabelFallback(const std::string& textId) {
    for (const IdText& entry : kFallbacks)
        if (textId == entry.textId) return entry.english;
    return textId.c_str();
}

AssignmentLabel DescribeAssignment(const KeyAssignHalf& a) {
    using namespace AssignmentType;
    switch (a.type) {
    case kNone:
        return {"key_fn_disabled", ""};
    case kMouseButton:
        return {Lookup(kMouseButtons, a.param1, "key_fn_mouse_button"), ""};
    case kHorizontalSwing:
        return {(a.param2 & 0x80) ? "key_fn_swing_right" : "key_fn_swing_left", ""};
    case kWheel:
        return {(a.param2 & 0x80) ? "key_fn_wheel_down" : "key_fn_wheel_up", ""};
    case kDpiAction:
        return {Lookup(kDpiActions, a.param1, "key_fn_dpi"), ""};
    case kRapidFire:
        return {"key_fn_rapid_fire", ""};
    case kKeyboardKey:
        return {"key_fn_keyboard_key", Hex(a.param2)};
    case kMediaKey:
        return {"key_fn_media_key", Hex(static_cast<unsigned>(a.param1 | a.param2 << 8))};
    case kSystemKey:
        return {Lookup(kSystemKeys, a.param1, "key_fn_system_key"), ""};
    case kMacro:
    case kMacroRepeated:
        return {"key_fn_macro", Number(a.param1 + 1)};
    case kGunPreset:
        return {"key_fn_gun_preset", Number(a.param1 + 1)};
    case kKeyCombination:
        return {"key_fn_key_combination", ""};
    default:
        return {"key_fn_special", Hex(a.type)};
    }
}
