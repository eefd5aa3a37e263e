// The profile commands of a device page: new, delete, copy, rename, import, export, reset,
// restore defaults, writing the keys, and the delayed switch to a chosen profile.
#include <QFile>
#include <QWidget>

#include "ui/controls.h"
#include "ui/language_table.h"
#include "devices/mouse_device.h"
#include "devices/profile_switch.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/file_dialog.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/rules/page_values.h"
#include "mainwnd/page_wiring_part.h"
#include "panels/profile/device_profile_ui.h"
#include "profiles/profile_list.h"
#include "util/json_file.h"

namespace wiring {
namespace {

constexpr int kConfirmOnly = 0;
constexpr int kConfirmAndCancel = 1;
constexpr int kConfirmed = 1;
constexpr int kMacroWriteFailed = -1;

// A profile file that could not be written must not pass unnoticed: the user would think
// the change was kept.
void ReportProfileResult(WiringContext& ctx, CDeviceProfileUI& panel, int result) {
    if (result != kProfileFileError) return;
    const QString text = CLanguageTable::Instance().Text(QStringLiteral("message_text_profile_file"));
    ctx.wnd.ShowMessage(text + QLatin1Char('\n') + panel.LastError(), false, kConfirmOnly);
}

// What WriteMacros reported, told to the user: -1 a failed write, n > 0 macros that do
// not fit the device (n units too many).
void ReportMacroResult(CMainWnd& wnd, int result) {
    if (result == kMacroWriteFailed) {
        wnd.ShowMessage(QStringLiteral("message_text_7"), true, kConfirmOnly);
    } else if (result > 0) {
        const QString format = CLanguageTable::Instance().Text(QStringLiteral("message_text_16"));
        const std::string text = FormatWithCount(format.toStdString(), result);
        wnd.ShowMessage(QString::fromStdString(text), false, kConfirmOnly);
    }
}

void HideKeyEditor(const DeviceSlot& slot) {
    if (!slot.page) return;
    if (QWidget* editor = FindControl(slot.page, QStringLiteral("KeySetControlItem")))
        editor->setVisible(false);
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A profile file is taken only when it is JSON with a name and an identifier.
bool IsProfileFile(const QString& path) {
    const Json::Value root = CJsonFile().ReadJsonFile(LocalPath(path));
    return root.isObject() && !root["profilename"].isNull() && !root["profileUUID"].isNull();
}

bool Confirm(WiringContext& ctx, const char* textId) {
    return ctx.wnd.ShowMessage(QLatin1String(textId), true, kConfirmAndCancel) == kConfirmed;
}

}  // namespace

void OnNewProfile(WiringContext& ctx, int) {
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!ctx.Device() || !panel) return;
    const int result = panel->NewProfile();
    ReportProfileResult(ctx, *panel, result);
    // The new profile is the one the user goes on to edit: chosen as if from the combo,
    // so that the device switches to it.
    if (result == kProfileDone) panel->Select(panel->ProfileList().Count() - 1, true);
}

void OnDeleteProfile(WiringContext& ctx, int) {
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!ctx.Device() || !panel) return;
    const int index = panel->GetSelectedIndex();
    if (index < 0 || index >= panel->ProfileList().Count()) return;
    // Nothing brings a deleted profile back: ask first, naming it.
    const QString name =
        QString::fromLocal8Bit(panel->ProfileList().Entries()[static_cast<size_t>(index)].name.c_str());
    const QString question = CLanguageTable::Instance()
                                 .Text(QStringLiteral("message_text_profile_delete"))
                                 .replace(QLatin1String("%s"), name);
    if (ctx.wnd.ShowMessage(question, false, kConfirmAndCancel) != kConfirmed) return;
    // Deleting the profile in use moves the panel to another one, which it reports as a
    // choice: the device follows through the profile switch.
    ReportProfileResult(ctx, *panel, panel->DeleteProfile());
}

void OnCopyProfile(WiringContext& ctx, int) {
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!ctx.Device() || !panel) return;
    ReportProfileResult(ctx, *panel, panel->CopyProfile());
}

