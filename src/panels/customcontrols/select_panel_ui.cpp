#include "panels/customcontrols/select_panel_ui.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "panels/customcontrols/device_key_button_ui.h"
#include "ui/control_wiring.h"

CSelectPanelUI::CSelectPanelUI(QWidget* parent) : QWidget(parent) {}

void CSelectPanelUI::paintEvent(QPaintEvent*) {
    // Only the style sheet's background and border; the band is not drawn.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CSelectPanelUI::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (!isEnabled() || event->button() != Qt::LeftButton) return;
    armed_ = true;
    dragging_ = false;
    start_ = current_ = event->position().toPoint();
    event->accept();
}

void CSelectPanelUI::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!armed_) return;
    dragging_ = true;
    current_ = event->position().toPoint();
    selection_ = QRect(start_, current_).normalized();
}

void CSelectPanelUI::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    if (dragging_) {
        current_ = event->position().toPoint();
        selection_ = QRect(start_, current_).normalized();
        FinishSelection();
    }
    armed_ = false;
}

void CSelectPanelUI::FinishSelection() {
    dragging_ = false;
    for (CDeviceKeyButtonUI* button : findChildren<CDeviceKeyButtonUI*>()) {
        const QRect area(button->mapTo(this, QPoint(0, 0)), button->size());
        button->SetBandSelected(area.intersects(selection_));
    }
    updateGeometry();
    SendNotify(this, QStringLiteral("click_select_end"));
}
