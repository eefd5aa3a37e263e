// Window messages of the main window. The upper group is handled at all times; the lower
// group (display, timers, tray, menus, language, device and hook messages) is ignored
// while the system sleeps.
#include <QWidget>
#include "macros/hook_messages.h"
#include "shell/about_wnd.h"
#include "shell/app_names.h"
#include "ui/controls.h"
#include "ui/skin_style.h"
#include "ui/tray_icon.h"
#include "mainwnd/main_wnd.h"
#include "util/debug_log.h"

LRESULT CMainWnd::HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    LRESULT result = 0;
    handled = HandleUpperMessage(msg, wParam, lParam, &result);
    if (handled) return result;
    if (asleep_) {
        // Asleep: nothing but closing reaches the window (WM_CLOSE and the system
        // commands take the base window's way).
        handled = msg != WM_CLOSE && msg != WM_SYSCOMMAND;
        return 0;
    }
    handled = HandleLowerMessage(msg, wParam, lParam, &result);
    return result;
}

bool CMainWnd::HandleUpperMessage(unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    const AppMessageNumbers& app = AppMessages();
    switch (msg) {
    case WM_ACTIVATE:
        windowActive_ = wParam != 0;
        attention_ = windowActive_ ? 1 : 0;
        TellDevices(DeviceFlag::Attention, attention_);
        return false;
    case WM_MOUSELEAVE:
        DebugOutput("鼠标移出\n");
        if (!windowActive_) {
            attention_ = 0;
            TellDevices(DeviceFlag::Attention, attention_);
        }
        return false;
    case WM_MOUSEHOVER:
        DebugOutput("鼠标移入\n");
        if (!windowActive_) {
            attention_ = 1;
            TellDevices(DeviceFlag::Attention, attention_);
        }
        return false;
    case WM_DESTROY:
        DebugOutput("退出测试\n");
        tray_.reset();
        for (const auto& part : parts_) part->OnDestroy(*this);
        ShutdownThreads();
        PostQuitMessage();
        return true;
    case WM_POWERBROADCAST:
        OnPowerBroadcast(wParam);
        for (const auto& part : parts_) part->OnPowerNotice(*this, wParam);
        return true;
    default:
        break;
    }
    if (msg == app.instance) {
        DebugPrintf("软件标示 %d，%xd%xd\n", msg, static_cast<unsigned>(wParam),
                    static_cast<unsigned>(lParam));
        BringForward();
        return true;
    }
    if (msg == app.updater) {
        if (settingsWnd_) PostWindowMessage(settingsWnd_, msg, wParam, lParam);
        return true;
    }
    if (msg == app.lightControlRequest) {
        OnLightControlRequest(wParam, lParam);
        return true;
    }
    return false;
}

bool CMainWnd::HandleLowerMessage(unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    switch (msg) {
    case WM_DISPLAYCHANGE:
        DebugOutput("显示器分辨率发生变化\n");
        displayChanged_ = true;
        AdaptLayout();
        return true;
    case WM_TIMER:
        OnTimer(static_cast<int>(wParam));
        return true;
    case WM_DPICHANGED:
        SetDpi(static_cast<int>(wParam & 0xFFFF));
        CenterWindow();
        Relayout();
        DebugOutput("界面 DPI 发生变化\n");
        return true;
    case kMsgTrayIcon:
        if (lParam == WM_LBUTTONUP)
            TrayToggle();
        else if (lParam == WM_RBUTTONUP)
            SetTimer(kTimerTrayMenu, 10);
        return true;
    case kMsgMenuCommand:
        if (wParam) OnMenuCommand(*reinterpret_cast<const QString*>(wParam));
        return true;
    case kMsgDpiNotice:
        DebugOutput("界面 DPI 1发生变化\n");
        return true;
    case kMsgShowSettingProgress:
        if (QWidget* progress = FindControl(QStringLiteral("setting_progress"))) progress->setVisible(true);
        return true;
    case kMsgLanguageChanged:
        ApplyLanguageIndex(static_cast<int>(wParam));
        for (const auto& part : parts_) part->OnLanguageApplied(*this, static_cast<int>(wParam));
        return true;
    case kMsgOpenSettings:
        OpenSettings(false);
        return true;
    case kMsgHook:
        if (wParam == 1)
            hook_.Install(0, macros::HookMode::kSingleKey, GetHWND(), 1, 1);
        else if (wParam == 0)
            hook_.Uninstall();
        return true;
    case kMsgClearUpdateBadge:
        SetForegroundImage(qobject_cast<QAbstractButton*>(setBtn_), QString());
        return true;
    default:
        break;
    }
    // Closing and the system commands are the base window's.
    if (msg == WM_CLOSE || msg == WM_SYSCOMMAND) return false;
    for (const auto& part : parts_)
        if (part->OnMessage(*this, msg, wParam, lParam, result)) return true;
    return false;
}

void CMainWnd::OnTimer(int id) {
    switch (id) {
    case kTimerLayout:
        KillTimer(kTimerLayout);
        AdaptLayout();
        update();
        if (frameShowsWindow_) {
            frameShowsWindow_ = false;
            BringForward();
        }
        return;
    case kTimerTrayMenu:
        KillTimer(kTimerTrayMenu);
        OpenTrayMenu();
        return;
    default:
        for (const auto& part : parts_)
            if (part->OnTimer(*this, id)) return;
        return;
    }
}
