#include "panels/settings/circle_progress_ui.h"

#include <QPainter>
#include <QVariant>

namespace {
constexpr int kFullCircle = 360;
constexpr int kQtAngleUnits = 16;  // QPainter angles are in 1/16 degree

QColor ColourProperty(const QWidget* control, const char* name, const QColor& fallback) {
    const QVariant value = control->property(name);
    if (!value.isValid()) return fallback;
    const QColor colour(value.toString());
    return colour.isValid() ? colour : fallback;
}
}  // namespace

int CircleSweepDegrees(int value, int minimum, int maximum) {
    const long long range = static_cast<long long>(maximum) - minimum;
    if (range <= 0) return 0;
    return static_cast<int>(static_cast<long long>(value) * kFullCircle / range);
}

CCircleProgressUI::CCircleProgressUI(QWidget* parent) : QProgressBar(parent) {
    setProperty("skinClass", QString::fromLatin1(kCircleProgressClass));
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    setFormat(QStringLiteral("%p%"));
}

QColor CCircleProgressUI::BackgroundColour() const {
    return ColourProperty(this, "bkColor", QColor(0x2a, 0x30, 0x3c));
}
QColor CCircleProgressUI::ForegroundColour() const {
    return ColourProperty(this, "foreColor", QColor(0x22, 0xa7, 0xff));
}
QColor CCircleProgressUI::InnerColour() const {
    return ColourProperty(this, "innerColor", QColor(Qt::white));
}

void CCircleProgressUI::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRect whole = rect();
    painter.setBrush(BackgroundColour());
    painter.drawEllipse(whole);
    const int sweep = CircleSweepDegrees(value(), minimum(), maximum());
    painter.setBrush(ForegroundColour());
    // Qt counts angles anticlockwise: clockwise from the bottom is negative from -90.
    painter.drawPie(whole, -kCircleStartDegrees * kQtAngleUnits, -sweep * kQtAngleUnits);
    painter.setBrush(InnerColour());
    painter.drawEllipse(
        whole.adjusted(kCircleRingWidth, kCircleRingWidth, -kCircleRingWidth, -kCircleRingWidth));
}
