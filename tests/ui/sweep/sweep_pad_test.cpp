// The mouse pad's page swept: its lighting panel, control by control. After every change the
// page, the profile file and the pad's memory agree; after a restart the page shows the same
// and the pad holds the same.
#include "sweep_kinds_lighting.h"

namespace kinds_sweep {
namespace {

constexpr int kMousePad = DeviceKind::kMousePad;

class PadSweep : public LightingSweep {
protected:
    Bytes PadLighting() const { return ActiveLighting(*pad); }
};

TEST_F(PadSweep, LightingAgreesOnPageFileAndPadAndAfterARestart) {
    SweepLightingAcrossARestart(
        kMousePad, [this] { return PadLighting(); }, [this] { return pad->SettingsMemory(); });
}

TEST_F(PadSweep, EveryControlOfThePageIsDrivenOrSaysWhyNot) {
    SweepLighting(kMousePad, [this] { return PadLighting(); });
    Drove("deng_Op_tab");
    std::vector<NotDriven> notDriven = LightingNotDriven();
    const std::vector<NotDriven> own = {
        {"mousepad_device_key_light", "the pad's picture; it has no keys to select"},
        {"light_combo_custommodeSelect", "custom key colours belong to the keyboard; hidden on the pad"},
        {"custom_bright_color_btn", "custom key colours belong to the keyboard; hidden on the pad"},
        {"custom_off_color_btn", "custom key colours belong to the keyboard; hidden on the pad"},
    };
    notDriven.insert(notDriven.end(), own.begin(), own.end());
    for (const NotDriven& tab : HiddenTabs({"key_Op_tab", "macro_Op_tab", "system_Op_tab", "cursor_Op_tab",
                                            "6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"}))
        notDriven.push_back(tab);
    CheckCoverage("mousepad", notDriven);
}

}  // namespace
}  // namespace kinds_sweep
