// The main window's frame as the user drives it: caption buttons, tray, notifications,
// window creation and the thread table.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include "shell/app_names.h"
#include "shell/ipc_endpoint.h"
#include "ui/control_wiring.h"
#include "ui/menu_wnd.h"
#include "util/stop_event.h"
#include "shell_fixture.h"

using MainWndCaption = MainWndFixture;

TEST(MainWndCreation, OpensHiddenAt800By572CentredThenFitsTheScreen) {
    CMainWnd wnd;
    ASSERT_TRUE(wnd.CreateMainWindow());
    EXPECT_EQ(wnd.windowTitle(), QStringLiteral("KV_ELM Gaming mouse"));
    EXPECT_EQ(wnd.size(), QSize(800, 572));
    EXPECT_FALSE(wnd.isVisible()) << "hidden until the window-init sequence shows it";
    const QRect screen = wnd.screen()->availableGeometry();
    EXPECT_EQ(wnd.frameGeometry().center(), screen.center());

    ASSERT_TRUE(
        QTest::qWaitFor([&] { return wnd.LayoutAdapted() && wnd.isVisible() && wnd.Initialised(); }, 3000))
        << "the frame shows itself and is filled after its first paint";
    EXPECT_EQ(wnd.size(), QSize(1000, 640));
    EXPECT_EQ(wnd.UiDpi(), 96) << "the offscreen screen is small";
    EXPECT_TRUE(wnd.Initialised());
    EXPECT_TRUE(wnd.FindControl(QStringLiteral("No_device_Link"))->isVisible());
    EXPECT_EQ(CMainWnd::MainWindowHandle(), wnd.GetHWND());
    wnd.Close(0);
}

TEST_F(MainWndCaption, CaptionButtons) {
    int exitCode = -1;
    CMainWnd::SetExitProcess([&exitCode](int code) { exitCode = code; });
    Click(Control("closebtn"));
    EXPECT_EQ(exitCode, 0) << "closebtn ends the process at once";
    EXPECT_TRUE(wnd->IsCreated()) << "without the orderly close";
    CMainWnd::SetExitProcess([](int) {});

    Click(Control("minbtn"));
    EXPECT_TRUE(wnd->isMinimized());
    wnd->SysCommand(SC_RESTORE);
    EXPECT_FALSE(wnd->isMinimized());

    Click(Control("nodevice_ok_btn"));
    EXPECT_TRUE(!wnd->isVisible() || wnd->isMinimized()) << "hidden to the tray, or minimised without one";

    Click(Control("setbtn"));
    wnd->SendMessage(kMsgOpenSettings);
    EXPECT_EQ(record->settingsRequests, (std::vector<bool>{true, false}))
        << "docked from setbtn, centred from 3093";
    wnd->SetSettingsWindow(12345);
    Click(Control("setbtn"));
    EXPECT_EQ(record->settingsRequests.size(), 2u) << "one settings window at a time";
    wnd->SetSettingsWindow(0);
}

