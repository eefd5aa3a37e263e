// The keyboard page's own controls: the system values (polling rate, lock flags, key
// repeat), the repeat test field and the custom key colours of lighting mode 8 (painted
// by a click on a key or by a rubber-band selection over the keys).
#include "devices/keyboard_device.h"
#include "devices/keyboard_operations.h"
#include "devices/keyboard_system_stages.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/page_routing.h"
#include "panels/keyboardpage/keyboard_page.h"
#include "ui/controls.h"

namespace wiring {
namespace {

constexpr int kLightingFunction = 1;

CVornakelKeyboardDevice* Keyboard(const WiringContext& ctx) {
    return ctx.slot && ctx.slot->keyboard && ctx.slot->device->DeviceKind() == 1 ? ctx.slot->keyboard
                                                                                 : nullptr;
}

CKeyboardPage* KeyboardPageOf(const WiringContext& ctx) {
    CVornakelKeyboardDevice* keyboard = Keyboard(ctx);
    return keyboard ? dynamic_cast<CKeyboardPage*>(keyboard->KeyboardPage()) : nullptr;
}

void SetStage(WiringContext& ctx, int index, int value) {
    if (CVornakelKeyboardDevice* keyboard = Keyboard(ctx))
        SetKeyboardStage(*keyboard, index, static_cast<std::uint16_t>(value));
}

// The LED strips show the colours the keys carry now.
void ShowKeyColours(const WiringContext& ctx) {
    if (CVornakelKeyboardDevice* keyboard = Keyboard(ctx)) keyboard->ShowKeyStrips();
}

}  // namespace

bool IsKeyboardSlot(const DeviceSlot* slot) {
    return slot && slot->keyboard && slot->device->DeviceKind() == 1;
}

void OnPollingOptionOfKind(WiringContext& ctx, int option) {
    if (!Keyboard(ctx)) {
        OnPollingOption(ctx, option);
        return;
    }
    // Only the option that became selected tells the choice.
    if (IsSelected(ctx.Sender())) SetStage(ctx, keyboard::Stage::kPollingRate, option);
}

void OnRepeatDelayOption(WiringContext& ctx, int option) {
    CVornakelKeyboardDevice* keyboard = Keyboard(ctx);
    if (!keyboard || !IsSelected(ctx.Sender())) return;
    SetStage(ctx, keyboard::Stage::kRepeatDelay, option);
    // The page shows the option and the delay it stands for.
    if (IKeyboardPage* page = keyboard->KeyboardPage()) page->ShowSystemStages(keyboard->GetSystemStages());
}

void OnRepeatRate(WiringContext& ctx, int) {
    CKeyboardPage* page = KeyboardPageOf(ctx);
    if (!page) return;
    SetStage(ctx, keyboard::Stage::kRepeat, page->RepeatRate());
    page->ShowRepeatRate(page->RepeatRate());
}

void OnKeyboardFlag(WiringContext& ctx, int) {
    CKeyboardPage* page = KeyboardPageOf(ctx);
    if (!page) return;
    const QString name = ctx.msg.SenderName();
    const bool on = IsSelected(ctx.Sender());
    if (name.compare(QLatin1String("winlockflag_option"), Qt::CaseInsensitive) == 0)
        SetStage(ctx, keyboard::Stage::kWinFlag, on);
    else if (name.compare(QLatin1String("wflag_option"), Qt::CaseInsensitive) == 0)
        SetStage(ctx, keyboard::Stage::kWFlag, on);
    else
        SetStage(ctx, keyboard::Stage::kKey6Flag, on);
}

void OnResetRepeatField(WiringContext& ctx, int) {
    if (CKeyboardPage* page = KeyboardPageOf(ctx))
        SetText(FindControl(page, QStringLiteral("repeat_input_richedit")), QString());
}

void OnCustomGroupChosen(WiringContext& ctx, int) {
    CVornakelKeyboardDevice* keyboard = Keyboard(ctx);
    if (!keyboard || !keyboard->KeyboardPage()) return;
    keyboard->ChooseCustomColourGroup(keyboard->KeyboardPage()->CustomGroup());
    ShowKeyColours(ctx);
}

void OnFillCustomColours(WiringContext& ctx, int) {
    CVornakelKeyboardDevice* keyboard = Keyboard(ctx);
    if (!keyboard) return;
    const bool on =
        ctx.msg.SenderName().compare(QLatin1String("custom_bright_color_btn"), Qt::CaseInsensitive) == 0;
    keyboard->FillCustomColours(on);
    ShowKeyColours(ctx);
}

bool PaintKeyOnLightingPage(WiringContext& ctx, int led) {
    CVornakelKeyboardDevice* keyboard = Keyboard(ctx);
    if (!keyboard || keyboard->GetFunctionMode() != kLightingFunction) return false;
    keyboard->PaintCustomKey(static_cast<unsigned>(led));
    ShowKeyColours(ctx);
    return true;
}

void OnKeysBandSelected(WiringContext& ctx, int) {
    CVornakelKeyboardDevice* keyboard = Keyboard(ctx);
    CKeyboardPage* page = KeyboardPageOf(ctx);
    if (!keyboard || !page || keyboard->GetFunctionMode() != kLightingFunction) return;
    // Every key inside the band takes the colour; the group is stored and sent once.
    std::vector<unsigned> leds;
    for (int led : page->BandSelectedKeys()) leds.push_back(static_cast<unsigned>(led));
    keyboard->PaintCustomKeys(leds);
    ShowKeyColours(ctx);
}

}  // namespace wiring
