// Window messages of the main window: other programs, power, activation, layout.
#include <QAbstractButton>
#include <QIcon>
#include "shell/app_names.h"
#include "shell/ipc_endpoint.h"
#include "ui/language_table.h"
#include "ui/skin_style.h"
#include "shell_fixture.h"

using MainWndMessages = MainWndFixture;

namespace {
std::vector<int> LightValues(const PartRecord& r) {
    std::vector<int> values;
    for (const auto& f : r.flags)
        if (f.first == DeviceFlag::LightControl) values.push_back(f.second);
    return values;
}
}  // namespace

TEST_F(MainWndMessages, InstanceMessageBringsTheWindowForward) {
    struct Case {
        const char* state;
        bool anyEntry;
    };
    for (const Case& c : {Case{"hidden", false}, Case{"minimised", true}}) {
        if (QLatin1String(c.state) == QLatin1String("hidden"))
            wnd->hide();
        else
            wnd->showMinimized();
        record->anyEntryVisible = c.anyEntry;
        DebugLines lines;
        wnd->SendMessage(AppMessages().instance, 0, 1);
        EXPECT_TRUE(wnd->isVisible()) << c.state;
        EXPECT_FALSE(wnd->isMinimized()) << c.state;
        EXPECT_EQ(Control("No_device_Link")->isVisible(), !c.anyEntry) << c.state;
        EXPECT_EQ(Control("device_switch")->isVisible(), c.anyEntry)
            << c.state << ": pages step aside for the panel";
        const std::string line = QStringLiteral("软件标示 %1，%2d%3d\n")
                                     .arg(AppMessages().instance)
                                     .arg(0, 0, 16)
                                     .arg(1, 0, 16)
                                     .toStdString();
        EXPECT_TRUE(lines.Has(line)) << c.state;
    }
}

TEST_F(MainWndMessages, SecondStartReachesTheWindowThroughTheLockSocket) {
    // What start-up sets up, and what a second start sends.
    CIpcEndpoint endpoint;
    ASSERT_EQ(endpoint.Listen(QStringLiteral("messages_test_lock")), CIpcEndpoint::ListenResult::Listening);
    endpoint.SetTarget(wnd->GetHWND());
    endpoint.AcceptName(QString::fromUtf8(AppNames::kInstanceMessage));
    wnd->hide();
    ASSERT_TRUE(SendIpcMessage(endpoint.FullPath(), {QString::fromUtf8(AppNames::kInstanceMessage), 0, 1}));
    EXPECT_TRUE(QTest::qWaitFor([this] { return wnd->isVisible(); }, 2000));
}

TEST_F(MainWndMessages, LightControlRequestSetsTheFlagAndTheText) {
    struct Case {
        WPARAM w;
        LPARAM l;
        const char* text;
        int flag;
        bool told;
    };
    const Case cases[] = {
        {1, 0, "light_not_controlled_text", 0, true},  {1, 0, "light_not_controlled_text", 0, true},
        {1, 5, "light_not_controlled_text", 0, true},   // other values keep the flag but tell it again
        {0, 1, "light_not_controlled_text", 0, false},  // only wParam 1 is a request
        {1, 1, "light_controlled_text", 1, true},
    };
    for (const Case& c : cases) {
        record->flags.clear();
        wnd->SendMessage(AppMessages().lightControlRequest, c.w, c.l);
        EXPECT_EQ(TextOf("control_light_status"), CLanguageTable::Instance().Text(QLatin1String(c.text)))
            << c.w << "," << c.l;
        EXPECT_EQ(wnd->LightControl(), c.flag) << c.w << "," << c.l;
        EXPECT_EQ(LightValues(*record), c.told ? std::vector<int>{c.flag} : std::vector<int>{})
            << c.w << "," << c.l;
    }
}

TEST_F(MainWndMessages, WhileAsleepOnlyTheUpperMessagesCount) {
    record->flags.clear();
    wnd->SendMessage(WM_POWERBROADCAST, PBT_APMSUSPEND);
    EXPECT_TRUE(wnd->Asleep());
    EXPECT_EQ(LightValues(*record), std::vector<int>{0}) << "devices stop driving their lights";

    EXPECT_EQ(wnd->SendMessage(kMsgDeviceArrival, 1, 0), 0);
    wnd->SendMessage(WM_TIMER, 1055);
    wnd->SendMessage(kMsgLanguageChanged, 1, 0);
    EXPECT_TRUE(record->messages.empty()) << "no arrival while asleep";
    EXPECT_TRUE(record->timers.empty());
    EXPECT_TRUE(record->languages.empty());
    // Requests from other programs still count.
    wnd->SendMessage(AppMessages().lightControlRequest, 1, 0);
    EXPECT_EQ(wnd->LightControl(), 0);

    record->flags.clear();
    wnd->SendMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
    EXPECT_FALSE(wnd->Asleep());
    EXPECT_EQ(LightValues(*record), std::vector<int>{0}) << "the flag as it stands now";
    EXPECT_EQ(wnd->SendMessage(kMsgDeviceArrival, 1, 0), 7) << "the part's answer";
    EXPECT_EQ(record->messages, std::vector<unsigned>{kMsgDeviceArrival});
    wnd->SendMessage(WM_TIMER, 1055);
    EXPECT_EQ(record->timers, std::vector<int>{1055});
}