void OnExportProfile(WiringContext& ctx, int) {
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!ctx.Device() || !panel || panel->GetSelectedIndex() < 0) return;
    const QString path = AskFileName(&ctx.wnd, FileDialogMode::Save, kProfileFileFilter);
    if (path.isEmpty()) return;
    ReportProfileResult(ctx, *panel, panel->ExportProfile(path));
}

void OnImportProfile(WiringContext& ctx, int) {
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!ctx.Device() || !panel || panel->GetSelectedIndex() < 0) return;
    const QString path = AskFileName(&ctx.wnd, FileDialogMode::Open, kProfileFileFilter);
    if (path.isEmpty()) return;
    if (!IsProfileFile(path)) {
        const QString text =
            CLanguageTable::Instance().Text(QStringLiteral("message_text_profile_not_profile"));
        ctx.wnd.ShowMessage(text + QLatin1Char('\n') + path, false, kConfirmOnly);
        return;
    }
    ReportProfileResult(ctx, *panel, panel->ImportProfile(path));
}

void OnRenameProfile(WiringContext& ctx, int) {
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!ctx.Device() || !panel) return;
    const QString name = panel->GetNameEditText();
    if (name.trimmed().isEmpty()) {
        // A click that changes nothing must say why, or the user thinks the button is dead.
        ctx.wnd.ShowMessage(QStringLiteral("message_text_profile_name_empty"), true, kConfirmOnly);
        return;
    }
    const int result = panel->RenameProfile(name);
    if (result == kProfileRefused)
        ctx.wnd.ShowMessage(QStringLiteral("message_text_5"), true, kConfirmOnly);
    else
        ReportProfileResult(ctx, *panel, result);
}

void OnProfileChosen(WiringContext& ctx, int) {
    // A second choice within the delay restarts it: only the last one is switched to. The
    // device is remembered, so that choosing another device meanwhile cannot leave this
    // one on a profile its panel no longer shows.
    ctx.part.ScheduleProfileSwitch(ctx.wnd, ctx.slot);
}

void RunProfileSwitch(CMainWnd& wnd, DeviceSlot* slot) {
    CDeviceProfileUI* panel = ProfilePanelOf(slot);
    if (!slot || !panel) return;
    const int index = panel->GetSelectedIndex();
    if (index < 0) return;
    panel->Select(index, false);
    // The writes run on the device's I/O worker; the page is busy meanwhile.
    SwitchToProfileInBackground(*slot->device, panel->GetSelectedId().toStdString(),
                                ScreenSettingsWrite(wnd));
}

void OnResetProfile(WiringContext& ctx, int) {
    CVornakelUSBDevice* device = ctx.Device();
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!device || !panel) return;
    if (!Confirm(ctx, "message_text_22")) return;
    const int reset = panel->ResetProfile();
    if (reset != kProfileDone) {
        // Nothing was reset: the device keeps what it has.
        ReportProfileResult(ctx, *panel, reset);
        return;
    }
    device->LoadResetProfile();
    device->RefreshPage();
    ctx.WriteSettings();
    // The keyboard's and the mouse's macros go out with the reset profile as well; what
    // did not fit or failed is told the same way for both.
    ReportMacroResult(ctx.wnd, device->WriteMacros());
    device->WriteCurrentKeyAssignments();
    HideKeyEditor(*ctx.slot);
    ctx.part.SetEditingState(ctx.wnd, false, true);
}

void OnRestoreDefaults(WiringContext& ctx, int) {
    CVornakelUSBDevice* device = ctx.Device();
    if (!device) return;
    if (!Confirm(ctx, "message_text_22")) return;
    device->LoadDefaults();
    device->WriteCurrentKeyAssignments();
    ctx.WriteSettings();
}

void OnSaveKeys(WiringContext& ctx, int) {
    CVornakelUSBDevice* device = ctx.Device();
    if (!device) return;
    ReportMacroResult(ctx.wnd, device->WriteMacros());
    device->WriteCurrentKeyAssignments();
    device->SaveProfile();
    ctx.part.SetEditingState(ctx.wnd, false, true);
}

}  // namespace wiring
