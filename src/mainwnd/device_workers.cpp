// Two workers of the main window: discovery (thread slot 0) and light synchronisation (8).
// Each waits on its slot's stop event and ends within a moment of it being set. The update
// check (slot 2) belongs to the settings part (settings_part.cpp).
#include "shell/app_names.h"
#include "ui/window_messages.h"
#include "devices/discovery/device_discovery.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"
#include "util/debug_log.h"

namespace {

constexpr int kDiscoverySlot = 0;
constexpr int kLightSyncSlot = 8;

// The light-sync worker sleeps until a synchronised device's lighting changed (or its stop);
// the window then brings the other synchronised devices in step on its own thread, where
// the device objects live.
void RunLightSync(const StopEvent& stop, CLightSyncRequests& requests, WindowHandle window) {
    while (const std::optional<int> source = requests.WaitNext(stop))
        PostWindowMessage(window, kMsgLightSyncFollow, static_cast<WPARAM>(*source), 0);
    DebugOutput("同步灯光线程设定退出\n");
}

}  // namespace

void CDevicePart::StartWorkers() {
    CMainWnd& wnd = *wnd_;
    const WindowHandle window = wnd.GetHWND();
    std::shared_ptr<CInterfaceSlots> table = interfaceSlots_;
    wnd.StartThread(kDiscoverySlot, [window, table](const StopEvent& stop) {
        DiscoveryHooks hooks;
        // Blocking sends: the worker goes on once the window has handled the report, and
        // a report given up because the worker is stopping returns at once.
        hooks.arrived = [window, &stop](int slot) {
            return SendWindowMessage(window, kMsgDeviceArrival, static_cast<WPARAM>(slot), 0, &stop) == 1;
        };
        hooks.removed = [window, &stop](int slot) {
            return SendWindowMessage(window, kMsgDeviceRemoval, static_cast<WPARAM>(slot), 0, &stop) == 1;
        };
        // The window is on screen already (it does not wait for the first pass), and one
        // started in the tray stays there.
        hooks.firstPassDone = [] { DebugOutput("first discovery pass done\n"); };
        hooks.probeFailed = [window](const std::string&, HidOpenError error) {
            if (error == HidOpenError::AccessDenied) PostWindowMessage(window, kMsgDeviceAccessDenied, 0, 0);
        };
        RunDeviceDiscovery(*table, stop, hooks);
    });
    std::shared_ptr<CLightSyncRequests> requests = slots_.LightSyncRequests();
    wnd.StartThread(kLightSyncSlot,
                    [requests, window](const StopEvent& stop) { RunLightSync(stop, *requests, window); });
}
