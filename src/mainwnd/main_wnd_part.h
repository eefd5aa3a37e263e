#pragma once
// A part of the main window added by another module (the devices and their pages, the
// settings window). The frame (CMainWnd) owns the window, its caption, tray, language,
// skin, layout and thread table; everything about devices comes in through parts.
//
// Parts are added with CMainWnd::AddPart before the window is created, and are asked in
// the order they were added; the first that returns true has handled the matter.
#include <QString>
#include "ui/ui_types.h"

class CMainWnd;
class CMenuWnd;
struct DeviceSlot;

// What the main window tells every device (mice, mouse pads and keyboards, in that order;
// headsets are not told).
enum class DeviceFlag {
    LightControl,  // 1: this program drives the device lights, 0: it leaves them alone
    Attention      // 1: the window is active or under the pointer, 0: it is not
};

class IMainWndPart {
public:
    virtual ~IMainWndPart() = default;

    // Control classes of the main window's skins that the part creates itself
    // ("VornakelMouseDevice", "CircleProgress", ...); nullptr: not the part's.
    virtual QWidget* CreateControl(CMainWnd& wnd, const QString& className, QWidget* parent) {
        (void)wnd, (void)className, (void)parent;
        return nullptr;
    }
    // Once the window exists (after the frame found its controls and made its tray icon).
    virtual void OnInitWindow(CMainWnd& wnd) { (void)wnd; }
    // The window-init sequence, after the light-control broadcast and the language: make
    // the device slots and start the workers here (CMainWnd::StartThread). A part that
    // starts the discovery worker in slot 0 takes over showing the window (post the
    // instance message to it after the first pass); without one the frame shows it.
    virtual void OnWindowInit(CMainWnd& wnd) { (void)wnd; }
    // Window messages the frame does not handle itself (kMsgDeviceArrival, kMsgDeviceRemoval, kMsgHook, hook
    // messages,
    // ...). They never arrive while the system sleeps. True when handled; *result is the
    // message's result.
    virtual bool OnMessage(CMainWnd& wnd, unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        (void)wnd, (void)msg, (void)wParam, (void)lParam, (void)result;
        return false;
    }
    // Window timers the frame does not own (kTimerLayout and kTimerTrayMenu are the frame's).
    virtual bool OnTimer(CMainWnd& wnd, int id) {
        (void)wnd, (void)id;
        return false;
    }
    // Notifications of the page controls: clicks other than the caption's, "selectchanged",
    // "valuechanged", "movevaluechanged", "itemselect", "killfocus", "colorchanged",
    // "click_select_end", "itemactivate", "return", "menu" and any custom type.
    virtual bool OnNotify(CMainWnd& wnd, TNotifyUI& msg) {
        (void)wnd, (void)msg;
        return false;
    }
    // Menu items other than "exit", "about_menu" and "setwnd_menu".
    virtual bool OnMenuCommand(CMainWnd& wnd, const QString& item) {
        (void)wnd, (void)item;
        return false;
    }
    // The tray menu was just built: a part may add items to it. Its items report their
    // names through OnMenuCommand like the menu file's items.
    virtual void OnTrayMenu(CMainWnd& wnd, CMenuWnd& menu) { (void)wnd, (void)menu; }
    // Opens the settings window: docked beside the main window (from "setbtn") or centred
    // (tray menu, kMsgOpenSettings). The part tells the frame the window's handle while it is
    // open (CMainWnd::SetSettingsWindow).
    virtual bool OpenSettings(CMainWnd& wnd, bool docked) {
        (void)wnd, (void)docked;
        return false;
    }
    // The system is going to sleep (PBT_APMSUSPEND) or woke up (PBT_APMRESUMEAUTOMATIC);
    // told after the frame handled it.
    virtual void OnPowerNotice(CMainWnd& wnd, WPARAM event) { (void)wnd, (void)event; }
    // A flag every device reads (see DeviceFlag).
    virtual void OnDeviceFlag(CMainWnd& wnd, DeviceFlag flag, int value) {
        (void)wnd, (void)flag, (void)value;
    }
    // A device's page was built: pages are built when their device first arrives, so a
    // part binds its panels on a page here (the profile panel, the shoot panel).
    virtual void OnDevicePageBuilt(CMainWnd& wnd, DeviceSlot& slot) { (void)wnd, (void)slot; }
    // After kMsgLanguageChanged applied a language: mice and keyboards refresh their texts.
    virtual void OnLanguageApplied(CMainWnd& wnd, int index) { (void)wnd, (void)index; }
    // Whether any device-bar entry is visible ("No_device_Link" shows when none is).
    virtual bool AnyDeviceEntryVisible(const CMainWnd& wnd) const {
        (void)wnd;
        return false;
    }
    // WM_DESTROY, before the frame stops the threads of its table.
    virtual void OnDestroy(CMainWnd& wnd) { (void)wnd; }
};
