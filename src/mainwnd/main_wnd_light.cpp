// Light control, power notices and what every device is told.
#include "shell/app_names.h"
#include "shell/ipc_endpoint.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "mainwnd/main_wnd.h"

namespace {
// Text ids: the button's text follows the language like every other caption text.
const QString kLightsControlled = QStringLiteral("light_controlled_text");
const QString kLightsNotControlled = QStringLiteral("light_not_controlled_text");
}  // namespace

void CMainWnd::TellDevices(DeviceFlag flag, int value) {
    for (const auto& part : parts_) part->OnDeviceFlag(*this, flag, value);
}

void CMainWnd::TellDevicePageBuilt(DeviceSlot& slot) {
    for (const auto& part : parts_) part->OnDevicePageBuilt(*this, slot);
}

void CMainWnd::SetLightControlText() {
    SetResourceText(FindControl(QStringLiteral("control_light_status")),
                    lightControl_ ? kLightsControlled : kLightsNotControlled);
}

void CMainWnd::ToggleLightControl() {
    lightControl_ = lightControl_ == 1 ? 0 : 1;
    BroadcastIpcMessage({QString::fromUtf8(AppNames::kLightControlBroadcast), 1, lightControl_});
    SetLightControlText();
    TellDevices(DeviceFlag::LightControl, lightControl_);
}

void CMainWnd::OnLightControlRequest(WPARAM wParam, LPARAM lParam) {
    if (wParam != 1) return;
    if (lParam == 0 || lParam == 1) {
        lightControl_ = static_cast<int>(lParam);
        SetLightControlText();
    }
    TellDevices(DeviceFlag::LightControl, lightControl_);
}

void CMainWnd::OnPowerBroadcast(WPARAM wParam) {
    if (wParam == PBT_APMRESUMEAUTOMATIC) {
        asleep_ = false;
        TellDevices(DeviceFlag::LightControl, lightControl_);
    } else if (wParam == PBT_APMSUSPEND) {
        asleep_ = true;
        TellDevices(DeviceFlag::LightControl, 0);
    }
}
