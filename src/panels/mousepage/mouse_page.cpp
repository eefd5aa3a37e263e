#include "panels/mousepage/mouse_page.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QIntValidator>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <algorithm>
#include <iterator>

#include "ui/control_factory.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "devices/assignment_labels.h"
#include "panels/customcontrols/custom_controls_registration.h"
#include "macros/assignment_words.h"
#include "panels/keyset/keyset_control_ui.h"
#include "panels/light/light_control_ui.h"
#include "panels/light/light_mode_fill.h"

namespace {

constexpr int kMouseDeviceKind = 2;
constexpr int kNoneSelected = -1;
constexpr unsigned kLightWhite = 0xFFFFFF;
constexpr int kLightFullLevel = 255;

const char kActiveTrack[] = "Control/SliderBar_BK3.png";
const char kActiveThumb[] = "Control/SliderBar2_Thumb.png";
const char kRestingTrack[] = "Control/SliderBar_BK1.png";
const char kRestingThumb[] = "Control/SliderBar1_Thumb.png";

// Names of the ten logical buttons in the assignment list: text id and English fallback.
struct ButtonName {
    const char* textId;
    const char* fallback;
};
constexpr ButtonName kButtonNames[] = {
    {"mouse_button_0", "Left button"},    {"mouse_button_1", "Right button"},
    {"mouse_button_2", "Middle button"},  {"mouse_button_3", "Forward"},
    {"mouse_button_4", "Back"},           {"mouse_button_5", "DPI +"},
    {"mouse_button_6", "DPI -"},          {"mouse_button_7", "DPI cycle"},
    {"mouse_button_8", "Profile button"}, {"mouse_button_9", "Lighting button"},
};

// Items of the AST, MSH and LOGO combos (index = value sent to the device).
struct ItemCombo {
    const char* control;
    std::vector<const char*> textIds;
};
const ItemCombo kItemCombos[] = {
    {"AST_set_comboSelect", {"mouse_ast_off", "mouse_ast_on"}},
    {"MSH_set_comboSelect", {"mouse_msh_low", "mouse_msh_high"}},
    {"Logolight_combo_modeSelect", {"mouse_logo_off", "mouse_logo_on", "mouse_logo_breathing"}},
};

QString Tr(const char* id, const char* fallback = nullptr) {
    return CLanguageTable::Instance().Text(QString::fromLatin1(id),
                                           fallback ? QString::fromLatin1(fallback) : QString());
}

void ShowLightWhite(QWidget* button) {
    button->setProperty("lightColour", kLightWhite);
    button->setProperty("lightLevel", kLightFullLevel);
    button->setProperty("lightOn", true);
}

// The LEDs under the button grid only show the lighting: no focus, no clicks, drawn as
// lamps by the style sheet (role "led") rather than as buttons.
void MakeIndicator(QWidget* led) {
    led->setFocusPolicy(Qt::NoFocus);
    led->setAttribute(Qt::WA_TransparentForMouseEvents);
    led->setProperty("role", QStringLiteral("led"));
    led->style()->unpolish(led);
    led->style()->polish(led);
}

void Repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

QWidget* At(const std::vector<QPointer<QWidget>>& table, int n) {
    return n >= 0 && static_cast<size_t>(n) < table.size() ? table[static_cast<size_t>(n)].data() : nullptr;
}

}  // namespace

CMousePage::CMousePage(QWidget* parent) : QWidget(parent) {
    // Texts composed here follow a language change as the skin's own texts do.
    connect(&CLanguageTable::Instance(), &CLanguageTable::TextsReloaded, this, [this] {
        RefreshLightingHint();
        if (!shownAssignments_.empty()) ShowKeyAssignments(std::vector<KeyAssignEntry>(shownAssignments_));
    });
}

QWidget* CMousePage::Control(const QString& name) const {
    return FindControl(this, name);
}

