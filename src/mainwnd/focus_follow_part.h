#pragma once
// Switches every attached device to the profile bound to the focused program, and back to
// the return profile when the focus leaves the bound programs. The focus watcher runs only
// while the choice is on (stored, or --follow-focus for one run); its reports reach the
// window thread as queued calls. Each device has at most one switch in flight: changes made
// meanwhile collapse into the last one. The tray tool tip and the profile list say which
// profile is active and for which program.
#include <QString>
#include <map>
#include <memory>

#include "focus/focus_rules.h"
#include "focus/focus_watcher.h"
#include "focus/switch_coalescer.h"
#include "mainwnd/main_wnd_part.h"
#include "shell/focus_follow_settings.h"

class CDevicePart;

class CFocusFollowPart final : public IMainWndPart {
public:
    CFocusFollowPart(CDevicePart& devices, bool onForThisRun);
    ~CFocusFollowPart() override;

    void OnWindowInit(CMainWnd& wnd) override;
    bool OnMenuCommand(CMainWnd& wnd, const QString& item) override;
    void OnTrayMenu(CMainWnd& wnd, CMenuWnd& menu) override;
    void OnDestroy(CMainWnd& wnd) override;

    // Handles a focus report as if the watcher had sent it (the watcher's reports end here).
    void OnFocus(CMainWnd& wnd, const FocusedWindow& window);
    bool Watching() const { return watcher_ != nullptr; }
    // Why no watcher runs while the choice is on (a Wayland session, no display); empty
    // otherwise.
    const QString& Unavailable() const { return unavailable_; }

    static constexpr const char* kFollowFocusItem = kFollowFocusCommand;

private:
    struct DeviceState {
        FocusFollowState follow;
        CSwitchCoalescer switches;
        QString reason;  // the program the active profile is for; empty: chosen by hand
    };
    void StartWatching(CMainWnd& wnd);
    void StopWatching();
    void StartSwitch(CMainWnd& wnd, DeviceSlot& slot, int index);
    void SwitchDone(CMainWnd& wnd, DeviceSlot& slot);
    void ShowActive(CMainWnd& wnd);

    CDevicePart& devices_;
    bool onForThisRun_;
    std::unique_ptr<IFocusWatcher> watcher_;
    std::map<const DeviceSlot*, DeviceState> states_;
    QString unavailable_;
    // Keeps queued reports from reaching a part that is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
