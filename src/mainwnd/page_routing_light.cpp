// The lighting chain: a lighting control of a device page changed. The panel shows the
// value and changes the device's lighting record (CLightControlUI::TakeChange); the device
// stores, saves, shows and writes it (SetLighting).
#include "devices/usb_device.h"
#include "devices/device_lists.h"
#include "devices/mouse_device.h"
#include "devices/mouse_page_view.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
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
    device->SetLighting(record, change == LightChange::Mode);
    // The other synchronised devices follow (through the light-sync worker).
    if (ctx.slot && ctx.slot->lightSync) {
        if (CDeviceSlots* deviceSlots = ctx.wnd.DeviceSlots())
            for (int i = 0; i < deviceSlots->Count(); ++i)
                if (deviceSlots->At(i) == ctx.slot) deviceSlots->LightSyncRequests()->Post(i);
    }
    // The logo's hint names the mode now chosen, not the one the page was filled with.
    if (change == LightChange::Mode) {
        if (CVornakelMouseDevice* mouse = ctx.Mouse(); mouse && ctx.MousePage()) {
            ctx.MousePage()->ShowLightingHint(
                LightModeNameOf(mouse->Lists(), device->GetLightEffect().selectItem));
        }
    }
}

}  // namespace wiring
