#include "panels/light/light_panel_registration.h"

#include "ui/control_factory.h"
#include "panels/light/color_palette_ui.h"
#include "panels/light/light_control_ui.h"

void RegisterLightPanelClasses() {
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterControl(QStringLiteral("LightControl"),
                            [](QWidget* parent) -> QWidget* { return new CLightControlUI(parent); });
    factory.RegisterControl(QStringLiteral("ColorPalette"),
                            [](QWidget* parent) -> QWidget* { return new CColorPaletteUI(parent); });
    factory.RegisterSubtree(QStringLiteral("LightSetControlUI"),
                            QStringLiteral("XML\\CustomControlXML\\LightControl.xml"));
}
