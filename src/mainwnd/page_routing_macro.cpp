// The macro page of a mouse or keyboard: the macro list commands with their dialogs and
// confirmations, the event rows, recording, and the macro action menu. A saved macro goes to
// its file and, when all macros still fit the device's macro memory, to the device as its
// macro image.
#include <QCursor>

#include "devices/key_assignment_device.h"
#include "devices/usb_device.h"
#include "macros/key_table.h"
#include "macros/macro_capacity.h"
#include "macros/hook_messages.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/file_dialog.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/rules/macro_key_fixup.h"
#include "panels/keyset/keyset_control_ui.h"
#include "panels/macro/macro_control_ui.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "ui/menu_wnd.h"

namespace wiring {
namespace {

constexpr int kConfirmOnly = 0;
constexpr int kConfirmAndCancel = 1;
constexpr int kConfirmed = 1;
constexpr const char* kMacroMenuSkin = "XML\\Menus\\macro_action_menu.xml";

bool Confirm(WiringContext& ctx, const char* textId) {
    return ctx.wnd.ShowMessage(QLatin1String(textId), true, kConfirmAndCancel) == kConfirmed;
}

// The macro names go to the key panel through the device's lists.
void RefreshMacroNames(WiringContext& ctx) {
    if (CVornakelUSBDevice* device = ctx.Device()) device->LoadLists();
}

}  // namespace

CMacroControlUI* MacroPanelOf(DeviceSlot* slot) {
    if (!slot || !slot->page || !KeysOf(slot)) return nullptr;
    auto* panel = slot->page->findChild<CMacroControlUI*>();
    if (panel) panel->SetUserFolder(slot->device->DataFolder());
    return panel;
}

// Checks the capacity, writes the macro file and sends the macros to the device. False (and
// the message) when the macros would not fit: the rows stay as edited, unsaved.
bool SaveMacroAndSend(WiringContext& ctx) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    IKeyAssignmentDevice* keys = KeysOf(ctx.slot);
    if (!panel || !keys || panel->GetSelectedMacroIndex() < 0) return false;
    panel->TakeDelayEdits();
    const std::size_t capacity = keys->MacroCapacityBytes();
    const std::vector<macros::MacroEvent> rows = panel->Rows().Events();
    const macros::CapacityCheck check =
        macros::CheckMacroCapacity(panel->Store(), capacity, panel->GetSelectedMacroIndex(), &rows);
    if (capacity != 0 && !check.Fits()) {
        const QString format = CLanguageTable::Instance().Text(
            QLatin1String(macros::kCapacityMessageId), QLatin1String(macros::kCapacityMessageEnglish));
        ctx.wnd.ShowMessage(
            QString::fromStdString(macros::CapacityMessage(check.overflowUnits, format.toStdString())), false,
            kConfirmOnly);
        return false;
    }
    if (!panel->SaveSelectedMacro()) return false;
    ctx.slot->device->WriteMacros();
    return true;
}

void OnMacroChosen(WiringContext& ctx, int) {
    if (CMacroControlUI* panel = MacroPanelOf(ctx.slot)) panel->LoadSelectedMacro();
}

void OnEventRowChosen(WiringContext& ctx, int) {
    if (CMacroControlUI* panel = MacroPanelOf(ctx.slot)) panel->ShowSelectedEvent();
}

void OnNewMacro(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (!panel) return;
    if (!panel->NewMacro().empty()) {
        RefreshMacroNames(ctx);
        return;
    }
    const macros::MacroResult result = panel->Store().LastResult();
    if (result == macros::MacroResult::NameInUse || result == macros::MacroResult::BadName)
        ctx.wnd.ShowMessage(QStringLiteral("message_text_5"), true, kConfirmOnly);
}

void OnCopyMacro(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (panel && !panel->CopyMacro().empty()) RefreshMacroNames(ctx);
}

