#pragma once
// The page wiring of the main window, added to CMainWnd as a part (main_wnd_part.h) after
// the device part: it turns the notifications of the device pages and their panels into
// operations on the device they belong to, and runs the profile commands.
//
//   - window init: binds each device slot's profile panel (kind, folders, list, first tab)
//     and gives the device the selected profile, so its first read loads it;
//   - notifications: the routing table (page_routes.cpp) with the handlers by page (Enter
//     in an edit box runs its focus-out row: edit_commit.h):
//     page_routing_mouse.cpp (DPI stages, polling rate, system values, setting pages),
//     page_routing_light.cpp (the lighting chain), page_routing_tabs.cpp (function tabs,
//     key selection, the editing state), profile_commands.cpp (profile buttons, reset,
//     defaults, the delayed profile switch on kTimerProfileSwitch);
//   - the editing state (SetEditingState) that recordings and the key panel use.
//
// A notification acts on the device whose page holds the control (the selected device as
// a rule); rows for another device kind, or without a device, do nothing. Everything runs
// on the user-interface thread.
#include <QPointer>
#include <memory>
#include <vector>

#include "mainwnd/edit_commit.h"
#include "mainwnd/main_wnd_part.h"
#include "mainwnd/rules/name_match.h"
#include "ui/menu_wnd.h"

struct DeviceSlot;
class QPoint;

class CPageWiringPart final : public IMainWndPart {
public:
    static constexpr int kTimerProfileSwitch = 1055;
    static constexpr int kProfileSwitchDelayMs = 400;

    static constexpr const char* kMacroActionMenu = "XML\\Menus\\macro_action_menu.xml";

    CPageWiringPart();
    ~CPageWiringPart() override;

    // ---- IMainWndPart ----
    // Binds the profile and shoot panels of a page built on its device's first arrival.
    void OnDevicePageBuilt(CMainWnd& wnd, DeviceSlot& slot) override;
    bool OnTimer(CMainWnd& wnd, int id) override;
    bool OnNotify(CMainWnd& wnd, TNotifyUI& msg) override;
    // Message 1054 and the hook messages (page_routing_hook.cpp).
    bool OnMessage(CMainWnd& wnd, unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // The items of the macro action menu.
    bool OnMenuCommand(CMainWnd& wnd, const QString& item) override;
    void OnDestroy(CMainWnd& wnd) override;

    // Opens the macro action menu at a screen point, closing one still open.
    void OpenMacroMenu(CMainWnd& wnd, QPoint at);
    CMenuWnd* MacroMenu() const { return macroMenu_; }

    // Enables or disables the device bar and the profile panel (includeBar) and the key
    // panel's save, cancel and write buttons (enabled while not idle) of the selected
    // keyboard or mouse, then stores idle. Idle is false while a recording runs or the key
    // panel holds changes not yet written.
    void SetEditingState(CMainWnd& wnd, bool includeBar, bool idle);
    bool Idle() const { return idle_; }

    // Gives the slot's profile panel its kind and folders, loads its list, selects the first
    // feature tab and hands the selected profile to the device. Nothing when the slot has a
    // profile name already (it was bound) or its page has no panel.
    static void BindProfilePanel(DeviceSlot& slot);

    // A profile was chosen in the slot's panel: (re)starts kTimerProfileSwitch, after which the
    // slot's device switches to the panel's choice. Choices on several devices within the
    // delay all take effect; on one device only the last.
    void ScheduleProfileSwitch(CMainWnd& wnd, DeviceSlot* slot);

private:
    // Enter in an edit box commits it as leaving it does (edit_commit.h).
    bool CommitOnReturn(CMainWnd& wnd, TNotifyUI& msg);
    bool Dispatch(CMainWnd& wnd, TNotifyUI& msg);
    static wiring::RouteMatch FindRouteOf(const TNotifyUI& msg);
    void Run(CMainWnd& wnd, TNotifyUI& msg, const wiring::RouteMatch& match);

    bool idle_ = true;
    CEditCommit editCommit_;
    QPointer<CMenuWnd> macroMenu_;
    std::vector<DeviceSlot*> pendingSwitches_;  // slots live as long as the window
};