QWidget* CMousePage::Stage(const char* prefix, int stage) const {
    if (stage < 0 || stage >= kDpiStageCount) return nullptr;
    return Control(QString::fromLatin1(prefix) + QString::number(stage));
}

// ---- key and light buttons ----

void CMousePage::BindKeyAndLightControls(int keyCount, int ledCount) {
    ClearControlTables();
    keyControls_.resize(static_cast<size_t>(std::max(keyCount, 0)));
    lightControls_.resize(static_cast<size_t>(std::max(ledCount, 0)));
    secondLights_.resize(static_cast<size_t>(std::max(ledCount, 0)));
    FillItemCombos();

    QWidget* scope = Control(QStringLiteral("mouse_device_seting_layout"));
    const QList<QWidget*> panels =
        FindControlsByClass(scope != nullptr ? scope : this, QStringLiteral("SelectPanel"));
    if (panels.isEmpty()) return;
    for (QWidget* button : FindControlsByClass(panels.first(), QStringLiteral("DeviceKeyButton"))) {
        if (GetUserData(button).compare(QLatin1String("logo"), Qt::CaseInsensitive) == 0) {
            logo_ = button;
            ShowLightWhite(button);
            continue;
        }
        const mousepage::KeyButtonBinding binding =
            mousepage::ClassifyKeyButton(button->objectName().toStdString(), keyCount, ledCount);
        const auto index = static_cast<size_t>(binding.index);
        switch (binding.role) {
        case mousepage::KeyButtonRole::Key:
            keyControls_[index] = button;
            break;
        case mousepage::KeyButtonRole::Light:
            lightControls_[index] = button;
            MakeIndicator(button);
            ShowLightWhite(button);
            break;
        case mousepage::KeyButtonRole::SecondLight:
            secondLights_[index] = button;
            MakeIndicator(button);
            ShowLightWhite(button);
            break;
        case mousepage::KeyButtonRole::None:
            break;
        }
    }
}

void CMousePage::ClearControlTables() {
    keyControls_.clear();
    lightControls_.clear();
    secondLights_.clear();
    logo_ = nullptr;
}

QWidget* CMousePage::KeyControl(int n) const {
    return At(keyControls_, n);
}

QWidget* CMousePage::LightControl(int n) const {
    return At(lightControls_, n);
}

QWidget* CMousePage::SecondLightControl(int n) const {
    return At(secondLights_, n);
}

bool CMousePage::SelectFunctionTabs(int functionTab, int keyFunctionTab) {
    QWidget* functions = Control(QStringLiteral("device_function_switch"));
    QWidget* keyFunctions = Control(QStringLiteral("device_key_function_switch"));
    if (functions == nullptr || keyFunctions == nullptr) return false;
    if (functionTab >= 0) SelectItem(functions, functionTab);
    if (keyFunctionTab >= 0) SelectItem(keyFunctions, keyFunctionTab);
    return true;
}

void CMousePage::ShowSettingPage(int page) {
    auto* pages = FindControl<QStackedWidget>(this, QStringLiteral("mouse_device_seting_layout"));
    if (pages != nullptr) SelectItem(pages, page >= 0 && page < pages->count() ? page : 0);
    QWidget* options = Control(QStringLiteral("mouse_option_layout"));
    if (options == nullptr) return;
    const QString chosen = QStringLiteral("mouse_device_seting_option_") + QString::number(page);
    for (QWidget* option : FindControlsByClass(options, QStringLiteral("OptionUI")))
        SetSelected(option, option->objectName() == chosen);
}

// ---- lighting ----

CLightControlUI* CMousePage::LightPanel() const {
    return qobject_cast<CLightControlUI*>(Control(QStringLiteral("LightControlItem")));
}

void CMousePage::ShowLightModes(const std::vector<LightModeName>& modes,
                                const std::vector<std::string>& presetNames) {
    FillLightModes(LightPanel(), kMouseDeviceKind, modes, presetNames);
}

