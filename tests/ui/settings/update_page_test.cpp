// The update page from acceptance to installation, with the network and the launcher
// replaced: nothing runs unless the user agreed after seeing the file's size and SHA-256.
#include <QCryptographicHash>
#include <QFile>
#include <QListWidget>
#include <QStackedWidget>
#include <atomic>
#include <mutex>
#include "shell/app_names.h"
#include "shell/msg_wnd.h"
#include "settings_fixture.h"

namespace {
const QByteArray kInstaller = "#!/bin/sh\necho installing\n";

struct FakeNetwork {
    int deviceId = 1;
    std::mutex lock;
    QStringList ran;  // files started
    QByteArray ranContent;
    std::function<void(int)> onExit;
};

UpdateServices FakeServices(const std::shared_ptr<FakeNetwork>& net) {
    UpdateServices services;
    services.query = [net](const std::string&, const UpdateRecord& record, const StopEvent&) {
        UpdateAnswer answer;
        if (!record.IsProgram()) return answer;
        answer.name = "AP";
        answer.status = kStatusNewer;
        answer.installedText = "V100";
        answer.offeredText = "V1.0.1";
        answer.offeredVersion = 101;
        answer.path = "http://127.0.0.1:9/kvelm-setup";
        std::lock_guard<std::mutex> guard(net->lock);
        answer.deviceId = net->deviceId;
        return answer;
    };
    services.download = [](const std::string&, const std::string& path, const DownloadProgress& progress,
                           const StopEvent&) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly)) return DownloadResult::Failed;
        file.write(kInstaller);
        file.close();
        progress(kInstaller.size(), kInstaller.size() / 2);
        progress(kInstaller.size(), kInstaller.size());
        return DownloadResult::Complete;
    };
    services.run = [net](const QString& file, std::function<void(int)> onExit) {
        QFile run(file);
        run.open(QIODevice::ReadOnly);
        net->ranContent = run.readAll();
        net->ran << file;
        net->onExit = std::move(onExit);
        return true;
    };
    return services;
}

void AcceptOffer(CSetWnd& settings) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return settings.Flow().PageState() == PageState::kUpdates; }, 5000));
    QTest::mouseClick(settings.FindControl(QStringLiteral("update_fw_and_ap")), Qt::LeftButton);
    EXPECT_EQ(GetCurSel(settings.FindControl(QStringLiteral("get_update_tab_layout"))), 1)
        << "confirmation first";
    QTest::mouseClick(settings.FindControl(QStringLiteral("update_OK_btn")), Qt::LeftButton);
}
}  // namespace

class UpdatePageTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        setenv(kUpdateUrlVariable, "http://127.0.0.1:9", 1);
        CMsgWnd::ClearNextAnswers();
        net = std::make_shared<FakeNetwork>();
    }
    void TearDown() override {
        CMsgWnd::ClearNextAnswers();
        SettingsFixture::TearDown();
    }
    std::shared_ptr<FakeNetwork> net;
};

TEST_F(UpdatePageTest, RunsOnlyWhatTheUserAcceptedAfterSeeingSizeAndDigest) {
    const QString sha =
        QString::fromLatin1(QCryptographicHash::hash(kInstaller, QCryptographicHash::Sha256).toHex());
    struct Case {
        int answer;  // 1 run it, 0 do not
        bool runs;
    };
    for (const Case c : {Case{1, true}, Case{0, false}}) {
        SCOPED_TRACE(c.answer);
        net->ran.clear();
        bool ran = false;
        QString shownQuestion;
        std::string localFile;
        WhenSettingsShow(
            [&](CSetWnd& settings) {
                CMsgWnd::SetNextAnswer(c.answer);
                AcceptOffer(settings);
                ASSERT_TRUE(QTest::qWaitFor([&] { return CMsgWnd::PendingAnswers() == 0; }, 5000));
                shownQuestion = CMsgWnd::LastShown().text;
                const UpdateItem& item = settings.Flow().Items()[0];
                localFile = item.localFile;
                if (c.runs) {
                    EXPECT_EQ(item.state, ItemState::kInstalling);
                    ASSERT_EQ(net->ran.size(), 1);
                    EXPECT_EQ(net->ran.first().toStdString(), localFile);
                    EXPECT_EQ(net->ranContent, kInstaller);
                    net->onExit(0);  // the visible installer ends well
                    const UpdateItem& done = settings.Flow().Items()[0];
                    EXPECT_EQ(done.state, ItemState::kCurrent);
                    EXPECT_EQ(done.installedText, "V1.0.1");
                    EXPECT_EQ(settings.Flow().PageState(), PageState::kAllCurrent);
                } else {
                    EXPECT_TRUE(net->ran.isEmpty());
                    EXPECT_EQ(item.state, ItemState::kOffered);
                    EXPECT_FALSE(item.ticked);
                    EXPECT_FALSE(QFile::exists(QString::fromStdString(localFile)))
                        << "a declined file is removed";
                }
            },
            &ran);
        if (wnd)
            wnd->SendMessage(kMsgOpenSettings);
        else
            StartMainWindow(FakeServices(net));  // the check after start opens it
        ASSERT_TRUE(QTest::qWaitFor([&] { return ran; }, 15000));
        EXPECT_TRUE(shownQuestion.contains(QString::number(kInstaller.size()) + QStringLiteral(" bytes")))
            << shownQuestion.toStdString();
        EXPECT_TRUE(shownQuestion.contains(sha)) << shownQuestion.toStdString();
        // This service gives no digest: the box must not let the value pass for a check.
        EXPECT_TRUE(shownQuestion.contains(QStringLiteral("gave no SHA-256"))) << shownQuestion.toStdString();
        QTest::qWait(50);
    }
}

TEST_F(UpdatePageTest, AHiddenRunFollowsTheUpdaterMessagesAndKeepsTheWindowOpen) {
    net->deviceId = 0;
    bool ran = false;
    WhenSettingsShow(
        [&](CSetWnd& settings) {
            CMsgWnd::SetNextAnswer(1);
            AcceptOffer(settings);
            ASSERT_TRUE(QTest::qWaitFor([&] { return net->ran.size() == 1; }, 5000));
            EXPECT_EQ(settings.Flow().Items()[0].state, ItemState::kInstalling);

            const unsigned updater = AppMessages().updater;
            wnd->SendMessage(updater, kUpdaterProgress, 42);  // the main window passes it on
            ASSERT_TRUE(QTest::qWaitFor([&] { return settings.Flow().Items()[0].percent == 42; }, 2000));
            QWidget* row = ListRowWidget(
                settings.FindControl<QListWidget>(QStringLiteral("device_update_list_info")), 0);
            EXPECT_TRUE(FindControl(row, QStringLiteral("update_status_ing"))->isVisible());
            EXPECT_EQ(GetValue(FindControl(row, QStringLiteral("update_progress_value"))), 42);
            settings.grab().save(QStringLiteral(KVELM_SETTINGS_SHOT_DIR "/settings_updates_installing.png"));

            settings.HandleMessage(WM_CLOSE);
            EXPECT_TRUE(settings.isVisible()) << "closing waits while an item installs";

            wnd->SendMessage(updater, kUpdaterFinished, 0);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return settings.Flow().Items()[0].state == ItemState::kCurrent; }, 2000));
            EXPECT_EQ(settings.Flow().PageState(), PageState::kAllCurrent);
        },
        &ran);
    StartMainWindow(FakeServices(net));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran; }, 15000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return SetButton()->icon().isNull(); }, 2000))
        << "all current: the gear's mark is cleared";
}
