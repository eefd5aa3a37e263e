// The settings window as a user meets it: opened from the gear button, the language
// switched there changes the main window's texts at once and is remembered; About is one
// click away and shows the build's version; with no update service the page says so.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QStackedWidget>
#include "shell/about_wnd.h"
#include "ui/language_table.h"
#include "update/program_version.h"
#include "settings_fixture.h"

namespace {
void SaveShot(QWidget& window, const char* name) {
    QDir().mkpath(QStringLiteral(KVELM_SETTINGS_SHOT_DIR));
    const QString path = QStringLiteral(KVELM_SETTINGS_SHOT_DIR "/%1.png").arg(QLatin1String(name));
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

QString TextOf(const QWidget& window, const char* name) {
    return GetText(FindControl(&window, QLatin1String(name)));
}
}  // namespace

using SettingsWindowTest = SettingsFixture;

TEST_F(SettingsWindowTest, GearOpensItAndTheLanguageSwitchesEveryWindowAtOnce) {
    StartMainWindow();
    ASSERT_EQ(TextOf(*wnd, "nodevice_title"), QStringLiteral("No device connected"));
    bool ran = false;
    WhenSettingsShow(
        [this](CSetWnd& settings) {
            EXPECT_EQ(wnd->SettingsWindow(), settings.GetHWND());
            auto* list = settings.FindControl<QComboBox>(QStringLiteral("Language_combox_info"));
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(list->count(), 2);
            EXPECT_EQ(list->currentIndex(), 0);
            SaveShot(settings, "settings_general");

            SelectItem(list, 1, true);  // as the user picks it
            EXPECT_EQ(TextOf(*wnd, "nodevice_title"), QStringLiteral("未检测到设备"));
            EXPECT_EQ(TextOf(settings, "language_title"), QStringLiteral("语言"));
            EXPECT_EQ(TextOf(settings, "Update_Status_text"),
                      CLanguageTable::Instance().Text(QStringLiteral("NoUpdateServiceText")))
                << "the page's own text follows the language";
            EXPECT_TRUE(TextOf(settings, "Update_Status_text").contains(QStringLiteral("未设置更新服务")));
            EXPECT_EQ(ReadStoredLanguage().value_or(QString()), QStringLiteral("2052"));

            SelectItem(list, 0, true);
            EXPECT_EQ(TextOf(*wnd, "nodevice_title"), QStringLiteral("No device connected"));
            EXPECT_EQ(TextOf(settings, "language_title"), QStringLiteral("Language"));
            EXPECT_EQ(ReadStoredLanguage().value_or(QString()), QStringLiteral("1033"));
        },
        &ran);
    QTest::mouseClick(Control("setbtn"), Qt::LeftButton);
    EXPECT_TRUE(ran);
    EXPECT_EQ(wnd->SettingsWindow(), 0u) << "the handle is cleared when the window closed";
}

TEST_F(SettingsWindowTest, WithoutAServiceTheUpdatePageSaysSoAndListsNothing) {
    StartMainWindow();
    bool ran = false;
    WhenSettingsShow(
        [](CSetWnd& settings) {
            QTest::mouseClick(settings.FindControl(QStringLiteral("set_update_tab_btn")), Qt::LeftButton);
            EXPECT_EQ(GetCurSel(settings.FindControl(QStringLiteral("set_tab_layout"))), 1);
            EXPECT_EQ(settings.Flow().PageState(), PageState::kNoService);
            EXPECT_EQ(
                TextOf(settings, "Update_Status_text"),
                QStringLiteral("No update service is set, so nothing is checked or sent. Set Url= in the "
                               "[Update] group of kvelm.ini to turn checks on."));
            EXPECT_EQ(GetItemCount(settings.FindControl(QStringLiteral("device_update_list_info"))), 0);
            EXPECT_FALSE(settings.FindControl(QStringLiteral("update_fw_and_ap"))->isVisible());
            EXPECT_FALSE(settings.FindControl(QStringLiteral("update_status_ring"))->isVisible());
            SaveShot(settings, "settings_updates_no_service");
        },
        &ran);
    wnd->SendMessage(kMsgOpenSettings);
    EXPECT_TRUE(ran);
}

TEST_F(SettingsWindowTest, AboutButtonShowsTheBuildsVersion) {
    StartMainWindow();
    QString shownVersion;
    bool ran = false;
    WhenSettingsShow(
        [this, &shownVersion](CSetWnd& settings) {
            auto* closeAbout = new QTimer;
            closeAbout->setInterval(20);
            QObject::connect(closeAbout, &QTimer::timeout, [this, closeAbout, &shownVersion] {
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    auto* about = qobject_cast<CAboutWnd*>(top);
                    if (!about || !about->isVisible()) continue;
                    closeAbout->stop();
                    closeAbout->deleteLater();
                    EXPECT_EQ(wnd->AboutWindow(), about->GetHWND());
                    shownVersion = GetText(about->FindControl(QStringLiteral("software_ver_label")));
                    about->Close(0);
                    return;
                }
            });
            closeAbout->start();
            QTest::mouseClick(settings.FindControl(QStringLiteral("about_btn")), Qt::LeftButton);
            EXPECT_TRUE(TextOf(settings, "set_version_label").endsWith(QStringLiteral("V1.0.0")));
        },
        &ran);
    QTest::mouseClick(Control("setbtn"), Qt::LeftButton);
    EXPECT_TRUE(ran);
    EXPECT_EQ(shownVersion, QStringLiteral("Version: ") + QString::fromStdString(ProgramVersionText()));
    EXPECT_EQ(ProgramVersionText(), "V1.0.0");
}

TEST_F(SettingsWindowTest, DpiOutsideTheAcceptedValuesTakes96) {
    CSetWnd settings;
    ASSERT_TRUE(settings.Create(nullptr, QStringLiteral("SetWnd"), CSetWnd::kWidth, CSetWnd::kHeight));
    settings.SetDpi(144);
    EXPECT_EQ(settings.GetDpi(), 144);
    settings.SetDpi(100);
    EXPECT_EQ(settings.GetDpi(), 96);
    settings.Close(0);
}
