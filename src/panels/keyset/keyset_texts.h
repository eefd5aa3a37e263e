#pragma once
// The texts of the key assignment panel by language text id, with their English texts.
#include <span>
#include <string>

#include "macros/key_assignment.h"
#include "ui/text_id.h"

namespace keyset::text {

// Items of the function combo, by function number 0..11.
inline constexpr TextId kFunctions[] = {
    {"keyset_function_0", "Default"},           {"keyset_function_1", "Mouse button"},
    {"keyset_function_2", "Horizontal scroll"}, {"keyset_function_3", "Wheel"},
    {"keyset_function_4", "DPI action"},        {"keyset_function_5", "Rapid fire"},
    {"keyset_function_6", "Keyboard key"},      {"keyset_function_7", "Media key"},
    {"keyset_function_8", "System key"},        {"keyset_function_9", "Macro"},
    {"keyset_function_10", "Gun preset"},       {"keyset_function_11", "Key combination"},
};
// Items of the macro playback combo, by playback mode 0..4.
inline constexpr TextId kPlaybackModes[] = {
    {"keyset_macro_mode_0", "Once per press"},           {"keyset_macro_mode_1", "While held"},
    {"keyset_macro_mode_2", "Until pressed again"},      {"keyset_macro_mode_3", "Until another key"},
    {"keyset_macro_mode_4", "Repeat a number of times"},
};
// The modifier options, by option number 0..4.
inline constexpr TextId kModifiers[] = {
    {"key_modifier_none", "None"}, {"key_modifier_ctrl", "Ctrl"}, {"key_modifier_shift", "Shift"},
    {"key_modifier_alt", "Alt"},   {"key_modifier_win", "Win"},
};
inline constexpr TextId kSwingDirections[] = {{"keyset_swing_left", "Left"}, {"keyset_swing_right", "Right"}};
inline constexpr TextId kWheelDirections[] = {{"keyset_wheel_up", "Up"}, {"keyset_wheel_down", "Down"}};
// Gun presets 1..4, named as on the gun presets tab.
inline constexpr TextId kGunPresets[] = {
    {"shoot_gun_option_0", "Preset 1"},
    {"shoot_gun_option_1", "Preset 2"},
    {"shoot_gun_option_2", "Preset 3"},
    {"shoot_gun_option_3", "Preset 4"},
};

inline constexpr TextId kFunctionLabel{"keyset_function_label", "Function"};
inline constexpr TextId kDefaultNote{"keyset_default_note",
                                     "The key does what it did when the device was new."};
inline constexpr TextId kButtonLabel{"keyset_mousekey_label", "Button"};
inline constexpr TextId kDirectionLabel{"keyset_direction_label", "Direction"};
inline constexpr TextId kDelayLabel{"keyset_delay_label", "Delay"};
inline constexpr TextId kSpeedLabel{"keyset_speed_label", "Speed"};
inline constexpr TextId kCountLabel{"keyset_count_label", "Count"};
inline constexpr TextId kDpiLabel{"keyset_mousedpi_label", "DPI action"};
inline constexpr TextId kIntervalLabel{"keyset_interval_label", "Interval"};
inline constexpr TextId kKeyboardTip{"keyset_keyboard_tip", "Click here, then press the key"};
inline constexpr TextId kMediaLabel{"keyset_media_label", "Media key"};
inline constexpr TextId kSystemLabel{"keyset_system_label", "System key"};
inline constexpr TextId kMacroLabel{"keyset_macro_label", "Macro"};
inline constexpr TextId kPlaybackLabel{"keyset_macro_over_label", "Playback"};
inline constexpr TextId kRepeatLabel{"keyset_macro_cycle_label", "Repeat"};
inline constexpr TextId kGunLabel{"keyset_gunkey_label", "Gun preset"};
inline constexpr TextId kCombinationLabel{"keyset_combokey_label", "Combination"};
// "%1" is the button's number.
inline constexpr TextId kTitle{"keyset_title_text", "Button %1"};
inline constexpr TextId kDefaultButton{"key_butt_keydefalut_text", "Default"};
inline constexpr TextId kCancelButton{"key_butt_keycancel_text", "Cancel"};
inline constexpr TextId kApplyButton{"key_butt_keysave_text", "Apply"};
inline constexpr TextId kWriteButton{"key_butt_prosave_text", "Write to device"};

// Every single text above, for the check against the language files.
inline constexpr TextId kSingles[] = {
    kFunctionLabel, kDefaultNote,   kButtonLabel,   kDirectionLabel, kDelayLabel,       kSpeedLabel,
    kCountLabel,    kDpiLabel,      kIntervalLabel, kKeyboardTip,    kMediaLabel,       kSystemLabel,
    kMacroLabel,    kPlaybackLabel, kRepeatLabel,   kGunLabel,       kCombinationLabel, kTitle,
    kDefaultButton, kCancelButton,  kApplyButton,   kWriteButton,
};
inline constexpr std::span<const TextId> kTables[] = {
    kFunctions, kPlaybackModes, kModifiers, kSwingDirections, kWheelDirections, kGunPresets, kSingles};

// The functions whose options have a language text each (the key combinations are shown
// as the keys themselves).
inline constexpr macros::KeyFunction kTranslatedOptionFunctions[] = {
    macros::KeyFunction::MouseButton, macros::KeyFunction::Dpi, macros::KeyFunction::Media,
    macros::KeyFunction::System};

// The language text id of an option row: "keyset_option_" and the row's word with "_"
// for "-" ("keyset_option_play_pause").
std::string OptionTextId(const macros::OptionRow& row);

}  // namespace keyset::text