void CMousePage::ShowLightEffect(const LightInfoRecord& effect) {
    if (CLightControlUI* panel = LightPanel()) panel->ShowLightRecord(effect);
}

void CMousePage::ShowMacroNames(const std::vector<std::string>& names) {
    macroNames_ = names;
    if (auto* keyPanel = findChild<CKeySetControlUI*>()) keyPanel->SetMacroNames(names);
    // The Keys list names macros by name.
    if (!shownAssignments_.empty()) ShowKeyAssignments(std::vector<KeyAssignEntry>(shownAssignments_));
}

void CMousePage::ShowLightingHint(const std::string& modeName) {
    lightingModeName_ = modeName;
    lightingHintShown_ = true;
    RefreshLightingHint();
}

void CMousePage::RefreshLightingHint() {
    QWidget* logo = Control(QStringLiteral("Logo"));
    if (logo == nullptr || !lightingHintShown_) return;
    const QString mode = QString::fromStdString(lightingModeName_);
    // Built-in modes are text ids; a preset's own name has no entry and stays as it is.
    const QString modeText = mode.isEmpty() ? QString() : CLanguageTable::Instance().Text(mode, mode);
    logo->setToolTip(Tr("Light_Set") + QLatin1Char('\n') + Tr("Overall_Light_Set") + modeText);
}

void CMousePage::HideHint() {
    if (QWidget* hint = Control(QStringLiteral("device_tishi_info"))) hint->hide();
}

// ---- DPI stages ----

void CMousePage::SetDpiRange(int minPosition, int maxPosition, int largestTypedDpi) {
    for (int n = 0; n < kDpiStageCount; ++n) {
        if (QWidget* slider = Stage("DPI_slider_", n)) SetRange(slider, minPosition, maxPosition);
        if (auto* edit = qobject_cast<QLineEdit*>(Stage("DPI_edit_", n))) {
            edit->setMaxLength(static_cast<int>(QString::number(largestTypedDpi).size()));
            edit->setValidator(new QIntValidator(0, largestTypedDpi, edit));
        }
    }
}

mousepage::DpiChecks CMousePage::ReadDpiChecks() const {
    mousepage::DpiChecks checks;
    for (int n = 0; n < kDpiStageCount; ++n) {
        const auto i = static_cast<size_t>(n);
        if (QWidget* check = Stage("DPI_enable_check_", n)) {
            checks.ticked[i] = IsSelected(check);
            checks.checkEnabled[i] = !check->testAttribute(Qt::WA_Disabled);
        }
        if (QWidget* layout = Stage("DPI_layout_", n))
            checks.layoutEnabled[i] = !layout->testAttribute(Qt::WA_Disabled);
    }
    return checks;
}

void CMousePage::ApplyDpiChecks(const mousepage::DpiChecks& checks) {
    for (int n = 0; n < kDpiStageCount; ++n) {
        const auto i = static_cast<size_t>(n);
        if (QWidget* layout = Stage("DPI_layout_", n)) layout->setEnabled(checks.layoutEnabled[i]);
        if (QWidget* check = Stage("DPI_enable_check_", n)) {
            SetSelected(check, checks.ticked[i]);
            check->setEnabled(checks.checkEnabled[i]);
        }
    }
}

void CMousePage::ShowDpiStageEnabled(int stage, bool enabled) {
    ApplyDpiChecks(mousepage::ApplyDpiStageEnabling(ReadDpiChecks(), stage, enabled));
}

bool CMousePage::IsDpiStageChecked(int stage) const {
    QWidget* check = Stage("DPI_enable_check_", stage);
    return check != nullptr && IsSelected(check);
}

void CMousePage::ShowDpiStage(int stage, int position, const std::string& dpiText) {
    if (QWidget* slider = Stage("DPI_slider_", stage)) SetValue(slider, position);
    if (QWidget* edit = Stage("DPI_edit_", stage)) SetText(edit, QString::fromStdString(dpiText));
}

