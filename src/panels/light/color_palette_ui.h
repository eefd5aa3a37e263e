#pragma once
// The colour palette control (skin class "ColorPalette"): a field of hues from left to
// right, from white at the top through the full colour in the middle to black at the
// bottom. Pressing or dragging in it picks the colour under the pointer; releasing the
// button raises "colorchanged" with wParam = the colour as 0xAARRGGBB. SetColour shows a
// colour without any notification.
#include <QImage>
#include <QWidget>
#include <cstdint>

class CColorPaletteUI : public QWidget {
    Q_OBJECT
public:
    explicit CColorPaletteUI(QWidget* parent = nullptr);

    // 0xAARRGGBB; the alpha byte is kept as given.
    void SetColour(uint32_t argb);
    uint32_t GetColour() const { return colour_; }

    // The opaque colour the field shows at a point (clamped into the field).
    uint32_t ColourAt(QPoint point) const;

    QSize sizeHint() const override { return {180, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Pick(QPoint point);
    QPoint MarkerOf(uint32_t argb) const;
    void RebuildField();

    uint32_t colour_ = 0xFF000000u;
    QPoint marker_;
    bool dragging_ = false;
    QImage field_;
};
