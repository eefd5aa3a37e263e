// The profile menu's program bindings: bind the selected profile to the typed program,
// remove a bound program, and mark the profile to return to when the focus leaves.
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "panels/profile/device_profile_ui.h"
#include "profiles/profile_list.h"

namespace wiring {
namespace {

constexpr int kConfirmOnly = 0;

// A refused binding (taken by another profile, no program typed) or a list file that could
// not be written is told, so the user does not think the program is bound.
void Report(WiringContext& ctx, CDeviceProfileUI& panel, int result) {
    if (result != kProfileDone && !panel.LastError().isEmpty())
        ctx.wnd.ShowMessage(panel.LastError(), false, kConfirmOnly);
}

}  // namespace

void OnBindProgram(WiringContext& ctx, int) {
    if (CDeviceProfileUI* panel = ctx.ProfilePanel()) Report(ctx, *panel, panel->BindTypedProgram());
}

void OnUnbindProgram(WiringContext& ctx, int) {
    if (CDeviceProfileUI* panel = ctx.ProfilePanel()) Report(ctx, *panel, panel->UnbindChosenProgram());
}

void OnReturnProfileToggled(WiringContext& ctx, int) {
    CDeviceProfileUI* panel = ctx.ProfilePanel();
    if (!panel) return;
    const bool marked = panel->ProfileList().ReturnIndex() == panel->GetSelectedIndex();
    Report(ctx, *panel, panel->SetReturnHere(!marked));
}

}  // namespace wiring
