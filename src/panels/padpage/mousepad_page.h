#pragma once
// CMousePadPage: the mouse pad's device page (skin class "VornakelMousePadDevice", content
// from "XML\\DeviceXml\\mousepaddevice.xml"): the profile panel, the pad's picture and the
// lighting panel. Setters raise no notifications; missing controls are skipped.
#include <QWidget>
#include <string>
#include <vector>

#include "devices/mousepad_page.h"

class CLightControlUI;

class CMousePadPage : public QWidget, public IMousePadPage {
    Q_OBJECT
public:
    explicit CMousePadPage(QWidget* parent = nullptr);

    // The pad has no keys or LEDs on its page: nothing is bound.
    void BindKeyAndLightControls(int keyCount, int ledCount) override;
    void ClearControlTables() override {}
    bool SelectFunctionTabs(int functionTab, int keyFunctionTab) override;
    void ShowLightModes(const std::vector<LightModeName>& modes,
                        const std::vector<std::string>& presetNames) override;
    void ShowLightEffect(const LightInfoRecord& effect) override;
    void ShowMacroNames(const std::vector<std::string>& names) override;
    // "mousepad_sync_hint".
    void ShowLightSyncHint(bool synchronised) override;

    CLightControlUI* LightPanel() const;
};

// Registers "VornakelMousePadDevice" (CMousePadPage) and the program's controls it uses.
void RegisterMousePadPageClasses();
