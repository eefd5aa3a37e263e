#include "panels/headsetpage/voice6533_control_ui.h"

#include <QComboBox>

#include "ui/controls.h"

namespace {

const QString kMicOption = QStringLiteral("6533_MicIn_option");
const QString kMicSlider = QStringLiteral("6533_MicIn_slider");
const QString kMonitorOption = QStringLiteral("6533_MicMoniter_option");
const QString kMonitorSlider = QStringLiteral("6533_MicMoniter_slider");
const QString kEqOptionPrefix = QStringLiteral("6533_eq_option_");
const QString kBandPrefix = QStringLiteral("6533_eq_hz_slider_");
const QString kCustomLayout = QStringLiteral("custom_eq_option_layout");
const QString kCustomCombo = QStringLiteral("custom_eq_name_combo");
const QString kCustomEdit = QStringLiteral("custom_eq_name_edit");
// The equaliser's own area, greyed as a whole when the host has no equaliser.
const QString kEqualiserLayout = QStringLiteral("6533_eq_layout");

constexpr int kMissingLevel = -1;

}  // namespace

CVoice6533ControlUI::CVoice6533ControlUI(QWidget* parent) : QWidget(parent) {}

QWidget* CVoice6533ControlUI::Control(const QString& name) const {
    return FindControl(this, name);
}

void CVoice6533ControlUI::ShowMicOn(int flag) {
    SetSelected(Control(kMicOption), flag != 0);
}

void CVoice6533ControlUI::ShowMicLevel(int level) {
    if (QWidget* slider = Control(kMicSlider)) SetValue(slider, level);
}

int CVoice6533ControlUI::GetMicLevel() const {
    QWidget* slider = Control(kMicSlider);
    return slider != nullptr ? GetValue(slider) : kMissingLevel;
}

void CVoice6533ControlUI::ShowMonitorOn(int flag) {
    SetSelected(Control(kMonitorOption), flag != 0);
}

void CVoice6533ControlUI::ShowMonitorLevel(int level) {
    if (QWidget* slider = Control(kMonitorSlider)) SetValue(slider, level);
}

int CVoice6533ControlUI::GetMonitorLevel() const {
    QWidget* slider = Control(kMonitorSlider);
    return slider != nullptr ? GetValue(slider) : kMissingLevel;
}

void CVoice6533ControlUI::ShowEqType(int t) {
    for (int n = 1; n <= kEqTypeCount; ++n) SetSelected(Control(kEqOptionPrefix + QString::number(n)), false);
    if (t >= 1 && t <= kEqTypeCount) SetSelected(Control(kEqOptionPrefix + QString::number(t)), true);
}

void CVoice6533ControlUI::ShowBand(int n, int value) {
    if (QWidget* slider = Control(kBandPrefix + QString::number(n))) SetValue(slider, value);
}

int CVoice6533ControlUI::GetBand(int n) const {
    QWidget* slider = Control(kBandPrefix + QString::number(n));
    return slider != nullptr ? GetValue(slider) : kMissingLevel;
}

void CVoice6533ControlUI::EnableCustomEq(int flag) {
    if (QWidget* layout = Control(kCustomLayout)) layout->setEnabled(flag != 0);
}

void CVoice6533ControlUI::SetCustomEqNameText(const QString& text) {
    if (QWidget* edit = Control(kCustomEdit)) SetText(edit, text);
}

QString CVoice6533ControlUI::GetCustomEqNameText() const {
    QWidget* edit = Control(kCustomEdit);
    return edit != nullptr ? GetText(edit) : QString();
}

void CVoice6533ControlUI::AddCustomEqName(const QString& name) {
    auto* combo = qobject_cast<QComboBox*>(Control(kCustomCombo));
    if (combo == nullptr) return;
    // A preset name is the user's own text: never looked up as a language text.
    combo->addItem(name, name);
    combo->setItemData(combo->count() - 1, QSize(0, kCustomRowHeight), Qt::SizeHintRole);
    if (combo->count() == 1) combo->setCurrentIndex(-1);  // adding selects nothing
}

void CVoice6533ControlUI::ClearCustomEqNames() {
    if (QWidget* combo = Control(kCustomCombo)) RemoveAllItems(combo);
}

int CVoice6533ControlUI::GetCustomEqCount() const {
    QWidget* combo = Control(kCustomCombo);
    return combo != nullptr ? GetItemCount(combo) : 0;
}

QString CVoice6533ControlUI::GetCustomEqName(int i) const {
    auto* combo = qobject_cast<QComboBox*>(Control(kCustomCombo));
    if (combo == nullptr || i < 0 || i >= combo->count()) return {};
    return combo->itemText(i);
}

int CVoice6533ControlUI::GetSelectedCustomEq() const {
    QWidget* combo = Control(kCustomCombo);
    return combo != nullptr ? GetCurSel(combo) : -1;
}

void CVoice6533ControlUI::SelectCustomEqItem(int i) {
    if (QWidget* combo = Control(kCustomCombo)) SelectItem(combo, i);
    SetCustomEqNameText(QString());
}

void CVoice6533ControlUI::RemoveCustomEqItem(int i) {
    auto* combo = qobject_cast<QComboBox*>(Control(kCustomCombo));
    if (combo != nullptr && i >= 0 && i < combo->count()) combo->removeItem(i);
}

void CVoice6533ControlUI::EnableEqualiser(bool available) {
    if (QWidget* area = Control(kEqualiserLayout)) area->setEnabled(available);
}
