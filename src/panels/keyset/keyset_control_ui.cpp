#include "panels/keyset/keyset_control_ui.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QStackedWidget>
#include <QTimer>
#include <algorithm>

#include "macros/key_table.h"
#include "macros/shoot_assignment.h"
#include "panels/keyset/keyset_layout.h"
#include "panels/keyset/keyset_texts.h"
#include "ui/control_factory.h"
#include "ui/controls.h"
#include "ui/text_id.h"

namespace {

using macros::Assignment;
using macros::KeyFunction;
namespace AssignType = macros::AssignType;

constexpr int kNone = -1;
constexpr int kDirectionCount = 2;

Assignment AsAssignment(const KeyAssignHalf& h) {
    return {h.type, h.param1, h.param2};
}
KeyAssignHalf AsHalf(std::uint16_t key, const Assignment& a) {
    return {key, a.type, a.param1, a.param2, 0};
}

// The combo of each function with an option table.
const char* OptionCombo(KeyFunction function) {
    switch (function) {
    case KeyFunction::MouseButton:
        return "keyset_mousekey_combo";
    case KeyFunction::Dpi:
        return "keyset_mousedpi_combo";
    case KeyFunction::Media:
        return "keyset_media_combo";
    case KeyFunction::System:
        return "keyset_system_combo";
    case KeyFunction::KeyCombination:
        return "keyset_combokey_combo";
    default:
        return nullptr;
    }
}

const char* ScrollBase(KeyFunction function) {
    return function == KeyFunction::Swing ? "keyset_mouseswing" : "keyset_mousewheel";
}

}  // namespace

CKeySetControlUI::CKeySetControlUI(QWidget* parent) : QWidget(parent) {
    keyset::BuildKeySetControls(this);
    FindControls();
    SetChangesPending(false);
    // After the other texts: a title source may read a list that refills itself then.
    OnLanguageChanged(this, [this] { QTimer::singleShot(0, this, [this] { ShowTitle(); }); });
}

QWidget* CKeySetControlUI::Control(const char* name) const {
    return FindControl(this, QLatin1String(name));
}

void CKeySetControlUI::FindControls() {
    function_ = FindControl<QComboBox>(this, QStringLiteral("keyset_function_combo"));
    pages_ = FindControl<QStackedWidget>(this, QStringLiteral("function_switch_tablayout"));
}

void CKeySetControlUI::SetDeviceKind(int kind) {
    kind_ = kind;
    auto* view = function_ ? qobject_cast<QListView*>(function_->view()) : nullptr;
    for (KeyFunction hidden : {KeyFunction::Dpi, KeyFunction::GunPreset}) {
        const int item = FindFunctionItem(static_cast<int>(hidden));
        if (view && item >= 0) view->setRowHidden(item, kind == kKeyboardKind);
    }
}

// ---- macro names ----

void CKeySetControlUI::SetMacroNames(const std::vector<std::string>& names) {
    macroNames_ = names;
    QWidget* combo = Control("keyset_macro_combo");
    RemoveAllItems(combo);
    for (const std::string& name : names) AddTextItem(combo, QString::fromStdString(name));
    SelectItem(combo, kNone);
}

void CKeySetControlUI::AddMacroName(const std::string& name) {
    macroNames_.push_back(name);
    AddTextItem(Control("keyset_macro_combo"), QString::fromStdString(name));
}

void CKeySetControlUI::RemoveMacroName(int index) {
    if (index < 0 || index >= MacroCount()) return;
    macroNames_.erase(macroNames_.begin() + index);
    if (auto* combo = qobject_cast<QComboBox*>(Control("keyset_macro_combo"))) combo->removeItem(index);
}

void CKeySetControlUI::RenameMacroName(int index, const std::string& name) {
    if (index < 0 || index >= MacroCount() || name.empty()) return;
    macroNames_[static_cast<size_t>(index)] = name;
    if (auto* combo = qobject_cast<QComboBox*>(Control("keyset_macro_combo")))
        combo->setItemText(index, QString::fromStdString(name));
}

// ---- functions and options ----

int CKeySetControlUI::FindFunctionItem(int number) const {
    if (!function_) return kNone;
    for (int i = 0; i < function_->count(); ++i)
        if (GetFunctionNumber(i) == number) return i;
    return kNone;
}

int CKeySetControlUI::GetFunctionNumber(int index) const {
    if (!function_ || index < 0 || index >= function_->count()) return kNone;
    bool ok = false;
    const int number = function_->itemData(index).toInt(&ok);
    return ok ? number : kNone;
}

void CKeySetControlUI::SetModifierOption(int n) {
    for (int i = 0; i < macros::kModifierOptionCount; ++i)
        SetSelected(
            FindControl(this,
                        QStringLiteral("%1%2").arg(QLatin1String(keyset::kModifierOptionPrefix)).arg(i)),
            i == n);
}

int CKeySetControlUI::GetModifierOption() const {
    for (int i = 0; i < macros::kModifierOptionCount; ++i)
        if (IsSelected(FindControl(
                this, QStringLiteral("%1%2").arg(QLatin1String(keyset::kModifierOptionPrefix)).arg(i))))
            return i;
    return kNone;
}

