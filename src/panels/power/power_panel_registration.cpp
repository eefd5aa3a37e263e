#include "panels/power/power_panel_registration.h"

#include "ui/control_factory.h"
#include "panels/power/mp_device_power_ui.h"

void RegisterPowerPanelClasses() {
    for (const char* name : {"MpDevicePower", "CMpDevicePowerUI"})
        CControlFactory::Instance().RegisterControl(
            QString::fromLatin1(name), [](QWidget* parent) { return new CMpDevicePowerUI(parent); });
}
