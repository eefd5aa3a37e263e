#pragma once
// CHeadsetPage: the headset's device page (skin class "VornakelHS6533Device", content from
// "XML\\DeviceXml\\hs6533device.xml"). The headset shows its model through IHeadsetPage;
// the page passes it on to its lighting panel ("LightControlItem"), its voice and equaliser
// panel ("Voice6533ControlItem") and its voice changer panel ("MagicControlItem"). The page
// has no key or light buttons. Setters raise no notifications; missing panels are skipped.
#include <QWidget>
#include <string>
#include <vector>

#include "devices/headset_page.h"

class CLightControlUI;
class CMagicControlUI;
class CVoice6533ControlUI;

class CHeadsetPage : public QWidget, public IHeadsetPage {
    Q_OBJECT
public:
    explicit CHeadsetPage(QWidget* parent = nullptr);

    // ---- IDevicePage ----
    void BindKeyAndLightControls(int keyCount, int ledCount) override;
    void ClearControlTables() override;
    bool SelectFunctionTabs(int functionTab, int keyFunctionTab) override;
    void ShowLightModes(const std::vector<LightModeName>& modes,
                        const std::vector<std::string>& presetNames) override;
    void ShowLightEffect(const LightInfoRecord& effect) override;
    void ShowMacroNames(const std::vector<std::string>& names) override;

    // ---- IHeadsetPage ----
    void ShowVoice(const HeadsetVoiceView& view) override;
    void ShowVoiceChanger(int enabled, int type) override;
    void ShowMicMute(int muted) override;
    void ShowMonitorMute(int muted) override;
    void ShowBands(const std::vector<int>& bands) override;
    void ShowEqType(int type) override;
    void ShowCustomEq(bool custom, const std::vector<std::string>& names, int selected) override;

    // ---- the page's own ----
    // Greys what the host's audio side does not offer.
    void ShowAudioFeatures(bool voiceChanger, bool equaliser);
    CLightControlUI* LightPanel() const;
    CVoice6533ControlUI* VoicePanel() const;
    CMagicControlUI* MagicPanel() const;
};

// Registers "VornakelHS6533Device" (CHeadsetPage), "Voice6533Control" and "MagicControl"
// with the UI layer's factory, with the subtree classes "Voice6533SetControlUI" and
// "MagicSetControlUI" that the page skin names its panels by.
void RegisterHeadsetPageClasses();
