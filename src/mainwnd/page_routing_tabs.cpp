// The page's feature tabs, the profile menu button and key selection.
#include "ui/controls.h"
#include "devices/mouse_device.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/rules/page_values.h"
#include "panels/profile/device_profile_ui.h"
#include "panels/profile/profile_tabs.h"
#include "util/json_file.h"

namespace wiring {
namespace {

// Function type of a feature tab (1..8), 0 for another name.
int FunctionTypeOfTab(const QString& name) {
    for (size_t i = 0; i < kFeatureTabNames.size(); ++i)
        if (name.compare(QLatin1String(kFeatureTabNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i) + 1;
    return 0;
}

constexpr int kKeyAssignmentFunction = 2;

}  // namespace

void OnFunctionTab(WiringContext& ctx, int) {
    CVornakelUSBDevice* device = ctx.Device();
    const int type = FunctionTypeOfTab(ctx.msg.SenderName());
    // The tab that was left reports too; only the one chosen switches the page.
    if (!device || type == 0 || !IsSelected(ctx.Sender())) return;
    device->SetFunctionMode(type);
    if (CDeviceProfileUI* panel = ctx.ProfilePanel()) panel->SelectTab(type);
    MacroPanelOf(ctx.slot);  // the macro page follows the files it shows
}

void OnProfileMenuButton(WiringContext& ctx, int) {
    if (CDeviceProfileUI* panel = ctx.ProfilePanel()) panel->ShowMenu(!panel->IsMenuVisible());
}

void OnKeyButton(WiringContext& ctx, int key) {
    if (PaintKeyOnLightingPage(ctx, key)) return;
    CVornakelUSBDevice* device = ctx.Device();
    if (!device || device->GetFunctionMode() != kKeyAssignmentFunction) return;
    // The key page edits the profile in use: without a readable profile there is nothing to edit.
    if (CJsonFile().ReadJsonFile(device->GetProfileFile()).isNull()) return;
    if (CVornakelMouseDevice* mouse = ctx.Mouse()) {
        // A mouse keeps at least one left button, or it could no longer be used.
        if (IsLastLeftButton(mouse->Assignments(), key)) {
            ctx.wnd.ShowMessage(QStringLiteral("message_text_6"), true, 0);
            return;
        }
    }
    device->SelectKey(key);
    ShowSelectedKeyOnPanel(ctx.slot);
}

}  // namespace wiring
