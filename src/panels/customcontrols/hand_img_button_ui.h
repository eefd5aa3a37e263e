#pragma once
// The image buttons. Both raise "msenter" and "msleave" when the pointer enters or leaves
// the enabled button and otherwise behave as buttons.
//   CHandImgButtonUI ("HandImgButton"): paints the "handimage" description over itself.
//   CHandImgSelectButtonUI ("HandImgSelectButton"): shows a part of a larger "handimage"
//     the size of the control; dragging with the button held moves the part (the image
//     follows the pointer) within the image. "cursor" names the pointer shown over it.
#include <QPushButton>
#include <QString>

#include "panels/customcontrols/image_part.h"

class CHandImgButtonUI : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString handimage READ HandImage WRITE SetHandImage)
public:
    explicit CHandImgButtonUI(QWidget* parent = nullptr);
    QString HandImage() const { return handImage_; }
    void SetHandImage(const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString handImage_;
};

class CHandImgSelectButtonUI : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString handimage READ HandImage WRITE SetHandImage)
    Q_PROPERTY(QString cursor READ CursorName WRITE SetCursorName)
public:
    explicit CHandImgSelectButtonUI(QWidget* parent = nullptr);
    QString HandImage() const { return handImage_; }
    // Loads the image and shows its top-left part (or all of it when it fits).
    void SetHandImage(const QString& description);
    QString CursorName() const { return cursorName_; }
    // "arrow", "ibeam", "wait", "cross", "uparrow", "size", "icon", "sizenwse", "sizenesw",
    // "sizewe", "sizens", "sizeall", "no", "hand"; any other name leaves the cursor.
    void SetCursorName(const QString& name);
    // The visible part in image pixels and the description painted.
    const controls::Edges& VisiblePart() const { return part_.Part(); }
    QString PaintedDescription() const { return painted_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ResetPart();
    void Compose();
    void StartDrag(QMouseEvent* event);

    QString handImage_;
    QString imageFile_;
    QString cursorName_;
    QString painted_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    controls::CImagePart part_;
    QPoint lastPoint_;
    bool dragging_ = false;
};
