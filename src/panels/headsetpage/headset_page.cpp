#include "panels/headsetpage/headset_page.h"

#include "ui/control_factory.h"
#include "ui/controls.h"
#include "panels/headsetpage/magic_control_ui.h"
#include "panels/headsetpage/voice6533_control_ui.h"
#include "panels/light/light_control_ui.h"
#include "panels/light/light_mode_fill.h"
#include "panels/light/model/light_device_kinds.h"

CHeadsetPage::CHeadsetPage(QWidget* parent) : QWidget(parent) {}

CLightControlUI* CHeadsetPage::LightPanel() const {
    return findChild<CLightControlUI*>();
}

CVoice6533ControlUI* CHeadsetPage::VoicePanel() const {
    return findChild<CVoice6533ControlUI*>();
}

CMagicControlUI* CHeadsetPage::MagicPanel() const {
    return findChild<CMagicControlUI*>();
}

void CHeadsetPage::BindKeyAndLightControls(int, int) {}

void CHeadsetPage::ClearControlTables() {}

bool CHeadsetPage::SelectFunctionTabs(int functionTab, int keyFunctionTab) {
    QWidget* functions = FindControl(this, QStringLiteral("device_function_switch"));
    QWidget* keyFunctions = FindControl(this, QStringLiteral("device_key_function_switch"));
    if (functions == nullptr || keyFunctions == nullptr) return false;
    if (functionTab >= 0) SelectItem(functions, functionTab);
    if (keyFunctionTab >= 0) SelectItem(keyFunctions, keyFunctionTab);
    return true;
}

void CHeadsetPage::ShowLightModes(const std::vector<LightModeName>& modes,
                                  const std::vector<std::string>& presetNames) {
    FillLightModes(LightPanel(), kKindHeadset, modes, presetNames);
}

void CHeadsetPage::ShowLightEffect(const LightInfoRecord& effect) {
    if (CLightControlUI* panel = LightPanel()) panel->ShowLightRecord(effect);
}

void CHeadsetPage::ShowMacroNames(const std::vector<std::string>&) {
    // The headset has no key assignments that could name a macro.
}

void CHeadsetPage::ShowVoice(const HeadsetVoiceView& view) {
    CVoice6533ControlUI* panel = VoicePanel();
    if (panel == nullptr) return;
    panel->ShowMicOn(view.micInSelect);
    panel->ShowMicLevel(view.micInValue);
    panel->ShowMonitorOn(view.micMonitorSelect);
    panel->ShowMonitorLevel(view.micMonitorValue);
    panel->ShowEqType(view.eqType);
    panel->ClearCustomEqNames();
    for (const std::string& name : view.customNames) panel->AddCustomEqName(QString::fromStdString(name));
    panel->SelectCustomEqItem(view.customSelected);
    panel->EnableCustomEq(view.custom ? 1 : 0);
    ShowBands(view.bands);
}

void CHeadsetPage::ShowVoiceChanger(int enabled, int type) {
    if (CMagicControlUI* panel = MagicPanel()) {
        panel->ShowVoiceChangerOn(enabled);
        panel->ShowVoiceChangerType(type);
    }
}

void CHeadsetPage::ShowMicMute(int muted) {
    if (CVoice6533ControlUI* panel = VoicePanel()) panel->ShowMicOn(muted != 0 ? 0 : 1);
}

void CHeadsetPage::ShowMonitorMute(int muted) {
    if (CVoice6533ControlUI* panel = VoicePanel()) panel->ShowMonitorOn(muted != 0 ? 0 : 1);
}

void CHeadsetPage::ShowBands(const std::vector<int>& bands) {
    CVoice6533ControlUI* panel = VoicePanel();
    if (panel == nullptr) return;
    for (size_t n = 0; n < bands.size(); ++n) panel->ShowBand(static_cast<int>(n), bands[n]);
}

void CHeadsetPage::ShowEqType(int type) {
    if (CVoice6533ControlUI* panel = VoicePanel()) panel->ShowEqType(type);
}

void CHeadsetPage::ShowCustomEq(bool custom, const std::vector<std::string>& names, int selected) {
    CVoice6533ControlUI* panel = VoicePanel();
    if (panel == nullptr) return;
    if (custom) panel->ShowEqType(CVoice6533ControlUI::kEqTypeCount);
    panel->ClearCustomEqNames();
    for (const std::string& name : names) panel->AddCustomEqName(QString::fromStdString(name));
    panel->SelectCustomEqItem(selected);
    panel->EnableCustomEq(custom ? 1 : 0);
}

void CHeadsetPage::ShowAudioFeatures(bool voiceChanger, bool equaliser) {
    if (CMagicControlUI* panel = MagicPanel()) panel->SetAvailable(voiceChanger);
    if (CVoice6533ControlUI* panel = VoicePanel()) panel->EnableEqualiser(equaliser);
}

void RegisterHeadsetPageClasses() {
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterControl(QStringLiteral("VornakelHS6533Device"),
                            [](QWidget* parent) -> QWidget* { return new CHeadsetPage(parent); });
    factory.RegisterControl(QStringLiteral("Voice6533Control"),
                            [](QWidget* parent) -> QWidget* { return new CVoice6533ControlUI(parent); });
    factory.RegisterControl(QStringLiteral("MagicControl"),
                            [](QWidget* parent) -> QWidget* { return new CMagicControlUI(parent); });
    factory.RegisterSubtree(QStringLiteral("Voice6533SetControlUI"),
                            QStringLiteral("XML\\CustomControlXML\\Voice6533Control.xml"));
    factory.RegisterSubtree(QStringLiteral("MagicSetControlUI"),
                            QStringLiteral("XML\\CustomControlXML\\MagicControl.xml"));
}
