#include "panels/keyboardpage/keyboard_page.h"

#include <QScrollArea>
#include <QStackedWidget>
#include "panels/keyboardpage/tab_scroll_memory.h"

#include <QColor>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "devices/keyboard_system_stages.h"
#include "devices/mouse_page_rules.h"
#include "panels/customcontrols/custom_controls_registration.h"
#include "panels/customcontrols/device_key_button_ui.h"
#include "panels/keyboardpage/key_labels.h"
#include "panels/keyset/keyset_control_ui.h"
#include "panels/light/light_control_ui.h"
#include "panels/light/light_mode_fill.h"
#include "ui/control_factory.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "ui/text_id.h"

namespace {

constexpr int kKeyboardDeviceKind = 1;
constexpr int kNoneSelected = -1;
constexpr unsigned kLightWhite = 0xFFFFFF;
constexpr int kLightFullLevel = 255;

const char kPollingPrefix[] = "polling_rate_option_";
const char kRepeatDelayPrefix[] = "repeat_delay_check_";
constexpr TextId kRepeatRateText{"kb_repeat_rate_text", "Repeat rate "};

void Repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

// The LED strips only show the lighting: no focus, no clicks, drawn as strips under the keys.
void MakeIndicator(QWidget* led) {
    led->setFocusPolicy(Qt::NoFocus);
    led->setAttribute(Qt::WA_TransparentForMouseEvents);
    led->setProperty("role", QStringLiteral("kbled"));
    Repolish(led);
}

// colour: red in the low byte, blue in the third (the LED colours' order).
void ShowLight(QWidget* button, unsigned colour) {
    auto* key = qobject_cast<CDeviceKeyButtonUI*>(button);
    if (key == nullptr) return;
    key->SetLight(colour, kLightFullLevel, true);
    const QColor shown(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                       static_cast<int>((colour >> 16) & 0xFF));
    key->setStyleSheet(QStringLiteral("background-color: %1;").arg(shown.name()));
}

QWidget* At(const std::vector<QPointer<QWidget>>& table, int n) {
    return n >= 0 && static_cast<size_t>(n) < table.size() ? table[static_cast<size_t>(n)].data() : nullptr;
}

}  // namespace

CKeyboardPage::CKeyboardPage(QWidget* parent) : QWidget(parent) {
    connect(&CLanguageTable::Instance(), &CLanguageTable::TextsReloaded, this, [this] {
        if (!shownAssignments_.empty()) ShowKeyAssignments(std::vector<KeyAssignEntry>(shownAssignments_));
    });
}

void CKeyboardPage::KeepScrollPerTab() {
    auto* area = FindControl<QScrollArea>(this, QStringLiteral("kb_function_scroll"));
    if (!area || area->findChild<CTabScrollMemory*>(QString(), Qt::FindDirectChildrenOnly)) return;
    new CTabScrollMemory(area,
                         {FindControl<QStackedWidget>(this, QStringLiteral("device_function_switch")),
                          FindControl<QStackedWidget>(this, QStringLiteral("device_key_function_switch"))});
}

QWidget* CKeyboardPage::Control(const QString& name) const {
    return FindControl(this, name);
}

// ---- key and light buttons ----

void CKeyboardPage::BindKeyAndLightControls(int keyCount, int ledCount) {
    ClearControlTables();
    KeepScrollPerTab();
    keyControls_.resize(static_cast<size_t>(std::max(keyCount, 0)));
    lightControls_.resize(static_cast<size_t>(std::max(ledCount, 0)));
    QWidget* panel = Control(QStringLiteral("keyboard_device_key_light"));
    if (panel == nullptr) return;
    for (QWidget* button : FindControlsByClass(panel, QStringLiteral("DeviceKeyButton"))) {
        const mousepage::KeyButtonBinding binding =
            mousepage::ClassifyKeyButton(button->objectName().toStdString(), keyCount, ledCount);
        const auto index = static_cast<size_t>(binding.index);
        if (binding.role == mousepage::KeyButtonRole::Key) {
            keyControls_[index] = button;
        } else if (binding.role == mousepage::KeyButtonRole::Light) {
            lightControls_[index] = button;
            MakeIndicator(button);
            ShowLight(button, kLightWhite);
        }
    }
}

