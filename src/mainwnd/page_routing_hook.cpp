// Window messages of the input capture: the registered hook messages carry the captured
// keys and buttons to the key panel or to the macro being recorded. lParam points at the
// keyboard or mouse hook record (macros/hook_records.h), valid during the call only. The
// frame itself installs and removes the key panel's capture (kMsgHook).
#include "macros/hook_records.h"
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

bool OnHookMessage(CMainWnd& wnd, CPageWiringPart&, unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (msg == RegisterWindowMessage(QStringLiteral("WM_HOOK_KEY_HITKEY_MSG"))) return true;
    for (const HookRoute& route : kHookRoutes) {
        if (msg != RegisterWindowMessage(QLatin1String(route.name))) continue;
        if (lParam == 0) return true;
        const auto message = static_cast<std::uint32_t>(wParam);
        macros::HookRecord record;
        if (route.keyboard) {
            record = macros::FromKeyboardHook(message,
                                              *reinterpret_cast<const macros::KeyboardHookRecord*>(lParam));
        } else {
            if (route.position == macros::RecordPosition::Append) DebugOutput("WM_HOOK_KEY_MSMACRO\n");
            record =
                macros::FromMouseHook(message, *reinterpret_cast<const macros::MouseHookRecord*>(lParam));
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
