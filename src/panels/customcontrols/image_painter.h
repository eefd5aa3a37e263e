#pragma once
// Draws an image description (image_description.h) into a control, the images found in the
// skin folder. With tint, the image's opaque pixels take `colour` (0xRRGGBB) and the
// whole image is drawn at `level` (0..255) of its opacity: the light of a key button.
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace controls {

struct ImageTint {
    bool on = false;
    unsigned colour = 0;
    int level = 255;
};

// The image a description names, loaded from the skin folder (null when it cannot be read).
QImage LoadSkinImage(const QString& file);
void DrawImageString(QPainter& painter, const QRect& controlRect, const QString& description,
                     const ImageTint& tint = ImageTint());

}  // namespace controls
