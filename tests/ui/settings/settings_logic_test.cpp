// The pure rules of the settings window: the ring's sweep and how it is painted, the
// first-start language, and the updater's line over the local socket.
#include <gtest/gtest.h>
#include <QImage>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include "shell/app_names.h"
#include "ui/skin_window.h"
#include "shell/ipc_endpoint.h"
#include "shell/language_files.h"
#include "panels/settings/circle_progress_ui.h"
#include "panels/settings/update_item_view.h"

TEST(CircleProgress, SweepIsTheValueShareOfTheCircleTruncated) {
    struct Case {
        int value, minimum, maximum, degrees;
    };
    const Case cases[] = {{25, 0, 100, 90}, {100, 0, 100, 360}, {0, 0, 100, 0}, {1, 0, 7, 51}, {5, 3, 3, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(CircleSweepDegrees(c.value, c.minimum, c.maximum), c.degrees)
            << c.value << "/" << c.maximum;
}

TEST(CircleProgress, AQuarterRunsClockwiseFromTheBottom) {
    CCircleProgressUI ring;
    ring.setProperty("bkColor", QStringLiteral("#000000"));
    ring.setProperty("foreColor", QStringLiteral("#ff0000"));
    ring.setProperty("innerColor", QStringLiteral("#ffffff"));
    ring.resize(100, 100);
    ring.setValue(25);
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    ring.render(&image);
    // Points in the middle of the ring (radius 45) at 135 degrees (bottom left, clockwise
    // after the bottom) and 45 degrees (bottom right, before it).
    EXPECT_EQ(image.pixelColor(18, 82), QColor(Qt::red)) << "the quarter covers the bottom-left";
    EXPECT_EQ(image.pixelColor(82, 82), QColor(Qt::black)) << "nothing before the bottom";
    EXPECT_EQ(image.pixelColor(18, 18), QColor(Qt::black)) << "a quarter stops at the left";
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::white)) << "the centre is the inner disc";
}

TEST(LanguageForLocale, ChineseLocalesTakeChineseOthersEnglish) {
    const std::vector<LanguageEntry> entries = {{1033, QStringLiteral("en"), {}, {}},
                                                {2052, QStringLiteral("zh_CN"), {}, {}}};
    struct Case {
        const char* locale;
        int index;
    };
    const Case cases[] = {{"zh_CN", 1}, {"zh_TW", 1}, {"zh", 1},    {"en_US", 0},
                          {"de_DE", 0}, {"C", 0},     {"zhx_YY", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(LanguageIndexForLocale(entries, QLatin1String(c.locale)), c.index) << c.locale;
    const std::vector<LanguageEntry> chineseFirst = {entries[1], entries[0]};
    EXPECT_EQ(LanguageIndexForLocale(chineseFirst, QStringLiteral("fr_FR")), 1)
        << "English wherever it stands";
    EXPECT_EQ(LanguageIndexForLocale({}, QStringLiteral("zh_CN")), 0);
}

TEST(UpdateItemView, EveryStateHasItsTextAndMarks) {
    struct Case {
        int state;
        const char* textId;
        bool progress, ok;
    };
    const Case cases[] = {{0, "LessUpdateText", false, false}, {1, "NeedUpdateText", false, false},
                          {2, "NeedUpdateText", false, false}, {3, "DownloadWaitText", false, false},
                          {4, "DownloadIngText", true, false}, {5, "DownloadOkText", false, true},
                          {6, "UpdateIngText", true, false},   {7, "UpdateOkText", false, false},
                          {8, "UpdateFailText", false, false}};
    for (const Case& c : cases) {
        const ItemStateView view = ViewOfItemState(c.state);
        EXPECT_STREQ(view.textId, c.textId) << c.state;
        EXPECT_EQ(view.progressShown, c.progress) << c.state;
        EXPECT_EQ(view.okShown, c.ok) << c.state;
    }
    EXPECT_STREQ(ViewOfPageState(PageState::kNoService).textId, "NoUpdateServiceText");
    EXPECT_TRUE(ViewOfPageState(PageState::kChecking).ringShown);
}

// A window that records the messages it gets.
class RecordingTarget : public CSkinWindow {
public:
    QString GetWindowClassName() const override { return QStringLiteral("RecordingWnd"); }
    QString GetSkinFile() const override { return QStringLiteral("XML_MSG"); }
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
        if (msg == AppMessages().updater) seen.push_back({wParam, lParam});
        handled = msg != WM_CLOSE && msg != WM_DESTROY;
        return 0;
    }
    std::vector<std::pair<WPARAM, LPARAM>> seen;
};

TEST(UpdaterLine, ReachesTheWindowAsTheUpdaterMessage) {
    RecordingTarget target;
    ASSERT_TRUE(target.Create(nullptr, QStringLiteral("target"), 100, 100));
    CIpcEndpoint endpoint;
    ASSERT_EQ(endpoint.Listen(QStringLiteral("settings_updater_line")),
              CIpcEndpoint::ListenResult::Listening);
    endpoint.SetTarget(target.GetHWND());
    endpoint.AcceptName(QString::fromUtf8(AppNames::kUpdaterMessage));

    QLocalSocket socket;
    socket.connectToServer(endpoint.FullPath());
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write(
        "{4695579F-999A-41d4-9FAF-EFFCE93EBF15} 4 42\n{4695579F-999A-41d4-9FAF-EFFCE93EBF15} 1 0\r\n");
    socket.flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return target.seen.size() == 2; }, 2000));
    EXPECT_EQ(target.seen[0], (std::pair<WPARAM, LPARAM>{4, 42}));
    EXPECT_EQ(target.seen[1], (std::pair<WPARAM, LPARAM>{1, 0}));

    // A progress beyond 100 is no updater message: the connection is dropped with it.
    socket.write("{4695579F-999A-41d4-9FAF-EFFCE93EBF15} 4 420\n");
    socket.flush();
    QTest::qWait(200);
    EXPECT_EQ(target.seen.size(), 2u);
    target.Close(0);
}
