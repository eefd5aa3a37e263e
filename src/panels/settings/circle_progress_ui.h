#pragma once
// CCircleProgressUI ("CircleProgress"): a progress bar drawn as a ring.
//
// The whole rectangle is filled as a disc in the background colour; a pie in the
// foreground colour starts at the bottom and runs clockwise over value / (max - min) of
// the circle; a disc in the inner colour, 10 pixels in from each edge, leaves a ring.
// Colours come from the dynamic properties "bkColor", "foreColor" and "innerColor" (any
// text QColor reads); without them: #2a303c, #22a7ff and opaque white.
#include <QColor>
#include <QProgressBar>

constexpr const char* kCircleProgressClass = "CircleProgress";
constexpr int kCircleRingWidth = 10;
constexpr int kCircleStartDegrees = 90;  // clockwise from the positive x axis: the bottom

// The sweep in whole degrees (truncated): value / (maximum - minimum) x 360; 0 when the
// range is empty.
int CircleSweepDegrees(int value, int minimum, int maximum);

class CCircleProgressUI final : public QProgressBar {
    Q_OBJECT
public:
    explicit CCircleProgressUI(QWidget* parent = nullptr);

    QColor BackgroundColour() const;
    QColor ForegroundColour() const;
    QColor InnerColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
