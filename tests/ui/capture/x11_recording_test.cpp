// Recording through XInput2 raw events of a private Xvfb server, driven by xdotool: the
// events of a key combination and an extra mouse button end up in the saved macro, and
// clicks on a window under a window manager keep their releases.
#include <QTest>

#include "macros/capture/x11_capture.h"
#include "recording_window.h"
#include "x_client.h"
#include "x_test_window.h"
#include "xvfb_server.h"

namespace {

using macros::RecordMode;

constexpr int kCtrlBit = 0x01;
constexpr int kUsageC = 0x06;
constexpr int kBackButtonBit = 0x08;
constexpr int kWaitMs = 5000;
constexpr int kSettleMs = 200;

TEST(X11Recording, KeyCombinationAndBackButtonInEachRecordMode) {
    XvfbServer server;
    if (server.Display().empty() || !XvfbServer::HaveXdoTool()) GTEST_SKIP() << "no Xvfb or xdotool";
    const std::string display = server.Display();
    for (RecordMode mode : {RecordMode::Measured, RecordMode::Fixed, RecordMode::NoDelay}) {
        SCOPED_TRACE(static_cast<int>(mode));
        RecordingWindow window;
        window.ShowWithEdit();
        CDeviceHook hook;
        hook.SetCaptureFactory([display] { return capture::CreateX11Capture(display); });
        window.recorder.Start(mode, macros::MonotonicMilliseconds());
        ASSERT_EQ(hook.Install(0, macros::HookMode::kMacro, window.GetHWND(), 1, 1), 1);
        EXPECT_TRUE(hook.CapturesOutsideWindow());

        ASSERT_TRUE(server.XdoTool("key ctrl+c"));
        ASSERT_TRUE(server.XdoTool("click 8"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.rows.Count() >= 6; }, kWaitMs));
        QTest::qWait(kSettleMs);  // nothing more may follow
        EXPECT_EQ(hook.Uninstall(), 1);
        EXPECT_FALSE(hook.CapturesOutsideWindow());

        const auto events = window.SaveAndReload();
        ASSERT_EQ(events.size(), 6u);
        // Ctrl and C go down in that order; the tool may release them in either order.
        ExpectSteps({events.begin(), events.begin() + 2},
                    {{kModifierType, kCtrlBit, true}, {kKeyType, kUsageC, true}});
        EXPECT_FALSE(events[2].down);
        EXPECT_FALSE(events[3].down);
        EXPECT_NE(events[2].type, events[3].type);
        ExpectSteps({events.begin() + 4, events.end()},
                    {{kButtonType, kBackButtonBit, true}, {kButtonType, kBackButtonBit, false}});
        ExpectDelays(events, mode);
        window.Close();
    }
}

// Clicks on windows that a window manager looks after and that take the pointer grab from
// press to release (a client of the system's, and a plain window of the test's own): the
// releases must still reach the recorder, as must the keys typed into the focused window.
TEST(X11Recording, ClicksAndKeysOnAManagedWindowKeepTheirReleases) {
    XvfbServer server;
    if (server.Display().empty() || !XvfbServer::HaveXdoTool() || !XClient::Have("openbox") ||
        !XClient::Have("xcalc") || !XClient::Have("xprop"))
        GTEST_SKIP() << "no Xvfb, xdotool, openbox, xcalc or xprop";
    const std::string display = server.Display();
    XClient manager(display, {"openbox"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return server.Run("xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"); }, kWaitMs));
    XClient calculator(display, {"xcalc", "-geometry", "+400+100"});
    XTestWindow own(display, "kvelm-grabbing-window");
    ASSERT_TRUE(own.Mapped());
    const struct {
        const char* what;
        const char* find;  // xdotool's search for the window
    } windows[] = {{"a client window", "--class xcalc"},
                   {"the test's own window", "--name kvelm-grabbing-window"}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.what);
        // The activation is asked for but not waited on: a window manager may take its time
        // or, under load, ignore it, and the pointer over the window is what the clicks need.
        ASSERT_TRUE(server.XdoTool(std::string("search --sync --onlyvisible ") + w.find +
                                   " windowactivate %1 mousemove --sync --window %1 60 120"));
        QTest::qWait(kSettleMs);

        RecordingWindow window;
        window.ShowWithEdit();
        CDeviceHook hook;
        hook.SetCaptureFactory([display] { return capture::CreateX11Capture(display); });
        window.recorder.Start(RecordMode::NoDelay, macros::MonotonicMilliseconds());
        ASSERT_EQ(hook.Install(0, macros::HookMode::kMacro, window.GetHWND(), 1, 1), 1);
        ASSERT_TRUE(hook.CapturesOutsideWindow());

        constexpr int kUsageA = 0x04, kUsageB = 0x05, kLeftBit = 0x01, kRightBit = 0x02;
        ASSERT_TRUE(server.XdoTool("click 1"));
        ASSERT_TRUE(server.XdoTool("click 3"));
        ASSERT_TRUE(server.XdoTool("type ab"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.rows.Count() >= 8; }, kWaitMs));
        QTest::qWait(kSettleMs);
        hook.Uninstall();
        ExpectSteps(window.rows.Events(), {{kButtonType, kLeftBit, true},
                                           {kButtonType, kLeftBit, false},
                                           {kButtonType, kRightBit, true},
                                           {kButtonType, kRightBit, false},
                                           {kKeyType, kUsageA, true},
                                           {kKeyType, kUsageA, false},
                                           {kKeyType, kUsageB, true},
                                           {kKeyType, kUsageB, false}});
        window.Close();
    }
}

TEST(X11Recording, UnusableDisplayFallsBackToTheWindowEvents) {
    RecordingWindow window;
    window.ShowWithEdit();
    CDeviceHook hook;
    hook.SetCaptureFactory([] { return capture::CreateX11Capture(":4095"); });
    window.recorder.Start(RecordMode::NoDelay, 0);
    ASSERT_EQ(hook.Install(0, macros::HookMode::kMacro, window.GetHWND(), 1, 1), 1);
    EXPECT_FALSE(hook.CapturesOutsideWindow());
    QTest::keyClick(window.edit, Qt::Key_C);
    hook.Uninstall();
    ExpectSteps(window.rows.Events(), {{kKeyType, kUsageC, true}, {kKeyType, kUsageC, false}});
    window.Close();
}

}  // namespace
