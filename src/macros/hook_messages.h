#pragma once
// The modes of the input hooks and the names their window messages are registered under.
// A mode is a bit value; the keyboard side sends every key with the keyboard message of the
// current mode, the mouse side sends buttons with the mouse message of the macro modes.
#include <optional>
#include <span>
#include <string_view>

namespace macros {

namespace HookMode {
inline constexpr int kSingleKey = 1;  // one key for a key assignment
inline constexpr int kHitKey = 2;
inline constexpr int kMacro = 4;          // append to the macro
inline constexpr int kMacroPrevious = 8;  // insert before the selected row
inline constexpr int kMacroLater = 16;    // insert after the selected row
inline constexpr int kMacroSingle = 32;   // replace the selected row's key or button
inline constexpr int kMouseSingleKey = 256;
inline constexpr int kMouseHitKey = 512;
inline constexpr int kMouseMacro = 1024;
}  // namespace HookMode

namespace HookMessageName {
inline constexpr std::string_view kKeySingleKey = "WM_HOOK_KEY_SINGLEKEY_MSG";
inline constexpr std::string_view kKeyHitKey = "WM_HOOK_KEY_HITKEY_MSG";
inline constexpr std::string_view kKeyMacro = "WM_HOOK_KEY_KBMACRO_MSG";
inline constexpr std::string_view kKeyMacroPrevious = "WM_HOOK_KEY_KBMACROPREVIOUS_MSG";
inline constexpr std::string_view kKeyMacroLater = "WM_HOOK_KEY_KBMACROLATER_MSG";
inline constexpr std::string_view kKeyMacroSingle = "WM_HOOK_KEY_KBMACROSINGLE_MSG";
inline constexpr std::string_view kMouseMacro = "WM_HOOK_KEY_MSMACRO_MSG";
inline constexpr std::string_view kMouseMacroPrevious = "WM_HOOK_KEY_MSMACROPREVIOUS_MSG";
inline constexpr std::string_view kMouseMacroLater = "WM_HOOK_KEY_MSMACROLATER_MSG";
inline constexpr std::string_view kMouseMacroSingle = "WM_HOOK_KEY_MSMACROSINGLE_MSG";
inline constexpr std::string_view kMouSingleKey = "WM_HOOK_MOU_SINGLEKEY_MSG";
inline constexpr std::string_view kMouHitKey = "WM_HOOK_MOU_HITKEY_MSG";
inline constexpr std::string_view kMouKeyboardMacro = "WM_HOOK_MOU_KBMACRO_MSG";
inline constexpr std::string_view kMouMouseMacro = "WM_HOOK_MOU_MSMACRO_MSG";
}  // namespace HookMessageName

// The name of the message a key is sent with in `mode`; none for a mode without one (keys
// are still kept from the window then).
std::optional<std::string_view> KeyMessageName(int mode);
// The name of the message a mouse button is sent with in `mode`: only the four macro modes
// have one.
std::optional<std::string_view> MouseMessageName(int mode);
// Every hook message name, in the order they are registered.
std::span<const std::string_view> AllHookMessageNames();

}  // namespace macros