TEST_F(MainWndCaption, LightStatusClickTogglesAndBroadcasts) {
    CIpcEndpoint listener;
    ASSERT_EQ(listener.Listen(QStringLiteral("caption_test_listener")),
              CIpcEndpoint::ListenResult::Listening);
    listener.AcceptName(QString::fromUtf8(AppNames::kLightControlBroadcast));
    QSignalSpy heard(&listener, &CIpcEndpoint::MessageReceived);

    ASSERT_EQ(TextOf("control_light_status"), QStringLiteral("Lights: this program"))
        << "the text follows the language (English here)";
    // The skin's caption font has the glyphs: no CJK font of the system is loaded for them.
    const QFont captionFont = Control("control_light_status")->font();
    EXPECT_EQ(QFontInfo(captionFont).family(), QStringLiteral("KV_ELM Caption CJK"));
    for (const QChar glyph : QStringLiteral("不控制灯光"))
        EXPECT_TRUE(QFontMetrics(captionFont).inFont(glyph)) << int(glyph.unicode());
    Click(Control("control_light_status"));
    EXPECT_EQ(TextOf("control_light_status"), QStringLiteral("Lights: other programs"));
    EXPECT_EQ(wnd->LightControl(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.count() == 1; }, 2000));
    auto message = heard.at(0).at(0).value<IpcMessage>();
    EXPECT_EQ(message.wParam, 1u);
    EXPECT_EQ(message.lParam, 0);

    Click(Control("control_light_status"));
    EXPECT_EQ(TextOf("control_light_status"), QStringLiteral("Lights: this program"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.count() == 2; }, 2000));
    message = heard.at(1).at(0).value<IpcMessage>();
    EXPECT_EQ(message.lParam, 1);
    const std::vector<std::pair<DeviceFlag, int>> told{{DeviceFlag::LightControl, 0},
                                                       {DeviceFlag::LightControl, 1}};
    std::vector<std::pair<DeviceFlag, int>> lightFlags;
    for (const auto& f : record->flags)
        if (f.first == DeviceFlag::LightControl) lightFlags.push_back(f);
    EXPECT_EQ(lightFlags, told);

    // A change of language changes the shown state's text, not the state.
    ASSERT_TRUE(CLanguageManager::Instance().ApplyLanguage(1));
    EXPECT_EQ(TextOf("control_light_status"), QStringLiteral("控制灯光"));
    Click(Control("control_light_status"));
    EXPECT_EQ(TextOf("control_light_status"), QStringLiteral("不控制灯光"));
    CLanguageManager::Instance().ApplyLanguage(0);
    EXPECT_EQ(TextOf("control_light_status"), QStringLiteral("Lights: other programs"));
}

TEST_F(MainWndCaption, TrayMenuExitClosesTheWindowInOrder) {
    DebugLines lines;
    bool workerEnded = false;
    ASSERT_TRUE(wnd->StartThread(3, [&workerEnded](const StopEvent& stop) {
        while (!stop.Wait(1)) {}
        workerEnded = true;
    }));
    wnd->SendMessage(kMsgTrayIcon, 0, WM_RBUTTONUP);
    ASSERT_TRUE(QTest::qWaitFor([&] { return wnd->TrayMenu() != nullptr; }, 2000))
        << "timer 1032 opens the menu";
    CMenuWnd* menu = wnd->TrayMenu();
    for (const char* item : {"about_menu", "setwnd_menu", "exit"})
        ASSERT_NE(menu->FindItem(QLatin1String(item)), nullptr) << item;
    menu->FindItem(QStringLiteral("exit"))->trigger();

    EXPECT_FALSE(wnd->IsCreated());
    EXPECT_FALSE(wnd->isVisible());
    EXPECT_TRUE(workerEnded);
    EXPECT_EQ(record->destroys, 1);
    EXPECT_TRUE(lines.Has("退出测试\n"));
    EXPECT_EQ(lines.Count("所有对象处于激发状态\n"), 1);
}

TEST_F(MainWndCaption, TrayClickHidesAVisibleWindowAndClosesTheAboutWindow) {
    bool aboutWasOpen = false;
    bool aboutReturned = false;
    QTimer::singleShot(0, wnd.get(), [this, &aboutReturned] {
        const QString item = QStringLiteral("about_menu");
        wnd->SendMessage(kMsgMenuCommand, reinterpret_cast<WPARAM>(&item), 0);  // modal until closed
        aboutReturned = true;
    });
    QTimer::singleShot(100, wnd.get(), [this, &aboutWasOpen] {
        aboutWasOpen = wnd->AboutWindow() != 0;
        wnd->SendMessage(kMsgTrayIcon, 0, WM_LBUTTONUP);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return aboutReturned; }, 3000));
    EXPECT_TRUE(aboutWasOpen);
    EXPECT_EQ(wnd->AboutWindow(), 0u);
    EXPECT_FALSE(wnd->isVisible());

    record->anyEntryVisible = true;
    wnd->SendMessage(kMsgTrayIcon, 0, WM_LBUTTONUP);
    EXPECT_TRUE(wnd->isVisible());
    EXPECT_FALSE(Control("No_device_Link")->isVisible()) << "a visible device entry hides the panel";
}

