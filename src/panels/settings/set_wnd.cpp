#include "panels/settings/set_wnd.h"

#include <QAbstractButton>
#include <QSignalBlocker>
#include "focus/focus_watcher.h"
#include "shell/about_wnd.h"
#include "shell/focus_follow_settings.h"
#include "ui/language_table.h"
#include "shell/app_names.h"
#include "shell/dpi_rule.h"
#include "shell/language_manager.h"
#include "ui/control_names.h"
#include "ui/controls.h"
#include "update/download_paths.h"
#include "update/program_version.h"
#include "panels/settings/circle_progress_ui.h"

namespace {
constexpr int kLanguagePage = 0;
constexpr int kUpdatePage = 1;
constexpr int kCaptionHeight = 44;
}  // namespace

CSetWnd::CSetWnd(QWidget* owner)
    : CSkinWindow(owner), services_(DefaultUpdateServices()), flow_(DefaultDownloadFolder()) {}

CSetWnd::~CSetWnd() {
    StopUpdateThreads();
}

QWidget* CSetWnd::CreateControl(const QString& className, QWidget* parent) {
    if (NameEquals(className, QLatin1String(kCircleProgressClass))) return new CCircleProgressUI(parent);
    return nullptr;
}

void CSetWnd::InitWindow() {
    closeBtn_ = FindControl(QStringLiteral("closebtn"));
    maxBtn_ = FindControl(QStringLiteral("maxbtn"));
    restoreBtn_ = FindControl(QStringLiteral("restorebtn"));
    minBtn_ = FindControl(QStringLiteral("minbtn"));
    menuBtn_ = FindControl(QStringLiteral("menubtn"));
    laterBtn_ = FindControl(QStringLiteral("laterbtn"));
    updateList_ = FindControl(QStringLiteral("device_update_list_info"));
    languageList_ = FindControl(QStringLiteral("Language_combox_info"));
    SetCaptionHeight(kCaptionHeight);
    BindOptionToTab(FindControl<QAbstractButton>(QStringLiteral("set_language_tab_btn")),
                    QStringLiteral("set_tab_layout"), kLanguagePage);
    BindOptionToTab(FindControl<QAbstractButton>(QStringLiteral("set_update_tab_btn")),
                    QStringLiteral("set_tab_layout"), kUpdatePage);
    SetText(FindControl(QStringLiteral("set_version_label")),
            QStringLiteral("%1 %2").arg(QString::fromUtf8(AppNames::kWindowTitle),
                                        QString::fromStdString(ProgramVersionText())));
    resize(kWidth, kHeight);
}

void CSetWnd::SetDpi(int dpi) {
    const int taken = TakeWindowDpi(dpi, GetDpi(), "SET_WND DPI SET ERROR");
    if (taken != GetDpi()) CSkinWindow::SetDpi(taken);
}

void CSetWnd::SetOwner(WindowHandle owner, int languageIndex) {
    owner_ = owner;
    languageIndex_ = languageIndex;
}

void CSetWnd::ShowUpdateBanner() {
    if (QWidget* banner = FindControl(QStringLiteral("update_tishi_layout"))) banner->setVisible(true);
    SetSelected(FindControl(QStringLiteral("set_update_tab_btn")), true);
}

void CSetWnd::FillLanguageList() {
    if (!languageList_) return;
    RemoveAllItems(languageList_);
    for (const LanguageEntry& entry : CLanguageManager::Instance().Entries())
        AddTextItem(languageList_, entry.textId, true);
    SelectItem(languageList_, languageIndex_);
}

void CSetWnd::Notify(TNotifyUI& msg) {
    if (msg.Is(NotifyType::kWindowInit)) {
        FillLanguageList();
        ShowFollowFocus();
        ShowSdkServer();
        StartUpdatePage();
        return;
    }
    const QString name = msg.SenderName();
    if (msg.Is(NotifyType::kClick)) {
        HandleClick(name);
    } else if (msg.Is(NotifyType::kSelectChanged)) {
        if (NameEquals(name, QStringLiteral("check_name_select"))) OnItemTicked(msg.sender);
    } else if (msg.Is(NotifyType::kItemSelect)) {
        if (NameEquals(name, QStringLiteral("Language_combox_info"))) OnLanguageChosen(GetCurSel(msg.sender));
    } else if (msg.Is(NotifyType::kReturn) || msg.Is(NotifyType::kKillFocus)) {
        // A new address takes effect once the user is done with it.
        if (NameEquals(name, QStringLiteral("sdk_address_edit")) &&
            GetText(msg.sender).trimmed() != sdk_.address)
            ApplySdkServer(sdk_.on);
    }
}

