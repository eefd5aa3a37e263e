// Window messages of the input capture: 1054 installs or removes the single-key capture of
// the key panel; the registered hook messages carry the captured keys and buttons to the
// key panel or to the macro being recorded.
#include "mainwnd/device_hook_seam.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/page_wiring_part.h"
#include "util/debug_log.h"

namespace wiring {
namespace {

struct HookRoute {
    const char* name;
    bool keyboard;
    bool single;  // the key panel's capture
    macros::RecordPosition position;
};
constexpr HookRoute kHookRoutes[] = {
    {"WM_HOOK_KEY_SINGLEKEY_MSG", true, true, macros::RecordPosition::Append},
    {"WM_HOOK_KEY_KBMACRO_MSG", true, false, macros::RecordPosition::Append},
    {"WM_HOOK_KEY_KBMACROPREVIOUS_MSG", true, false, macros::RecordPosition::Before},
    {"WM_HOOK_KEY_KBMACROLATER_MSG", true, false, macros::RecordPosition::After},
    {"WM_HOOK_KEY_KBMACROSINGLE_MSG", true, false, macros::RecordPosition::Replace},
    {"WM_HOOK_KEY_MSMACRO_MSG", false, false, macros::RecordPosition::Append},
    {"WM_HOOK_KEY_MSMACROPREVIOUS_MSG", false, false, macros::RecordPosition::Before},
    {"WM_HOOK_KEY_MSMACROLATER_MSG", false, false, macros::RecordPosition::After},
    {"WM_HOOK_KEY_MSMACROSINGLE_MSG", false, false, macros::RecordPosition::Replace},
};

}  // namespace

bool OnHookMessage(CMainWnd& wnd, CPageWiringPart& part, unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kHookInstallMessage) {
        if (wParam == 1)
            part.Hook().Install(0, hookmode::kSingleKey, wnd.GetHWND(), 1, 1);
        else
            part.Hook().Uninstall();
        return true;
    }
    if (msg == RegisterWindowMessage(QStringLiteral("WM_HOOK_KEY_HITKEY_MSG"))) return true;
    for (const HookRoute& route : kHookRoutes) {
        if (msg != RegisterWindowMessage(QLatin1String(route.name))) continue;
        const auto* given = reinterpret_cast<const macros::HookRecord*>(lParam);
        if (!given) return true;
        macros::HookRecord record = *given;
        if (route.keyboard) {
            record.kind = macros::HookKind::Key;
            record.down = wParam == kKeyDownMessage || wParam == kSysKeyDownMessage;
        } else {
            if (route.position == macros::RecordPosition::Append) DebugOutput("WM_HOOK_KEY_MSMACRO\n");
            record.kind = macros::HookKind::Button;
            record.message = static_cast<std::uint16_t>(wParam);
        }
        if (route.single)
            CaptureSingleKey(wnd, record);
        else
            RecordHookEvent(wnd, record, route.position);
        return true;
    }
    return false;
}

}  // namespace wiring
