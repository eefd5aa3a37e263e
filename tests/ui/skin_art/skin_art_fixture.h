#pragma once
// Helpers of the artwork tests: the skin folder, the style sheet with its image names made
// absolute (as the program does when it loads it), and pixel comparisons.
#include <cstdlib>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

inline QString SkinDir() {
    return QStringLiteral(KVELM_SKIN_DIR);
}

inline QString SkinPath(const QString& relative) {
    return SkinDir() + "/" + relative;
}

// "Control/a.png" -> "Control/a@2x.png"
inline QString TwinAt2x(const QString& relative) {
    const int dot = relative.lastIndexOf('.');
    return relative.left(dot) + "@2x" + relative.mid(dot);
}

inline QString ReadStyleSheet() {
    QFile file(SkinPath("style.qss"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

// Every url(...) argument of the sheet, in order.
inline QStringList StyleSheetUrls(const QString& qss) {
    QStringList urls;
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*([^)\s]+)\s*\))"));
    for (auto it = url.globalMatch(qss); it.hasNext();) urls << it.next().captured(1);
    return urls;
}

// The sheet with its relative image names resolved against the skin folder.
inline QString ResolvedStyleSheet() {
    QString qss = ReadStyleSheet();
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*([^)\s/][^)\s]*)\s*\))"));
    qss.replace(url, QStringLiteral("url(%1/\\1)").arg(SkinDir()));
    return qss;
}

// Mean difference per colour channel of two images of the same size; -1 when the sizes
// differ.
inline double MeanChannelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QColor p = x.pixelColor(col, row), q = y.pixelColor(col, row);
            sum +=
                std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

// An image with alpha laid over an opaque background colour.
inline QImage OverBackground(const QImage& image, const QColor& background) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(background);
    for (int row = 0; row < image.height(); ++row) {
        for (int col = 0; col < image.width(); ++col) {
            const QColor p = image.pixelColor(col, row);
            const double a = p.alphaF();
            out.setPixelColor(col, row,
                              QColor(int(p.red() * a + background.red() * (1 - a) + 0.5),
                                     int(p.green() * a + background.green() * (1 - a) + 0.5),
                                     int(p.blue() * a + background.blue() * (1 - a) + 0.5)));
        }
    }
    return out;
}