void OnDeleteMacro(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    IKeyAssignmentDevice* keys = KeysOf(ctx.slot);
    if (!panel || !keys) return;
    CVornakelUSBDevice& device = *ctx.slot->device;
    const int index = panel->GetSelectedMacroIndex();
    if (index < 0 || !Confirm(ctx, "message_text_4")) return;
    const MacroDeleteFixup fix = FixKeysForDeletedMacro(keys->Assignments(), index);
    if (fix.usesDeleted && !Confirm(ctx, "message_text_2")) return;
    if (panel->DeleteMacro() < 0) return;
    for (size_t i = 0; fix.changed && i < fix.keys.size(); ++i)
        keys->SetAssignment(static_cast<int>(i), fix.keys[i].current);
    if (fix.changed) device.SaveProfile();
    RefreshMacroNames(ctx);
    device.RefreshPage();
    ShowSelectedKeyOnPanel(ctx.slot);
    if (fix.changed) device.WriteCurrentKeyAssignments();
    device.WriteMacros();
}

void OnRenameMacro(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (!panel) return;
    const auto [index, name] = panel->RenameMacro();
    if (index < 0) return;
    if (name.empty()) {
        ctx.wnd.ShowMessage(QStringLiteral("message_text_5"), true, kConfirmOnly);
        return;
    }
    RefreshMacroNames(ctx);
}

void OnImportMacro(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (!panel) return;
    const QString path = AskFileName(&ctx.wnd, FileDialogMode::Open, kMacroFileFilter);
    if (!panel->ImportMacro(path.toStdString()).empty()) RefreshMacroNames(ctx);
}

void OnExportMacro(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (!panel || panel->GetSelectedMacroIndex() < 0) return;
    panel->ExportMacro(AskFileName(&ctx.wnd, FileDialogMode::Save, kMacroFileFilter).toStdString());
}

void OnSaveMacro(WiringContext& ctx, int) {
    SaveMacroAndSend(ctx);
}

void OnCancelMacro(WiringContext& ctx, int) {
    if (CMacroControlUI* panel = MacroPanelOf(ctx.slot)) panel->LoadSelectedMacro();
}

void OnMacroRowCommand(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (!panel) return;
    const QString name = ctx.msg.SenderName().toLower();
    if (name == QLatin1String("macro_btn_up"))
        panel->MoveEventUp();
    else if (name == QLatin1String("macro_btn_down"))
        panel->MoveEventDown();
    else if (name == QLatin1String("macro_btn_uptop"))
        panel->MoveEventToTop();
    else if (name == QLatin1String("macro_btn_downbottom"))
        panel->MoveEventToBottom();
    else if (name == QLatin1String("macro_btn_delete"))
        panel->DeleteEvent();
    else if (name == QLatin1String("macro_btn_deleteall"))
        panel->DeleteAllEvents();
    else if (name == QLatin1String("macro_btn_event_set"))
        panel->ApplyEventEdit();
    else if (name == QLatin1String("macro_btn_event_insert"))
        panel->InsertKeyEvent();
    SaveMacroAndSend(ctx);
}

void OnMacroMove(WiringContext& ctx, int variant) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (panel && panel->InsertMouseEvent(macros::MouseMessage::kMove, variant)) SaveMacroAndSend(ctx);
}

void OnMacroDelayLeft(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (panel && !panel->Recording()) SaveMacroAndSend(ctx);
}

void OnFixedDelayTyped(WiringContext& ctx, int) {
    if (CMacroControlUI* panel = MacroPanelOf(ctx.slot)) panel->UpdateFixedDelay();
}

namespace {

// What the page says about the capture that is running.
CMacroControlUI::CaptureNote NoteOf(capture::CaptureKind kind) {
    switch (kind) {
    case capture::CaptureKind::X11:
        return CMacroControlUI::CaptureNote::X11;
    case capture::CaptureKind::Evdev:
        return CMacroControlUI::CaptureNote::Evdev;
    case capture::CaptureKind::None:
        break;
    }
    return CMacroControlUI::CaptureNote::WindowOnly;
}

}  // namespace

