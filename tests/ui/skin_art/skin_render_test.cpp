// What the style sheet draws: the pixels of styled controls compared with the artwork, at
// the device pixel ratio the test runs with (1, or 2 under QT_SCALE_FACTOR=2).
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWidget>

#include "skin_art_fixture.h"

namespace {

class SkinRender : public testing::Test {
protected:
    void SetUp() override {
        const QString qss = ResolvedStyleSheet();
        ASSERT_FALSE(qss.isEmpty());
        qApp->setStyleSheet(qss);
    }
    void TearDown() override { qApp->setStyleSheet(QString()); }

    // The image file a screen of this device pixel ratio should show for relative.
    static QImage ImageForScreen(const QString& relative, qreal ratio) {
        return QImage(SkinPath(ratio >= 2 ? TwinAt2x(relative) : relative));
    }

    static QImage Shot(QWidget& widget) {
        widget.show();
        return widget.grab().toImage();
    }
};

// A slider whose style option can be built, to ask the style where it puts the handle.
class ProbeSlider : public QSlider {
public:
    using QSlider::QSlider;
    QRect SubControl(QStyle::SubControl which) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, which, this);
    }
};

QColor PixelAt(const QImage& shot, QPoint logical) {
    const qreal ratio = shot.devicePixelRatio();
    return shot.pixelColor(int(logical.x() * ratio), int(logical.y() * ratio));
}

}  // namespace

TEST_F(SkinRender, DpiSliderOfTheActiveStageShowsTheLitTrackAndThumb) {
    struct Case {
        bool active;
        bool lit;
    };
    for (const Case c : {Case{false, false}, Case{true, true}}) {
        QWidget host;
        host.resize(240, 40);
        auto* slider = new ProbeSlider(Qt::Horizontal, &host);
        slider->setObjectName("DPI_slider_3");
        slider->setProperty("activeStage", c.active);
        slider->setRange(0, 100);
        slider->setValue(0);
        slider->setGeometry(10, 5, 220, 30);
        const QImage shot = Shot(host);
        const QRect groove = slider->SubControl(QStyle::SC_SliderGroove);
        const QRect handle = slider->SubControl(QStyle::SC_SliderHandle);
        ASSERT_EQ(groove.height(), 12);
        // The far end of the track (the handle sits at the start) and the thumb's centre.
        const QColor track =
            PixelAt(shot, slider->mapTo(&host, QPoint(groove.right() - 12, groove.center().y())));
        const QColor thumb = PixelAt(shot, slider->mapTo(&host, handle.center()));
        SCOPED_TRACE(c.active ? "active stage" : "resting stage");
        if (c.lit) {
            EXPECT_GT(track.blue(), 200) << track.name().toStdString();
            EXPECT_LT(track.red(), 110) << track.name().toStdString();
            EXPECT_GT(thumb.blue(), 200) << thumb.name().toStdString();
            EXPECT_LT(thumb.red(), 110) << thumb.name().toStdString();
        } else {
            EXPECT_LT(track.blue(), 40) << track.name().toStdString();
            EXPECT_LT(thumb.blue(), 80) << thumb.name().toStdString();
            EXPECT_LT(std::abs(thumb.blue() - thumb.red()), 40) << thumb.name().toStdString();
        }
    }
}

TEST_F(SkinRender, MainWindowRootShowsTheBackgroundPicture) {
    QWidget root;
    root.setObjectName("root");
    root.resize(800, 572);
    const QImage shot = Shot(root);
    const QImage expected = ImageForScreen("common/background.png", shot.devicePixelRatio());
    EXPECT_LT(MeanChannelDifference(shot, expected), 1.0);
}

TEST_F(SkinRender, CaptionButtonShowsItsGlyphAtTheScreensScale) {
    QWidget host;
    host.setObjectName("host");
    host.setStyleSheet("#host { background-color: #000000; }");
    host.resize(52, 52);
    auto* close = new QPushButton(&host);
    close->setObjectName("closebtn");
    close->move(10, 10);
    const QImage shot = Shot(host);
    ASSERT_EQ(close->size(), QSize(32, 32));
    const qreal ratio = shot.devicePixelRatio();
    const QImage drawn = shot.copy(QRect(QPoint(10, 10) * ratio, QSize(32, 32) * ratio));
    const QImage glyph = OverBackground(ImageForScreen("sysbtn/close.png", ratio), Qt::black);
    const double difference = MeanChannelDifference(drawn, glyph);
    EXPECT_GE(difference, 0.0);
    EXPECT_LT(difference, 1.0);
    if (ratio >= 2) {
        // The 1x glyph blown up differs clearly: the sharp twin was really used.
        const QImage blownUp =
            OverBackground(QImage(SkinPath("sysbtn/close.png"))
                               .scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                           Qt::black);
        EXPECT_GT(MeanChannelDifference(drawn, blownUp), 4 * difference + 0.5);
    }
}
