#include "mainwnd/profile_keep_part.h"

#include <QAction>
#include "devices/mouse_device.h"
#include "devices/profile_reapply.h"
#include "devices/profile_switch.h"
#include "hid/protocol/protocol_codes.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"
#include "shell/app_names.h"
#include "shell/profile_keep_settings.h"
#include "ui/language_table.h"
#include "ui/menu_wnd.h"
#include "ui/window_messages.h"
#include "util/debug_log.h"

namespace {

void Reapply(CVornakelMouseDevice& mouse) {
    if (mouse.CommandChannel().opened.load() == 0) return;
    switch (ReapplyProfileIfChanged(mouse, mouse.ProfileName())) {
    case ReapplyOutcome::Unchanged:
        break;
    case ReapplyOutcome::Written:
        DebugPrintf("profile %s written again\n", mouse.ProfileName().c_str());
        break;
    case ReapplyOutcome::Failed:
        DebugPrintf("profile %s could not be written again\n", mouse.ProfileName().c_str());
        break;
    }
}

// A checkable item that reports its name to the owner window as the menu file's items do.
void AddCheckItem(CMenuWnd& menu, QAction* before, WindowHandle owner, const QString& name,
                  const QString& text, bool checked) {
    auto* action = new QAction(text, &menu);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(checked);
    QObject::connect(action, &QAction::triggered, action, [owner, name] {
        QString item = name;
        SendWindowMessage(owner, kMsgMenuCommand, reinterpret_cast<WPARAM>(&item), 0);
    });
    menu.insertAction(before, action);
}

}  // namespace

void KeepSelectedProfile(CVornakelUSBDevice& device) {
    if (!ReadApplyOnArrivalAndResume() || device.CommandChannel().opened.load() == 0) return;
    if (auto* mouse = dynamic_cast<CVornakelMouseDevice*>(&device)) {
        Reapply(*mouse);
        return;
    }
    if (device.ProfileName().empty()) return;
    SwitchToProfileInBackground(device, device.ProfileName(), SettingsWrite{},
                                [profile = device.ProfileName()](const ProfileSwitchResult& result) {
                                    if (result.loaded != 1 || result.settings != kResultOk)
                                        DebugPrintf("profile %s could not be written again\n",
                                                    profile.c_str());
                                });
}

void CProfileKeepPart::OnPowerNotice(CMainWnd&, WPARAM event) {
    if (event != PBT_APMRESUMEAUTOMATIC || !ReadApplyOnArrivalAndResume()) return;
    for (const auto& slot : devices_.Slots().All()) {
        CVornakelUSBDevice* device = slot->device.get();
        // A device busy with I/O (a profile switch, its first read) is kept afterwards.
        if (device) device->WhenIoIdle([device] { KeepSelectedProfile(*device); });
    }
}

bool CProfileKeepPart::OnMenuCommand(CMainWnd&, const QString& item) {
    if (item == QLatin1String(kApplyOnArrivalItem)) {
        StoreApplyOnArrivalAndResume(!ReadApplyOnArrivalAndResume());
        return true;
    }
    if (item == QLatin1String(kApplyAtLoginItem)) {
        if (!StoreApplyAtLogin(!ReadApplyAtLogin()))
            DebugPrintf("cannot change the login entry %s\n",
                        LoginApplyEntryPath().toLocal8Bit().constData());
        return true;
    }
    return false;
}

void CProfileKeepPart::OnTrayMenu(CMainWnd& wnd, CMenuWnd& menu) {
    CLanguageTable& texts = CLanguageTable::Instance();
    QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().first();
    AddCheckItem(menu, first, wnd.GetHWND(), QLatin1String(kApplyOnArrivalItem),
                 texts.Text(QStringLiteral("keep_profile_menu_text"),
                            QStringLiteral("Apply my profile when a device arrives or the computer wakes")),
                 ReadApplyOnArrivalAndResume());
    AddCheckItem(menu, first, wnd.GetHWND(), QLatin1String(kApplyAtLoginItem),
                 texts.Text(QStringLiteral("login_apply_menu_text"),
                            QStringLiteral("Apply my profiles at login (runs kvelmctl apply --all)")),
                 ReadApplyAtLogin());
    menu.insertSeparator(first);
}
