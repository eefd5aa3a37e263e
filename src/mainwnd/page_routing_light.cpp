// The lighting chain: a lighting control of a device page changed. The panel shows the
// value and changes the device's lighting record (CLightControlUI::TakeChange); here the
// record goes to the device, into the profile file and out to the device.
#include "devices/device_lists.h"
#include "devices/mouse_device.h"
#include "devices/mouse_page_view.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/page_routing.h"
#include "panels/light/light_control_ui.h"

namespace wiring {
namespace {

CLightControlUI* PanelAround(QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* panel = qobject_cast<CLightControlUI*>(w)) return panel;
    return nullptr;
}

}  // namespace

void OnLightControl(WiringContext& ctx, int) {
    CVornakelUSBDevice* device = ctx.Device();
    CLightControlUI* panel = PanelAround(ctx.Sender());
    if (!device || !panel) return;
    LightInfoRecord record = device->GetLightEffect();
    const LightChange change = panel->TakeChange(ctx.msg, &record);
    if (change == LightChange::None) return;
    // The user's own choice lifts the hold that keeps the device's lighting as it is (a
    // swatch only picks a colour and leaves it).
    if (change != LightChange::Swatch) device->CommandChannel().lightHold = 0;
    device->SetLightEffect(record);
    device->SaveProfile();
    device->ApplyProfileLighting();
    if (change == LightChange::Mode) {
        if (device->Page()) device->Page()->ShowLightEffect(device->GetLightEffect());
        // The logo's hint names the mode now chosen, not the one the page was filled with.
        if (CVornakelMouseDevice* mouse = ctx.Mouse(); mouse && ctx.MousePage()) {
            const int mode = device->GetLightEffect().selectItem;
            ctx.MousePage()->ShowLightingHint(LightModeNameOf(mouse->Lists(), mode));
        }
    }
    ctx.WriteSettings();
}

}  // namespace wiring
