#include "panels/customcontrols/image_painter.h"

#include <QColor>
#include <QPainter>
#include <algorithm>

#include "panels/customcontrols/image_description.h"
#include "ui/skin_resources.h"

namespace controls {
namespace {

constexpr int kFullLevel = 255;

QRect ToRect(const Edges& edges) {
    return QRect(QPoint(edges.left, edges.top), QPoint(edges.right - 1, edges.bottom - 1));
}

QImage Tinted(const QImage& image, unsigned colour) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(out.rect(), QColor::fromRgb(colour & 0xFFFFFFu));
    return out;
}

}  // namespace

QImage LoadSkinImage(const QString& file) {
    if (file.isEmpty()) return QImage();
    const QString path = CSkinResources::Instance().PathOf(file);
    return QImage(path.isEmpty() ? file : path);
}

void DrawImageString(QPainter& painter, const QRect& controlRect, const QString& description,
                     const ImageTint& tint) {
    const ImageDescription parsed = ParseImageDescription(description.toStdString());
    QImage image = LoadSkinImage(QString::fromStdString(parsed.file));
    if (image.isNull()) return;
    if (parsed.source) image = image.copy(ToRect(*parsed.source));
    if (tint.on) image = Tinted(image, tint.colour);
    QRect target = controlRect;
    if (parsed.dest) target = ToRect(*parsed.dest).translated(controlRect.topLeft());
    const int level = tint.on ? std::clamp(tint.level, 0, kFullLevel) : kFullLevel;
    painter.save();
    painter.setOpacity(painter.opacity() * level / kFullLevel * parsed.fade / kFullLevel);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

}  // namespace controls
