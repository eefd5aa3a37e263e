#include "panels/profile/device_profile_ui.h"

#include "ui/language_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include "ui/local_path.h"

#include "ui/control_wiring.h"
#include "ui/controls.h"
#include "ui/ui_types.h"
#include "panels/profile/profile_tabs.h"

namespace {

constexpr int kProfileItemHeight = 30;
const char* const kCombo = "device_profile_combo";
const char* const kProgramEdit = "profile_program_edit";
const char* const kProgramList = "profile_program_list";
const char* const kReturnCheck = "profile_return_check";
const char* const kNameEdit = "device_profile_name_edit";
const char* const kMenu = "profile_menu_layout";

// Profile items have a fixed height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kProfileItemHeight};
    }
};

// Profile names live in the files in the locale's 8-bit encoding.
QString FromFile(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}
std::string ToFile(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace

CDeviceProfileUI::CDeviceProfileUI(QWidget* parent) : QWidget(parent) {}

QWidget* CDeviceProfileUI::Control(const char* name) const {
    QPointer<QWidget>& slot = controls_[QLatin1String(name)];
    // Found on first use and kept; the skin's controls exist only after construction.
    if (!slot) slot = FindControl(this, QLatin1String(name));
    return slot.data();
}

void CDeviceProfileUI::SetDeviceKind(int kind) {
    list_.SetDeviceKind(kind);
}

void CDeviceProfileUI::SetPaths(const QString& userFolder, const QString& defaultDataPath) {
    list_.SetPaths(QStringToLocalPath(userFolder), QStringToLocalPath(defaultDataPath));
}

void CDeviceProfileUI::SetDeviceFolder(const QString& programFolder, const QString& deviceFolder) {
    list_.SetDeviceFolder(QStringToLocalPath(programFolder), deviceFolder.toStdString());
}

int CDeviceProfileUI::Init() {
    const int result = list_.Init();
    FillCombo();
    Select(list_.SelectedIndex(), false);
    ApplyTabVisibility();
    return result;
}

void CDeviceProfileUI::FillCombo() {
    auto* combo = qobject_cast<QComboBox*>(Control(kCombo));
    if (!combo) return;
    RemoveAllItems(combo);
    if (!dynamic_cast<FixedHeightDelegate*>(combo->itemDelegate()))
        combo->setItemDelegate(new FixedHeightDelegate(combo));
    const QSignalBlocker block(combo);
    for (const ProfileEntry& entry : list_.Entries()) {
        const QString name = FromFile(entry.name);
        combo->addItem(name, name);
    }
}

void CDeviceProfileUI::ApplyTabVisibility() {
    const TabVisibility tabs = FeatureTabsOfKind(list_.DeviceKind());
    for (const char* name : tabs.hidden) {
        if (QWidget* tab = Control(name)) tab->setVisible(false);
    }
    for (const char* name : tabs.shown) {
        if (QWidget* tab = Control(name)) tab->setVisible(true);
    }
}

void CDeviceProfileUI::Select(int index, bool notify) {
    const int selected = list_.Select(index);
    if (selected < 0) return;
    if (QWidget* combo = Control(kCombo)) SelectItem(combo, selected, notify);
    ShowSelectedName();
}

void CDeviceProfileUI::ShowSelectedName() {
    const int index = list_.SelectedIndex();
    if (index < 0 || index >= list_.Count()) return;
    SetNameEditText(FromFile(list_.Entries()[static_cast<size_t>(index)].name));
    ShowBindings();
}

void CDeviceProfileUI::ShowBindings() {
    const int index = list_.SelectedIndex();
    if (auto* programs = qobject_cast<QListWidget*>(Control(kProgramList))) {
        const QSignalBlocker block(programs);
        programs->clear();
        for (const std::string& program : list_.ProgramsAt(index)) programs->addItem(FromFile(program));
    }
    if (auto* check = qobject_cast<QCheckBox*>(Control(kReturnCheck))) {
        const QSignalBlocker block(check);
        check->setChecked(index >= 0 && index == list_.ReturnIndex());
    }
}

int CDeviceProfileUI::BindTypedProgram() {
    auto* edit = qobject_cast<QLineEdit*>(Control(kProgramEdit));
    if (!edit) return kProfileRefused;
    const int result = list_.BindProgram(list_.SelectedIndex(), ToFile(edit->text()));
    if (result == kProfileDone) edit->clear();
    ShowBindings();
    return result;
}

int CDeviceProfileUI::UnbindChosenProgram() {
    auto* programs = qobject_cast<QListWidget*>(Control(kProgramList));
    if (!programs) return kProfileRefused;
    // With none chosen the list refuses, saying which profile has no such program.
    const QString chosen = programs->currentItem() ? programs->currentItem()->text() : QString();
    const int result = list_.UnbindProgram(list_.SelectedIndex(), ToFile(chosen));
    ShowBindings();
    return result;
}

int CDeviceProfileUI::SetReturnHere(bool on) {
    const int result = list_.SetReturnProfile(on ? list_.SelectedIndex() : -1);
    ShowBindings();
    return result;
}

void CDeviceProfileUI::ShowFocusReason(const QString& program) {
    auto* combo = qobject_cast<QComboBox*>(Control(kCombo));
    if (!combo) return;
    const QSignalBlocker block(combo);
    const QString format =
        CLanguageTable::Instance().Text(QStringLiteral("profile_for_program"), QStringLiteral("%1 (for %2)"));
    for (int i = 0; i < combo->count(); ++i) {
        const QString name = combo->itemData(i).toString();
        const bool reason = i == combo->currentIndex() && !program.isEmpty();
        combo->setItemText(i, reason ? format.arg(name, program) : name);
    }
}

int CDeviceProfileUI::GetSelectedIndex() const {
    const QWidget* combo = Control(kCombo);
    return combo ? GetCurSel(combo) : -1;
}

QString CDeviceProfileUI::GetSelectedId() const {
    return QString::fromStdString(list_.SelectedId());
}

QString CDeviceProfileUI::GetSelectedProfilePath() const {
    return LocalPathToQString(list_.SelectedProfilePath());
}

QString CDeviceProfileUI::GetNameEditText() const {
    const QWidget* edit = Control(kNameEdit);
    return edit ? GetText(edit) : QString();
}

void CDeviceProfileUI::SetNameEditText(const QString& text) {
    if (QWidget* edit = Control(kNameEdit)) SetText(edit, text);
}

int CDeviceProfileUI::AppendLastEntry(int result) {
    if (result != kProfileDone) return result;
    if (auto* combo = qobject_cast<QComboBox*>(Control(kCombo))) {
        const QSignalBlocker block(combo);
        const QString name = FromFile(list_.Entries().back().name);
        combo->addItem(name, name);
    }
    return result;
}

int CDeviceProfileUI::NewProfile() {
    return AppendLastEntry(list_.NewProfile());
}

int CDeviceProfileUI::CopyProfile() {
    return AppendLastEntry(list_.CopyProfile(GetSelectedIndex()));
}

int CDeviceProfileUI::ImportProfile(const QString& path) {
    return AppendLastEntry(list_.ImportProfile(QStringToLocalPath(path)));
}

int CDeviceProfileUI::DeleteProfile() {
    const int current = GetSelectedIndex();
    const std::string usedBefore = list_.SelectedId();
    const int result = list_.DeleteProfile(current);
    if (result != kProfileDone) return result;
    auto* combo = qobject_cast<QComboBox*>(Control(kCombo));
    if (combo) {
        const QSignalBlocker block(combo);
        combo->removeItem(current);
        combo->setCurrentIndex(list_.SelectedIndex());
    }
    ShowSelectedName();
    // The device still works on the removed profile's settings: let the routing switch it.
    if (combo && list_.SelectedId() != usedBefore) {
        SendNotify(combo, QLatin1String(NotifyType::kItemSelect), static_cast<WPARAM>(list_.SelectedIndex()),
                   current);
    }
    return result;
}

int CDeviceProfileUI::RenameProfile(const QString& name) {
    const int current = GetSelectedIndex();
    const int result = list_.RenameProfile(current, ToFile(name));
    if (result != kProfileDone) return result;
    if (auto* combo = qobject_cast<QComboBox*>(Control(kCombo))) {
        const QSignalBlocker block(combo);
        const QString stored = FromFile(list_.Entries()[static_cast<size_t>(current)].name);
        combo->setItemText(current, stored);
        combo->setItemData(current, stored);
    }
    return result;
}

int CDeviceProfileUI::ExportProfile(const QString& path) {
    return list_.ExportProfile(GetSelectedIndex(), QStringToLocalPath(path));
}

int CDeviceProfileUI::ResetProfile() {
    return list_.ResetProfile(list_.SelectedIndex());
}

void CDeviceProfileUI::SelectTab(int type) {
    QWidget* tabs[kFeatureTabNames.size()];
    for (size_t i = 0; i < kFeatureTabNames.size(); ++i) {
        tabs[i] = Control(kFeatureTabNames[i]);
        if (!tabs[i]) return;
    }
    const char* chosen = FeatureTabOfType(type);
    for (size_t i = 0; i < kFeatureTabNames.size(); ++i) {
        const char* name = kFeatureTabNames[i];
        if (!chosen && qstrcmp(name, kTabKeptOnOtherTypes) == 0) continue;
        if (name != chosen) SetSelected(tabs[i], false);
    }
    // Selected last, so that an exclusive group never holds two selected tabs.
    if (chosen) SetSelected(Control(chosen), true);
}

void CDeviceProfileUI::ShowMenu(bool show) {
    if (QWidget* menu = Control(kMenu)) menu->setVisible(show);
}

bool CDeviceProfileUI::IsMenuVisible() const {
    const QWidget* menu = Control(kMenu);
    // The menu counts as shown when it is not hidden itself, even while the page is not on
    // screen.
    return menu && !menu->isHidden();
}
