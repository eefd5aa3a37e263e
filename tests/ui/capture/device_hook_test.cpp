// The hooks on the program's own window events: what the macro page records through them,
// which keys they keep from the windows, and the install and uninstall results.
#include <QTest>
#include <linux/input-event-codes.h>

#include "shell/qt_linux_keys.h"

#include "recording_window.h"

namespace {

using macros::RecordMode;

constexpr int kUsageA = 0x04;
constexpr int kUsageB = 0x05;
constexpr int kUsageX = 0x1B;
constexpr int kUsageCapsLock = 0x39;
constexpr int kRightButtonBit = 0x02;
constexpr int kMeasuredGapMs = 120;

class WindowHook : public ::testing::Test {
protected:
    void SetUp() override {
        window.ShowWithEdit();
        hook.SetCaptureFactory([] { return nullptr; });  // window events only
    }
    void TearDown() override { window.Close(); }

    void Start(RecordMode mode, int hookMode) {
        window.recorder.Start(mode, macros::MonotonicMilliseconds());
        ASSERT_EQ(hook.Install(0, hookMode, window.GetHWND(), 1, 1), 1);
        EXPECT_FALSE(hook.CapturesOutsideWindow());
    }

    RecordingWindow window;
    CDeviceHook hook;
};

TEST_F(WindowHook, KeysAndButtonsBecomeMacroEventsInEachRecordMode) {
    const struct {
        RecordMode mode;
    } cases[] = {{RecordMode::Measured}, {RecordMode::Fixed}, {RecordMode::NoDelay}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        window.rows.DeleteAll();
        Start(c.mode, macros::HookMode::kMacro);
        QTest::keyClick(window.edit, Qt::Key_A);
        QTest::qWait(kMeasuredGapMs);
        QTest::mouseClick(window.edit, Qt::RightButton);
        QTest::keyClick(window.edit, Qt::Key_B);
        EXPECT_EQ(hook.Uninstall(), 1);

        const auto events = window.SaveAndReload();
        ExpectSteps(events, {{kKeyType, kUsageA, true},
                             {kKeyType, kUsageA, false},
                             {kButtonType, kRightButtonBit, true},
                             {kButtonType, kRightButtonBit, false},
                             {kKeyType, kUsageB, true},
                             {kKeyType, kUsageB, false}});
        ASSERT_EQ(events.size(), 6u);
        ExpectDelays(events, c.mode);
        if (c.mode == RecordMode::Measured) {
            EXPECT_GE(events[1].delay, kMeasuredGapMs - 1) << "the wait after A's release";
        }
        EXPECT_EQ(window.edit->text(), QString()) << "recorded keys never reach the window";
        EXPECT_EQ(window.edit->keysSeen, 0);
    }
}

TEST_F(WindowHook, LockKeysStillReachTheWindowAndAreRecorded) {
    Start(RecordMode::NoDelay, macros::HookMode::kMacro);
    QTest::keyClick(window.edit, Qt::Key_CapsLock);
    QTest::keyClick(window.edit, Qt::Key_A);
    hook.Uninstall();
    EXPECT_EQ(window.edit->keysSeen, 1);
    ExpectSteps(window.rows.Events(), {{kKeyType, kUsageCapsLock, true},
                                       {kKeyType, kUsageCapsLock, false},
                                       {kKeyType, kUsageA, true},
                                       {kKeyType, kUsageA, false}});
}

TEST_F(WindowHook, AfterUninstallKeysReachTheWindowAndNothingIsRecorded) {
    EXPECT_EQ(hook.Uninstall(), 0) << "nothing installed yet";
    Start(RecordMode::NoDelay, macros::HookMode::kMacro);
    EXPECT_EQ(hook.Uninstall(), 1);
    EXPECT_EQ(hook.Uninstall(), 0);
    QTest::keyClicks(window.edit, QStringLiteral("x"));
    QTest::mouseClick(window.edit, Qt::LeftButton);
    EXPECT_EQ(window.edit->text(), QStringLiteral("x"));
    EXPECT_EQ(window.rows.Count(), 0);
}

TEST_F(WindowHook, MouseSideAloneLeavesKeysAlone) {
    window.recorder.Start(RecordMode::NoDelay, 0);
    ASSERT_EQ(hook.Install(0, macros::HookMode::kMacro, window.GetHWND(), 0, 1), 1);
    QTest::keyClicks(window.edit, QStringLiteral("x"));
    QTest::mouseClick(window.edit, Qt::RightButton);
    EXPECT_EQ(hook.Uninstall(), 0) << "no keyboard side was installed";
    EXPECT_EQ(window.edit->text(), QStringLiteral("x"));
    ExpectSteps(window.rows.Events(),
                {{kButtonType, kRightButtonBit, true}, {kButtonType, kRightButtonBit, false}});
}

TEST_F(WindowHook, ReinstallingReplacesTheModeAndKeepsTheValue) {
    Start(RecordMode::NoDelay, macros::HookMode::kMacro);
    ASSERT_EQ(hook.Install(7, macros::HookMode::kSingleKey, window.GetHWND(), 1, 1), 1);
    EXPECT_EQ(hook.Mode(), macros::HookMode::kSingleKey);
    EXPECT_EQ(hook.Value(), 7);
    QTest::keyClick(window.edit, Qt::Key_X);
    QTest::mouseClick(window.edit, Qt::RightButton);
    hook.Uninstall();
    EXPECT_EQ(window.rows.Count(), 0) << "key capture records no macro events";
    ASSERT_EQ(window.singleKeys.size(), 2u) << "down and up of the key; buttons are not sent";
    EXPECT_EQ(window.singleKeys[0].virtualKey, 0x58u);
    EXPECT_EQ(window.singleKeys[0].scanCode, 0x2Du);
    EXPECT_EQ(window.singleKeys[0].flags, 0u);
}

TEST_F(WindowHook, InsertModesPlaceEventsAroundTheSelectedRow) {
    const macros::MacroEvent xDown{kKeyType, kUsageX, true, 0};
    const macros::MacroEvent xUp{kKeyType, kUsageX, false, 0};
    const struct {
        int hookMode;
        std::vector<Step> expected;
    } cases[] = {
        {macros::HookMode::kMacroPrevious,
         {{kKeyType, kUsageX, true},
          {kKeyType, kUsageA, true},
          {kKeyType, kUsageA, false},
          {kKeyType, kUsageX, false}}},
        {macros::HookMode::kMacroLater,
         {{kKeyType, kUsageX, true},
          {kKeyType, kUsageX, false},
          {kKeyType, kUsageA, true},
          {kKeyType, kUsageA, false}}},
        // The replace mode changes the selected row's key and action: the release of A comes last.
        {macros::HookMode::kMacroSingle, {{kKeyType, kUsageX, true}, {kKeyType, kUsageA, false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hookMode);
        window.rows.Assign({xDown, xUp});
        window.rows.Select(1);
        Start(RecordMode::NoDelay, c.hookMode);
        QTest::keyClick(window.edit, Qt::Key_A);
        hook.Uninstall();
        ExpectSteps(window.rows.Events(), c.expected);
    }
}

}  // namespace

namespace {

TEST_F(WindowHook, LeftClickOnTheStopButtonIsNotRecorded) {
    // The edit stands in for the stop button: its screen rectangle is the stop rectangle.
    const QPoint topLeft = window.edit->mapToGlobal(QPoint(0, 0));
    window.recorder.SetStopRect(macros::ScreenRect{
        topLeft.x(), topLeft.y(), topLeft.x() + window.edit->width(), topLeft.y() + window.edit->height()});
    Start(RecordMode::NoDelay, macros::HookMode::kMacro);
    QTest::mouseClick(window.edit, Qt::RightButton);
    QTest::mouseClick(window.edit, Qt::LeftButton);
    hook.Uninstall();
    window.recorder.SetStopRect(std::nullopt);
    ExpectSteps(window.rows.Events(),
                {{kButtonType, kRightButtonBit, true}, {kButtonType, kRightButtonBit, false}});
}

TEST(QtLinuxKeys, KeypadFlagTellsKeypadKeysFromTheMainBlock) {
    const struct {
        int key;
        bool keypad;
        std::uint16_t code;
    } cases[] = {
        {Qt::Key_1, false, KEY_1},          {Qt::Key_1, true, KEY_KP1},
        {Qt::Key_Return, false, KEY_ENTER}, {Qt::Key_Enter, true, KEY_KPENTER},
        {Qt::Key_Minus, false, KEY_MINUS},  {Qt::Key_Minus, true, KEY_KPMINUS},
        {Qt::Key_A, true, KEY_A},           {Qt::Key_Control, false, KEY_LEFTCTRL},
    };
    for (const auto& c : cases) {
        const auto code = LinuxCodeOfQtKey(c.key, c.keypad);
        ASSERT_TRUE(code) << c.key;
        EXPECT_EQ(*code, c.code) << c.key << " keypad " << c.keypad;
    }
    EXPECT_FALSE(LinuxCodeOfQtKey(Qt::Key_unknown, false));
    EXPECT_EQ(LinuxCodeOfMouseButton(Qt::BackButton), std::optional<std::uint16_t>(BTN_SIDE));
    EXPECT_FALSE(LinuxCodeOfMouseButton(Qt::NoButton));
}

}  // namespace