void CKeyboardPage::ClearControlTables() {
    keyControls_.clear();
    lightControls_.clear();
}

QWidget* CKeyboardPage::KeyControl(int n) const {
    return At(keyControls_, n);
}

QWidget* CKeyboardPage::LightControl(int n) const {
    return At(lightControls_, n);
}

bool CKeyboardPage::SelectFunctionTabs(int functionTab, int keyFunctionTab) {
    QWidget* functions = Control(QStringLiteral("device_function_switch"));
    QWidget* keyFunctions = Control(QStringLiteral("device_key_function_switch"));
    if (functions == nullptr || keyFunctions == nullptr) return false;
    if (functionTab >= 0) SelectItem(functions, functionTab);
    if (keyFunctionTab >= 0) SelectItem(keyFunctions, keyFunctionTab);
    return true;
}

std::vector<int> CKeyboardPage::BandSelectedKeys() const {
    std::vector<int> keys;
    for (size_t i = 0; i < keyControls_.size(); ++i) {
        auto* key = qobject_cast<CDeviceKeyButtonUI*>(keyControls_[i].data());
        if (key != nullptr && key->IsBandSelected()) keys.push_back(static_cast<int>(i));
    }
    return keys;
}

void CKeyboardPage::ShowLedColours(const std::vector<std::uint32_t>& colours) {
    for (size_t i = 0; i < colours.size() && i < lightControls_.size(); ++i)
        if (QWidget* led = lightControls_[i].data()) ShowLight(led, colours[i] & kLightWhite);
}

// ---- lighting ----

CLightControlUI* CKeyboardPage::LightPanel() const {
    return qobject_cast<CLightControlUI*>(Control(QStringLiteral("LightControlItem")));
}

void CKeyboardPage::ShowLightModes(const std::vector<LightModeName>& modes,
                                   const std::vector<std::string>& presetNames) {
    FillLightModes(LightPanel(), kKeyboardDeviceKind, modes, presetNames);
}

void CKeyboardPage::ShowLightEffect(const LightInfoRecord& effect) {
    if (CLightControlUI* panel = LightPanel()) panel->ShowLightRecord(effect);
}

void CKeyboardPage::SelectCustomGroup(int group) {
    if (CLightControlUI* panel = LightPanel()) panel->SelectCustomGroup(group);
}

int CKeyboardPage::CustomGroup() const {
    CLightControlUI* panel = LightPanel();
    return panel != nullptr ? panel->GetCustomGroup() : kNoneSelected;
}

// ---- keys ----

void CKeyboardPage::ShowMacroNames(const std::vector<std::string>& names) {
    macroNames_ = names;
    if (auto* keyPanel = findChild<CKeySetControlUI*>()) keyPanel->SetMacroNames(names);
    if (!shownAssignments_.empty()) ShowKeyAssignments(std::vector<KeyAssignEntry>(shownAssignments_));
}

void CKeyboardPage::ShowKeyAssignments(const std::vector<KeyAssignEntry>& assignments) {
    shownAssignments_ = assignments;
    for (size_t led = 0; led < keyControls_.size() && led < assignments.size(); ++led) {
        auto* key = qobject_cast<CDeviceKeyButtonUI*>(keyControls_[led].data());
        if (key == nullptr) continue;
        const QString own = DefaultKeyName(static_cast<int>(led));
        const QString now = AssignmentDisplayName(assignments[led].current, macroNames_);
        key->setProperty("toolTipTitle", own);
        key->setToolTip(KeyToolTip(own, now));
        key->SetKeysetHidden(!ShowsKeySetImage(own, now));
    }
}

