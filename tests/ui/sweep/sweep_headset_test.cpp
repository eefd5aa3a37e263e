// The headset's page swept tab by tab: lighting, the voice panel (microphone, monitor, the
// equaliser's presets and bands, custom presets) and the voice changer. After every change
// the page, the profile file and the headset (its lighting memory, or the audio library for
// its sound) agree; after a restart the page shows the same and both hold the same.
#include <QComboBox>

#include <cmath>

#include "sweep_kinds_lighting.h"

namespace kinds_sweep {
namespace {

constexpr int kHeadset = DeviceKind::kHeadsetHs6533;
constexpr int kCustomType = 13;
const std::vector<int> kPop = {7, 11, 2, -3, -1, 4, 9, 12, 9, 5};
const std::vector<int> kRock = {7, 11, 6, -3, -11, -1, 6, 13, 6, 13};

class HeadsetSweep : public LightingSweep {
protected:
    DeviceSlot* Slot() const { return SlotOfKind(kHeadset); }
    int Setting(const char* name) const {
        return Stored(Slot(), std::string("SystemSetStages/") + name).asInt();
    }

    // ---- the audio library: what the sound system holds ----
    std::string Held(uint32_t endpoint, const std::string& property) const {
        return library()->Value(endpoint, property);
    }
    int HeldPercent(const std::string& property) const {
        return static_cast<int>(std::lround(std::stod(Held(Lib::kMicrophoneId, property)) * 100));
    }
    std::vector<int> HeldBands() const {
        std::vector<int> bands;
        for (int n = 1; n <= 10; ++n)
            bands.push_back(std::stoi(Held(Lib::kHeadphonesId, prop::kEqSliderPrefix + std::to_string(n))));
        return bands;
    }

    // ---- the page ----
    std::vector<int> ShownBands() const {
        std::vector<int> bands;
        for (int n = 0; n < 10; ++n) bands.push_back(Value("6533_eq_hz_slider_" + std::to_string(n)));
        return bands;
    }
    int ShownEqType() const {
        for (int n = 1; n <= kCustomType; ++n)
            if (Selected("6533_eq_option_" + std::to_string(n))) return n;
        return 0;
    }
    std::vector<int> StoredBands(const char* list, int index) const {
        std::vector<int> bands;
        for (const Json::Value& band : Stored(Slot(), std::string(list) + "/" + std::to_string(index)))
            bands.push_back(band["value"].asInt());
        return bands;
    }
    QStringList ShownPresetNames() const {
        auto* combo = qobject_cast<QComboBox*>(Control("custom_eq_name_combo"));
        QStringList names;
        for (int i = 0; combo && i < combo->count(); ++i) names << combo->itemText(i);
        return names;
    }
    QStringList StoredPresetNames() const {
        QStringList names;
        for (const Json::Value& entry : Stored(Slot(), "CustomEQNameInfo"))
            names << QString::fromStdString(entry["Name"].asString());
        return names;
    }

    // The microphone and the monitor, the equaliser and the voice changer: each view agrees.
    void ExpectVoiceAgrees() const {
        EXPECT_EQ(Setting("MicInValue"), Value("6533_MicIn_slider"));
        EXPECT_EQ(HeldPercent(prop::kVolumeScalar), Value("6533_MicIn_slider"));
        EXPECT_EQ(Setting("MicInSelect"), Selected("6533_MicIn_option"));
        EXPECT_EQ(Held(Lib::kMicrophoneId, prop::kMute), Selected("6533_MicIn_option") ? "0" : "1");
        EXPECT_EQ(Setting("MicMoniterValue"), Value("6533_MicMoniter_slider"));
        EXPECT_EQ(HeldPercent(prop::kMonitorScalar), Value("6533_MicMoniter_slider"));
        EXPECT_EQ(Setting("MicMoniterSelect"), Selected("6533_MicMoniter_option"));
        EXPECT_EQ(Held(Lib::kMicrophoneId, prop::kMonitorMute),
                  Selected("6533_MicMoniter_option") ? "0" : "1");
        EXPECT_EQ(Setting("EqType"), ShownEqType());
        EXPECT_EQ(HeldBands(), ShownBands()) << "the sound system plays the bands shown";
        EXPECT_EQ(StoredPresetNames(), ShownPresetNames());
    }
    void ExpectVoiceChangerAgrees() const {
        EXPECT_EQ(Setting("MagicEnable"), Selected("magic_enable_option"));
        EXPECT_EQ(Held(Lib::kMicrophoneId, prop::kMagicVoice), Selected("magic_enable_option") ? "1" : "0");
        const int type = Setting("MagicType");
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(Selected("magic_option_" + std::to_string(n)), n == type) << n;
        EXPECT_EQ(Held(Lib::kMicrophoneId, prop::kMagicSelection), std::to_string(type - 1));
    }

