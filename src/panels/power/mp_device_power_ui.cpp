#include "panels/power/mp_device_power_ui.h"

#include <QMouseEvent>
#include "ui/control_wiring.h"
#include "ui/controls.h"
#include "ui/skin_style.h"
#include "panels/power/power_status_view.h"

namespace {

void ApplyShowState(QWidget* control, ShowState state) {
    if (state != ShowState::Unchanged) control->setVisible(state == ShowState::Shown);
}

// "file='power/x.png'" -> "power/x.png"
QString FileOfAttribute(const std::string& attribute) {
    QString text = QString::fromStdString(attribute);
    const int start = text.indexOf(QLatin1Char('\'')) + 1;
    const int end = text.lastIndexOf(QLatin1Char('\''));
    return start > 0 && end > start ? text.mid(start, end - start) : text;
}

void ShowImage(QWidget* control, const std::string& attribute) {
    if (attribute.empty()) return;
    control->setProperty("bkimage", QString::fromStdString(attribute));
    SetBackgroundImage(control, FileOfAttribute(attribute));
}

}  // namespace

CMpDevicePowerUI::CMpDevicePowerUI(QWidget* parent) : QWidget(parent) {}

void CMpDevicePowerUI::SetKind(int kind, int subKind) {
    kind_ = kind;
    subKind_ = subKind;
}

void CMpDevicePowerUI::ShowPowerLayout(int flag) {
    if (QWidget* layout = FindControl(this, QStringLiteral("device_power_Layout")))
        layout->setVisible(flag != 0);
}

bool CMpDevicePowerUI::LookUpControls() {
    if (!looked_) {
        looked_ = true;
        value_ = FindControl(this, QStringLiteral("device_power_value"));
        wirelessLogo_ = FindControl(this, QStringLiteral("device_wuxian_logo"));
        progress_ = FindControl(this, QStringLiteral("device_Power_progress"));
        status_ = FindControl(this, QStringLiteral("device_power_status"));
        phone_ = FindControl(this, QStringLiteral("device_phone_type"));
    }
    return value_ && wirelessLogo_ && progress_ && status_ && phone_;
}

void CMpDevicePowerUI::ShowPowerStatus(const uint8_t* record, size_t length) {
    if (!LookUpControls()) return;
    const PowerStatusView view = MakePowerStatusView(record, length, kind_);
    SetValue(progress_, view.progressValue);
    SetText(value_, QString::fromStdString(view.valueText));
    ApplyShowState(wirelessLogo_, view.wirelessLogo);
    ApplyShowState(progress_, view.progress);
    ShowImage(status_, view.statusImage);
    if (!view.phoneToolTip.empty()) {
        phone_->setToolTip(QString::fromStdString(view.phoneToolTip));
        ShowImage(phone_, view.phoneImage);
        phone_->setVisible(true);  // the skin keeps it hidden for the kinds without a charger
    }
}

void CMpDevicePowerUI::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        SendNotify(this, QStringLiteral("selectchanged"));
}
