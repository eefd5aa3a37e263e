#include "mainwnd/device_option_ui.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>
#include <algorithm>
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
    kindToolTipId_ =
        QString::fromLatin1(set.data(), static_cast<int>(set.size())) + QStringLiteral("_device_name_text");
    UpdateToolTip();
}

void CDeviceOptionUI::UpdateToolTip() {
    QAbstractButton* select = SelectOption();
    if (!select) return;
    // Until the entry has a name, the kind stands for it; then the name does, since kinds
    // repeat in the bar (three mice) and the label may be elided.
    if (name_.isEmpty()) {
        if (!kindToolTipId_.isEmpty()) SetResourceToolTip(select, kindToolTipId_);
        return;
    }
    SetResourceToolTip(select, QString());
    select->setToolTip(name_);
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
    UpdateToolTip();
    QWidget* label = FindControl(this, kName);
    if (!label) return;
    // The label's own width hint would hold the bar at the full names; the entry's hint
    // asks for them instead and the label elides what it is given.
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    label->setToolTip(text);
    ElideName();
    updateGeometry();
}

void CDeviceOptionUI::ElideName() {
    auto* label = FindControl<QLabel>(this, kName);
    if (!label) return;
    const int width = label->width() > 0 ? label->width() : maximumWidth();
    label->setText(label->fontMetrics().elidedText(name_, Qt::ElideRight, width));
}

QSize CDeviceOptionUI::sizeHint() const {
    QSize hint = QWidget::sizeHint();
    const auto* label = FindControl<QLabel>(this, kName);
    if (!label || name_.isEmpty()) return hint;
    // A little slack: the advance of the text alone is cut by the label's own margin.
    const int wanted =
        label->fontMetrics().horizontalAdvance(name_) + label->fontMetrics().averageCharWidth();
    hint.setWidth(std::clamp(wanted, minimumWidth(), maximumWidth()));
    return hint;
}

void CDeviceOptionUI::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ElideName();
}

QString CDeviceOptionUI::Name() const {
    return name_;
}

QString CDeviceOptionUI::ShownName() const {
    const auto* label = FindControl<QLabel>(this, kName);
    return label ? label->text() : QString();
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
