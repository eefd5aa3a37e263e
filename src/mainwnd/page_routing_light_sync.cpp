// Light synchronisation: "deng_same_mode" gives every connected lighted device the selected
// device's lighting in the equivalent mode of its kind and marks it synchronised; later
// lighting changes of a synchronised device reach the others through the light-sync worker
// (kMsgLightSyncFollow) while the program drives the lights.
#include <vector>

#include "devices/light_sync_plan.h"
#include "devices/mousepad_device.h"
#include "devices/usb_device.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"

namespace wiring {
namespace {

bool Connected(const DeviceSlot& slot) {
    return slot.device && slot.device->CommandChannel().opened.load() != 0 && slot.entry &&
           slot.entry->IsShown();
}

// Writes source's lighting to the deviceSlots the plan names; with onlySynchronised, only to
// deviceSlots marked synchronised already (the source keeps its own lighting).
void SyncFrom(CDeviceSlots& deviceSlots, DeviceSlot& source, bool onlySynchronised) {
    std::vector<LightSyncTarget> targets;
    for (const auto& slot : deviceSlots.All()) {
        const bool takesPart = Connected(*slot) && (!onlySynchronised || slot->lightSync);
        targets.push_back({slot->device ? slot->device->DeviceKind() : 0, takesPart});
    }
    const std::vector<LightSyncStep> steps =
        PlanLightSync(source.device->DeviceKind(), source.device->GetLightEffect(), targets);
    for (const LightSyncStep& step : steps) {
        DeviceSlot& slot = *deviceSlots.All()[step.target];
        slot.lightSync = true;
        if (slot.entry) slot.entry->SetSynchro(true);
        if (slot.pad && slot.pad->MousePadPage()) slot.pad->MousePadPage()->ShowLightSyncHint(true);
        if (&slot == &source && onlySynchronised) continue;
        // Stored, saved, taken back, shown in the lighting panel and written.
        slot.device->SetLighting(step.record, true);
    }
}

}  // namespace

void OnSameLightMode(WiringContext& ctx, int) {
    CDeviceSlots* deviceSlots = ctx.wnd.DeviceSlots();
    DeviceSlot* source = ctx.wnd.SelectedSlot();
    if (!deviceSlots || !source || !source->device) return;
    SyncFrom(*deviceSlots, *source, false);
}

void FollowLightSync(CMainWnd& wnd, int sourceIndex) {
    CDeviceSlots* deviceSlots = wnd.DeviceSlots();
    DeviceSlot* source = deviceSlots ? deviceSlots->At(sourceIndex) : nullptr;
    // Nothing follows a device that left the synchronisation, or while another program
    // drives the lights.
    if (!source || !source->lightSync || source->lightControl != 1 || !Connected(*source)) return;
    SyncFrom(*deviceSlots, *source, true);
}

}  // namespace wiring
