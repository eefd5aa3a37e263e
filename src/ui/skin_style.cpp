#include "ui/skin_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include "ui/capped_file.h"
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>
#include "ui/skin_resources.h"

namespace {

const char* const kPartsProperty = "kvelmStyleParts";

QString CssUrl(const QString& image) {
    QString path = CSkinResources::Instance().PathOf(image);
    path.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QStringLiteral("url(\"%1\")").arg(path);
}

// A selector that matches only this control: a per-control style sheet also applies to
// the control's children, so every styled control carries a number of its own.
QString Self(QWidget* control, const QString& state = QString()) {
    static int next = 1;
    int id = control->property("kvelmStyleId").toInt();
    if (id == 0) {
        id = next++;
        control->setProperty("kvelmStyleId", id);
    }
    return QStringLiteral("*[kvelmStyleId=\"%1\"]%2").arg(id).arg(state);
}

// The skin's own fonts ("fonts/*.ttf"), each registered once: the style sheet names them,
// so they must be known before it applies.
void RegisterSkinFonts(const QString& folder) {
    static QSet<QString> registered;
    const QDir fonts(folder + QStringLiteral("/fonts"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        const QString path = fonts.filePath(name);
        if (!registered.contains(path) && QFontDatabase::addApplicationFont(path) >= 0)
            registered.insert(path);
    }
}

}  // namespace

QString ResolveStyleSheetUrls(const QString& qss, const QString& folder) {
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*(["']?)([^"')]+)\1\s*\))"));
    QString out;
    qsizetype last = 0;
    auto it = url.globalMatch(qss);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString target = m.captured(2).trimmed();
        out += qss.mid(last, m.capturedStart() - last);
        const bool keep = QFileInfo(target).isAbsolute() || target.startsWith(QLatin1Char(':')) ||
                          target.contains(QLatin1String(":/")) || target.startsWith(QLatin1String("skin:"));
        if (keep) {
            out += m.captured(0);
        } else {
            out += QStringLiteral("url(\"%1\")").arg(QDir::cleanPath(folder + QLatin1Char('/') + target));
        }
        last = m.capturedEnd();
    }
    out += qss.mid(last);
    return out;
}

bool ApplySkinStyleSheet() {
    const QString folder = CSkinResources::Instance().Folder();
    QDir::setSearchPaths(QStringLiteral("skin"), {folder});
    RegisterSkinFonts(folder);
    const QString path = FindPathNoCase(folder, QStringLiteral("style.qss"));
    QByteArray bytes;
    if (path.isEmpty() || !ReadCappedFile(path, &bytes)) return false;
    qApp->setStyleSheet(ResolveStyleSheetUrls(QString::fromUtf8(bytes), folder));
    return true;
}

void SetStylePart(QWidget* control, const QString& key, const QString& declarations) {
    if (!control) return;
    QVariantMap parts = control->property(kPartsProperty).toMap();
    if (declarations.isEmpty())
        parts.remove(key);
    else
        parts.insert(key, declarations);
    control->setProperty(kPartsProperty, parts);
    QString sheet;
    for (auto it = parts.cbegin(); it != parts.cend(); ++it)
        sheet += it.value().toString() + QLatin1Char('\n');
    control->setStyleSheet(sheet);
}

void SetBackgroundImage(QWidget* control, const QString& image) {
    if (!control) return;
    control->setAttribute(Qt::WA_StyledBackground, true);
    SetStylePart(control, QStringLiteral("bkimage"),
                 image.isEmpty()
                     ? QString()
                     : QStringLiteral("%1 { border-image: %2; }").arg(Self(control), CssUrl(image)));
}

void SetBackgroundColor(QWidget* control, const QColor& color) {
    if (!control) return;
    control->setAttribute(Qt::WA_StyledBackground, true);
    const QString css = QStringLiteral("%1 { background-color: rgba(%2,%3,%4,%5); }")
                            .arg(Self(control))
                            .arg(color.red())
                            .arg(color.green())
                            .arg(color.blue())
                            .arg(color.alpha());
    SetStylePart(control, QStringLiteral("bkcolor"), color.isValid() ? css : QString());
}

QColor ArgbToColor(unsigned argb) {
    return QColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

void SetButtonImages(QAbstractButton* button, const QString& normal, const QString& selected,
                     const QString& disabled) {
    if (!button) return;
    QString css;
    if (!normal.isEmpty())
        css += QStringLiteral("%1 { border-image: %2; }\n").arg(Self(button), CssUrl(normal));
    if (!selected.isEmpty())
        css += QStringLiteral("%1 { border-image: %2; }\n")
                   .arg(Self(button, QStringLiteral(":checked")), CssUrl(selected));
    if (!disabled.isEmpty())
        css += QStringLiteral("%1 { border-image: %2; }\n")
                   .arg(Self(button, QStringLiteral(":disabled")), CssUrl(disabled));
    SetStylePart(button, QStringLiteral("buttonimages"), css);
}

void SetForegroundImage(QAbstractButton* button, const QString& image) {
    if (!button) return;
    button->setIcon(image.isEmpty() ? QIcon() : QIcon(CSkinResources::Instance().PathOf(image)));
}