TEST_F(MainWndCaption, MenuItemsOfOthersGoToTheParts) {
    for (const char* item : {"left_click", "setwnd_menu"}) {
        const QString name = QLatin1String(item);
        wnd->SendMessage(kMsgMenuCommand, reinterpret_cast<WPARAM>(&name), 0);
    }
    EXPECT_EQ(record->menuItems, std::vector<QString>{QStringLiteral("left_click")});
    EXPECT_EQ(record->settingsRequests, std::vector<bool>{false})
        << "the tray's settings item opens it centred";
}

TEST_F(MainWndCaption, NotificationsReachThePartsExceptTheFramesOwn) {
    auto* button = new QPushButton(Control("content"));
    button->setObjectName(QStringLiteral("device_reset_btn"));
    auto* edit = new QLineEdit(Control("content"));
    edit->setObjectName(QStringLiteral("keyset_keyboard_text_edit"));
    WireControls(button);
    WireControls(edit);
    button->show();
    edit->show();

    Click(button);
    Click(Control("gamemodebtn"));  // hidden and without an action of the frame
    SendNotify(edit, QLatin1String(NotifyType::kTextChanged));
    SendNotify(edit, QStringLiteral("click_wpremove"));
    SendNotify(edit, QLatin1String(NotifyType::kSetFocus));
    SendNotify(edit, QLatin1String(NotifyType::kItemActivate));

    const std::vector<QString> expected{QStringLiteral("click device_reset_btn"),
                                        QStringLiteral("click gamemodebtn"),
                                        QStringLiteral("itemactivate keyset_keyboard_text_edit")};
    EXPECT_EQ(record->notifies, expected);
    EXPECT_TRUE(record->messages.empty()) << "the frame handles the hook message itself";
    EXPECT_TRUE(wnd->Hook().KeyboardInstalled()) << "the key edit's focus installs the hooks";
    EXPECT_EQ(wnd->Hook().Mode(), 1);
}

TEST(MainWndThreads, SlotsStartOnceAndStopTogetherAtDestroy) {
    DebugLines lines;
    CMainWnd wnd;
    ASSERT_TRUE(wnd.CreateMainWindow());
    auto idle = [](const StopEvent& stop) {
        while (!stop.Wait(1)) {}
    };
    EXPECT_FALSE(wnd.StartThread(-1, idle));
    EXPECT_FALSE(wnd.StartThread(CMainWnd::kThreadSlots, idle));
    ASSERT_TRUE(wnd.StartThread(2, idle));
    EXPECT_FALSE(wnd.StartThread(2, idle)) << "a running slot is not started twice";
    ASSERT_TRUE(wnd.StartThread(8, idle));
    // A worker that ignores its stop event is given up after its second.
    ASSERT_TRUE(wnd.StartThread(5, [](const StopEvent&) { QThread::msleep(1600); }));
    const StopEvent* event = wnd.SlotStopEvent(2);
    ASSERT_NE(event, nullptr);
    EXPECT_FALSE(event->IsSet());

    wnd.Close(0);
    EXPECT_TRUE(event->IsSet());
    EXPECT_FALSE(wnd.ThreadRunning(2));
    EXPECT_FALSE(wnd.ThreadRunning(8));
    EXPECT_EQ(lines.Count("所有对象处于激发状态\n"), 2);
    EXPECT_EQ(lines.Count("所有对象处于非激发状态，超时\n"), 1);
    EXPECT_FALSE(wnd.StartThread(3, idle)) << "nothing starts after the shutdown";
    QThread::msleep(700);  // let the given-up worker finish before the test ends
}

namespace {
// A part that notes how the window looked when it was asked to fill it, then starts a
// discovery worker in slot 0 (which used to hold the window back until its first pass).
class FillRecorder : public IMainWndPart {
public:
    void OnWindowInit(CMainWnd& wnd) override {
        ++fills;
        visibleAtFill = wnd.isVisible() && !wnd.isMinimized();
        wnd.StartThread(0, [](const StopEvent& stop) {
            while (!stop.Wait(1)) {}
        });
    }
    int fills = 0;
    bool visibleAtFill = false;
};
}  // namespace

