#include "panels/padpage/mousepad_page.h"

#include "panels/customcontrols/custom_controls_registration.h"
#include "panels/light/light_control_ui.h"
#include "panels/light/light_mode_fill.h"
#include "ui/control_factory.h"
#include "ui/controls.h"

namespace {

constexpr int kMousePadDeviceKind = 3;

}  // namespace

CMousePadPage::CMousePadPage(QWidget* parent) : QWidget(parent) {}

void CMousePadPage::BindKeyAndLightControls(int keyCount, int ledCount) {
    (void)keyCount, (void)ledCount;
}

bool CMousePadPage::SelectFunctionTabs(int functionTab, int keyFunctionTab) {
    QWidget* functions = FindControl(this, QStringLiteral("device_function_switch"));
    QWidget* keyFunctions = FindControl(this, QStringLiteral("device_key_function_switch"));
    if (functions == nullptr || keyFunctions == nullptr) return false;
    // The pad has one page only: lighting.
    if (functionTab >= 0 && functionTab < GetItemCount(functions)) SelectItem(functions, functionTab);
    if (keyFunctionTab >= 0 && keyFunctionTab < GetItemCount(keyFunctions))
        SelectItem(keyFunctions, keyFunctionTab);
    return true;
}

CLightControlUI* CMousePadPage::LightPanel() const {
    return qobject_cast<CLightControlUI*>(FindControl(this, QStringLiteral("LightControlItem")));
}

void CMousePadPage::ShowLightModes(const std::vector<LightModeName>& modes,
                                   const std::vector<std::string>& presetNames) {
    FillLightModes(LightPanel(), kMousePadDeviceKind, modes, presetNames);
}

void CMousePadPage::ShowLightEffect(const LightInfoRecord& effect) {
    if (CLightControlUI* panel = LightPanel()) panel->ShowLightRecord(effect);
}

void CMousePadPage::ShowMacroNames(const std::vector<std::string>& names) {
    (void)names;  // the pad has no key assignments
}

void CMousePadPage::ShowLightSyncHint(bool synchronised) {
    if (QWidget* hint = FindControl(this, QStringLiteral("mousepad_sync_hint")))
        hint->setVisible(synchronised);
}

void RegisterMousePadPageClasses() {
    RegisterCustomControls();
    CControlFactory::Instance().RegisterControl(
        QStringLiteral("VornakelMousePadDevice"),
        [](QWidget* parent) -> QWidget* { return new CMousePadPage(parent); });
}