    void SweepVoice();
    void SweepVoiceChanger();

    std::vector<int> night, movie;  // the bands of the two custom presets saved
};

// ---- lighting ----

TEST_F(HeadsetSweep, LightingAgreesOnPageFileAndHeadsetAndAfterARestart) {
    SweepLightingAcrossARestart(
        kHeadset, [this] { return ActiveLighting(*headset); }, [this] { return headset->SettingsMemory(); });
}

// ---- voice ----

void HeadsetSweep::SweepVoice() {
    Open(kHeadset, "6533_voice_Op_tab");
    struct Step {
        const char* what;
        std::function<void()> drive;
        std::function<void()> expect;  // the value the step set, beyond the agreement
    };
    const bool micOn = Selected("6533_MicIn_option"), monitorOn = Selected("6533_MicMoniter_option");
    std::vector<Step> steps = {
        {"microphone level", [&] { DragAndRelease("6533_MicIn_slider", 42); },
         [&] { EXPECT_EQ(Setting("MicInValue"), 42); }},
        {"microphone switched", [&] { Click("6533_MicIn_option"); },
         [&] { EXPECT_EQ(Setting("MicInSelect"), !micOn); }},
        {"microphone switched back", [&] { Click("6533_MicIn_option"); },
         [&] { EXPECT_EQ(Setting("MicInSelect"), micOn); }},
        {"monitor level", [&] { DragAndRelease("6533_MicMoniter_slider", 37); },
         [&] { EXPECT_EQ(Setting("MicMoniterValue"), 37); }},
        {"monitor switched", [&] { Click("6533_MicMoniter_option"); },
         [&] { EXPECT_EQ(Setting("MicMoniterSelect"), !monitorOn); }},
        {"pop", [&] { Click("6533_eq_option_1"); }, [&] { EXPECT_EQ(ShownBands(), kPop); }},
        {"rock", [&] { Click("6533_eq_option_2"); },
         [&] {
             EXPECT_EQ(ShownBands(), kRock);
             EXPECT_EQ(Held(Lib::kHeadphonesId, prop::kEqEnable), "1");
         }},
    };
    // Every other built-in preset: what is shown is what plays.
    for (int n = 3; n <= 12; ++n)
        steps.push_back({"built-in preset", [this, n] { Click("6533_eq_option_" + std::to_string(n)); },
                         [this, n] { EXPECT_EQ(Setting("EqType"), n); }});
    // Each band moved: the equaliser turns custom, the band plays at once, and the profile
    // keeps the custom type with the bands that play (a restart shows what is heard).
    for (int band = 0; band < 10; ++band)
        steps.push_back(
            {"band moved",
             [this, band] { DragAndRelease("6533_eq_hz_slider_" + std::to_string(band), band - 5); },
             [this, band] {
                 EXPECT_EQ(Setting("EqType"), kCustomType);
                 EXPECT_EQ(HeldBands()[static_cast<size_t>(band)], band - 5);
             }});
    steps.push_back({"custom preset saved under a typed name",
                     [&] {
                         night = ShownBands();
                         TypeAndLeave("custom_eq_name_edit", "Night");
                         Click("hs_EQ_btn_save");
                     },
                     [&] {
                         EXPECT_EQ(StoredPresetNames(), QStringList{"Night"});
                         EXPECT_EQ(StoredBands("CustomEQHzValueInfo", 0), night);
                         EXPECT_EQ(GetCurSel(Control("custom_eq_name_combo")), 0);
                     }});
    steps.push_back({"a second custom preset",
                     [&] {
                         DragAndRelease("6533_eq_hz_slider_9", 8);
                         movie = ShownBands();
                         TypeAndLeave("custom_eq_name_edit", "Movie");
                         Click("hs_EQ_btn_save");
                     },
                     [&] {
                         EXPECT_EQ(StoredPresetNames(), (QStringList{"Night", "Movie"}));
                         EXPECT_EQ(StoredBands("CustomEQHzValueInfo", 1), movie);
                     }});
    steps.push_back({"the first custom preset chosen", [&] { Choose("custom_eq_name_combo", 0); },
                     [&] {
                         EXPECT_EQ(ShownBands(), night);
                         EXPECT_EQ(Setting("CustomEqSeletIndex"), 0);
                     }});
    steps.push_back({"a third, then deleted",
                     [&] {
                         TypeAndLeave("custom_eq_name_edit", "Gone");
                         Click("hs_EQ_btn_save");
                         Choose("custom_eq_name_combo", 2);
                         Click("hs_EQ_btn_delete");
                     },
                     [&] {
                         EXPECT_EQ(StoredPresetNames(), (QStringList{"Night", "Movie"}));
                     }});
    steps.push_back({"the second custom preset chosen", [&] { Choose("custom_eq_name_combo", 1); },
                     [&] {
                         EXPECT_EQ(ShownBands(), movie);
                         EXPECT_EQ(Setting("CustomEqSeletIndex"), 1);
                     }});
    steps.push_back({"a built-in preset, then Custom again",
                     [&] {
                         Click("6533_eq_option_2");
                         Click("6533_eq_option_13");
                     },
                     [&] {
                         EXPECT_EQ(GetCurSel(Control("custom_eq_name_combo")), 1) << "the preset chosen last";
                         EXPECT_EQ(ShownBands(), movie);
                     }});
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.drive();
        step.expect();
        ExpectVoiceAgrees();
    }
}

TEST_F(HeadsetSweep, VoiceAgreesOnPageFileAndSoundSystemAndAfterARestart) {
    SweepVoice();
    std::vector<std::string> shown = {"6533_MicIn_slider", "6533_MicIn_option", "6533_MicMoniter_slider",
                                      "6533_MicMoniter_option", "custom_eq_name_combo"};
    for (int n = 1; n <= kCustomType; ++n) shown.push_back("6533_eq_option_" + std::to_string(n));
    for (int n = 0; n < 10; ++n) shown.push_back("6533_eq_hz_slider_" + std::to_string(n));
    const Snapshot before = SnapshotOf(page, shown);

    Restart();
    Open(kHeadset, "6533_voice_Op_tab");
    EXPECT_EQ(SnapshotOf(page, shown), before);
    ExpectVoiceAgrees();
    EXPECT_EQ(HeldBands(), movie);
}

// After a restart with a built-in preset saved, "Custom" takes the custom preset chosen last
// and plays it.
TEST_F(HeadsetSweep, CustomAfterARestartWithABuiltInPresetPlaysTheCustomPreset) {
    SweepVoice();
    Click("6533_eq_option_2");
    ASSERT_EQ(HeldBands(), kRock);

    Restart();
    Open(kHeadset, "6533_voice_Op_tab");
    EXPECT_EQ(ShownBands(), kRock);
    Click("6533_eq_option_13");
    EXPECT_GE(GetCurSel(Control("custom_eq_name_combo")), 0) << "a custom preset is chosen";
    EXPECT_NE(ShownBands(), kRock);
    EXPECT_TRUE(ShownBands() == night || ShownBands() == movie);
    ExpectVoiceAgrees();
}

// ---- voice changer ----

void HeadsetSweep::SweepVoiceChanger() {
    Open(kHeadset, "magic_Op_tab");
    if (!Selected("magic_enable_option")) Click("magic_enable_option");
    EXPECT_EQ(Setting("MagicEnable"), 1);
    ExpectVoiceChangerAgrees();
    for (int n : {3, 1, 4, 2}) {
        SCOPED_TRACE(n);
        Click("magic_option_" + std::to_string(n));
        EXPECT_EQ(Setting("MagicType"), n);
        ExpectVoiceChangerAgrees();
    }
    Click("magic_enable_option");
    EXPECT_EQ(Setting("MagicEnable"), 0);
    ExpectVoiceChangerAgrees();
    Click("magic_enable_option");
    ExpectVoiceChangerAgrees();
}

TEST_F(HeadsetSweep, VoiceChangerAgreesOnPageFileAndSoundSystemAndAfterARestart) {
    SweepVoiceChanger();
    const std::vector<std::string> shown = {"magic_enable_option", "magic_option_1", "magic_option_2",
                                            "magic_option_3", "magic_option_4"};
    const Snapshot before = SnapshotOf(page, shown);

    Restart();
    Open(kHeadset, "magic_Op_tab");
    EXPECT_EQ(SnapshotOf(page, shown), before);
    ExpectVoiceChangerAgrees();
}

// ---- coverage ----

TEST_F(HeadsetSweep, EveryControlOfThePageIsDrivenOrSaysWhyNot) {
    SweepLighting(kHeadset, [this] { return ActiveLighting(*headset); });
    SweepVoice();
    SweepVoiceChanger();
    Click("Virtual7.1_Op_tab");
    Click("deng_Op_tab");
    std::vector<NotDriven> notDriven = LightingNotDriven();
    const std::vector<NotDriven> own = {
        {"light_combo_custommodeSelect", "custom key colours belong to the keyboard; hidden on the headset"},
        {"custom_bright_color_btn", "custom key colours belong to the keyboard; hidden on the headset"},
        {"custom_off_color_btn", "custom key colours belong to the keyboard; hidden on the headset"},
    };
    notDriven.insert(notDriven.end(), own.begin(), own.end());
    for (const NotDriven& tab : HiddenTabs({"key_Op_tab", "macro_Op_tab", "system_Op_tab", "cursor_Op_tab"}))
        notDriven.push_back(tab);
    CheckCoverage("headset", notDriven);
}

}  // namespace
}  // namespace kinds_sweep