TEST_F(MainWndMessages, ActivationAndHoverSetTheAttention) {
    struct Step {
        unsigned msg;
        WPARAM w;
        std::vector<int> told;  // attention values told to the devices
    };
    const Step steps[] = {
        {WM_ACTIVATE, 0, {0}}, {WM_MOUSEHOVER, 0, {1}}, {WM_MOUSELEAVE, 0, {0}},
        {WM_ACTIVATE, 1, {1}}, {WM_MOUSELEAVE, 0, {}},  {WM_MOUSEHOVER, 0, {}},
    };
    DebugLines lines;
    for (const Step& s : steps) {
        record->flags.clear();
        wnd->HandleMessage(s.msg, s.w);
        std::vector<int> told;
        for (const auto& f : record->flags)
            if (f.first == DeviceFlag::Attention) told.push_back(f.second);
        EXPECT_EQ(told, s.told) << std::hex << s.msg << " " << s.w;
    }
    EXPECT_EQ(wnd->Attention(), 1);
    EXPECT_TRUE(lines.Has("鼠标移入\n"));
    EXPECT_TRUE(lines.Has("鼠标移出\n"));
}

TEST_F(MainWndMessages, UpdaterMessageAndLanguageGoOnToTheSettingsWindow) {
    RecordingWindow settings;
    ASSERT_TRUE(settings.Create(wnd.get(), QStringLiteral("SetWnd"), 630, 500));
    const unsigned updater = AppMessages().updater;
    wnd->SendMessage(updater, 5, 6);  // nobody open: dropped
    wnd->SetSettingsWindow(settings.GetHWND());
    wnd->SendMessage(updater, 5, 6);
    const int other = CLanguageManager::Instance().CurrentIndex() == 0 ? 1 : 0;
    wnd->SendMessage(kMsgLanguageChanged, static_cast<WPARAM>(other), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return settings.Saw(updater, 5, 6); }, 2000));
    EXPECT_TRUE(settings.Saw(kMsgLanguageChanged, 0, 0));
    int updaterCount = 0;
    for (const auto& s : settings.seen) updaterCount += s.msg == updater ? 1 : 0;
    EXPECT_EQ(updaterCount, 1);
    wnd->SetSettingsWindow(0);
    wnd->SendMessage(kMsgLanguageChanged, 0, 0);
    settings.Close(0);
}

TEST_F(MainWndMessages, SmallMessagesOfTheFrame) {
    auto* setBtn = qobject_cast<QAbstractButton*>(Control("setbtn"));
    SetForegroundImage(setBtn, QStringLiteral("sysbtn/haveNewInfo.png"));
    ASSERT_FALSE(setBtn->icon().isNull());
    wnd->SendMessage(kMsgClearUpdateBadge);
    EXPECT_TRUE(setBtn->icon().isNull()) << "3094 removes the update badge";

    ASSERT_TRUE(Control("setting_progress")->isHidden());
    wnd->SendMessage(kMsgShowSettingProgress);
    EXPECT_FALSE(Control("setting_progress")->isHidden());

    DebugLines lines;
    wnd->SendMessage(kMsgDpiNotice);
    EXPECT_TRUE(lines.Has("界面 DPI 1发生变化\n"));
    wnd->SendMessage(WM_DPICHANGED, 144 | (144 << 16));
    EXPECT_EQ(wnd->UiDpi(), 144);
    EXPECT_TRUE(lines.Has("界面 DPI 发生变化\n"));
}

TEST_F(MainWndMessages, DisplayChangeFitsTheWindowAgainAndKeepsItsState) {
    DebugLines lines;
    wnd->resize(700, 500);
    wnd->SendMessage(WM_DISPLAYCHANGE);
    EXPECT_TRUE(lines.Has("显示器分辨率发生变化\n"));
    EXPECT_EQ(wnd->size(), QSize(1000, 640));
    EXPECT_TRUE(wnd->isVisible());

    wnd->showMinimized();
    wnd->SendMessage(WM_DISPLAYCHANGE);
    EXPECT_TRUE(wnd->isMinimized()) << "a minimised window is not lost";
    EXPECT_TRUE(wnd->isVisible());

    wnd->hide();
    wnd->SendMessage(WM_DISPLAYCHANGE);
    EXPECT_FALSE(wnd->isVisible()) << "a hidden window stays hidden";
}

TEST_F(MainWndMessages, HookMessageInstallsKeyCaptureAndRemovesIt) {
    wnd->Hook().SetCaptureFactory([] { return nullptr; });  // the window's own key events
    const unsigned singleKey = RegisterWindowMessage(QStringLiteral("WM_HOOK_KEY_SINGLEKEY_MSG"));
    const auto singleKeysSeen = [&] {
        std::vector<WPARAM> seen;
        for (size_t i = 0; i < record->messages.size(); ++i)
            if (record->messages[i] == singleKey) seen.push_back(record->messageParams[i]);
        return seen;
    };
    wnd->SendMessage(kMsgHook, 1, 0);
    EXPECT_TRUE(wnd->Hook().KeyboardInstalled());
    EXPECT_EQ(wnd->Hook().Mode(), 1);
    EXPECT_EQ(wnd->Hook().Window(), wnd->GetHWND());
    QTest::keyClick(wnd.get(), Qt::Key_A);
    EXPECT_EQ(singleKeysSeen(), (std::vector<WPARAM>{0x0100, 0x0101})) << "down and up reach the parts";

    wnd->SendMessage(kMsgHook, 0, 0);
    EXPECT_FALSE(wnd->Hook().KeyboardInstalled());
    QTest::keyClick(wnd.get(), Qt::Key_A);
    EXPECT_EQ(singleKeysSeen().size(), 2u) << "nothing after the hooks are removed";
}
