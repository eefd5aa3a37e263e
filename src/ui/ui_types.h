#pragma once
// Basic types of the UI layer: message parameters, the window message numbers the layer
// raises or understands, and the notification that controls send to their window.
//
// A notification is {type, sender, wParam, lParam}. The layer turns widget signals into
// notifications (see control_wiring.h for which user action raises which type) and
// delivers each one synchronously to the nearest ancestor of the sender that implements
// INotifyUI (normally the CSkinWindow the control lives in).
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Window messages the layer raises itself (numbers as the program has always used them).
constexpr unsigned WM_DESTROY = 0x0002;        // Close(): the window is going away
constexpr unsigned WM_ACTIVATE = 0x0006;       // wParam 1 activated, 0 deactivated
constexpr unsigned WM_CLOSE = 0x0010;          // a close request (swallow it to keep the window open)
constexpr unsigned WM_DISPLAYCHANGE = 0x007E;  // a screen of the window changed its geometry
constexpr unsigned WM_SYSCOMMAND = 0x0112;     // wParam one of the SC_ values below
constexpr unsigned WM_TIMER = 0x0113;          // window timer, wParam = timer id
constexpr unsigned WM_LBUTTONUP = 0x0202;      // lParam of the tray message: left button up
constexpr unsigned WM_RBUTTONUP = 0x0205;      // lParam of the tray message: right button up
constexpr unsigned WM_MOUSEHOVER = 0x02A1;     // the pointer entered the window
constexpr unsigned WM_MOUSELEAVE = 0x02A3;     // the pointer left the window
constexpr unsigned WM_DPICHANGED = 0x02E0;     // wParam low word = the new DPI
constexpr unsigned WM_USER = 0x0400;

constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_RESTORE = 0xF120;

// Sent by a tray icon to its owner window: wParam 0, lParam WM_LBUTTONUP or WM_RBUTTONUP.
constexpr unsigned kMsgTrayIcon = 1025;
// Sent by a menu to its owner window: wParam is a `const QString*` holding the chosen
// item's name, valid only during the call; lParam 0.
constexpr unsigned kMsgMenuCommand = 1145;

// Notification types raised by the layer.
namespace NotifyType {
inline constexpr const char* kClick = "click";
inline constexpr const char* kSelectChanged = "selectchanged";
inline constexpr const char* kItemSelect = "itemselect";
inline constexpr const char* kItemActivate = "itemactivate";
inline constexpr const char* kItemClick = "itemclick";
inline constexpr const char* kValueChanged = "valuechanged";
inline constexpr const char* kMoveValueChanged = "movevaluechanged";
inline constexpr const char* kSetFocus = "setfocus";
inline constexpr const char* kKillFocus = "killfocus";
inline constexpr const char* kTextChanged = "textchanged";
inline constexpr const char* kReturn = "return";
inline constexpr const char* kMenu = "menu";
inline constexpr const char* kTimer = "timer";
inline constexpr const char* kWindowInit = "windowinit";
}  // namespace NotifyType

struct TNotifyUI {
    QString type;              // "click", "selectchanged", ...
    QPointer<QWidget> sender;  // the control that raised it (null if it is gone)
    WPARAM wParam = 0;
    LPARAM lParam = 0;

    // The sender's objectName, empty when the sender is gone.
    QString SenderName() const { return sender ? sender->objectName() : QString(); }
    // Type compared without regard to case.
    bool Is(const char* t) const { return type.compare(QLatin1String(t), Qt::CaseInsensitive) == 0; }
};

// Receives the notifications of the controls below it.
class INotifyUI {
public:
    virtual ~INotifyUI() = default;
    virtual void Notify(TNotifyUI& msg) = 0;
};

// A control that implements this gets its control timers (SetTimer in control_timers.h)
// itself instead of a "timer" notification to its window.
class IControlTimerTarget {
public:
    virtual ~IControlTimerTarget() = default;
    virtual void OnControlTimer(int id) = 0;
};