void StartMacroRecording(CMainWnd& wnd, CPageWiringPart& part, int recordMode, int hookMode) {
    CMacroControlUI* panel = MacroPanelOf(wnd.SelectedSlot());
    if (panel)
        panel->StartRecording(recordMode > 0 ? static_cast<macros::RecordMode>(recordMode)
                                             : panel->TimingRecordMode());
    wnd.Hook().Install(0, hookMode, wnd.GetHWND(), 1, 1);
    // Said from the capture that did start: a backend that was offered may still fail.
    if (panel) panel->ShowCaptureNote(NoteOf(wnd.Hook().RunningCapture()));
    part.SetEditingState(wnd, true, false);
}

void OnStartRecording(WiringContext& ctx, int) {
    StartMacroRecording(ctx.wnd, ctx.part, 0, macros::HookMode::kMacro);
}

void OnStopRecording(WiringContext& ctx, int) {
    CMacroControlUI* panel = MacroPanelOf(ctx.slot);
    if (panel) panel->SetRecordingUi(true);
    // Records still on their way from the capture thread are dropped with the installation.
    ctx.wnd.Hook().Uninstall();
    if (panel) {
        panel->FinishRecording();
        panel->ShowCaptureNote(CMacroControlUI::CaptureNote::Hidden);
    }
    ctx.part.SetEditingState(ctx.wnd, true, true);
    SaveMacroAndSend(ctx);
}

void OnMacroRowActivated(WiringContext& ctx, int) {
    if (!MacroPanelOf(ctx.slot)) return;
    ctx.part.OpenMacroMenu(ctx.wnd, QCursor::pos());
}

bool RecordHookEvent(CMainWnd& wnd, const macros::HookRecord& record, macros::RecordPosition position) {
    CMacroControlUI* panel = MacroPanelOf(wnd.SelectedSlot());
    return panel && panel->Record(record, position);
}

// ---- the macro action menu ----

namespace {

struct MenuButton {
    const char* prefix;
    std::uint16_t down;
    int variant;  // the X button variant: 0 back, 1 forward
};
constexpr MenuButton kMenuButtons[] = {
    {"left", macros::MouseMessage::kLeftDown, 0},   {"middle", macros::MouseMessage::kMiddleDown, 0},
    {"right", macros::MouseMessage::kRightDown, 0}, {"forward", macros::MouseMessage::kXDown, 1},
    {"back", macros::MouseMessage::kXDown, 0},
};

struct MenuRecording {
    const char* item;
    int recordMode;  // 0: from the timing option
    int hookMode;
};
constexpr MenuRecording kMenuRecordings[] = {
    {"redio_previous_record_time", 0, macros::HookMode::kMacroPrevious},
    {"redio_previous_constant_time", 2, macros::HookMode::kMacroPrevious},
    {"redio_previous_ignore_time", 3, macros::HookMode::kMacroPrevious},
    {"redio_later_record_time", 0, macros::HookMode::kMacroLater},
    {"redio_later_constant_time", 2, macros::HookMode::kMacroLater},
    {"redio_later_ignore_time", 3, macros::HookMode::kMacroLater},
    {"macro_action_edit", 3, macros::HookMode::kMacroSingle},
};

}  // namespace

bool OnMacroMenuCommand(CMainWnd& wnd, CPageWiringPart& part, const QString& item) {
    for (const MenuRecording& recording : kMenuRecordings) {
        if (item != QLatin1String(recording.item)) continue;
        StartMacroRecording(wnd, part, recording.recordMode, recording.hookMode);
        return true;
    }
    for (const MenuButton& button : kMenuButtons) {
        const QString prefix = QLatin1String(button.prefix) + QLatin1Char('_');
        if (!item.startsWith(prefix)) continue;
        const QString what = item.mid(prefix.size());
        CMacroControlUI* panel = MacroPanelOf(wnd.SelectedSlot());
        if (!panel) return true;
        const auto up = static_cast<std::uint16_t>(button.down + 1);
        if (what == QLatin1String("down") || what == QLatin1String("click"))
            panel->InsertMouseEvent(button.down, button.variant);
        if (what == QLatin1String("up") || what == QLatin1String("click"))
            panel->InsertMouseEvent(up, button.variant);
        TNotifyUI none;
        WiringContext ctx{wnd, part, none, wnd.SelectedSlot()};
        SaveMacroAndSend(ctx);
        return true;
    }
    return false;
}

}  // namespace wiring
