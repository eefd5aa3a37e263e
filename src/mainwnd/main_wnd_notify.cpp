// Notifications of the main window's controls: the caption buttons are the frame's, the
// rest goes to the parts.
#include <QAbstractButton>
#include "shell/app_names.h"
#include "shell/skin_frame.h"
#include "ui/control_names.h"
#include "mainwnd/main_wnd.h"
#include "util/debug_log.h"

namespace {

bool TypeIsOneOf(const TNotifyUI& msg, std::initializer_list<const char*> types) {
    for (const char* type : types)
        if (msg.Is(type)) return true;
    return false;
}

}  // namespace

void CMainWnd::Notify(TNotifyUI& msg) {
    if (!msg.Is(NotifyType::kTimer) && DebugEnabled())
        DebugPrintf("%s %s\n", msg.type.toUtf8().constData(), msg.SenderName().toUtf8().constData());

    if (msg.Is(NotifyType::kWindowInit)) {
        OnWindowInitSequence();
        return;
    }
    if (msg.Is("windowsize")) {
        if (NameEquals(msg.SenderName(), QStringLiteral("root")) && displayChanged_) AdaptLayout();
        return;
    }
    if (msg.Is(NotifyType::kClick) && HandleCaptionClick(msg.SenderName())) return;
    // Pointer and typing notices, and the list's own edit buttons, mean nothing here.
    if (TypeIsOneOf(msg, {"msleave", "msenter", NotifyType::kItemClick, NotifyType::kTextChanged,
                          "click_wpremove", "click_wpedit"}))
        return;
    if (msg.Is(NotifyType::kSetFocus)) {
        // The key-assignment edit takes keys through the input hooks while it has focus.
        if (NameEquals(msg.SenderName(), QStringLiteral("keyset_keyboard_text_edit")))
            SendMessage(kMsgHook, 1, 0);
        return;
    }
    RouteToParts(msg);
}

bool CMainWnd::RouteToParts(TNotifyUI& msg) {
    for (const auto& part : parts_)
        if (part->OnNotify(*this, msg)) return true;
    return false;
}

bool CMainWnd::HandleCaptionClick(const QString& name) {
    auto is = [&name](const char* control) { return NameEquals(name, QLatin1String(control)); };
    if (is("closebtn")) {
        // Ends at once, as it always has: nothing is pending (every change is saved when
        // it is made) and the workers need no orderly stop.
        ExitProcessNow(0);
    } else if (is("nodevice_ok_btn")) {
        HideToTray();
    } else if (is("minbtn")) {
        SysCommand(SC_MINIMIZE);
    } else if (is("maxbtn")) {
        SysCommand(SC_MAXIMIZE);
    } else if (is("restorebtn")) {
        SysCommand(SC_RESTORE);
    } else if (is("skinbtn")) {
        new CSkinFrame(this, skinBtn_);
    } else if (is("setbtn")) {
        OpenSettings(true);
    } else if (is("control_light_status")) {
        ToggleLightControl();
    } else {
        return false;
    }
    return true;
}
