// The key assignment panel of a mouse or keyboard page: the function and option choices,
// apply, default and cancel, and the keyboard key capture. Each applied change is one call
// of the device (IKeyAssignmentDevice): model, profile file, key codes of the device.
#include "devices/key_assignment_device.h"
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
#include <QPointer>
#include <functional>

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

IKeyAssignmentDevice* KeysOf(const DeviceSlot* slot) {
    return slot && slot->device ? dynamic_cast<IKeyAssignmentDevice*>(slot->device.get()) : nullptr;
}

namespace {

// The panel's title names the key as the page does, and follows it when the language
// changes: a mouse page by its Keys list row, a keyboard page by the key's own name.
std::function<QString()> KeyTitleSource(const DeviceSlot* slot, int key) {
    if (auto* keys =
            qobject_cast<QListWidget*>(FindControl(slot->page, QStringLiteral("device_setkeyinfo_list"))))
        return [list = QPointer<QListWidget>(keys), key] {
            return list && key < list->count() ? list->item(key)->text().section(QLatin1Char(':'), 0, 0)
                                               : QString();
        };
    QPointer<QWidget> button = FindControl(slot->page, QStringLiteral("key_") + QString::number(key));
    return [button] {
        if (!button) return QString();
        const QString own = button->property("toolTipTitle").toString();
        return own.isEmpty() ? GetText(button) : own;
    };
}

}  // namespace

void ShowSelectedKeyOnPanel(DeviceSlot* slot) {
    CKeySetControlUI* panel = KeyPanelOf(slot);
    IKeyAssignmentDevice* keys = KeysOf(slot);
    if (!panel || !keys) return;
    const int key = slot->device->SelectedKey();
    const auto& list = keys->Assignments();
    if (key < 0 || static_cast<size_t>(key) >= list.size()) return;
    if (panel->DeviceKind() == 0)
        panel->SetDeviceKind(slot->keyboard ? CKeySetControlUI::kKeyboardKind : CKeySetControlUI::kMouseKind);
    panel->ShowKey(list[static_cast<size_t>(key)].current, list[static_cast<size_t>(key)].defaults);
    panel->SetTitleSource(KeyTitleSource(slot, key));
}

void ApplyKeyPanel(WiringContext& ctx) {
    IKeyAssignmentDevice* keys = KeysOf(ctx.slot);
    CKeySetControlUI* panel = KeyPanelOf(ctx.slot);
    if (!keys || !panel) return;
    const int key = ctx.slot->device->SelectedKey();
    if (key < 0 || static_cast<size_t>(key) >= keys->Assignments().size()) return;
    KeyAssignHalf half = panel->BuildAssignment();
    half.keyIndex = static_cast<uint16_t>(key);
    // The mouse keeps one left button: the last one cannot be given another function.
    if (ctx.Mouse() && !IsLeft(half) && IsLastLeftButton(keys->Assignments(), key)) {
        ctx.wnd.ShowMessage(QStringLiteral("message_text_6"), true, kConfirmOnly);
        panel->SetCapturedKey(keys->Assignments()[static_cast<size_t>(key)].current);
        panel->ShowCurrent();
        return;
    }
    keys->ApplyKeyAssignment(key, half);
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
