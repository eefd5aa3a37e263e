// The routing table of the device pages: which control, for which notification, runs which
// handler. Within a type the numbered rows are tried first, then the exact rows, each in
// the order below (name_match.h).
#include <array>

#include "mainwnd/page_routing.h"
#include "mainwnd/page_routing_headset.h"

namespace wiring {
namespace {

constexpr std::string_view kClick = "click";
constexpr std::string_view kSelectChanged = "selectchanged";
constexpr std::string_view kValueChanged = "valuechanged";
constexpr std::string_view kMoveValueChanged = "movevaluechanged";
constexpr std::string_view kItemSelect = "itemselect";
constexpr std::string_view kKillFocus = "killfocus";
constexpr std::string_view kColorChanged = "colorchanged";
constexpr std::string_view kSetFocus = "setfocus";
constexpr std::string_view kTextChanged = "textchanged";
constexpr std::string_view kItemActivate = "itemactivate";
constexpr std::string_view kClickSelectEnd = "click_select_end";

constexpr Route Numbered(std::string_view type, std::string_view prefix, RouteHandler handler) {
    return {{type, prefix, true}, handler};
}
constexpr Route Exact(std::string_view type, std::string_view name, RouteHandler handler) {
    return {{type, name, false}, handler};
}

constexpr std::array kRoutes = {
    // ---- click ----
    Numbered(kClick, "key_", OnKeyButton),
    Numbered(kClick, "color_option_", OnLightControl),
    Numbered(kClick, "windowdeviceset_", OnDesktopSettings),
    Exact(kClick, "default_btn", OnRestoreDefaults),
    Exact(kClick, "reset_repeat_btn", OnResetRepeatField),
    Exact(kClick, "device_add_btn", OnNewProfile),
    Exact(kClick, "device_sub_btn", OnDeleteProfile),
    Exact(kClick, "device_export_btn", OnExportProfile),
    Exact(kClick, "device_import_btn", OnImportProfile),
    Exact(kClick, "device_copy_btn", OnCopyProfile),
    Exact(kClick, "device_reset_btn", OnResetProfile),
    Exact(kClick, "device_profile_edit_save_btn", OnRenameProfile),
    Exact(kClick, "profile_program_add_btn", OnBindProgram),
    Exact(kClick, "profile_program_remove_btn", OnUnbindProgram),
    Exact(kClick, "profile_return_check", OnReturnProfileToggled),
    Exact(kClick, "key_butt_prosave", OnSaveKeys),
    Exact(kClick, "profile_fun_spread_btn", OnProfileMenuButton),
    Exact(kClick, "shootdate_save_btn", OnShootSend),
    Exact(kClick, "shootdate_reset_btn", OnShootReset),
    Exact(kClick, "shootdate_import_btn", OnShootImport),
    Exact(kClick, "shootdate_export_btn", OnShootExport),
    Exact(kClick, "bullet_selected_prev", OnPreviousBullet),
    Exact(kClick, "bullet_selected_next", OnNextBullet),
    Exact(kClick, "custom_bright_color_btn", OnFillCustomColours),
    Exact(kClick, "custom_off_color_btn", OnFillCustomColours),
    Exact(kClick, "deng_same_mode", OnSameLightMode),
    Exact(kClick, "key_butt_keysave", OnKeyOptionChanged),
    Exact(kClick, "key_butt_keydefalut", OnKeyDefault),
    Exact(kClick, "key_butt_keycancel", OnKeyCancel),
    Exact(kClick, "macro_btn_name_add", OnNewMacro),
    Exact(kClick, "macro_btn_name_sub", OnDeleteMacro),
    Exact(kClick, "macro_btn_name_edit", OnRenameMacro),
    Exact(kClick, "macro_btn_name_copy", OnCopyMacro),
    Exact(kClick, "macro_btn_import", OnImportMacro),
    Exact(kClick, "macro_btn_export", OnExportMacro),
    Exact(kClick, "macro_btn_save", OnSaveMacro),
    Exact(kClick, "macro_btn_cancel", OnCancelMacro),
    Exact(kClick, "macro_btn_up", OnMacroRowCommand),
    Exact(kClick, "macro_btn_down", OnMacroRowCommand),
    Exact(kClick, "macro_btn_uptop", OnMacroRowCommand),
    Exact(kClick, "macro_btn_downbottom", OnMacroRowCommand),
    Exact(kClick, "macro_btn_delete", OnMacroRowCommand),
    Exact(kClick, "macro_btn_deleteall", OnMacroRowCommand),
    Exact(kClick, "macro_btn_event_set", OnMacroRowCommand),
    Exact(kClick, "macro_btn_event_insert", OnMacroRowCommand),
    Exact(kClick, "macro_btn_starredio", OnStartRecording),
    Exact(kClick, "macro_btn_stopredio", OnStopRecording),
    Exact(kClick, "macro_inset_moveleftkey_btn", [](WiringContext& c, int) { OnMacroMove(c, 0); }),
    Exact(kClick, "macro_inset_moverightkey_btn", [](WiringContext& c, int) { OnMacroMove(c, 1); }),
    Exact(kClick, "macro_inset_moveupkey_btn", [](WiringContext& c, int) { OnMacroMove(c, 2); }),
    Exact(kClick, "macro_inset_movedownkey_btn", [](WiringContext& c, int) { OnMacroMove(c, 3); }),
    Exact(kClick, "hs_EQ_btn_save", OnSaveCustomEq),
    Exact(kClick, "hs_EQ_btn_delete", OnDeleteCustomEq),

    // ---- selectchanged ----
    Numbered(kSelectChanged, "DPI_enable_check_", OnDpiEnableCheck),
    Numbered(kSelectChanged, "polling_rate_option_", OnPollingOptionOfKind),
    Numbered(kSelectChanged, "repeat_delay_check_", OnRepeatDelayOption),
    Numbered(kSelectChanged, "mouse_device_seting_option_", OnSettingPageOption),
    Numbered(kSelectChanged, "shoot_gun_op_", OnShootGunOption),
    Numbered(kSelectChanged, "bullet_op_", OnBulletOption),
    Exact(kSelectChanged, "pointer_precision_check", OnPointerPrecision),
    Exact(kSelectChanged, "scrolls_page_check", OnScrollByPageCheck),
    Exact(kSelectChanged, "winlockflag_option", OnKeyboardFlag),
    Exact(kSelectChanged, "wflag_option", OnKeyboardFlag),
    Exact(kSelectChanged, "6flag_option", OnKeyboardFlag),
    Exact(kSelectChanged, "deng_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "key_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "macro_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "system_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "cursor_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "6533_voice_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "magic_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "Virtual7.1_Op_tab", OnFunctionTab),
    Exact(kSelectChanged, "deng_FXL_check", OnLightControl),
    Exact(kSelectChanged, "deng_FXR_check", OnLightControl),
    Exact(kSelectChanged, "deng_7color_check", OnLightControl),
    Exact(kSelectChanged, "bullet_x_check", OnBulletHorizontalCheck),
    Exact(kSelectChanged, "bullet_y_check", OnBulletVerticalCheck),
    Numbered(kSelectChanged, "6533_eq_option_", OnEqTypeOption),
    Numbered(kSelectChanged, "magic_option_", OnVoiceChangerType),
    Exact(kSelectChanged, "6533_MicIn_option", OnMicOption),
    Exact(kSelectChanged, "6533_MicMoniter_option", OnMonitorOption),
    Exact(kSelectChanged, "magic_enable_option", OnVoiceChangerOption),

    Numbered(kSelectChanged, "key_ComBox_check_", OnModifierOption),

    // ---- valuechanged: a slider was released ----
    Numbered(kValueChanged, "DPI_slider_", OnDpiSliderReleased),
    Exact(kValueChanged, "pointer_speed_slider", OnPointerSpeed),
    Exact(kValueChanged, "scroll_speed_slider", OnScrollSpeed),
    Exact(kValueChanged, "double_click_slider", OnDoubleClick),
    Exact(kValueChanged, "repeat_rate_slider", OnRepeatRate),
    Exact(kValueChanged, "deng_light_slider", OnLightControl),
    Exact(kValueChanged, "deng_speed_slider", OnLightControl),
    Numbered(kValueChanged, "6533_eq_hz_slider_", OnEqBandSlider),
    Exact(kValueChanged, "6533_MicIn_slider", OnMicSlider),
    Exact(kValueChanged, "6533_MicMoniter_slider", OnMonitorSlider),

    // ---- movevaluechanged: a slider is being dragged ----
    Numbered(kMoveValueChanged, "tolva_DPI_slider_", OnTolvaSliderMoving),
    Numbered(kMoveValueChanged, "DPI_slider_", OnDpiSliderMoving),

    // ---- itemselect ----
    Exact(kItemSelect, "device_profile_combo", OnProfileChosen),
    Exact(kItemSelect, "light_combo_modeSelect", OnLightControl),
    Exact(kItemSelect, "light_combo_custommodeSelect", OnCustomGroupChosen),
    Exact(kItemSelect, "AST_set_comboSelect", OnAstCombo),
    Exact(kItemSelect, "MSH_set_comboSelect", OnMshCombo),
    Exact(kItemSelect, "Logolight_combo_modeSelect", OnLogoCombo),
    Exact(kItemSelect, "device_setkeyinfo_list", OnKeyListRow),
    Exact(kItemSelect, "keyset_function_combo", OnKeyFunctionChosen),
    Exact(kItemSelect, "keyset_macro_over_combo", OnMacroOverChosen),
    Exact(kItemSelect, "keyset_mousekey_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_mouseswing_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_mousewheel_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_mousedpi_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_media_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_system_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_macro_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_gunkey_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "keyset_combokey_combo", OnKeyOptionChanged),
    Exact(kItemSelect, "macro_name_list", OnMacroChosen),
    Exact(kItemSelect, "macro_action_list", OnEventRowChosen),
    Exact(kItemSelect, "custom_eq_name_combo", OnCustomEqChosen),

    // ---- killfocus ----
    Numbered(kKillFocus, "tolva_DPI_edit_", OnTolvaEditLeft),
    Numbered(kKillFocus, "DPI_edit_", OnDpiEditLeft),
    Exact(kKillFocus, "deng_edit_R", OnLightControl),
    Exact(kKillFocus, "deng_edit_G", OnLightControl),
    Exact(kKillFocus, "deng_edit_B", OnLightControl),
    Exact(kKillFocus, "bullet_x_eidt", OnBulletEditLeft),
    Exact(kKillFocus, "bullet_y_eidt", OnBulletEditLeft),
    Exact(kKillFocus, "bullet_delay_eidt", OnBulletEditLeft),
    Exact(kKillFocus, "keyset_keyboard_text_edit", OnKeyCaptureFocus),
    Exact(kKillFocus, "macro_delay", OnMacroDelayLeft),
    Exact(kKillFocus, "keyset_mouseswing_num_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_mouseswing_delay_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_mouseswing_speed_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_mousewheel_num_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_mousewheel_delay_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_mousewheel_speed_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_mousefire_interval_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_mousefire_num_edit", OnKeyOptionChanged),
    Exact(kKillFocus, "keyset_macro_cycle_edit", OnKeyOptionChanged),

    // ---- setfocus, textchanged, itemactivate ----
    Exact(kSetFocus, "keyset_keyboard_text_edit", OnKeyCaptureFocus),
    Exact(kTextChanged, "macro_fixed_time_edit", OnFixedDelayTyped),
    Exact(kItemActivate, "macro_action", OnMacroRowActivated),

    // ---- click_select_end: a rubber band over the keyboard's keys ----
    Exact(kClickSelectEnd, "keyboard_device_key_light", OnKeysBandSelected),

    // ---- colorchanged ----
    Exact(kColorChanged, "deng_Color_Pallet", OnLightControl),
};

}  // namespace

std::span<const Route> PageRoutes() {
    return kRoutes;
}

bool CommitsOnReturn(size_t row) {
    const Route& route = kRoutes.at(row);
    // The key capture box takes Enter as the key to assign; leaving it ends the capture.
    return route.key.type == kKillFocus && route.handler != OnKeyCaptureFocus;
}

}  // namespace wiring
