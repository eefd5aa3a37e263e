#pragma once
// CKeySetControlUI: the key assignment panel of a device page (skin class "CKeySetControlUI",
// root of "XML\\CustomControlXML\\KeySetControl.xml"). It shows one key's assignment as a
// function ("keyset_function_combo", page of "function_switch_tablayout") with that
// function's controls, and builds the assignment back from them. It stores nothing itself:
// the page wiring hands the built assignment to the device.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "macros/key_assignment.h"
#include "profiles/profile_records.h"

class QComboBox;
class QLineEdit;
class QStackedWidget;
class QAbstractButton;

class CKeySetControlUI : public QWidget {
    Q_OBJECT
public:
    static constexpr int kKeyboardKind = 1;
    static constexpr int kMouseKind = 2;

    explicit CKeySetControlUI(QWidget* parent = nullptr);

    // Looks the panel's controls up by name (also after a skin added its own).
    void FindControls();
    // Kind 1 (keyboard) hides the DPI action and gun preset functions.
    void SetDeviceKind(int kind);
    int DeviceKind() const { return kind_; }

    void SetMacroNames(const std::vector<std::string>& names);
    void AddMacroName(const std::string& name);
    void RemoveMacroName(int index);
    void RenameMacroName(int index, const std::string& name);
    int MacroCount() const { return static_cast<int>(macroNames_.size()); }

    void ShowKey(const KeyAssignHalf& current, const KeyAssignHalf& defaults);
    // The name of the button being edited ("Button n" until set).
    void SetTitle(const QString& title);
    // The title is source(), now and again after every language change.
    void SetTitleSource(std::function<QString()> source);
    void ShowAssignment(const KeyAssignHalf& half);
    KeyAssignHalf BuildAssignment();
    void ShowDefault() { ShowAssignment(default_); }
    void ShowCurrent() { ShowAssignment(current_); }
    void SetCapturedKey(const KeyAssignHalf& half) { current_ = half; }
    const KeyAssignHalf& Current() const { return current_; }
    const KeyAssignHalf& Default() const { return default_; }

    // A key seen by the key capture (scan code and extended flag of the hook record).
    // False when it is no keyboard key; the panel shows it otherwise.
    bool CaptureKey(std::uint8_t scan, bool extended);

    void SetModifierOption(int n);
    int GetModifierOption() const;
    int FindFunctionItem(int number) const;
    int GetFunctionNumber(int index) const;
    // The function page of number n is shown; for the keyboard key its text and option
    // are cleared.
    void ShowFunctionPage(int number);
    // The repeat count edit shows exactly while the "over" combo is on its repeat item.
    void ShowRepeatForOverChoice();
    // The apply, cancel and write buttons are enabled while changes are pending.
    void SetChangesPending(bool pending);
    bool ChangesPending() const { return pending_; }

private:
    void ShowTitle();
    QWidget* Control(const char* name) const;
    void ShowKeyName(std::uint8_t usage);
    void ShowMacro(const KeyAssignHalf& half);
    static int EditNumber(QWidget* edit);

    KeyAssignHalf current_{};
    KeyAssignHalf default_{};
    int kind_ = 0;
    int titleKey_ = -1;  // the button numbered in the title
    std::function<QString()> titleSource_;
    bool pending_ = false;
    std::vector<std::string> macroNames_;
    QPointer<QComboBox> function_;
    QPointer<QStackedWidget> pages_;
};

// Registers "CKeySetControlUI" with the UI layer's factory.
void RegisterKeySetControlClasses();