TEST(MainWndStart, TheWindowIsShownFirstAndFilledAfterItsFirstPaint) {
    CMainWnd wnd;
    auto part = std::make_unique<FillRecorder>();
    FillRecorder* record = part.get();
    wnd.AddPart(std::move(part));
    ASSERT_TRUE(wnd.CreateMainWindow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return wnd.Initialised(); }, 3000));
    EXPECT_EQ(record->fills, 1);
    EXPECT_TRUE(record->visibleAtFill) << "the parts start once the window is on screen";
    QTest::qWait(50);
    EXPECT_TRUE(wnd.isVisible()) << "a running discovery worker does not hide it again";
    wnd.Close(0);
}

TEST(MainWndStart, StartedMinimizedItIsFilledButNotShown) {
    CMainWnd wnd;
    auto part = std::make_unique<FillRecorder>();
    FillRecorder* record = part.get();
    wnd.AddPart(std::move(part));
    wnd.SetStartMinimized(true);
    ASSERT_TRUE(wnd.CreateMainWindow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return wnd.Initialised(); }, 3000));
    EXPECT_EQ(record->fills, 1);
    EXPECT_FALSE(record->visibleAtFill);
    EXPECT_TRUE(!wnd.isVisible() || wnd.isMinimized());
    wnd.Close(0);
}

namespace {
// A part that widens the tray menu the way the simulated-device items do.
class WideTrayItems : public IMainWndPart {
public:
    void OnTrayMenu(CMainWnd&, CMenuWnd& menu) override {
        QMenu* sub = menu.addMenu(QStringLiteral("Simulated devices (plug and unplug without hardware)"));
        sub->addAction(QStringLiteral("Plug mouse3389"));
        menu.addAction(QStringLiteral("A second long item that makes the menu taller and wider"));
    }
};
}  // namespace

TEST(MainWndTray, TheMenuStaysOnScreenWithThePartsItemsAtTheRightEdge) {
    CMainWnd wnd;
    wnd.AddPart(std::make_unique<WideTrayItems>());
    ASSERT_TRUE(wnd.CreateMainWindow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return wnd.Initialised(); }, 3000));
    const QRect area = wnd.screen()->availableGeometry();
    // Where a tray icon sits: the bottom-right corner, and the top-right one.
    for (const QPoint corner : {area.bottomRight() - QPoint(2, 2), area.topRight() + QPoint(-2, 2)}) {
        QCursor::setPos(corner);
        ASSERT_EQ(QCursor::pos(), corner) << "the platform moves no cursor";
        QPointer<CMenuWnd> before = wnd.TrayMenu();
        wnd.SendMessage(kMsgTrayIcon, 0, WM_RBUTTONUP);  // a right click on the tray icon
        ASSERT_TRUE(QTest::qWaitFor([&] { return wnd.TrayMenu() && wnd.TrayMenu() != before; }, 2000));
        QPointer<CMenuWnd> menu = wnd.TrayMenu();
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
        const QRect shown = menu->geometry();
        EXPECT_GT(shown.width(), 300) << "the parts' items are in the measured menu";
        EXPECT_TRUE(area.contains(shown))
            << "menu " << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height()
            << " on " << area.width() << "x" << area.height();
        menu->close();
    }
    wnd.Close(0);
}

TEST(MenuPlacement, KeepsTheWholeMenuInsideTheArea) {
    const QRect area(0, 0, 1000, 700);
    struct Case {
        QPoint point;
        QSize size;
        QPoint expected;
    };
    const Case cases[] = {
        {{100, 100}, {200, 150}, {100, 100}},  // fits as it is
        {{990, 690}, {200, 150}, {800, 550}},  // pushed back from both far edges
        {{-20, -5}, {200, 150}, {0, 0}},       // and from the near ones
        {{500, 10}, {1200, 900}, {0, 0}},      // larger than the area: top-left kept inside
    };
    for (const Case& c : cases)
        EXPECT_EQ(CMenuWnd::PlaceOnScreen(c.point, c.size, kMenuAlignLeft | kMenuAlignTop, area), c.expected)
            << c.point.x() << "," << c.point.y();
}
