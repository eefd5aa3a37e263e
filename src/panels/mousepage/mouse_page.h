#pragma once
// CMousePage: the mouse's device page (skin class "VornakelMouseDevice", content from
// "XML\\DeviceXml\\mousedevice.xml"). It implements IMousePage on the skin's controls, found
// by name: the mouse device shows its model through it and the main window reads the
// controls through it. Setters raise no notifications. Missing controls are skipped.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "devices/mouse_page_view.h"
#include "devices/mouse_page_rules.h"

class CLightControlUI;

class CMousePage : public QWidget, public IMousePage {
    Q_OBJECT
public:
    explicit CMousePage(QWidget* parent = nullptr);

    // ---- IDevicePage ----
    // Binds inside "mouse_device_seting_layout": the "DeviceKeyButton"s of its "SelectPanel"
    // named "key_" n, "light_" n and "light_0_" n (the second LED list), and the button whose
    // user data is "logo" (the logo LED). LED buttons are shown white at level 255 (their
    // properties "lightColour", "lightLevel", "lightOn").
    void BindKeyAndLightControls(int keyCount, int ledCount) override;
    void ClearControlTables() override;
    bool SelectFunctionTabs(int functionTab, int keyFunctionTab) override;
    // Through the lighting panel "LightControlItem" (mode list with the maxima 4 and 4).
    void ShowLightModes(const std::vector<LightModeName>& modes,
                        const std::vector<std::string>& presetNames) override;
    void ShowLightEffect(const LightInfoRecord& effect) override;
    void ShowMacroNames(const std::vector<std::string>& names) override;

    // ---- IMousePage ----
    void SetDpiRange(int minPosition, int maxPosition, int largestTypedDpi) override;
    void ShowDpiStageEnabled(int stage, bool enabled) override;
    bool IsDpiStageChecked(int stage) const override;
    void ShowDpiStage(int stage, int position, const std::string& dpiText) override;
    int DpiSliderPosition(int stage) const override;
    std::string DpiEditText(int stage) const override;
    // The active stage's slider carries activeStage=true (the style sheet draws it with
    // "Control/SliderBar_BK3.png" and "Control/SliderBar2_Thumb.png"); its images are also
    // kept in the properties "bkimage" and "thumbimage".
    void ShowActiveDpiStage(int stage) override;
    void ShowPollingRate(int index) override;
    int SelectedPollingRate() const override;
    void ShowPointerSpeed(int value) override;
    int PointerSpeed() const override;
    void ShowPointerPrecision(bool on) override;
    bool PointerPrecision() const override;
    void ShowSystemItems(int ast, int msh, int logo) override;
    int AstItem() const override;
    int MshItem() const override;
    int LogoItem() const override;
    void ShowScroll(bool byPage, int lines) override;
    bool ScrollByPage() const override;
    int ScrollLines() const override;
    // The slider shows the value; its tool tip the time it stands for ("500 ms").
    void ShowDoubleClickTime(int sliderValue) override;
    int DoubleClickValue() const override;
    // One row per button: "<button name>: <assignment>" (language texts).
    void ShowKeyAssignments(const std::vector<KeyAssignEntry>& assignments) override;
    // Shows "KeySetControlItem" and marks the key's row and button.
    void ShowKeySetting(int key, const KeyAssignEntry* assignment) override;
    void ShowLightingHint(const std::string& modeName) override;
    void HideHint() override;

    // ---- the page's own ----
    // "mouse_device_seting_layout" shows page n (page 0 when n is not below its page
    // count); of the options in "mouse_option_layout" only "mouse_device_seting_option_" n
    // stays selected. No notifications.
    void ShowSettingPage(int page);
    QWidget* KeyControl(int n) const;
    QWidget* LightControl(int n) const;
    QWidget* SecondLightControl(int n) const;
    QWidget* LogoControl() const { return logo_; }
    const std::vector<std::string>& MacroNames() const { return macroNames_; }
    // The key whose setting is shown (-1: none) and its assignment as given.
    int ShownKey() const { return shownKey_; }
    CLightControlUI* LightPanel() const;

private:
    QWidget* Control(const QString& name) const;
    QWidget* Stage(const char* prefix, int stage) const;
    mousepage::DpiChecks ReadDpiChecks() const;
    void ApplyDpiChecks(const mousepage::DpiChecks& checks);
    void FillItemCombos();
    void RefreshLightingHint();

    std::vector<QPointer<QWidget>> keyControls_;
    std::vector<QPointer<QWidget>> lightControls_;
    std::vector<QPointer<QWidget>> secondLights_;
    QPointer<QWidget> logo_;
    std::vector<std::string> macroNames_;
    std::vector<KeyAssignEntry> shownAssignments_;  // shown again when the language changes
    std::string lightingModeName_;
    bool lightingHintShown_ = false;
    int shownKey_ = -1;
};

// Registers "VornakelMouseDevice" (CMousePage) with the UI layer's factory, the program's
// own controls the page uses ("SelectPanel", "DeviceKeyButton", ...) and the plain stand-in
// "OptionUI" (option) unless someone registered that class already.
void RegisterMousePageClasses();
