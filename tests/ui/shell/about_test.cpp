// The about window: the version line and how it closes.
#include <QTimer>
#include "shell/about_wnd.h"
#include "shell/app_names.h"
#include "ui/language_table.h"
#include "shell_fixture.h"

namespace {

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        CLanguageManager::Instance().ResetForTest();
        CLanguageManager::Instance().ApplyLanguage(0);
        ASSERT_TRUE(
            about.Create(nullptr, QStringLiteral("  "), 800, 572, Qt::Tool | Qt::FramelessWindowHint));
    }
    void TearDown() override {
        CLanguageManager::Instance().ApplyLanguage(0);
        if (about.IsCreated()) about.Close(0);
    }
    QString VersionLine() const { return GetText(about.FindControl(QStringLiteral("software_ver_label"))); }
    CAboutWnd about;
};

}  // namespace

TEST_F(AboutTest, VersionFollowsTheTranslatedLabelWithoutSeparator) {
    about.ShowVersion(QStringLiteral("V0101"));
    EXPECT_EQ(VersionLine(),
              CLanguageTable::Instance().Text(QStringLiteral("software_rev_text")) + QStringLiteral("V0101"));
    EXPECT_EQ(VersionLine(), QStringLiteral("Version: V0101"));

    CLanguageManager::Instance().ApplyLanguage(1);
    about.ShowVersion(QStringLiteral("V0101"));
    EXPECT_EQ(VersionLine(), QStringLiteral("版本：V0101"));
    EXPECT_TRUE(about.FindControl(QStringLiteral("text_test"))->isHidden())
        << "the translating label stays hidden";
}

TEST_F(AboutTest, CloseButtonClosesOnlyTheWindow) {
    int modal = -2;
    QTimer::singleShot(20, &about, [this] {
        QTest::mouseClick(about.FindControl(QStringLiteral("closebtn")), Qt::LeftButton);
    });
    modal = about.ShowModal();
    EXPECT_EQ(modal, 0);
    EXPECT_FALSE(about.IsCreated());
}

TEST_F(AboutTest, SystemCloseEndsTheProgramLoop) {
    int modal = -2;
    QTimer guard;  // a failure must not hang the run
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    guard.start(5000);
    QTimer::singleShot(0, &about, [this, &modal] {
        QTimer::singleShot(20, &about, [this] { about.SysCommand(SC_CLOSE); });  // Alt+F4
        modal = about.ShowModal();
    });
    SetProgramLoopRunning(true);
    const int loopResult = QApplication::exec();
    SetProgramLoopRunning(false);
    EXPECT_EQ(loopResult, 0) << "the program's loop ended through the quit message";
    EXPECT_EQ(modal, 0);
}

TEST_F(AboutTest, MaximiseSwapsTheCaptionButtons) {
    about.show();
    QWidget* maxBtn = about.FindControl(QStringLiteral("maxbtn"));
    QWidget* restoreBtn = about.FindControl(QStringLiteral("restorebtn"));
    about.SysCommand(SC_MAXIMIZE);
    EXPECT_TRUE(maxBtn->isHidden());
    EXPECT_FALSE(restoreBtn->isHidden());
    about.SysCommand(SC_RESTORE);
    EXPECT_FALSE(maxBtn->isHidden());
    EXPECT_TRUE(restoreBtn->isHidden());
}

TEST_F(AboutTest, LanguageMessageAndTimersAreTakenQuietly) {
    about.SetTimer(1, 5);
    about.SetTimer(2, 5);
    QTest::qWait(40);
    // Timer 1 is killed by its first tick; timer 2 keeps running.
    EXPECT_FALSE(about.KillTimer(1));
    EXPECT_TRUE(about.KillTimer(2));
    EXPECT_EQ(about.SendMessage(kMsgLanguageChanged, 0, 0), 0);
}
