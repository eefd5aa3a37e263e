#pragma once
// The input capture the main window installs while a macro is recorded or a key is taken
// for a key assignment. Install(value, mode, window, keyboard flag, hook-library flag) and
// Uninstall() are those of the program's device hook; mode is one of the bits below and
// chooses the registered message each event is sent with:
//   SendWindowMessage(window, RegisterWindowMessage(name of mode), message, lParam)
// where message is the keyboard message (0x0100 down / 0x0101 up) or the mouse message of
// the event, and lParam points to a macros::HookRecord valid during the call only.
//
// Without a system-wide capture the window-only capture stands in: it sees the keys and
// mouse buttons given to this program's windows, and swallows the keys while installed.
#include <QString>
#include <memory>

#include "ui/ui_types.h"
#include "ui/window_messages.h"

namespace hookmode {
inline constexpr int kSingleKey = 1;
inline constexpr int kHitKey = 2;
inline constexpr int kMacro = 4;
inline constexpr int kMacroBefore = 8;
inline constexpr int kMacroAfter = 16;
inline constexpr int kMacroReplace = 32;
}  // namespace hookmode

// Window message that installs (wParam 1) or removes (wParam 0) the capture.
inline constexpr unsigned kHookInstallMessage = 1054;
inline constexpr unsigned kKeyDownMessage = 0x0100;
inline constexpr unsigned kSysKeyDownMessage = 0x0104;
inline constexpr unsigned kKeyUpMessage = 0x0101;

// Registered names of the keyboard and mouse messages of a mode (empty for none).
QString KeyboardHookMessageName(int mode);
QString MouseHookMessageName(int mode);

class IDeviceHook {
public:
    virtual ~IDeviceHook() = default;
    virtual int Install(int value, int mode, WindowHandle window, int keyboardHook, int hookLibrary) = 0;
    virtual int Uninstall() = 0;
    // False when only input given to this program's windows is seen.
    virtual bool SeesWholeDesktop() const = 0;
};

std::unique_ptr<IDeviceHook> MakeWindowOnlyHook();
