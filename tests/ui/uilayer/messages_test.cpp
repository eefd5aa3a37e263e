// Control timers, window timers, window messages (posted, sent, from workers) and
// messages registered by name.
#include <QLabel>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include "test_window.h"
#include "ui/control_timers.h"
#include "ui/window_messages.h"
#include "util/stop_event.h"

namespace {

class TimerLabel : public QLabel, public IControlTimerTarget {
public:
    using QLabel::QLabel;
    void OnControlTimer(int id) override { fired.push_back(id); }
    std::vector<int> fired;
};

int CountTimers(const TestWindow& w, const QString& sender, WPARAM id) {
    int n = 0;
    for (const SeenNotify& s : w.notes)
        n += s.type == QLatin1String("timer") && s.sender == sender && s.wParam == id;
    return n;
}

}  // namespace

using TimerTest = ShownWindowTest;

TEST_F(TimerTest, ControlTimerRaisesTimerWithItsNumberUntilKilled) {
    QWidget* button = Find("plain_btn");
    ASSERT_TRUE(SetTimer(button, 1001, 5));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return CountTimers(window, QStringLiteral("plain_btn"), 1001) >= 2; }, 2000));
    EXPECT_TRUE(IsTimerActive(button, 1001));
    EXPECT_TRUE(KillTimer(button, 1001));
    EXPECT_FALSE(KillTimer(button, 1001)) << "already stopped";
    window.notes.clear();
    QTest::qWait(40);
    EXPECT_EQ(CountTimers(window, QStringLiteral("plain_btn"), 1001), 0);
    EXPECT_FALSE(SetTimer(nullptr, 1, 5));
}

TEST_F(TimerTest, TimersOfOneControlAreKeptApartByNumber) {
    QWidget* button = Find("plain_btn");
    SetTimer(button, 1001, 5);
    SetTimer(button, 1005, 5);
    KillTimer(button, 1001);
    window.notes.clear();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return CountTimers(window, QStringLiteral("plain_btn"), 1005) >= 1; }, 2000));
    EXPECT_EQ(CountTimers(window, QStringLiteral("plain_btn"), 1001), 0);
    KillTimer(button, 1005);
}

TEST_F(TimerTest, ControlThatHandlesItsTimersGetsThemInstead) {
    auto* label = new TimerLabel(window.Root());
    label->setObjectName(QStringLiteral("timer_label"));
    SetTimer(label, 7, 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !label->fired.empty(); }, 2000));
    EXPECT_EQ(label->fired.front(), 7);
    EXPECT_EQ(CountTimers(window, QStringLiteral("timer_label"), 7), 0);
    delete label;  // its timers go with it
    QTest::qWait(20);
}

TEST_F(TimerTest, WindowTimerArrivesAsWmTimer) {
    window.SetTimer(1011, 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.CountMessages(WM_TIMER) >= 1; }, 2000));
    EXPECT_EQ(window.messages.back().wParam, 1011u);
    EXPECT_TRUE(window.KillTimer(1011));
    EXPECT_FALSE(window.KillTimer(1011));
}

using MessageTest = ShownWindowTest;

TEST_F(MessageTest, SendFromAWorkerIsHandledOnTheUiThreadBeforeItReturns) {
    std::atomic<bool> handled{false};
    std::atomic<bool> handledBeforeReturn{false};
    std::atomic<LRESULT> result{-1};
    window.onMessage = [&](unsigned msg, WPARAM w, LPARAM l, bool& done) -> LRESULT {
        if (msg != 3090) return 0;
        done = true;
        handled = true;
        return static_cast<LRESULT>(w) * 10 + l;
    };
    const WindowHandle h = window.GetHWND();
    std::thread worker([&] {
        result = SendWindowMessage(h, 3090, 4, 2);
        handledBeforeReturn = handled.load();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result != -1; }, 5000));
    worker.join();
    EXPECT_EQ(result, 42);
    EXPECT_TRUE(handledBeforeReturn);
    ASSERT_EQ(window.CountMessages(3090), 1);
    for (const SeenMessage& m : window.messages) {
        if (m.msg == 3090) {
            EXPECT_TRUE(m.onUiThread);
        }
    }
}

