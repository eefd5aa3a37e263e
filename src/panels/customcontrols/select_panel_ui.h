#pragma once
// CSelectPanelUI ("SelectPanel"): the container of a page's key buttons with rubber-band
// selection. A drag that starts on the panel (not on a button) and ends with the release
// marks every "DeviceKeyButton" below the panel band-selected when its rectangle meets the
// band, unmarks the others, and raises "click_select_end". A press and release without a
// move raises nothing. The band itself is not drawn.
#include <QPoint>
#include <QRect>
#include <QWidget>

class CSelectPanelUI : public QWidget {
    Q_OBJECT
public:
    explicit CSelectPanelUI(QWidget* parent = nullptr);

    // The band of the last or current drag, in the panel's coordinates (start and current
    // point put in order).
    QRect SelectionRect() const { return selection_; }
    bool IsDragging() const { return dragging_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FinishSelection();

    bool armed_ = false;
    bool dragging_ = false;
    QPoint start_;
    QPoint current_;
    QRect selection_;
};
