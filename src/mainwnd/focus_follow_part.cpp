#include "mainwnd/focus_follow_part.h"

#include <QAction>
#include <QPointer>

#include "devices/profile_switch.h"
#include "devices/usb_device.h"
#include "mainwnd/device_part.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "panels/profile/device_profile_ui.h"
#include "shell/app_names.h"
#include "shell/focus_follow_settings.h"
#include "ui/language_table.h"
#include "ui/menu_wnd.h"
#include "ui/tray_icon.h"
#include "util/debug_log.h"

namespace {

bool DeviceOpen(const DeviceSlot& slot) {
    return slot.device && slot.device->CommandChannel().opened.load() != 0 && slot.profilePanel;
}

std::vector<std::vector<std::string>> ProgramsPerProfile(const CProfileList& list) {
    std::vector<std::vector<std::string>> programs;
    for (int i = 0; i < list.Count(); ++i) programs.push_back(list.ProgramsAt(i));
    return programs;
}

QString WaylandText() {
    return CLanguageTable::Instance().Text(
        QStringLiteral("follow_focus_wayland"),
        QStringLiteral("This Wayland session tells no program which window has the focus, so profiles "
                       "cannot follow it. Programs run through XWayland (most games) can still be "
                       "followed from an X session. Binding a profile to a running program is no "
                       "substitute: a program that runs is not the one you are using."));
}

}  // namespace

CFocusFollowPart::CFocusFollowPart(CDevicePart& devices, bool onForThisRun)
    : devices_(devices), onForThisRun_(onForThisRun) {}

CFocusFollowPart::~CFocusFollowPart() {
    *alive_ = false;
    StopWatching();
}

void CFocusFollowPart::OnWindowInit(CMainWnd& wnd) {
    if (onForThisRun_ || ReadFollowFocus()) StartWatching(wnd);
}

void CFocusFollowPart::OnDestroy(CMainWnd&) {
    StopWatching();
}

void CFocusFollowPart::StartWatching(CMainWnd& wnd) {
    if (watcher_) return;
    const FocusBackend backend = CurrentFocusBackend();
    watcher_ = MakeFocusWatcher(backend);
    unavailable_.clear();
    if (!watcher_) {
        unavailable_ =
            backend == FocusBackend::Wayland ? WaylandText() : QStringLiteral("No display to watch.");
        DebugPrintf("profiles cannot follow the focus: %s\n", unavailable_.toLocal8Bit().constData());
        return;
    }
    QPointer<CMainWnd> window(&wnd);
    std::weak_ptr<bool> alive = alive_;
    const bool started = watcher_->Start([this, window, alive](const FocusedWindow& focused) {
        // The watcher's thread: the rest happens on the window's.
        QMetaObject::invokeMethod(
            window.data(),
            [this, window, alive, focused] {
                if (auto on = alive.lock(); on && *on && window) OnFocus(*window, focused);
            },
            Qt::QueuedConnection);
    });
    if (!started) {
        unavailable_ = QString::fromStdString(watcher_->LastError());
        DebugPrintf("profiles cannot follow the focus: %s\n", watcher_->LastError().c_str());
        watcher_.reset();
    }
}

void CFocusFollowPart::StopWatching() {
    if (!watcher_) return;
    watcher_->Stop();
    watcher_.reset();
}

void CFocusFollowPart::OnFocus(CMainWnd& wnd, const FocusedWindow& window) {
    const QString program = QString::fromStdString(FocusedProgramLabel(window));
    for (const auto& owned : devices_.Slots().All()) {
        DeviceSlot& slot = *owned;
        if (!DeviceOpen(slot)) {
            // A device that left mid-switch never reports it done: it starts afresh.
            states_.erase(&slot);
            continue;
        }
        DeviceState& state = states_[&slot];
        const CProfileList& list = slot.profilePanel->ProfileList();
        const int selected = slot.profilePanel->GetSelectedIndex();
        // A profile chosen by hand since the last switch is where the device stands.
        if (!state.switches.InFlight()) state.switches.SetApplied(selected);
        const int bound = BoundProfileFor(ProgramsPerProfile(list), window);
        const int target = DecideFocusSwitch(state.follow, bound, selected, list.ReturnIndex());
        if (target < 0) continue;
        state.reason = bound >= 0 ? program : QString();
        if (state.switches.Request(target)) StartSwitch(wnd, slot, target);
    }
    ShowActive(wnd);
}

