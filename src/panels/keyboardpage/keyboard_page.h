#pragma once
// CKeyboardPage: the keyboard's device page (skin class "VornakelKeyboardDevice", content from
// "XML\\DeviceXml\\keyboarddevice.xml"). It implements IKeyboardPage on the skin's controls,
// found by name; setters raise no notifications and missing controls are skipped.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "devices/keyboard_page.h"

class CLightControlUI;

class CKeyboardPage : public QWidget, public IKeyboardPage {
    Q_OBJECT
public:
    explicit CKeyboardPage(QWidget* parent = nullptr);

    // ---- IDevicePage ----
    // The "DeviceKeyButton"s of "keyboard_device_key_light": "key_" n (n < keyCount) and
    // "light_" n (n < ledCount; lamps that take no clicks, shown white at level 255).
    void BindKeyAndLightControls(int keyCount, int ledCount) override;
    void ClearControlTables() override;
    bool SelectFunctionTabs(int functionTab, int keyFunctionTab) override;
    void ShowLightModes(const std::vector<LightModeName>& modes,
                        const std::vector<std::string>& presetNames) override;
    void ShowLightEffect(const LightInfoRecord& effect) override;
    void ShowMacroNames(const std::vector<std::string>& names) override;

    // ---- IKeyboardPage ----
    // Key labels: each key's tool tip names its own key (property "toolTipTitle"), then the
    // translated "Key_Set" and its assignment; the key-set image shows where they differ.
    void ShowKeyAssignments(const std::vector<KeyAssignEntry>& assignments) override;
    void ShowKeySetting(int led, const KeyAssignEntry* assignment) override;
    void EnableKeyButton(int led, bool enabled) override;
    void ShowSystemStages(const KeyboardSystemSettings& stages) override;
    void SelectCustomGroup(int group) override;
    int CustomGroup() const override;
    void ShowLedColours(const std::vector<std::uint32_t>& colours) override;

    // ---- the page's own ----
    // The option of "polling_rate_option_" / "repeat_delay_check_" that is selected; -1: none.
    int SelectedPollingRate() const;
    int SelectedRepeatDelay() const;
    int RepeatRate() const;  // "repeat_rate_slider"; -1 without it
    // Names the rate beside its slider, so it is not read as the delay chosen below it.
    void ShowRepeatRate(int rate);
    bool IsFlagSelected(const char* optionName) const;
    // The key buttons marked by the last rubber-band selection, as LED indexes.
    std::vector<int> BandSelectedKeys() const;
    QWidget* KeyControl(int n) const;
    QWidget* LightControl(int n) const;
    const std::vector<std::string>& MacroNames() const { return macroNames_; }
    int ShownKey() const { return shownKey_; }
    CLightControlUI* LightPanel() const;

private:
    QWidget* Control(const QString& name) const;
    // The function tabs share one scroll area; each keeps its own position.
    void KeepScrollPerTab();
    int SelectedOption(const char* prefix) const;
    void ShowOption(const char* prefix, int option);

    std::vector<QPointer<QWidget>> keyControls_;
    std::vector<QPointer<QWidget>> lightControls_;
    std::vector<std::string> macroNames_;
    std::vector<KeyAssignEntry> shownAssignments_;  // shown again when the language changes
    int shownKey_ = -1;
};

// Registers "VornakelKeyboardDevice" (CKeyboardPage) with the UI layer's factory, with the
// program's own controls the page uses.
void RegisterKeyboardPageClasses();
