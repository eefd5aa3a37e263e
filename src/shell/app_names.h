#pragma once
// Fixed names of the program: the window title, the names its window messages are
// registered under, and the message numbers its windows exchange.
#include "ui/ui_types.h"

namespace AppNames {
// The main window's title; also the name of the user data folder and of the settings group.
inline constexpr const char* kWindowTitle = "KV_ELM Gaming mouse";
// Sent to the running instance by a second start (wParam 0, lParam 1) and posted by the
// discovery thread after its first pass: the main window comes forward.
inline constexpr const char* kInstanceMessage = "KV_ELM Gaming mouse_001";
// The single-instance lock: the name of the running instance's local socket.
inline constexpr const char* kInstanceLock = "KV_ELM Gaming mouse_TOLVA";
// Sent by an outside updater program; the main window passes it on to the settings window.
inline constexpr const char* kUpdaterMessage = "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}";
// Broadcast by the main window: whether this program drives the device lights (wParam 1,
// lParam the flag).
inline constexpr const char* kLightControlBroadcast = "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}";
// Sent by another program with wParam 1: lParam 0 asks us to stop driving the lights,
// lParam 1 to drive them again.
inline constexpr const char* kLightControlRequest = "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}";
}  // namespace AppNames

// Window message numbers the program's windows exchange.
constexpr unsigned kMsgHook = 1054;       // wParam 0 removes, 1 installs the input hooks
constexpr unsigned kMsgDpiNotice = 1224;  // only noted on the debug output
constexpr unsigned kMsgShowSettingProgress = 3072;
constexpr unsigned kMsgLanguageChanged = 3089;   // wParam = language index (0 from the main window)
constexpr unsigned kMsgDeviceArrival = 3090;     // wParam = interface slot
constexpr unsigned kMsgDeviceRemoval = 3091;     // wParam = interface slot
constexpr unsigned kMsgOpenSettings = 3093;      // open the settings window centred
constexpr unsigned kMsgClearUpdateBadge = 3094;  // remove the new-update mark of "setbtn"

// Power notices (WM_POWERBROADCAST) with their wParam values.
constexpr unsigned WM_POWERBROADCAST = 0x0218;
constexpr WPARAM PBT_APMSUSPEND = 4;
constexpr WPARAM PBT_APMRESUMEAUTOMATIC = 18;

// The registered numbers of the names above, registered on first use (the same numbers
// everywhere in the process). RegisterAppMessages registers them in the program's order:
// the instance message, then the updater message, the light-control broadcast and the
// light-control request.
struct AppMessageNumbers {
    unsigned instance = 0;
    unsigned updater = 0;
    unsigned lightControlBroadcast = 0;
    unsigned lightControlRequest = 0;
};
const AppMessageNumbers& AppMessages();
