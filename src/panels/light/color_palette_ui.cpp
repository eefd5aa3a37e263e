#include "panels/light/color_palette_ui.h"

#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/control_wiring.h"

namespace {

// Hue runs along x (0..359); y runs from white (top) over the full colour (middle) to
// black (bottom).
QColor FieldColour(int x, int y, int width, int height) {
    const int w = std::max(width - 1, 1);
    const int h = std::max(height - 1, 1);
    const int hue = std::clamp(x * 359 / w, 0, 359);
    const int half = h / 2;
    if (y <= half) {
        const int saturation = half > 0 ? y * 255 / half : 255;
        return QColor::fromHsv(hue, std::clamp(saturation, 0, 255), 255);
    }
    const int rest = std::max(h - half, 1);
    const int value = 255 - (y - half) * 255 / rest;
    return QColor::fromHsv(hue, 255, std::clamp(value, 0, 255));
}

}  // namespace

CColorPaletteUI::CColorPaletteUI(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
    setMinimumSize(60, 30);
}

void CColorPaletteUI::SetColour(uint32_t argb) {
    colour_ = argb;
    marker_ = MarkerOf(argb);
    update();
}

uint32_t CColorPaletteUI::ColourAt(QPoint point) const {
    const int x = std::clamp(point.x(), 0, std::max(width() - 1, 0));
    const int y = std::clamp(point.y(), 0, std::max(height() - 1, 0));
    return FieldColour(x, y, width(), height()).rgb();  // QRgb is 0xAARRGGBB, opaque here
}

QPoint CColorPaletteUI::MarkerOf(uint32_t argb) const {
    const QColor c = QColor::fromRgb(argb & 0x00FFFFFFu);
    const int w = std::max(width() - 1, 1);
    const int h = std::max(height() - 1, 1);
    const int half = h / 2;
    const int hue = std::max(c.hsvHue(), 0);  // -1 for greys: put them at the left edge
    const int x = hue * w / 359;
    // Pale colours lie in the upper half (less saturation), dark ones in the lower half.
    int y;
    if (c.value() == 255)
        y = c.hsvSaturation() * half / 255;
    else
        y = half + (255 - c.value()) * (h - half) / 255;
    return {x, y};
}

void CColorPaletteUI::RebuildField() {
    if (width() <= 0 || height() <= 0) {
        field_ = QImage();
        return;
    }
    field_ = QImage(size(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) field_.setPixel(x, y, FieldColour(x, y, width(), height()).rgb());
}

void CColorPaletteUI::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RebuildField();
    marker_ = MarkerOf(colour_);
}

void CColorPaletteUI::paintEvent(QPaintEvent*) {
    if (field_.size() != size()) RebuildField();
    QPainter painter(this);
    if (!isEnabled()) painter.setOpacity(0.4);
    painter.drawImage(0, 0, field_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(marker_, 5, 5);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(marker_, 5, 5);
}

void CColorPaletteUI::Pick(QPoint point) {
    colour_ = ColourAt(point);
    marker_ = QPoint(std::clamp(point.x(), 0, std::max(width() - 1, 0)),
                     std::clamp(point.y(), 0, std::max(height() - 1, 0)));
    update();
}

void CColorPaletteUI::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    dragging_ = true;
    Pick(event->position().toPoint());
}

void CColorPaletteUI::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) Pick(event->position().toPoint());
}

void CColorPaletteUI::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
    Pick(event->position().toPoint());
    // One notification per pick: the device is written once, not on every pointer move.
    SendNotify(this, QStringLiteral("colorchanged"), static_cast<WPARAM>(colour_), 0);
}