void CKeySetControlUI::ShowFunctionPage(int number) {
    if (pages_ && number >= 0 && number < pages_->count()) SelectItem(pages_, number);
    if (number == static_cast<int>(KeyFunction::Keyboard)) {
        SetText(Control("keyset_keyboard_text_edit"), QString());
        SetModifierOption(kNone);
    }
}

void CKeySetControlUI::ShowRepeatForOverChoice() {
    if (QWidget* cycle = Control("keyset_macro_cycle_layout"))
        cycle->setVisible(GetCurSel(Control("keyset_macro_over_combo")) == macros::kMacroRepeatOption);
}

void CKeySetControlUI::SetChangesPending(bool pending) {
    pending_ = pending;
    for (const char* name : {"key_butt_keysave", "key_butt_keycancel", "key_butt_prosave"})
        if (QWidget* button = Control(name)) button->setEnabled(pending);
}

int CKeySetControlUI::EditNumber(QWidget* edit) {
    bool ok = false;
    const int value = GetText(edit).trimmed().toInt(&ok);
    return ok ? value : 0;
}

// ---- showing ----

void CKeySetControlUI::ShowKey(const KeyAssignHalf& current, const KeyAssignHalf& defaults) {
    current_ = current;
    default_ = defaults;
    titleKey_ = current.keyIndex;
    titleSource_ = nullptr;
    ShowTitle();
    ShowAssignment(current);
}

void CKeySetControlUI::ShowTitle() {
    if (titleSource_) {
        SetText(Control("keyset_title"), titleSource_());
    } else if (titleKey_ >= 0) {
        SetText(Control("keyset_title"), Tr(keyset::text::kTitle).arg(titleKey_ + 1));
    }
}

void CKeySetControlUI::SetTitle(const QString& title) {
    SetTitleSource([title] { return title; });
}

void CKeySetControlUI::SetTitleSource(std::function<QString()> source) {
    titleSource_ = std::move(source);
    ShowTitle();
}

void CKeySetControlUI::ShowKeyName(std::uint8_t usage) {
    const auto row = macros::FindUsageRow(usage);
    SetText(Control("keyset_keyboard_text_edit"),
            row ? QString::fromUtf8(macros::KeyRows()[*row].label.data(),
                                    static_cast<qsizetype>(macros::KeyRows()[*row].label.size()))
                : QString());
}

void CKeySetControlUI::ShowMacro(const KeyAssignHalf& half) {
    const bool known = half.param1 < macroNames_.size();
    QWidget* over = Control("keyset_macro_over_combo");
    SelectItem(Control("keyset_macro_combo"), known ? half.param1 : kNone);
    if (half.type == AssignType::kMacroRepeat) {
        SelectItem(over, macros::kMacroRepeatOption);
        SetText(Control("keyset_macro_cycle_edit"), QString::number(half.param2));
        if (QWidget* cycle = Control("keyset_macro_cycle_layout")) cycle->setVisible(known);
        return;
    }
    SelectItem(over, known && half.param2 < macros::kMacroModeCount ? half.param2 : kNone);
    if (QWidget* cycle = Control("keyset_macro_cycle_layout")) cycle->setVisible(false);
}

void CKeySetControlUI::ShowAssignment(const KeyAssignHalf& half) {
    const Assignment a = AsAssignment(half);
    const KeyFunction function = macros::FunctionOf(a, AsAssignment(default_));
    switch (function) {
    case KeyFunction::MouseButton:
    case KeyFunction::Dpi:
    case KeyFunction::Media:
    case KeyFunction::System:
        SelectItem(Control(OptionCombo(function)), macros::FindOptionRow(function, a));
        break;
    case KeyFunction::KeyCombination:  // only type 0xB0 from stored data comes here
        SelectItem(Control(OptionCombo(function)), kNone);
        break;
    case KeyFunction::Swing:
    case KeyFunction::Wheel: {
        const macros::ScrollChoice scroll = macros::ReadScroll(a);
        const QByteArray base(ScrollBase(function));
        SelectItem(Control(base + "_combo"), scroll.direction);
        SetText(Control(base + "_delay_edit"), QString::number(scroll.delay));
        SetText(Control(base + "_speed_edit"), QString::number(scroll.speed));
        SetText(Control(base + "_num_edit"), QString::number(scroll.count));
        break;
    }
    case KeyFunction::RapidFire:
        SetText(Control("keyset_mousefire_interval_edit"), QString::number(half.param1));
        SetText(Control("keyset_mousefire_num_edit"), QString::number(half.param2));
        break;
    case KeyFunction::Keyboard: {
        const int option = half.param1 == 0 ? 0 : macros::ModifierOptionOfBits(half.param1);
        if (half.param1 != 0 && option == 0) current_.param1 = 0;  // not one modifier: none kept
        const bool known = half.param2 != 0 && macros::FindUsageRow(half.param2).has_value();
        if (half.param1 == 0 && !known) {
            SetText(Control("keyset_keyboard_text_edit"), QString());
            SetModifierOption(kNone);
            current_.param1 = current_.param2 = 0;
        } else {
            SetModifierOption(option);
            ShowKeyName(half.param2);
        }
        break;
    }
    case KeyFunction::Macro:
        ShowMacro(half);
        break;
    case KeyFunction::GunPreset:
        SelectItem(Control("keyset_gunkey_combo"), shoot::AssignedGunPreset(half));
        break;
    case KeyFunction::Default:
    case KeyFunction::None:
        break;
    }
    const int number = static_cast<int>(function);
    SelectItem(function_, FindFunctionItem(number));
    if (pages_ && number >= 0) SelectItem(pages_, number);
}

