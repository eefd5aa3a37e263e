#include "panels/shoot/shoot_panel_registration.h"

#include "panels/shoot/shoot_control_ui.h"
#include "ui/control_factory.h"

void RegisterShootPanelClasses() {
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterControl(QStringLiteral("ShootControl"),
                            [](QWidget* parent) -> QWidget* { return new CShootControlUI(parent); });
    factory.RegisterSubtree(QStringLiteral("ShootKeySetControlUI"),
                            QStringLiteral("XML\\CustomControlXML\\ShootControl.xml"));
}