void CKeyboardPage::ShowKeySetting(int led, const KeyAssignEntry* assignment) {
    shownKey_ = led;
    if (QWidget* panel = Control(QStringLiteral("KeySetControlItem")))
        panel->setVisible(assignment != nullptr);
    if (QWidget* hint = Control(QStringLiteral("kb_key_hint"))) hint->setVisible(assignment == nullptr);
    for (size_t i = 0; i < keyControls_.size(); ++i) {
        if (QWidget* button = keyControls_[i].data()) {
            button->setProperty("keySelected", static_cast<int>(i) == led);
            Repolish(button);
        }
    }
}

void CKeyboardPage::EnableKeyButton(int led, bool enabled) {
    if (QWidget* key = KeyControl(led)) key->setEnabled(enabled);
}

// ---- system values ----

void CKeyboardPage::ShowOption(const char* prefix, int option) {
    if (QWidget* chosen = Control(QString::fromLatin1(prefix) + QString::number(option)))
        SetSelected(chosen, true);
}

int CKeyboardPage::SelectedOption(const char* prefix) const {
    for (int n = 0; n < keyboard::kOptionCount; ++n) {
        QWidget* option = Control(QString::fromLatin1(prefix) + QString::number(n));
        if (option != nullptr && IsSelected(option)) return n;
    }
    return kNoneSelected;
}

int CKeyboardPage::SelectedPollingRate() const {
    return SelectedOption(kPollingPrefix);
}

int CKeyboardPage::SelectedRepeatDelay() const {
    return SelectedOption(kRepeatDelayPrefix);
}

int CKeyboardPage::RepeatRate() const {
    QWidget* slider = Control(QStringLiteral("repeat_rate_slider"));
    return slider != nullptr ? GetValue(slider) : kNoneSelected;
}

void CKeyboardPage::ShowRepeatRate(int rate) {
    if (QWidget* label = Control(QStringLiteral("repeat_rate_label")))
        SetText(label, Tr(kRepeatRateText) + QString::number(rate));
}

bool CKeyboardPage::IsFlagSelected(const char* optionName) const {
    QWidget* option = Control(QString::fromLatin1(optionName));
    return option != nullptr && IsSelected(option);
}

void CKeyboardPage::ShowSystemStages(const KeyboardSystemSettings& stages) {
    const auto flag = [this](const char* name, uint16_t value) {
        if (QWidget* option = Control(QString::fromLatin1(name))) SetSelected(option, value != 0);
    };
    flag("winlockflag_option", stages.WinFlag());
    flag("wflag_option", stages.WFlag());
    flag("6flag_option", stages.Key6Flag());
    if (QWidget* slider = Control(QStringLiteral("repeat_rate_slider"))) SetValue(slider, stages.Repeat());
    ShowRepeatRate(stages.Repeat());
    ShowOption(kRepeatDelayPrefix, keyboard::OptionFor(stages.RepeatDelay()));
    if (QWidget* label = Control(QStringLiteral("repeat_delay_time_label1"))) {
        const QString title = CLanguageTable::Instance().Text(QStringLiteral("Repeat_Delay_Time"),
                                                              QStringLiteral("Repeat delay "));
        SetText(label, title + QString::number(keyboard::RepeatDelayMs(stages.RepeatDelay())) +
                           QStringLiteral("ms"));
    }
    if (QWidget* field = Control(QStringLiteral("repeat_input_richedit"))) {
        SetText(field, QString());
        field->setToolTip(CLanguageTable::Instance().Text(QStringLiteral("Repeat_input_text"),
                                                          QStringLiteral("Try it here")));
    }
    ShowOption(kPollingPrefix, keyboard::OptionFor(stages.PollingRate()));
}

void RegisterKeyboardPageClasses() {
    RegisterCustomControls();
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterControl(QStringLiteral("VornakelKeyboardDevice"),
                            [](QWidget* parent) -> QWidget* { return new CKeyboardPage(parent); });
    if (!factory.IsKnown(QStringLiteral("OptionUI")))
        factory.RegisterControl(QStringLiteral("OptionUI"), [](QWidget* parent) -> QWidget* {
            auto* option = new QPushButton(parent);
            option->setCheckable(true);
            return option;
        });
}
