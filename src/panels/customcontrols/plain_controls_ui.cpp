#include "panels/customcontrols/plain_controls_ui.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>

#include "panels/customcontrols/image_painter.h"

namespace {

constexpr int kFullCircle = 360 * 16;  // QPainter angles are in 1/16 degree
constexpr int kStartAngle = 90 * 16;   // the first slice starts at the top
constexpr int kMargin = 4;
const QColor kSliceColours[] = {QColor(0x22, 0xa7, 0xff), QColor(0x4c, 0xd9, 0x7b), QColor(0xff, 0xb4, 0x3c),
                                QColor(0xff, 0x5a, 0x6e), QColor(0xa8, 0x7b, 0xff), QColor(0x6f, 0xe3, 0xe3)};

void PaintStyledBackground(QWidget* widget, QPainter& painter) {
    QStyleOption option;
    option.initFrom(widget);
    widget->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, widget);
}

}  // namespace

// ---- CChartViewUI ----

CChartViewUI::CChartViewUI(QWidget* parent) : QWidget(parent) {}

void CChartViewUI::SetView(const QString& view) {
    bars_ = view.compare(QLatin1String("histpgram"), Qt::CaseInsensitive) == 0;
    update();
}

void CChartViewUI::AddItem(const QString& name, double value) {
    items_.push_back({name, std::max(value, 0.0)});
    update();
}

void CChartViewUI::RemoveAllItems() {
    items_.clear();
    update();
}

void CChartViewUI::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintStyledBackground(this, painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (bars_) {
        PaintBars(painter, area);
    } else {
        PaintPie(painter, area);
    }
}

void CChartViewUI::PaintPie(QPainter& painter, const QRect& area) {
    const double total = std::accumulate(items_.begin(), items_.end(), 0.0,
                                         [](double sum, const Item& item) { return sum + item.value; });
    if (total <= 0) return;
    const int side = std::min(area.width(), area.height());
    const QRect circle(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    int angle = kStartAngle;
    for (size_t i = 0; i < items_.size(); ++i) {
        const int span = static_cast<int>(std::lround(items_[i].value / total * kFullCircle));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kSliceColours[i % std::size(kSliceColours)]);
        painter.drawPie(circle, angle, -span);
        angle -= span;
    }
}

void CChartViewUI::PaintBars(QPainter& painter, const QRect& area) {
    QRect plot = area;
    if (!shadowImage_.isEmpty() && shadowImageHeight_ > 0) {
        const QRect shadow(area.left(), area.bottom() - shadowImageHeight_ + 1, area.width(),
                           shadowImageHeight_);
        controls::DrawImageString(painter, shadow, shadowImage_);
        plot.setBottom(shadow.top() - 1);
    }
    if (items_.empty()) return;
    double largest = 0;
    for (const Item& item : items_) largest = std::max(largest, item.value);
    if (largest <= 0) return;
    const int slot = plot.width() / static_cast<int>(items_.size());
    const int barWidth =
        pillarImageWidth_ > 0 ? std::min(pillarImageWidth_, slot) : std::max(slot * 2 / 3, 1);
    const int textHeight = showText_ ? painter.fontMetrics().height() : 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        const int height = static_cast<int>((plot.height() - textHeight) * (items_[i].value / largest));
        const int left = plot.left() + static_cast<int>(i) * slot + (slot - barWidth) / 2;
        const QRect bar(left, plot.bottom() - textHeight - height + 1, barWidth, height);
        if (!pillarImage_.isEmpty()) {
            controls::DrawImageString(painter, bar, pillarImage_);
        } else {
            painter.fillRect(bar, kSliceColours[i % std::size(kSliceColours)]);
        }
        if (showText_) {
            const QRect label(plot.left() + static_cast<int>(i) * slot, plot.bottom() - textHeight + 1, slot,
                              textHeight);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(label, Qt::AlignCenter, items_[i].name);
        }
    }
}

// ---- CWndUI ----

CWndUI::CWndUI(QWidget* parent) : QWidget(parent) {}

void CWndUI::Attach(QWindow* window) {
    hosted_ = window;
    if (!hosted_) return;
    if (QWindow* host = this->window()->windowHandle()) hosted_->setParent(host);
    Place();
}

void CWndUI::Place() {
    if (!hosted_) return;
    hosted_->setGeometry(QRect(mapTo(window(), QPoint(0, 0)), size()));
    hosted_->setVisible(isVisible());
}

void CWndUI::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Place();
}

void CWndUI::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    Place();
}

void CWndUI::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Place();
}

void CWndUI::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (hosted_) hosted_->hide();
}
