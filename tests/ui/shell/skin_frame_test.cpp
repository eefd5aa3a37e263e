// The skin pop-up and the main window's background.
#include <QDir>
#include <QSettings>
#include "shell/skin_change.h"
#include "shell/skin_frame.h"
#include "shell/user_settings.h"
#include "ui/skin_style.h"
#include "shell_fixture.h"

namespace {

class SkinPopUp : public MainWndFixture {
protected:
    void TearDown() override {
        if (frame) frame->Close(0);
        MainWndFixture::TearDown();
    }
    CSkinFrame* OpenFrame() {
        Click(Control("skinbtn"));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<CSkinFrame*>(w); f && f->isVisible()) frame = f;
        return frame.data();
    }
    QWidget* FrameButton(const char* name, int nth = 0) const {
        QList<QWidget*> found;
        for (QWidget* w : frame->findChildren<QWidget*>())
            if (w->objectName() == QLatin1String(name)) found << w;
        return found.value(nth);
    }
    QString RootSheet() const { return Control("root")->styleSheet(); }
    static QStringList MainIni() {
        QSettings ini(QDir(UserDataFolder()).filePath(QStringLiteral("main.ini")), QSettings::IniFormat);
        return {ini.value(QStringLiteral("SKINIMAGE/FLAGS")).toString(),
                ini.value(QStringLiteral("SKINIMAGE/IMAGE")).toString()};
    }
    QPointer<CSkinFrame> frame;
};

struct CountingReceiver : ISkinChangeReceiver {
    void OnSkinChanged(const SkinChangedParam& p) override { got.push_back(p); }
    std::vector<SkinChangedParam> got;
};

}  // namespace

TEST_F(SkinPopUp, OpensBelowTheSkinButtonWithBothPages) {
    ASSERT_NE(OpenFrame(), nullptr);
    QWidget* skinBtn = Control("skinbtn");
    const QRect anchor(skinBtn->mapToGlobal(QPoint(0, 0)), skinBtn->size());
    EXPECT_EQ(frame->pos(), CSkinFrame::PlaceBelow(anchor, frame->width()));
    auto* tab = frame->FindControl(QStringLiteral("skin_tab"));
    EXPECT_EQ(GetCurSel(tab), 0);
    Click(frame->FindControl(QStringLiteral("skin_color")));
    EXPECT_EQ(GetCurSel(tab), 1);
    Click(frame->FindControl(QStringLiteral("skin_image")));
    EXPECT_EQ(GetCurSel(tab), 0);
}

TEST_F(SkinPopUp, ChoicesReachTheWindowAndMainIni) {
    ASSERT_NE(OpenFrame(), nullptr);
    CountingReceiver other;
    CSkinChangeObserver::Instance().AddReceiver(&other);

    // A colour: the root takes it and drops its picture; main.ini is not touched.
    Click(frame->FindControl(QStringLiteral("skin_color")));
    QWidget* swatch = FrameButton("skin_color_btn", 2);
    ASSERT_NE(swatch, nullptr);
    const QString colour = swatch->property("bkcolor").toString();
    unsigned argb = 0;
    ASSERT_TRUE(ParseArgbText(colour, &argb));
    Click(swatch);
    const QColor c = ArgbToColor(argb);
    EXPECT_TRUE(
        RootSheet().contains(QStringLiteral("rgba(%1,%2,%3,255)").arg(c.red()).arg(c.green()).arg(c.blue())))
        << RootSheet().toStdString();
    EXPECT_TRUE(RootSheet().contains(QStringLiteral("border-image: none"))) << RootSheet().toStdString();
    ASSERT_EQ(other.got.size(), 1u);
    EXPECT_TRUE(other.got[0].isColor);
    EXPECT_EQ(other.got[0].argb, argb);

    // A picture from the list: shown and written down.
    Click(frame->FindControl(QStringLiteral("skin_image")));
    QWidget* picture = FrameButton("skin_image_btn", 1);
    ASSERT_NE(picture, nullptr);
    const QString image = GetUserData(picture);
    ASSERT_FALSE(image.isEmpty());
    Click(picture);
    EXPECT_TRUE(RootSheet().contains(image)) << RootSheet().toStdString();
    EXPECT_FALSE(RootSheet().contains(QStringLiteral("border-image: none")));
    EXPECT_EQ(MainIni(), (QStringList{QStringLiteral("1"), image}));

    // Reset: the default picture, FLAGS 0.
    Click(frame->FindControl(QStringLiteral("skin_reset")));
    EXPECT_TRUE(RootSheet().contains(QStringLiteral("common/background.png"))) << RootSheet().toStdString();
    EXPECT_FALSE(RootSheet().contains(image));
    EXPECT_EQ(MainIni(), (QStringList{QStringLiteral("0"), QStringLiteral("common/background.png")}));

    CSkinChangeObserver::Instance().RemoveReceiver(&other);
    const size_t before = other.got.size();
    Click(frame->FindControl(QStringLiteral("skin_reset")));
    EXPECT_EQ(other.got.size(), before) << "a removed receiver hears nothing";
}

TEST_F(SkinPopUp, OwnPictureComesFromTheFileDialog) {
    ASSERT_NE(OpenFrame(), nullptr);
    const QString own = QStringLiteral(KVELM_SHELL_TEST_DATA "/skin/bkimage/violet.png");
    CSkinFrame::SetNextFileName(own);
    Click(frame->FindControl(QStringLiteral("skin_Custom")));
    EXPECT_TRUE(RootSheet().contains(own)) << RootSheet().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([this] { return frame.isNull(); }, 2000))
        << "the pop-up closed and went away";

    ASSERT_NE(OpenFrame(), nullptr);
    CSkinFrame::SetNextFileName(QString());  // the user cancels
    Click(frame->FindControl(QStringLiteral("skin_Custom")));
    EXPECT_TRUE(RootSheet().contains(own)) << "a cancelled dialog changes nothing";
}
