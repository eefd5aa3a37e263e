// Skin windows: init order, modal showing with close codes, closing paths, DPI; menus and
// the tray icon reporting to their owner window.
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include "test_window.h"
#include "ui/menu_wnd.h"
#include "ui/tray_icon.h"

TEST(SkinWindow, InitWindowRunsOnceBeforeASingleWindowInit) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 300, 300));
    EXPECT_EQ(window.initCalls, 1);
    EXPECT_EQ(window.notifiesAtInit, 0);
    EXPECT_TRUE(window.notes.empty()) << "windowinit comes from the event loop";
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Seen(), (Seen{{"windowinit", "root"}}));
    EXPECT_FALSE(window.Create(nullptr, QStringLiteral("t"), 300, 300)) << "created once";
}

TEST(SkinWindow, ShowModalReturnsTheCloseCode) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 300, 600));
    const WindowHandle h = window.GetHWND();
    window.onNotify = [&](TNotifyUI& msg) {
        if (msg.Is("click") && msg.SenderName() == QLatin1String("plain_btn")) window.Close(7);
    };
    QTimer::singleShot(0, &window, [&] {
        QTest::mouseClick(window.FindControl(QStringLiteral("plain_btn")), Qt::LeftButton);
    });
    EXPECT_EQ(window.ShowModal(), 7);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.CountMessages(WM_DESTROY), 1);
    EXPECT_FALSE(IsWindowAlive(h));
    window.Close(3);  // a second close changes nothing
    EXPECT_EQ(window.CountMessages(WM_DESTROY), 1);
    EXPECT_EQ(window.ShowModal(), -1) << "a closed window cannot be shown modally";
}

TEST(SkinWindow, SystemCloseGoesThroughScCloseThenWmClose) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 300, 600));
    QTimer::singleShot(0, &window, [&] {
        // The window system's close (Alt+F4, the frame's button) arrives as a spontaneous event.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(&window, &close);  // sendEvent would clear the flag
    });
    EXPECT_EQ(window.ShowModal(), 0);
    std::vector<unsigned> order;
    for (const SeenMessage& m : window.messages)
        if (m.msg == WM_SYSCOMMAND || m.msg == WM_CLOSE || m.msg == WM_DESTROY) order.push_back(m.msg);
    EXPECT_EQ(order, (std::vector<unsigned>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
}

TEST(SkinWindow, SwallowedWmCloseKeepsTheWindowOpen) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 300, 600));
    window.onMessage = [](unsigned msg, WPARAM, LPARAM, bool& handled) -> LRESULT {
        handled = msg == WM_CLOSE;
        return 0;
    };
    window.show();
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.IsCreated());
    EXPECT_EQ(window.CountMessages(WM_DESTROY), 0);
}

TEST(SkinWindow, DpiTakesOnlySupportedValues) {
    TestWindow window;
    EXPECT_EQ(window.GetDpi(), 96);
    EXPECT_FALSE(window.SetDpi(100));
    EXPECT_EQ(window.GetDpi(), 96);
    EXPECT_TRUE(window.SetDpi(144));
    EXPECT_EQ(window.Scale(30), 45);
}

using MenuTest = ShownWindowTest;

TEST_F(MenuTest, ChosenItemArrivesAs1145WithItsName) {
    std::vector<QString> chosen;
    window.onMessage = [&](unsigned msg, WPARAM w, LPARAM, bool& handled) -> LRESULT {
        if (msg == kMsgMenuCommand) {
            chosen.push_back(*reinterpret_cast<const QString*>(w));
            handled = true;
        }
        return 0;
    };
    QPointer<CMenuWnd> menu = CMenuWnd::CreateMenu(
        window.GetHWND(), QStringLiteral("XML\\Menus\\test_menu.xml"), window.mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(menu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(chosen, (std::vector<QString>{QStringLiteral("about_menu")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.isNull(); }, 2000)) << "the menu goes away after a choice";

    menu = CMenuWnd::CreateMenu(window.GetHWND(), QStringLiteral("XML\\Menus\\test_menu.xml"), QPoint(5, 5));
    ASSERT_TRUE(menu);
    ASSERT_NE(menu->FindItem(QStringLiteral("left_click")), nullptr) << "items of submenus";
    menu->FindItem(QStringLiteral("left_click"))->trigger();
    EXPECT_EQ(chosen.back(), QStringLiteral("left_click"));
    menu->close();

    EXPECT_EQ(CMenuWnd::CreateMenu(window.GetHWND(), QStringLiteral("XML\\Menus\\none.xml"), QPoint()),
              nullptr);
}

TEST_F(MenuTest, TrayIconReportsLeftAndRightClicks) {
    CTrayIcon tray(window.GetHWND(), kMsgTrayIcon, QIcon(), QStringLiteral("tip"));
    emit tray.TrayIcon()->activated(QSystemTrayIcon::Trigger);
    emit tray.TrayIcon()->activated(QSystemTrayIcon::Context);
    emit tray.TrayIcon()->activated(QSystemTrayIcon::MiddleClick);
    std::vector<LPARAM> clicks;
    for (const SeenMessage& m : window.messages)
        if (m.msg == kMsgTrayIcon) clicks.push_back(m.lParam);
    EXPECT_EQ(clicks, (std::vector<LPARAM>{514, 517}));
}