TEST_F(MessageTest, SendOnTheUiThreadCallsDirectly) {
    window.onMessage = [&](unsigned msg, WPARAM, LPARAM, bool& done) -> LRESULT {
        done = msg == 1054;
        return done ? 9 : 0;
    };
    EXPECT_EQ(window.SendMessage(1054, 1, 0), 9);
    EXPECT_EQ(window.CountMessages(1054), 1);
}

TEST_F(MessageTest, StoppedWorkerWithdrawsAMessageTheUiThreadHasNotTaken) {
    StopEvent stop;
    std::atomic<bool> returned{false};
    std::atomic<LRESULT> result{-1};
    const WindowHandle h = window.GetHWND();
    std::thread worker([&] {
        result = SendWindowMessage(h, 3091, 1, 0, &stop);
        returned = true;
    });
    // The UI thread is busy (it does not run the event loop) while it stops the worker.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_FALSE(returned);
    stop.Set();
    const auto start = std::chrono::steady_clock::now();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(result, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.CountMessages(3091), 0) << "a withdrawn message is not handled later";
}

TEST(WindowMessages, SendToAWindowDestroyedMeanwhileReturns) {
    auto* window = new TestWindow;
    ASSERT_TRUE(window->Create(nullptr, QStringLiteral("t"), 100, 100));
    const WindowHandle h = window->GetHWND();
    std::atomic<LRESULT> result{-1};
    std::thread worker([&] { result = SendWindowMessage(h, 3090, 0, 0); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    delete window;
    worker.join();
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(IsWindowAlive(h));
    EXPECT_FALSE(PostWindowMessage(h, 3090));
    EXPECT_EQ(SendWindowMessage(h, 3090), 0);
}

TEST_F(MessageTest, PostedMessagesArriveLaterInOrder) {
    for (WPARAM i = 0; i < 3; ++i) EXPECT_TRUE(window.PostMessage(WM_USER + 1, i, 0));
    EXPECT_EQ(window.CountMessages(WM_USER + 1), 0);
    QCoreApplication::processEvents();
    std::vector<WPARAM> order;
    for (const SeenMessage& m : window.messages)
        if (m.msg == WM_USER + 1) order.push_back(m.wParam);
    EXPECT_EQ(order, (std::vector<WPARAM>{0, 1, 2}));
}

TEST(RegisteredMessages, SameNameSameNumberEverywhere) {
    const unsigned a = RegisterWindowMessage(QStringLiteral("{4695579F-999A-41d4-9FAF-EFFCE93EBF15}"));
    const unsigned b = RegisterWindowMessage(QStringLiteral("{4695579F-999A-41d4-9FAF-EFFCE93EBF16}"));
    EXPECT_GE(a, 0xC000u);
    EXPECT_LE(a, 0xFFFFu);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("{4695579f-999a-41D4-9faf-effce93ebf15}")), a);
    EXPECT_EQ(RegisterWindowMessage(QString()), 0u);

    std::vector<unsigned> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back(
            [&seen, i] { seen[i] = RegisterWindowMessage(QStringLiteral("WM_HOOK_KEY_KBMACRO_MSG")); });
    for (auto& t : threads) t.join();
    EXPECT_EQ(std::set<unsigned>(seen.begin(), seen.end()).size(), 1u);
    EXPECT_GE(seen[0], 0xC000u);
}

TEST(RegisteredMessagesDeathTest, NumbersRunOutWithZeroNotAWrap) {
    EXPECT_EXIT(
        {
            unsigned last = 1;
            for (int i = 0; i < 0x4000 && last != 0; ++i)
                last = RegisterWindowMessage(QStringLiteral("name %1").arg(i));
            const unsigned extra = RegisterWindowMessage(QStringLiteral("one too many"));
            std::exit(extra == 0 && RegisterWindowMessage(QStringLiteral("name 5")) != 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
