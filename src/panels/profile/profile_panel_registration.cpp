#include "panels/profile/profile_panel_registration.h"

#include "ui/control_factory.h"
#include "panels/profile/device_profile_ui.h"

void RegisterProfilePanelClasses() {
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterControl(QStringLiteral("DeviceProfile"),
                            [](QWidget* parent) -> QWidget* { return new CDeviceProfileUI(parent); });
    factory.RegisterSubtree(QStringLiteral("DeviceProfileUI"),
                            QStringLiteral("XML\\CustomControlXML\\DeviceProfile.xml"));
}
