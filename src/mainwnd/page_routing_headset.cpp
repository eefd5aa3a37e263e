// The headset page's chains: a control of the voice panel or the voice changer panel
// changed; the headset writes it to its audio endpoints, keeps it in its profile and shows
// the result on the panels. Nothing happens when the control's device is not a headset.
#include "devices/hs6533_device.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/page_routing_headset.h"
#include "panels/headsetpage/magic_control_ui.h"
#include "panels/headsetpage/voice6533_control_ui.h"
#include "ui/controls.h"

namespace wiring {
namespace {

constexpr int kConfirmOnly = 0;
const QString kNameInUse = QStringLiteral("message_text_5");

CVornakelHS6533Device* Headset(const WiringContext& ctx) {
    if (!ctx.slot || !ctx.slot->headset || ctx.slot->device->DeviceKind() != DeviceKind::kHeadsetHs6533)
        return nullptr;
    return ctx.slot->headset;
}

CVoice6533ControlUI* VoicePanel(const WiringContext& ctx) {
    return ctx.slot && ctx.slot->page ? ctx.slot->page->findChild<CVoice6533ControlUI*>() : nullptr;
}

CMagicControlUI* MagicPanel(const WiringContext& ctx) {
    return ctx.slot && ctx.slot->page ? ctx.slot->page->findChild<CMagicControlUI*>() : nullptr;
}

}  // namespace

void OnMicOption(WiringContext& ctx, int) {
    if (CVornakelHS6533Device* headset = Headset(ctx)) headset->ToggleMicMute();
}

void OnMonitorOption(WiringContext& ctx, int) {
    if (CVornakelHS6533Device* headset = Headset(ctx)) headset->ToggleMonitorMute();
}

void OnMicSlider(WiringContext& ctx, int) {
    CVornakelHS6533Device* headset = Headset(ctx);
    CVoice6533ControlUI* panel = VoicePanel(ctx);
    if (headset && panel) headset->SetMicLevel(panel->GetMicLevel());
}

void OnMonitorSlider(WiringContext& ctx, int) {
    CVornakelHS6533Device* headset = Headset(ctx);
    CVoice6533ControlUI* panel = VoicePanel(ctx);
    if (headset && panel) headset->SetMonitorLevel(panel->GetMonitorLevel());
}

void OnEqTypeOption(WiringContext& ctx, int type) {
    CVornakelHS6533Device* headset = Headset(ctx);
    // The option that was left reports too; only the one chosen selects.
    if (headset && IsSelected(ctx.Sender())) headset->SelectEqType(type);
}

void OnEqBandSlider(WiringContext& ctx, int band) {
    CVornakelHS6533Device* headset = Headset(ctx);
    CVoice6533ControlUI* panel = VoicePanel(ctx);
    if (headset && panel) headset->SetEqBand(band, panel->GetBand(band));
}

void OnCustomEqChosen(WiringContext& ctx, int) {
    CVornakelHS6533Device* headset = Headset(ctx);
    CVoice6533ControlUI* panel = VoicePanel(ctx);
    if (headset && panel) headset->SelectCustomEq(panel->GetSelectedCustomEq());
}

void OnSaveCustomEq(WiringContext& ctx, int) {
    CVornakelHS6533Device* headset = Headset(ctx);
    CVoice6533ControlUI* panel = VoicePanel(ctx);
    if (!headset || !panel) return;
    std::vector<int> sliders;
    for (int band = 0; band < CVoice6533ControlUI::kBandCount; ++band)
        sliders.push_back(panel->GetBand(band));
    const std::string name = panel->GetCustomEqNameText().trimmed().toStdString();
    if (headset->SaveCustomEq(name, sliders) == customeq::kDuplicateName)
        ctx.wnd.ShowMessage(kNameInUse, true, kConfirmOnly);
}

void OnDeleteCustomEq(WiringContext& ctx, int) {
    if (CVornakelHS6533Device* headset = Headset(ctx)) headset->DeleteCustomEq();
}

void OnVoiceChangerOption(WiringContext& ctx, int) {
    CVornakelHS6533Device* headset = Headset(ctx);
    CMagicControlUI* panel = MagicPanel(ctx);
    if (headset && panel) headset->ToggleVoiceChanger(panel->IsVoiceChangerOn() ? 1 : 0);
}

void OnVoiceChangerType(WiringContext& ctx, int type) {
    CVornakelHS6533Device* headset = Headset(ctx);
    if (headset && IsSelected(ctx.Sender())) headset->SelectVoiceChanger(type);
}

}  // namespace wiring