// ---- building ----

KeyAssignHalf CKeySetControlUI::BuildAssignment() {
    const std::uint16_t key = current_.keyIndex;
    const auto function = static_cast<KeyFunction>(GetFunctionNumber(GetCurSel(function_)));
    std::optional<Assignment> built;
    switch (function) {
    case KeyFunction::MouseButton:
    case KeyFunction::Dpi:
    case KeyFunction::Media:
    case KeyFunction::System:
    case KeyFunction::KeyCombination:
        // With no row chosen the current assignment stays.
        built = macros::OptionAssignment(function, GetCurSel(Control(OptionCombo(function))));
        break;
    case KeyFunction::Swing:
    case KeyFunction::Wheel: {
        const QByteArray base(ScrollBase(function));
        macros::ScrollChoice scroll;
        scroll.direction = std::clamp(GetCurSel(Control(base + "_combo")), 0, kDirectionCount - 1);
        scroll.delay = EditNumber(Control(base + "_delay_edit")) & 0x0F;
        scroll.speed = EditNumber(Control(base + "_speed_edit")) & 0x0F;
        scroll.count = EditNumber(Control(base + "_num_edit")) & 0x7F;
        built = function == KeyFunction::Swing ? macros::BuildSwing(scroll) : macros::BuildWheel(scroll);
        break;
    }
    case KeyFunction::RapidFire:
        built = Assignment{AssignType::kRapidFire,
                           static_cast<std::uint8_t>(EditNumber(Control("keyset_mousefire_interval_edit"))),
                           static_cast<std::uint8_t>(EditNumber(Control("keyset_mousefire_num_edit")))};
        break;
    case KeyFunction::Keyboard: {
        const int option = GetModifierOption();
        const std::uint8_t bits = option > 0 ? macros::kModifierOptionBits[option] : 0;
        const bool hasKey = !GetText(Control("keyset_keyboard_text_edit")).isEmpty();
        built = Assignment{AssignType::kKeyboard, bits, hasKey ? current_.param2 : std::uint8_t(0)};
        break;
    }
    case KeyFunction::Macro: {
        QWidget* cycle = Control("keyset_macro_cycle_edit");
        bool ok = false;
        const long long repeat = GetText(cycle).trimmed().toLongLong(&ok);
        const int over = GetCurSel(Control("keyset_macro_over_combo"));
        built = macros::BuildMacro(GetCurSel(Control("keyset_macro_combo")), MacroCount(), std::max(over, 0),
                                   ok ? repeat : 1);
        if (built && built->type == AssignType::kMacroRepeat) SetText(cycle, QString::number(built->param2));
        break;
    }
    case KeyFunction::GunPreset: {
        const int gun = GetCurSel(Control("keyset_gunkey_combo"));
        if (gun >= 0) built = AsAssignment(shoot::GunPresetAssignment(gun, key));
        break;
    }
    case KeyFunction::Default:
    case KeyFunction::None:
        built = AsAssignment(default_);
        break;
    }
    if (built) current_ = AsHalf(key, *built);
    return current_;
}

bool CKeySetControlUI::CaptureKey(std::uint8_t scan, bool extended) {
    const auto row = macros::FindScanRow(scan, extended);
    if (!row || macros::KeyRows()[*row].category != macros::KeyCategory::kKeyboard) return false;
    const macros::KeyRow& key = macros::KeyRows()[*row];
    if (*row < macros::kModifierRowCount) {
        SetModifierOption(macros::ModifierOptionOfRow(*row));
        SetText(Control("keyset_keyboard_text_edit"), QString());
        SetCapturedKey({current_.keyIndex, AssignType::kKeyboard, key.param1, 0, 0});
        return true;
    }
    std::uint8_t bits = 0;
    if (GetModifierOption() < 0)
        SetModifierOption(0);
    else
        bits = BuildAssignment().param1;
    SetText(Control("keyset_keyboard_text_edit"),
            QString::fromUtf8(key.label.data(), static_cast<qsizetype>(key.label.size())));
    SetCapturedKey({current_.keyIndex, AssignType::kKeyboard, bits, key.param2, 0});
    return true;
}

void RegisterKeySetControlClasses() {
    CControlFactory::Instance().RegisterControl(
        QStringLiteral("CKeySetControlUI"),
        [](QWidget* parent) -> QWidget* { return new CKeySetControlUI(parent); });
}