int CMousePage::DpiSliderPosition(int stage) const {
    QWidget* slider = Stage("DPI_slider_", stage);
    return slider != nullptr ? GetValue(slider) : kNoneSelected;
}

std::string CMousePage::DpiEditText(int stage) const {
    QWidget* edit = Stage("DPI_edit_", stage);
    return edit != nullptr ? GetText(edit).toStdString() : std::string();
}

void CMousePage::ShowActiveDpiStage(int stage) {
    for (int n = 0; n < kDpiStageCount; ++n) {
        QWidget* slider = Stage("DPI_slider_", n);
        if (slider == nullptr) continue;
        const bool active = n == stage;
        slider->setProperty("activeStage", active);
        slider->setProperty("bkimage", QString::fromLatin1(active ? kActiveTrack : kRestingTrack));
        slider->setProperty("thumbimage", QString::fromLatin1(active ? kActiveThumb : kRestingThumb));
        Repolish(slider);
    }
}

// ---- polling rate and system values ----

void CMousePage::ShowPollingRate(int index) {
    const int option = mousepage::PollingOptionFor(index);
    if (QWidget* chosen = Control(QStringLiteral("polling_rate_option_") + QString::number(option)))
        SetSelected(chosen, true);
}

int CMousePage::SelectedPollingRate() const {
    for (int n = 0; n < kPollingOptionCount; ++n) {
        QWidget* option = Control(QStringLiteral("polling_rate_option_") + QString::number(n));
        if (option != nullptr && IsSelected(option)) return n;
    }
    return kNoneSelected;
}

void CMousePage::ShowPointerSpeed(int value) {
    if (QWidget* slider = Control(QStringLiteral("pointer_speed_slider"))) SetValue(slider, value);
}

int CMousePage::PointerSpeed() const {
    QWidget* slider = Control(QStringLiteral("pointer_speed_slider"));
    return slider != nullptr ? GetValue(slider) : kNoneSelected;
}

void CMousePage::ShowPointerPrecision(bool on) {
    if (QWidget* check = Control(QStringLiteral("pointer_precision_check"))) SetSelected(check, on);
}

bool CMousePage::PointerPrecision() const {
    QWidget* check = Control(QStringLiteral("pointer_precision_check"));
    return check != nullptr && IsSelected(check);
}

void CMousePage::FillItemCombos() {
    for (const ItemCombo& combo : kItemCombos) {
        QWidget* control = Control(QString::fromLatin1(combo.control));
        if (control == nullptr || GetItemCount(control) > 0) continue;
        for (const char* id : combo.textIds) AddTextItem(control, QString::fromLatin1(id), true);
    }
}

void CMousePage::ShowSystemItems(int ast, int msh, int logo) {
    FillItemCombos();
    const int values[] = {ast, msh, logo};
    for (size_t i = 0; i < std::size(kItemCombos); ++i) {
        QWidget* combo = Control(QString::fromLatin1(kItemCombos[i].control));
        if (combo == nullptr) continue;
        const bool inList = values[i] >= 0 && values[i] < GetItemCount(combo);
        SelectItem(combo, inList ? values[i] : kNoneSelected);
    }
}

int CMousePage::AstItem() const {
    QWidget* combo = Control(QString::fromLatin1(kItemCombos[0].control));
    return combo != nullptr ? GetCurSel(combo) : kNoneSelected;
}

int CMousePage::MshItem() const {
    QWidget* combo = Control(QString::fromLatin1(kItemCombos[1].control));
    return combo != nullptr ? GetCurSel(combo) : kNoneSelected;
}

int CMousePage::LogoItem() const {
    QWidget* combo = Control(QString::fromLatin1(kItemCombos[2].control));
    return combo != nullptr ? GetCurSel(combo) : kNoneSelected;
}