bool CSetWnd::HandleClick(const QString& name) {
    if (NameEquals(name, QStringLiteral("closebtn")) || NameEquals(name, QStringLiteral("laterbtn"))) {
        StopUpdateThreads();
        Close(0);
    } else if (NameEquals(name, QStringLiteral("minbtn"))) {
        SysCommand(SC_MINIMIZE);
    } else if (NameEquals(name, QStringLiteral("maxbtn"))) {
        SysCommand(SC_MAXIMIZE);
    } else if (NameEquals(name, QStringLiteral("restorebtn"))) {
        SysCommand(SC_RESTORE);
    } else if (NameEquals(name, QStringLiteral("follow_focus_check"))) {
        // The main window owns the watcher: it stores the choice and starts or stops it.
        QString item = QString::fromLatin1(kFollowFocusCommand);
        if (owner_) SendWindowMessage(owner_, kMsgMenuCommand, reinterpret_cast<WPARAM>(&item), 0);
        ShowFollowFocus();
    } else if (NameEquals(name, QStringLiteral("sdk_server_switch"))) {
        ApplySdkServer(IsSelected(FindControl(QStringLiteral("sdk_server_switch"))));
    } else if (NameEquals(name, QStringLiteral("about_btn"))) {
        if (showAbout_) showAbout_();
    } else if (NameEquals(name, QStringLiteral("set_in_update_wnd_btn"))) {
        if (QWidget* banner = FindControl(QStringLiteral("update_tishi_layout"))) banner->setVisible(false);
        SetSelected(FindControl(QStringLiteral("set_update_tab_btn")), true);
        resize(kWidth, kHeight);
    } else if (NameEquals(name, QStringLiteral("update_fw_and_ap"))) {
        SelectItem(FindControl(QStringLiteral("get_update_tab_layout")), 1);
    } else if (NameEquals(name, QStringLiteral("update_cancel_btn"))) {
        SelectItem(FindControl(QStringLiteral("get_update_tab_layout")), 0);
    } else if (NameEquals(name, QStringLiteral("update_OK_btn"))) {
        OnAcceptUpdates();
    } else {
        return false;  // "menubtn", "homepage_btn" and the rest do nothing
    }
    return true;
}

void CSetWnd::ShowFollowFocus() {
    if (auto* check = qobject_cast<QAbstractButton*>(FindControl(QStringLiteral("follow_focus_check")))) {
        const QSignalBlocker block(check);
        check->setChecked(ReadFollowFocus());
    }
    // A Wayland session names no focused window to any program: said plainly, not hidden.
    if (QWidget* hint = FindControl(QStringLiteral("follow_focus_hint"))) {
        const bool wayland = CurrentFocusBackend() == FocusBackend::Wayland;
        SetText(hint, wayland ? CLanguageTable::Instance().Text(QStringLiteral("follow_focus_wayland"))
                              : QString());
        hint->setVisible(wayland);
    }
}

void CSetWnd::OnLanguageChosen(int index) {
    if (!owner_ || index < 0) return;
    languageIndex_ = index;
    // The main window applies it and tells this window back (3089).
    SendWindowMessage(owner_, kMsgLanguageChanged, static_cast<WPARAM>(index), 0);
}

LRESULT CSetWnd::HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    if (msg == kMsgLanguageChanged) {
        ShowSdkServer();
        ShowPageState();
        ShowItems();
        update();
        return 0;
    }
    if (msg == AppMessages().updater) {
        OnUpdaterMessage(wParam, lParam);
        return 0;
    }
    switch (msg) {
    case WM_CLOSE:
        // Closing waits while an item is being fetched or run.
        if (!flow_.CanClose()) return 0;
        StopUpdateThreads();
        handled = false;
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            StopUpdateThreads();
            PostQuitMessage();
            return 0;
        }
        {
            const bool wasMaximised = isMaximized();
            switch (wParam) {
            case SC_MINIMIZE:
                showMinimized();
                break;
            case SC_MAXIMIZE:
                showMaximized();
                break;
            case SC_RESTORE:
                showNormal();
                break;
            default:
                break;
            }
            if (wasMaximised != isMaximized()) ShowMaximisedState();
        }
        return 0;
    case WM_DPICHANGED:
        CSkinWindow::SetDpi(static_cast<int>(wParam & 0xFFFF));
        if (Root()) Root()->updateGeometry();
        return 0;
    case WM_TIMER:
        if (static_cast<int>(wParam) == busyTimer_ && busyRing_) {
            SetValue(busyRing_, (GetValue(busyRing_) + 5) % 100);
            return 0;
        }
        handled = false;
        return 0;
    default:
        handled = false;
        return 0;
    }
}

void CSetWnd::ShowMaximisedState() {
    const bool maximised = isMaximized();
    if (maxBtn_) maxBtn_->setVisible(!maximised);
    if (restoreBtn_) restoreBtn_->setVisible(maximised);
}
