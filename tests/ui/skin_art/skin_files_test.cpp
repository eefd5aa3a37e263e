// The image files behind the names the program and the style sheet use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "skin_art_fixture.h"

namespace {

// Names of images the program puts on its controls (relative to the skin folder).
QStringList ProgramImageNames() {
    QStringList names;
    for (const char* set : {"kb", "ms", "hard_mp", "soft_mp", "hd", "hub", "unknow"}) {
        for (const char* state : {"normal", "selected", "synchro_normal", "synchro_selected"}) {
            names << QStringLiteral("common/device_ico/%1_device_%2.png").arg(set, state);
        }
    }
    names << "power/powered.png"
          << "power/wuxian_powering.png"
          << "power/powering.png"
          << "power/power.png"
          << "power/Phone_type_iphone.png"
          << "power/Phone_type_samsung.png"
          << "power/Phone_type_other.png"
          << "power/Phone_type_no_device.png"
          << "Control/SliderBar_BK1.png"
          << "Control/SliderBar_BK3.png"
          << "Control/SliderBar1_Thumb.png"
          << "Control/SliderBar2_Thumb.png"
          << "sysbtn/haveNewInfo.png"
          << "common/background.png";
    return names;
}

// Empty when relative exists as a PNG with an @2x twin of exactly twice its size; else what
// is wrong with it.
QString ProblemWithImage(const QString& relative) {
    const QImage one(SkinPath(relative));
    if (one.isNull()) return relative + ": missing or unreadable";
    const QImage two(SkinPath(TwinAt2x(relative)));
    if (two.isNull()) return relative + ": no readable @2x twin";
    if (two.size() != one.size() * 2) {
        return QStringLiteral("%1: @2x is %2x%3, 1x is %4x%5")
            .arg(relative)
            .arg(two.width())
            .arg(two.height())
            .arg(one.width())
            .arg(one.height());
    }
    return QString();
}

QString Problems(const QStringList& names) {
    QStringList problems;
    for (const QString& name : names) {
        const QString problem = ProblemWithImage(name);
        if (!problem.isEmpty()) problems << problem;
    }
    return problems.join('\n');
}

}  // namespace

TEST(SkinFiles, EveryImageTheProgramNamesExistsAtBothScales) {
    EXPECT_EQ(Problems(ProgramImageNames()).toStdString(), "");
}

TEST(SkinFiles, EveryImageTheStyleSheetNamesIsRelativeAndExistsAtBothScales) {
    const QStringList urls = StyleSheetUrls(ReadStyleSheet());
    ASSERT_FALSE(urls.isEmpty()) << "style.qss is missing or names no image";
    QStringList notRelative;
    for (const QString& url : urls) {
        // The program resolves names against the skin folder; a scheme or an absolute path
        // would only work on the machine that wrote it.
        if (url.startsWith('/') || url.contains(':')) notRelative << url;
    }
    EXPECT_EQ(notRelative.join(' ').toStdString(), "");
    EXPECT_EQ(Problems(urls).toStdString(), "");
}

namespace {
QStringList g_warnings;
void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) g_warnings << text;
}
}  // namespace

TEST(SkinFiles, StyleSheetParsesWithoutWarnings) {
    const QString qss = ResolvedStyleSheet();
    ASSERT_FALSE(qss.isEmpty());
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
    qApp->setStyleSheet(qss);
    {
        // Qt parses the sheet when it first styles a widget.
        QWidget window;
        auto* button = new QPushButton("OK", &window);
        auto* combo = new QComboBox(&window);
        auto* slider = new QSlider(Qt::Horizontal, &window);
        slider->setObjectName("DPI_slider_0");
        combo->addItem("item");
        window.show();
        window.grab();
        (void)button;
    }
    qApp->setStyleSheet(QString());
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_warnings.join('\n').toStdString(), "");
}