void CMousePage::ShowScroll(bool byPage, int lines) {
    if (QWidget* check = Control(QStringLiteral("scrolls_page_check"))) SetSelected(check, byPage);
    if (QWidget* slider = Control(QStringLiteral("scroll_speed_slider"))) SetValue(slider, lines);
}

bool CMousePage::ScrollByPage() const {
    QWidget* check = Control(QStringLiteral("scrolls_page_check"));
    return check != nullptr && IsSelected(check);
}

int CMousePage::ScrollLines() const {
    QWidget* slider = Control(QStringLiteral("scroll_speed_slider"));
    return slider != nullptr ? GetValue(slider) : kNoneSelected;
}

void CMousePage::ShowDoubleClickTime(int sliderValue) {
    auto* slider = qobject_cast<QAbstractSlider*>(Control(QStringLiteral("double_click_slider")));
    if (slider == nullptr) return;
    SetValue(slider, sliderValue);
    const int ms = mousepage::DoubleClickMilliseconds(slider->value(), slider->maximum());
    slider->setToolTip(QStringLiteral("%1 ms").arg(ms));
}

int CMousePage::DoubleClickValue() const {
    QWidget* slider = Control(QStringLiteral("double_click_slider"));
    return slider != nullptr ? GetValue(slider) : kNoneSelected;
}

// ---- keys ----

void CMousePage::ShowKeyAssignments(const std::vector<KeyAssignEntry>& assignments) {
    shownAssignments_ = assignments;
    auto* list = FindControl<QListWidget>(this, QStringLiteral("device_setkeyinfo_list"));
    if (list == nullptr) return;
    RemoveAllItems(list);
    for (size_t i = 0; i < assignments.size() && i < std::size(kButtonNames); ++i) {
        const KeyAssignHalf& current = assignments[i].current;
        // The language's name of the assignment where it has one, else the readable name
        // (macros by their names, keys with their modifiers), never raw bytes.
        const AssignmentLabel label = DescribeAssignment(current);
        const QString translated = CLanguageTable::Instance().Text(
            QString::fromStdString(label.textId), QString::fromUtf8(AssignmentLabelFallback(label.textId)));
        const QString name = !label.textId.empty() && label.suffix.empty()
                                 ? translated
                                 : QString::fromStdString(macros::AssignmentName(
                                       {current.type, current.param1, current.param2}, macroNames_));
        const QString text =
            Tr(kButtonNames[i].textId, kButtonNames[i].fallback) + QStringLiteral(": ") + name;
        AddTextItem(list, text);
    }
    if (shownKey_ >= 0) SelectItem(list, shownKey_ < list->count() ? shownKey_ : kNoneSelected);
}

void CMousePage::ShowKeySetting(int key, const KeyAssignEntry* assignment) {
    shownKey_ = key;
    if (QWidget* panel = Control(QStringLiteral("KeySetControlItem")))
        panel->setVisible(assignment != nullptr);
    if (QWidget* list = Control(QStringLiteral("device_setkeyinfo_list")))
        SelectItem(list, key >= 0 && key < GetItemCount(list) ? key : kNoneSelected);
    // The key being edited is marked through a property the style sheet can draw; a click
    // on a key button must not mark it by itself, since the selection may be refused.
    for (size_t i = 0; i < keyControls_.size(); ++i) {
        if (QWidget* button = keyControls_[i].data()) {
            button->setProperty("keySelected", static_cast<int>(i) == key);
            Repolish(button);
        }
    }
}

void RegisterMousePageClasses() {
    RegisterCustomControls();
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterControl(QStringLiteral("VornakelMouseDevice"),
                            [](QWidget* parent) -> QWidget* { return new CMousePage(parent); });
    if (!factory.IsKnown(QStringLiteral("OptionUI")))
        factory.RegisterControl(QStringLiteral("OptionUI"), [](QWidget* parent) -> QWidget* {
            auto* option = new QPushButton(parent);
            option->setCheckable(true);
            return option;
        });
}
