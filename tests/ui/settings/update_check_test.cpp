// The update check after start, watched from the network side: a local server records
// every connection. With no service set nothing reaches it; pointed at it, the check asks
// it, and a newer version marks the gear button and opens the settings window.
#include <QFile>
#include <QSaveFile>
#include "local_http_server.h"
#include "settings_fixture.h"

namespace {
QByteArray NewerProgramAnswer(const QString& base) {
    return QStringLiteral(R"({"name":"AP","version_name":"V1.0.1","version":"101","path":"%1/kvelm-setup",)"
                          R"("device_id":1})")
        .arg(base)
        .toUtf8();
}
}  // namespace

using UpdateCheckTest = SettingsFixture;

TEST_F(UpdateCheckTest, NoServiceSetMeansNoConnectionDuringStartOrInTheSettingsWindow) {
    LocalHttpServer watcher;
    ASSERT_TRUE(watcher.Listening());
    QFile ini(QString::fromStdString(UserIniPath()));
    QDir().mkpath(QFileInfo(ini).path());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));  // an empty kvelm.ini
    ini.close();

    StartMainWindow();
    QTest::qWait(kFirstCheckDelayMs + 1000);
    bool ran = false;
    WhenSettingsShow([](CSetWnd& settings) { QTest::qWait(500), (void)settings; }, &ran);
    wnd->SendMessage(kMsgOpenSettings);
    EXPECT_TRUE(ran);
    EXPECT_EQ(watcher.Connections(), 0);
    EXPECT_TRUE(SetButton()->icon().isNull()) << "no badge without a check";
}

TEST_F(UpdateCheckTest, ANewerVersionMarksTheGearAndOpensTheSettingsWindow) {
    LocalHttpServer downloads;  // where the offered file would come from
    ASSERT_TRUE(downloads.Listening());
    LocalHttpServer newer(NewerProgramAnswer(downloads.Url()));
    ASSERT_TRUE(newer.Listening());
    setenv(kUpdateUrlVariable, newer.Url().toUtf8().constData(), 1);

    bool ran = false;
    bool badgeWhenOpened = false;
    WhenSettingsShow(
        [this, &badgeWhenOpened](CSetWnd& settings) {
            badgeWhenOpened = !SetButton()->icon().isNull();
            EXPECT_TRUE(settings.FindControl(QStringLiteral("update_tishi_layout"))->isVisible());
            EXPECT_EQ(GetCurSel(settings.FindControl(QStringLiteral("set_tab_layout"))), 1);
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return settings.Flow().PageState() == PageState::kUpdates; }, 10000));
            ASSERT_EQ(settings.Flow().Items().size(), 1u) << "no device attached: only the program";
            const UpdateItem& item = settings.Flow().Items()[0];
            EXPECT_EQ(item.name, "KV_ELM Gaming mouse") << "answered items show their display name";
            EXPECT_EQ(item.offeredText, "V1.0.1");
            EXPECT_TRUE(item.ticked);
            QWidget* row = ListRowWidget(
                settings.FindControl<QListWidget>(QStringLiteral("device_update_list_info")), 0);
            EXPECT_EQ(GetText(FindControl(row, QStringLiteral("updateRev"))), QStringLiteral("V1.0.1"));
            EXPECT_TRUE(settings.FindControl(QStringLiteral("update_fw_and_ap"))->isVisible());
            QDir().mkpath(QStringLiteral(KVELM_SETTINGS_SHOT_DIR));
            settings.grab().save(QStringLiteral(KVELM_SETTINGS_SHOT_DIR "/settings_updates_available.png"));
        },
        &ran);
    StartMainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran; }, 15000));
    EXPECT_TRUE(badgeWhenOpened) << "the gear is marked before the window opens";
    EXPECT_GE(newer.Connections(), 2) << "the check after start and the settings window's check";
    ASSERT_FALSE(newer.Requests().isEmpty());
    EXPECT_TRUE(newer.Requests().first().startsWith("POST /api/updates "));
    EXPECT_TRUE(newer.Requests().first().contains("&version=100"));
    EXPECT_EQ(downloads.Connections(), 0) << "nothing was downloaded without the user's acceptance";
}
