// Recording through XInput2 raw events of a private Xvfb server, driven by xdotool: the
// events of a key combination and an extra mouse button end up in the saved macro.
#include <QTest>

#include "macros/capture/x11_capture.h"
#include "recording_window.h"
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
