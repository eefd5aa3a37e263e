#include "panels/customcontrols/hand_img_button_ui.h"

#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <array>

#include "panels/customcontrols/image_description.h"
#include "panels/customcontrols/image_painter.h"
#include "ui/control_wiring.h"

namespace {

struct NamedCursor {
    const char* name;
    Qt::CursorShape shape;
};
// The system cursors a skin may name, as the desktop draws them.
constexpr std::array kCursors = {
    NamedCursor{"arrow", Qt::ArrowCursor},        NamedCursor{"ibeam", Qt::IBeamCursor},
    NamedCursor{"wait", Qt::WaitCursor},          NamedCursor{"cross", Qt::CrossCursor},
    NamedCursor{"uparrow", Qt::UpArrowCursor},    NamedCursor{"size", Qt::SizeAllCursor},
    NamedCursor{"icon", Qt::ArrowCursor},         NamedCursor{"sizenwse", Qt::SizeFDiagCursor},
    NamedCursor{"sizenesw", Qt::SizeBDiagCursor}, NamedCursor{"sizewe", Qt::SizeHorCursor},
    NamedCursor{"sizens", Qt::SizeVerCursor},     NamedCursor{"sizeall", Qt::SizeAllCursor},
    NamedCursor{"no", Qt::ForbiddenCursor},       NamedCursor{"hand", Qt::PointingHandCursor},
};

void NotifyHover(QWidget* button, const char* type) {
    if (button->isEnabled()) SendNotify(button, QLatin1String(type));
}

}  // namespace

// ---- CHandImgButtonUI ----

CHandImgButtonUI::CHandImgButtonUI(QWidget* parent) : QPushButton(parent) {}

void CHandImgButtonUI::SetHandImage(const QString& description) {
    handImage_ = description;
    update();
}

void CHandImgButtonUI::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (handImage_.isEmpty()) return;
    QPainter painter(this);
    controls::DrawImageString(painter, rect(), handImage_);
}

void CHandImgButtonUI::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    NotifyHover(this, "msenter");
}

void CHandImgButtonUI::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    NotifyHover(this, "msleave");
}

// ---- CHandImgSelectButtonUI ----

CHandImgSelectButtonUI::CHandImgSelectButtonUI(QWidget* parent) : QPushButton(parent) {}

void CHandImgSelectButtonUI::SetHandImage(const QString& description) {
    handImage_ = description;
    imageFile_ = QString::fromStdString(controls::ParseImageDescription(description.toStdString()).file);
    const QImage image = controls::LoadSkinImage(imageFile_);
    imageWidth_ = image.width();
    imageHeight_ = image.height();
    ResetPart();
}

void CHandImgSelectButtonUI::SetCursorName(const QString& name) {
    cursorName_ = name;
    for (const NamedCursor& cursor : kCursors)
        if (name.compare(QLatin1String(cursor.name), Qt::CaseInsensitive) == 0) setCursor(cursor.shape);
}

void CHandImgSelectButtonUI::ResetPart() {
    part_.Reset(imageWidth_, imageHeight_, width(), height());
    Compose();
}

void CHandImgSelectButtonUI::Compose() {
    painted_ = part_.IsPartial() ? QString::fromStdString(controls::ComposeSourceDescription(
                                       imageFile_.toStdString(), part_.Part()))
                                 : handImage_;
    update();
}

void CHandImgSelectButtonUI::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    if (!handImage_.isEmpty()) ResetPart();
}

void CHandImgSelectButtonUI::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (painted_.isEmpty()) return;
    QPainter painter(this);
    controls::DrawImageString(painter, rect(), painted_);
}

void CHandImgSelectButtonUI::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    NotifyHover(this, "msenter");
}

void CHandImgSelectButtonUI::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    NotifyHover(this, "msleave");
}

void CHandImgSelectButtonUI::StartDrag(QMouseEvent* event) {
    if (!isEnabled() || !rect().contains(event->position().toPoint())) return;
    lastPoint_ = event->position().toPoint();
    dragging_ = true;
}

void CHandImgSelectButtonUI::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    StartDrag(event);
}

void CHandImgSelectButtonUI::mouseDoubleClickEvent(QMouseEvent* event) {
    QPushButton::mouseDoubleClickEvent(event);
    StartDrag(event);
}

void CHandImgSelectButtonUI::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    if (!dragging_) return;
    const QPoint point = event->position().toPoint();
    part_.Drag(point.x() - lastPoint_.x(), point.y() - lastPoint_.y());
    lastPoint_ = point;
    Compose();
}

void CHandImgSelectButtonUI::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    dragging_ = false;
}
