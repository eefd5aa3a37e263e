// The window-only input capture: an application event filter that turns the key and mouse
// button events of this program's windows into hook records and sends them to the window.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "macros/hook_record.h"
#include "macros/key_table.h"
#include "macros/linux_keys.h"
#include "mainwnd/device_hook_seam.h"
#include "ui/window_messages.h"

namespace {

// X11 key codes are the Linux input codes plus 8.
constexpr quint32 kX11KeycodeOffset = 8;

struct ModeNames {
    int mode;
    const char* keyboard;
    const char* mouse;
};
constexpr ModeNames kModeNames[] = {
    {hookmode::kSingleKey, "WM_HOOK_KEY_SINGLEKEY_MSG", "WM_HOOK_MOU_SINGLEKEY_MSG"},
    {hookmode::kHitKey, "WM_HOOK_KEY_HITKEY_MSG", "WM_HOOK_MOU_HITKEY_MSG"},
    {hookmode::kMacro, "WM_HOOK_KEY_KBMACRO_MSG", "WM_HOOK_KEY_MSMACRO_MSG"},
    {hookmode::kMacroBefore, "WM_HOOK_KEY_KBMACROPREVIOUS_MSG", "WM_HOOK_KEY_MSMACROPREVIOUS_MSG"},
    {hookmode::kMacroAfter, "WM_HOOK_KEY_KBMACROLATER_MSG", "WM_HOOK_KEY_MSMACROLATER_MSG"},
    {hookmode::kMacroReplace, "WM_HOOK_KEY_KBMACROSINGLE_MSG", "WM_HOOK_KEY_MSMACROSINGLE_MSG"},
};

std::uint16_t DownMessageOf(Qt::MouseButton button, int* xButton) {
    *xButton = 0;
    switch (button) {
    case Qt::LeftButton:
        return macros::MouseMessage::kLeftDown;
    case Qt::RightButton:
        return macros::MouseMessage::kRightDown;
    case Qt::MiddleButton:
        return macros::MouseMessage::kMiddleDown;
    case Qt::BackButton:
        *xButton = macros::kXButtonBack;
        return macros::MouseMessage::kXDown;
    case Qt::ForwardButton:
        *xButton = macros::kXButtonForward;
        return macros::MouseMessage::kXDown;
    default:
        return 0;
    }
}

class CWindowOnlyHook final : public QObject, public IDeviceHook {
public:
    ~CWindowOnlyHook() override { Uninstall(); }

    int Install(int, int mode, WindowHandle window, int, int) override {
        Uninstall();
        window_ = window;
        keyMessage_ = RegisterWindowMessage(KeyboardHookMessageName(mode));
        mouseMessage_ =
            MouseHookMessageName(mode).isEmpty() ? 0 : RegisterWindowMessage(MouseHookMessageName(mode));
        if (!qApp || KeyboardHookMessageName(mode).isEmpty()) return 0;
        qApp->installEventFilter(this);
        installed_ = true;
        return 1;
    }

    int Uninstall() override {
        if (!installed_) return 0;
        if (qApp) qApp->removeEventFilter(this);
        installed_ = false;
        return 1;
    }

    bool SeesWholeDesktop() const override { return false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;  // each event once, at its widget
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return OnKey(static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            OnMouse(static_cast<QMouseEvent*>(event));
            return false;
        default:
            return false;
        }
    }

private:
    bool OnKey(QKeyEvent* event) {
        const auto identity = event->nativeScanCode() > kX11KeycodeOffset
                                  ? macros::IdentityOfLinuxKey(static_cast<std::uint16_t>(
                                        event->nativeScanCode() - kX11KeycodeOffset))
                                  : std::nullopt;
        if (!identity) return true;
        macros::HookRecord record;
        record.kind = macros::HookKind::Key;
        record.down = event->type() == QEvent::KeyPress;
        record.virtualKey = identity->virtualKey;
        record.scan = identity->scan;
        record.extended = identity->extended;
        record.timeMs = macros::MonotonicMilliseconds();
        SendWindowMessage(window_, keyMessage_, record.down ? kKeyDownMessage : kKeyUpMessage,
                          reinterpret_cast<LPARAM>(&record));
        return true;  // the key is taken, not typed
    }

    void OnMouse(QMouseEvent* event) {
        if (mouseMessage_ == 0) return;
        macros::HookRecord record;
        record.kind = macros::HookKind::Button;
        record.down = event->type() == QEvent::MouseButtonPress;
        const std::uint16_t down = DownMessageOf(event->button(), &record.xButton);
        if (down == 0) return;
        record.message = static_cast<std::uint16_t>(record.down ? down : down + 1);
        const QPoint at = event->globalPosition().toPoint();
        record.x = at.x();
        record.y = at.y();
        record.timeMs = macros::MonotonicMilliseconds();
        SendWindowMessage(window_, mouseMessage_, record.message, reinterpret_cast<LPARAM>(&record));
    }

    WindowHandle window_ = 0;
    unsigned keyMessage_ = 0;
    unsigned mouseMessage_ = 0;
    bool installed_ = false;
};

}  // namespace

QString KeyboardHookMessageName(int mode) {
    for (const ModeNames& names : kModeNames)
        if (names.mode == mode) return QLatin1String(names.keyboard);
    return {};
}

QString MouseHookMessageName(int mode) {
    for (const ModeNames& names : kModeNames)
        if (names.mode == mode && mode >= hookmode::kMacro) return QLatin1String(names.mouse);
    return {};
}

std::unique_ptr<IDeviceHook> MakeWindowOnlyHook() {
    return std::make_unique<CWindowOnlyHook>();
}
