// The key assignment panel of a mouse page: the function and option choices, apply,
// default and cancel, and the keyboard key capture. Each applied change goes panel ->
// device model -> profile file -> key block of the device.
#include "devices/mouse_device.h"
#include "macros/key_assignment.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/rules/page_values.h"
#include "panels/keyset/keyset_control_ui.h"
#include "shell/app_names.h"
#include "ui/controls.h"

#include <QListWidget>

namespace wiring {
namespace {

constexpr int kConfirmOnly = 0;

bool IsLeft(const KeyAssignHalf& half) {
    return half.type == macros::kLeftButton.type && half.param1 == macros::kLeftButton.param1 &&
           half.param2 == macros::kLeftButton.param2;
}

}  // namespace

CKeySetControlUI* KeyPanelOf(const DeviceSlot* slot) {
    return slot && slot->page ? slot->page->findChild<CKeySetControlUI*>() : nullptr;
}

void ShowSelectedKeyOnPanel(DeviceSlot* slot) {
    CKeySetControlUI* panel = KeyPanelOf(slot);
    if (!panel || !slot->mouse) return;
    const int key = slot->device->SelectedKey();
    const auto& list = slot->mouse->Assignments();
    if (key < 0 || static_cast<size_t>(key) >= list.size()) return;
    if (panel->DeviceKind() == 0) panel->SetDeviceKind(CKeySetControlUI::kMouseKind);
    panel->ShowKey(list[static_cast<size_t>(key)].current, list[static_cast<size_t>(key)].defaults);
    // The title names the button as the Keys list does.
    // (and follows it when the language changes).
    if (QWidget* keys = FindControl(slot->page, QStringLiteral("device_setkeyinfo_list")))
        if (auto* row = qobject_cast<QListWidget*>(keys); row && key < row->count())
            panel->SetTitleSource([list = QPointer<QListWidget>(row), key] {
                return list && key < list->count() ? list->item(key)->text().section(QLatin1Char(':'), 0, 0)
                                                   : QString();
            });
}

void ApplyKeyPanel(WiringContext& ctx) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    CKeySetControlUI* panel = KeyPanelOf(ctx.slot);
    if (!mouse || !panel) return;
    const int key = mouse->SelectedKey();
    if (key < 0 || static_cast<size_t>(key) >= mouse->Assignments().size()) return;
    KeyAssignHalf half = panel->BuildAssignment();
    half.keyIndex = static_cast<uint16_t>(key);
    // The mouse keeps one left button: the last one cannot be given another function.
    if (!IsLeft(half) && IsLastLeftButton(mouse->Assignments(), key)) {
        ctx.wnd.ShowMessage(QStringLiteral("message_text_6"), true, kConfirmOnly);
        panel->SetCapturedKey(mouse->Assignments()[static_cast<size_t>(key)].current);
        panel->ShowCurrent();
        return;
    }
    mouse->SetAssignment(key, half);
    mouse->SaveProfile();
    mouse->WriteCurrentKeyAssignments();
    if (IMousePage* page = ctx.MousePage()) {
        page->ShowKeyAssignments(mouse->Assignments());
        page->ShowKeySetting(key, &mouse->Assignments()[static_cast<size_t>(key)]);
    }
    ctx.part.SetEditingState(ctx.wnd, false, false);
}

void OnKeyListRow(WiringContext& ctx, int) {
    const int row = static_cast<int>(ctx.msg.wParam);
    if (row >= 0) OnKeyButton(ctx, row);
}

void OnKeyFunctionChosen(WiringContext& ctx, int) {
    CKeySetControlUI* panel = KeyPanelOf(ctx.slot);
    if (!panel) return;
    const int function = panel->GetFunctionNumber(GetCurSel(ctx.Sender()));
    panel->ShowFunctionPage(function);
    // The keyboard key waits for the key to be pressed in its field and applied: storing the
    // empty choice at once would leave the button without any function meanwhile.
    if (function != static_cast<int>(macros::KeyFunction::Keyboard))
        ApplyKeyPanel(ctx);
    else
        ctx.part.SetEditingState(ctx.wnd, false, false);  // Apply takes the key
}

void OnKeyOptionChanged(WiringContext& ctx, int) {
    ApplyKeyPanel(ctx);
}

void OnMacroOverChosen(WiringContext& ctx, int) {
    if (CKeySetControlUI* panel = KeyPanelOf(ctx.slot)) panel->ShowRepeatForOverChoice();
    ApplyKeyPanel(ctx);
}

void OnModifierOption(WiringContext& ctx, int option) {
    CKeySetControlUI* panel = KeyPanelOf(ctx.slot);
    if (!panel || !IsSelected(ctx.Sender())) return;
    panel->SetModifierOption(option);
    ApplyKeyPanel(ctx);
}

void OnKeyDefault(WiringContext& ctx, int) {
    CKeySetControlUI* panel = KeyPanelOf(ctx.slot);
    if (!panel) return;
    panel->ShowDefault();
    ctx.part.SetEditingState(ctx.wnd, false, false);
}

void OnKeyCancel(WiringContext& ctx, int) {
    CKeySetControlUI* panel = KeyPanelOf(ctx.slot);
    if (!panel) return;
    panel->ShowCurrent();
    ctx.part.SetEditingState(ctx.wnd, false, true);
}

void OnKeyCaptureFocus(WiringContext& ctx, int) {
    SendWindowMessage(ctx.wnd.GetHWND(), kMsgHook, ctx.msg.type == QLatin1String("setfocus") ? 1 : 0);
}

bool CaptureSingleKey(CMainWnd& wnd, const macros::HookRecord& record) {
    DeviceSlot* slot = wnd.SelectedSlot();
    CKeySetControlUI* panel = KeyPanelOf(slot);
    if (!panel || record.kind != macros::HookKind::Key || !record.down) return false;
    return panel->CaptureKey(record.scan, record.extended);
}

}  // namespace wiring
