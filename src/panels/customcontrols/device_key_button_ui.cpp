#include "panels/customcontrols/device_key_button_ui.h"

#include <QMouseEvent>
#include <QPainter>

#include "panels/customcontrols/image_painter.h"
#include "ui/control_wiring.h"

CDeviceKeyButtonUI::CDeviceKeyButtonUI(QWidget* parent) : QPushButton(parent) {}

void CDeviceKeyButtonUI::SetLight(unsigned colour, int level, bool on) {
    lightColour_ = colour;
    lightLevel_ = level;
    lightOn_ = on;
}

void CDeviceKeyButtonUI::SetKeysetHidden(bool hidden) {
    if (keysetHidden_ == hidden) return;
    keysetHidden_ = hidden;
    update();
}

void CDeviceKeyButtonUI::SetLightImage(const QString& description) {
    lightImage_ = description;
    update();
}

void CDeviceKeyButtonUI::SetKeysetImage(const QString& description) {
    keysetImage_ = description;
    update();
}

void CDeviceKeyButtonUI::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    if (lightOn_ && !lightImage_.isEmpty())
        controls::DrawImageString(painter, rect(), lightImage_, {true, lightColour_, lightLevel_});
    if (!keysetHidden_ && !keysetImage_.isEmpty()) controls::DrawImageString(painter, rect(), keysetImage_);
}

void CDeviceKeyButtonUI::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!isEnabled() || !rect().contains(event->position().toPoint())) {
        QPushButton::mouseDoubleClickEvent(event);
        return;
    }
    // The button is pushed as by a press, so that the release still clicks it.
    QPushButton::mousePressEvent(event);
    SendNotify(this, QStringLiteral("dbclick"));
    update();
}
