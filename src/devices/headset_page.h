#pragma once
// The page of the headset: beside the profile and lighting panels of every device page, its
// voice panel (microphone, monitor, equaliser with its custom presets) and its voice
// changer panel.
#include <string>
#include <vector>

#include "devices/device_page.h"

// What the voice panel shows as a whole.
struct HeadsetVoiceView {
    int micInSelect = 0;
    int micInValue = 0;
    int micMonitorSelect = 0;
    int micMonitorValue = 0;
    int eqType = 0;
    std::vector<std::string> customNames;
    int customSelected = -1;  // -1: no custom preset selected
    bool custom = false;      // the custom equaliser list is shown
    std::vector<int> bands;
};

class IHeadsetPage : public IDevicePage {
public:
    virtual void ShowVoice(const HeadsetVoiceView& view) = 0;
    virtual void ShowVoiceChanger(int enabled, int type) = 0;
    virtual void ShowMicMute(int muted) = 0;
    virtual void ShowMonitorMute(int muted) = 0;
    // The band sliders, band 1 first.
    virtual void ShowBands(const std::vector<int>& bands) = 0;
    virtual void ShowEqType(int type) = 0;
    // Custom mode on or off, the custom preset names and the selected one (-1: none).
    virtual void ShowCustomEq(bool custom, const std::vector<std::string>& names, int selected) = 0;
};
