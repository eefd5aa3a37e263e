#include "panels/customcontrols/custom_controls_registration.h"

#include "panels/customcontrols/cloud_share_list_item_ui.h"
#include "panels/customcontrols/combo_edit_element_ui.h"
#include "panels/customcontrols/device_key_button_ui.h"
#include "panels/customcontrols/hand_img_button_ui.h"
#include "panels/customcontrols/plain_controls_ui.h"
#include "panels/customcontrols/select_panel_ui.h"
#include "ui/control_factory.h"

namespace {

template <class T>
ControlCreator Creator() {
    return [](QWidget* parent) -> QWidget* { return new T(parent); };
}

}  // namespace

void RegisterCustomControls() {
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterControl(QStringLiteral("DeviceKeyButton"), Creator<CDeviceKeyButtonUI>());
    factory.RegisterControl(QStringLiteral("SelectPanel"), Creator<CSelectPanelUI>());
    factory.RegisterControl(QStringLiteral("HandImgButton"), Creator<CHandImgButtonUI>());
    factory.RegisterControl(QStringLiteral("HandImgSelectButton"), Creator<CHandImgSelectButtonUI>());
    factory.RegisterControl(QStringLiteral("RedioMacroButton"), Creator<CRedioMacroButtonUI>());
    factory.RegisterControl(QStringLiteral("CRedioMacroButtonUI"), Creator<CRedioMacroButtonUI>());
    factory.RegisterControl(QStringLiteral("ChartView"), Creator<CChartViewUI>());
    factory.RegisterControl(QStringLiteral("Wnd"), Creator<CWndUI>());
    factory.RegisterControl(QStringLiteral("CWndUI"), Creator<CWndUI>());
    factory.RegisterControl(QStringLiteral("ComboEditContainerElement"),
                            Creator<CComboEditContainerElementUI>());
    factory.RegisterControl(QStringLiteral("CComboEditContainerElementUI"),
                            Creator<CComboEditContainerElementUI>());
    factory.RegisterControl(QStringLiteral("CloudShareListItemUI"), Creator<CCloudShareListItemUI>());
    factory.RegisterControl(QStringLiteral("CCloudShareListItemUI"), Creator<CCloudShareListItemUI>());
}
