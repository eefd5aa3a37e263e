// The routing table of the device pages: which control, for which notification, runs which
// handler. Within a type the numbered rows are tried first, then the exact rows, each in
// the order below (name_match.h).
#include <array>

#include "mainwnd/page_routing.h"

namespace wiring {
namespace {

constexpr std::string_view kClick = "click";
constexpr std::string_view kSelectChanged = "selectchanged";
constexpr std::string_view kValueChanged = "valuechanged";
constexpr std::string_view kMoveValueChanged = "movevaluechanged";
constexpr std::string_view kItemSelect = "itemselect";
constexpr std::string_view kKillFocus = "killfocus";
constexpr std::string_view kColorChanged = "colorchanged";

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
    Exact(kClick, "device_add_btn", OnNewProfile),
    Exact(kClick, "device_sub_btn", OnDeleteProfile),
    Exact(kClick, "device_export_btn", OnExportProfile),
    Exact(kClick, "device_import_btn", OnImportProfile),
    Exact(kClick, "device_copy_btn", OnCopyProfile),
    Exact(kClick, "device_reset_btn", OnResetProfile),
    Exact(kClick, "device_profile_edit_save_btn", OnRenameProfile),
    Exact(kClick, "key_butt_prosave", OnSaveKeys),
    Exact(kClick, "profile_fun_spread_btn", OnProfileMenuButton),
    Exact(kClick, "shootdate_save_btn", OnShootSend),
    Exact(kClick, "shootdate_reset_btn", OnShootReset),
    Exact(kClick, "shootdate_import_btn", OnShootImport),
    Exact(kClick, "shootdate_export_btn", OnShootExport),
    Exact(kClick, "bullet_selected_prev", OnPreviousBullet),
    Exact(kClick, "bullet_selected_next", OnNextBullet),

    // ---- selectchanged ----
    Numbered(kSelectChanged, "DPI_enable_check_", OnDpiEnableCheck),
    Numbered(kSelectChanged, "polling_rate_option_", OnPollingOption),
    Numbered(kSelectChanged, "mouse_device_seting_option_", OnSettingPageOption),
    Numbered(kSelectChanged, "shoot_gun_op_", OnShootGunOption),
    Numbered(kSelectChanged, "bullet_op_", OnBulletOption),
    Exact(kSelectChanged, "pointer_precision_check", OnPointerPrecision),
    Exact(kSelectChanged, "scrolls_page_check", OnScrollByPageCheck),
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

    // ---- valuechanged: a slider was released ----
    Numbered(kValueChanged, "DPI_slider_", OnDpiSliderReleased),
    Exact(kValueChanged, "pointer_speed_slider", OnPointerSpeed),
    Exact(kValueChanged, "scroll_speed_slider", OnScrollSpeed),
    Exact(kValueChanged, "double_click_slider", OnDoubleClick),
    Exact(kValueChanged, "deng_light_slider", OnLightControl),
    Exact(kValueChanged, "deng_speed_slider", OnLightControl),

    // ---- movevaluechanged: a slider is being dragged ----
    Numbered(kMoveValueChanged, "tolva_DPI_slider_", OnTolvaSliderMoving),
    Numbered(kMoveValueChanged, "DPI_slider_", OnDpiSliderMoving),

    // ---- itemselect ----
    Exact(kItemSelect, "device_profile_combo", OnProfileChosen),
    Exact(kItemSelect, "light_combo_modeSelect", OnLightControl),
    Exact(kItemSelect, "AST_set_comboSelect", OnAstCombo),
    Exact(kItemSelect, "MSH_set_comboSelect", OnMshCombo),
    Exact(kItemSelect, "Logolight_combo_modeSelect", OnLogoCombo),

    // ---- killfocus ----
    Numbered(kKillFocus, "tolva_DPI_edit_", OnTolvaEditLeft),
    Numbered(kKillFocus, "DPI_edit_", OnDpiEditLeft),
    Exact(kKillFocus, "deng_edit_R", OnLightControl),
    Exact(kKillFocus, "deng_edit_G", OnLightControl),
    Exact(kKillFocus, "deng_edit_B", OnLightControl),
    Exact(kKillFocus, "bullet_x_eidt", OnBulletEditLeft),
    Exact(kKillFocus, "bullet_y_eidt", OnBulletEditLeft),
    Exact(kKillFocus, "bullet_delay_eidt", OnBulletEditLeft),

    // ---- colorchanged ----
    Exact(kColorChanged, "deng_Color_Pallet", OnLightControl),
};

}  // namespace

std::span<const Route> PageRoutes() { return kRoutes; }

}  // namespace wiring
