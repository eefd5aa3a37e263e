#include "mainwnd/device_option_ui.h"

#include <QAbstractButton>
#include "ui/control_factory.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "ui/skin_style.h"
#include "devices/discovery/device_kinds.h"

namespace {

const QString kSelect = QStringLiteral("device_select");
const QString kSynchro = QStringLiteral("synchro_device_select");
const QString kName = QStringLiteral("device_select_name");

QString IconPath(std::string_view set, const char* state) {
    return QStringLiteral("common/device_ico/%1_device_%2.png")
        .arg(QString::fromLatin1(set.data(), static_cast<int>(set.size())), QLatin1String(state));
}

}  // namespace

CDeviceOptionUI::CDeviceOptionUI(QWidget* parent) : QWidget(parent) {
    const std::string_view unknown = DeviceIconSet(0, 0);
    normalImage_ = IconPath(unknown, "normal");
    selectedImage_ = IconPath(unknown, "selected");
    synchroNormalImage_ = IconPath(unknown, "synchro_normal");
    synchroSelectedImage_ = IconPath(unknown, "synchro_selected");
}

QAbstractButton* CDeviceOptionUI::SelectOption() const {
    return FindControl<QAbstractButton>(this, kSelect);
}

QAbstractButton* CDeviceOptionUI::SynchroOption() const {
    return FindControl<QAbstractButton>(this, kSynchro);
}

void CDeviceOptionUI::SetKind(int kind, int subKind) {
    const std::string_view set = DeviceIconSet(kind, subKind);
    if (set.empty()) return;
    kind_ = kind;
    subKind_ = subKind;
    normalImage_ = IconPath(set, "normal");
    selectedImage_ = IconPath(set, "selected");
    synchroNormalImage_ = IconPath(set, "synchro_normal");
    synchroSelectedImage_ = IconPath(set, "synchro_selected");
    RefreshImages();
    SetResourceToolTip(SelectOption(), QString::fromLatin1(set.data(), static_cast<int>(set.size())) +
                                           QStringLiteral("_device_name_text"));
}

void CDeviceOptionUI::RefreshImages() {
    QAbstractButton* select = SelectOption();
    if (!select) return;
    const bool synchro = IsSynchro();
    // The normal image also stands for the disabled state.
    SetButtonImages(select, synchro ? synchroNormalImage_ : normalImage_,
                    synchro ? synchroSelectedImage_ : selectedImage_, normalImage_);
}

void CDeviceOptionUI::ShowSynchroOption(bool on) {
    if (QAbstractButton* synchro = SynchroOption()) synchro->setVisible(on);
    RefreshImages();
}

void CDeviceOptionUI::SetSynchro(bool on) {
    SetSelected(SynchroOption(), on, true);
    RefreshImages();
}

bool CDeviceOptionUI::IsSynchro() const {
    return ::IsSelected(SynchroOption());
}

void CDeviceOptionUI::Select(bool on) {
    SetSelected(SelectOption(), on, true);
}

bool CDeviceOptionUI::IsSelected() const {
    return ::IsSelected(SelectOption());
}

void CDeviceOptionUI::BindPage(const QString& container, int index) {
    QAbstractButton* select = SelectOption();
    if (!select) return;
    pageContainer_ = container;
    pageIndex_ = index;
    BindOptionToTab(select, container, index);
}

int CDeviceOptionUI::PageIndex() const {
    return SelectOption() ? pageIndex_ : -1;
}

QString CDeviceOptionUI::PageContainer() const {
    return SelectOption() ? pageContainer_ : QString();
}

void CDeviceOptionUI::SetPowerPanel(const QString& container, int index) {
    powerContainer_ = container;
    if (index >= 0) powerIndex_ = index;
}

void CDeviceOptionUI::SetGroup(const QString& group) {
    SetOptionGroup(SelectOption(), group);
}

void CDeviceOptionUI::SetName(const QString& text) {
    name_ = text;
    // The entry is wide enough for the product names; the tool tip keeps a longer name
    // (a user's table row) readable.
    QWidget* label = FindControl(this, kName);
    if (!label) return;
    SetText(label, text);
    label->setToolTip(text);
}

QString CDeviceOptionUI::Name() const {
    return name_;
}

void CDeviceOptionUI::Show(bool on) {
    shown_ = on;
    setVisible(on);
}

void RegisterDeviceOptionClass() {
    for (const char* name : {"DeviceOption", "CDeviceOptionUI"})
        CControlFactory::Instance().RegisterControl(
            QString::fromLatin1(name), [](QWidget* parent) { return new CDeviceOptionUI(parent); });
}