void CFocusFollowPart::StartSwitch(CMainWnd& wnd, DeviceSlot& slot, int index) {
    // The same switch as a choice in the profile list, without its delay.
    slot.profilePanel->Select(index, false);
    QPointer<CMainWnd> window(&wnd);
    std::weak_ptr<bool> alive = alive_;
    SwitchToProfileInBackground(*slot.device, slot.profilePanel->GetSelectedId().toStdString(),
                                wiring::ScreenSettingsWrite(wnd),
                                [this, window, alive, &slot](const ProfileSwitchResult&) {
                                    if (auto on = alive.lock(); on && *on && window)
                                        SwitchDone(*window, slot);
                                });
}

void CFocusFollowPart::SwitchDone(CMainWnd& wnd, DeviceSlot& slot) {
    const auto found = states_.find(&slot);
    if (found == states_.end() || !DeviceOpen(slot)) return;
    const int next = found->second.switches.Done();
    if (next >= 0) StartSwitch(wnd, slot, next);
    ShowActive(wnd);
}

void CFocusFollowPart::ShowActive(CMainWnd& wnd) {
    QStringList lines{QString::fromUtf8(AppNames::kWindowTitle)};
    for (const auto& [slotKey, state] : states_) {
        auto* slot = const_cast<DeviceSlot*>(slotKey);
        if (!DeviceOpen(*slot)) continue;
        slot->profilePanel->ShowFocusReason(state.reason);
        const CProfileList& list = slot->profilePanel->ProfileList();
        const int index = list.SelectedIndex();
        if (index < 0 || index >= list.Count()) continue;
        const QString name = QString::fromLocal8Bit(list.Entries()[static_cast<size_t>(index)].name.c_str());
        const QString format = CLanguageTable::Instance().Text(QStringLiteral("profile_for_program"),
                                                               QStringLiteral("%1 (for %2)"));
        lines << slot->productName + QStringLiteral(": ") +
                     (state.reason.isEmpty() ? name : format.arg(name, state.reason));
    }
    if (CTrayIcon* tray = wnd.Tray()) tray->TrayIcon()->setToolTip(lines.join(QLatin1Char('\n')));
}

bool CFocusFollowPart::OnMenuCommand(CMainWnd& wnd, const QString& item) {
    if (item != QLatin1String(kFollowFocusItem)) return false;
    const bool on = !(onForThisRun_ || ReadFollowFocus());
    onForThisRun_ = false;
    if (!StoreFollowFocus(on)) DebugPrintf("cannot store the follow-focus choice\n");
    if (on) {
        StartWatching(wnd);
        if (!unavailable_.isEmpty()) wnd.ShowMessage(unavailable_, false, 0);
    } else {
        // Nothing is watched while the choice is off.
        StopWatching();
        states_.clear();
        for (const auto& slot : devices_.Slots().All())
            if (slot->profilePanel) slot->profilePanel->ShowFocusReason(QString());
    }
    return true;
}

void CFocusFollowPart::OnTrayMenu(CMainWnd& wnd, CMenuWnd& menu) {
    auto* action = new QAction(
        CLanguageTable::Instance().Text(QStringLiteral("follow_focus_menu_text"),
                                        QStringLiteral("Switch profiles with the focused program")),
        &menu);
    action->setObjectName(QLatin1String(kFollowFocusItem));
    action->setCheckable(true);
    action->setChecked(onForThisRun_ || ReadFollowFocus());
    const WindowHandle owner = wnd.GetHWND();
    QObject::connect(action, &QAction::triggered, action, [owner] {
        QString item = QLatin1String(kFollowFocusItem);
        SendWindowMessage(owner, kMsgMenuCommand, reinterpret_cast<WPARAM>(&item), 0);
    });
    QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().first();
    menu.insertAction(first, action);
}
