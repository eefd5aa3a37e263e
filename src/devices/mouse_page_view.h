#pragma once
// The page of a mouse: the accessors of the mouse page's controls. The mouse device shows
// its model through them; the main window reads the controls through them when it routes
// a notification. Setters raise no notifications. A missing control is skipped (getters
// then give -1, false or empty text).
#include <string>
#include <vector>

#include "devices/device_page.h"
#include "profiles/profile_records.h"

class IMousePage : public IDevicePage {
public:
    static constexpr int kDpiStageCount = 7;
    static constexpr int kPollingOptionCount = 5;

    // ---- DPI stages: "DPI_layout_" n, "DPI_enable_check_" n, "DPI_slider_" n, "DPI_edit_" n ----
    // Range of every stage's slider; largestTypedDpi limits what the edits accept.
    virtual void SetDpiRange(int minPosition, int maxPosition, int largestTypedDpi) = 0;
    // Shows stage n enabled or disabled with the enabling rule that keeps one stage
    // enabled (mouse_page_rules.h).
    virtual void ShowDpiStageEnabled(int stage, bool enabled) = 0;
    virtual bool IsDpiStageChecked(int stage) const = 0;
    // The slider position of stage n and the DPI text beside it.
    virtual void ShowDpiStage(int stage, int position, const std::string& dpiText) = 0;
    virtual int DpiSliderPosition(int stage) const = 0;
    virtual std::string DpiEditText(int stage) const = 0;
    // The active stage's slider gets the highlighted images, the others the plain ones.
    virtual void ShowActiveDpiStage(int stage) = 0;

    // ---- polling rate: "polling_rate_option_" 0..4 (an index outside selects option 0) ----
    virtual void ShowPollingRate(int index) = 0;
    virtual int SelectedPollingRate() const = 0;

    // ---- pointer and system values (kept in the profile only) ----
    virtual void ShowPointerSpeed(int value) = 0;  // "pointer_speed_slider"
    virtual int PointerSpeed() const = 0;
    virtual void ShowPointerPrecision(bool on) = 0;  // "pointer_precision_check"
    virtual bool PointerPrecision() const = 0;
    // "AST_set_comboSelect", "MSH_set_comboSelect", "Logolight_combo_modeSelect":
    // the selected item, -1 (stored as 0xFFFF) for none.
    virtual void ShowSystemItems(int ast, int msh, int logo) = 0;
    virtual int AstItem() const = 0;
    virtual int MshItem() const = 0;
    virtual int LogoItem() const = 0;
    virtual void ShowScroll(bool byPage, int lines) = 0;  // "scrolls_page_check", "scroll_speed_slider"
    virtual bool ScrollByPage() const = 0;
    virtual int ScrollLines() const = 0;
    // "double_click_slider": the slider value as stored; the page shows the time it means.
    virtual void ShowDoubleClickTime(int sliderValue) = 0;
    virtual int DoubleClickValue() const = 0;

    // ---- keys ----
    // "device_setkeyinfo_list": one row per logical button with its current assignment.
    virtual void ShowKeyAssignments(const std::vector<KeyAssignEntry>& assignments) = 0;
    // Shows the key-setting panel for button `key`, with its assignment when given.
    virtual void ShowKeySetting(int key, const KeyAssignEntry* assignment) = 0;

    // ---- hints ----
    // The "Logo" control's tool tip: translated "Light_Set", a line feed, translated
    // "Overall_Light_Set" and the (translated) name of the current lighting mode.
    virtual void ShowLightingHint(const std::string& modeName) = 0;
    // Hides "device_tishi_info".
    virtual void HideHint() = 0;
};
