#pragma once
// Names of the lighting panel's controls, as the skin and the main window's routing use them.
namespace LightNames {
inline constexpr const char* kPanel = "LightControlItem";  // the panel on a device page
inline constexpr const char* kModeCombo = "light_combo_modeSelect";
inline constexpr const char* kCustomGroupCombo = "light_combo_custommodeSelect";
inline constexpr const char* kBrightnessSlider = "deng_light_slider";
inline constexpr const char* kSpeedSlider = "deng_speed_slider";
inline constexpr const char* kEditRed = "deng_edit_R";
inline constexpr const char* kEditGreen = "deng_edit_G";
inline constexpr const char* kEditBlue = "deng_edit_B";
inline constexpr const char* kPalette = "deng_Color_Pallet";
inline constexpr const char* kColourButton = "deng_colordp_btn";
inline constexpr const char* kSwatchPrefix = "color_option_";  // + n: a swatch; alone: their group
inline constexpr const char* kColourfulCheck = "deng_7color_check";
inline constexpr const char* kLeftCheck = "deng_FXL_check";   // direction 1
inline constexpr const char* kRightCheck = "deng_FXR_check";  // direction 0
inline constexpr const char* kSameMode = "deng_same_mode";
inline constexpr const char* kCustomLayout = "lightcustom_layout";
inline constexpr const char* kFillButton = "custom_bright_color_btn";
inline constexpr const char* kClearButton = "custom_off_color_btn";

// Group layouts switched by the enabling table.
inline constexpr const char* kEffectLayout = "lighteffect_layout";
inline constexpr const char* kColourLayout = "deng_color_layout";
inline constexpr const char* kPaletteLayout = "colorpallet_layout";
inline constexpr const char* kBrightnessLayout = "deng_light_layout";
inline constexpr const char* kSpeedLayout = "deng_speed_layout";
inline constexpr const char* kFxLayout = "deng_fx_layout";
inline constexpr const char* kEditsLayout = "Deng-RGB_Edit";
}  // namespace LightNames
