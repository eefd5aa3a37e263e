// The voice panel and the voice changer panel: every change goes through the audio
// library's property calls and is kept in the headset profile; what the panels show
// follows what the headset did.
#include <QImage>
#include <QPixmap>

#include "devices/headset_eq_presets.h"
#include "headset_fixture.h"

using HeadsetVoice = HeadsetFixture;

TEST_F(HeadsetVoice, LevelsAreWrittenAsScalarsAndStored) {
    struct Case {
        const char* slider;
        std::string scalarWrite, levelRead;
        const char* setting;
    };
    const Case cases[] = {
        {"6533_MicIn_slider", "write " + kMic + " VolumeScalarControl = 0.42 ch -1",
         "read " + kMic + " VolumeControl ch -1", "MicInValue"},
        {"6533_MicMoniter_slider", "write " + kMic + " AAVolumeScalarControl = 0.42 ch 0",
         "read " + kMic + " AAVolumeControl ch 1", "MicMoniterValue"},
    };
    for (const Case& c : cases) {
        library->ClearCalls();
        DragAndRelease(c.slider, 42);
        EXPECT_EQ(library->Calls(), (std::vector<std::string>{c.scalarWrite, c.levelRead})) << c.slider;
        EXPECT_EQ(Stored(c.setting), 42) << c.slider;
    }
}

TEST_F(HeadsetVoice, MuteOptionsToggleTheEndpointAndTheProfile) {
    struct Case {
        const char* option;
        const char* property;
        const char* setting;
    };
    const Case cases[] = {
        {"6533_MicIn_option", "MuteControl", "MicInSelect"},
        {"6533_MicMoniter_option", "AAMuteControl", "MicMoniterSelect"},
    };
    for (const Case& c : cases) {
        for (int round = 0; round < 2; ++round) {
            library->ClearCalls();
            const bool wasOn = Selected(c.option);
            Click(c.option);
            // On means not muted: switching off writes mute 1.
            const std::string muted = wasOn ? "1" : "0";
            EXPECT_EQ(Writes(),
                      (std::vector<std::string>{"write " + kMic + " " + c.property + " = " + muted}))
                << c.option;
            EXPECT_EQ(Selected(c.option), !wasOn) << c.option;
            EXPECT_EQ(Stored(c.setting), wasOn ? 0 : 1) << c.option;
        }
    }
}

TEST_F(HeadsetVoice, RefusedMuteWriteKeepsOptionAndProfile) {
    library->FailWrite("MuteControl");
    const bool wasOn = Selected("6533_MicIn_option");
    const int stored = Stored("MicInSelect");
    Click("6533_MicIn_option");
    EXPECT_EQ(Selected("6533_MicIn_option"), wasOn) << "the option shows what the headset does";
    EXPECT_EQ(Stored("MicInSelect"), stored);
}

TEST_F(HeadsetVoice, BuiltInPresetEnablesTheEqualiserAndWritesItsBands) {
    const std::vector<int> rock = {7, 11, 6, -3, -11, -1, 6, 13, 6, 13};
    Click("6533_eq_option_2");
    std::vector<std::string> expected = {"write " + kOut + " Enable_EQ_GFX = 1"};
    for (const std::string& line : BandWrites(rock)) expected.push_back(line);
    EXPECT_EQ(Writes(), expected);
    EXPECT_EQ(ShownBands(), rock);
    EXPECT_EQ(Stored("EqType"), 2);
    EXPECT_FALSE(PageControl("custom_eq_option_layout")->isEnabled());
    for (int n = 1; n <= 13; ++n) EXPECT_EQ(Selected("6533_eq_option_" + std::to_string(n)), n == 2) << n;
}

TEST_F(HeadsetVoice, MovedBandSwitchesToCustomAndIsWrittenOnceOnRelease) {
    Click("6533_eq_option_5");
    library->ClearCalls();
    auto* slider = qobject_cast<QAbstractSlider*>(PageControl("6533_eq_hz_slider_3"));
    ASSERT_NE(slider, nullptr);
    slider->setSliderDown(true);
    for (int value : {2, 4, 6}) slider->setSliderPosition(value);
    EXPECT_TRUE(Writes().empty()) << "nothing while dragging";
    slider->setSliderDown(false);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"write " + kOut + " EQ_Slider4 = 6"}));
    EXPECT_TRUE(Selected("6533_eq_option_13"));
    EXPECT_FALSE(Selected("6533_eq_option_5"));
    EXPECT_TRUE(PageControl("custom_eq_option_layout")->isEnabled());
    EXPECT_EQ(GetCurSel(PageControl("custom_eq_name_combo")), -1);
    // Saving without a name while no preset is selected is refused, silently.
    const int shown = CMsgWnd::LastShown().count;
    Click("hs_EQ_btn_save");
    EXPECT_TRUE(StoredCustomNames().isEmpty());
    EXPECT_EQ(CMsgWnd::LastShown().count, shown);
}

TEST_F(HeadsetVoice, SavedCustomPresetsKeepTheirBandsAndNames) {
    DragAndRelease("6533_eq_hz_slider_0", 9);
    const std::vector<int> first = ShownBands();
    TypeName(QStringLiteral("Night"));
    library->ClearCalls();
    Click("hs_EQ_btn_save");
    EXPECT_TRUE(Writes().empty()) << "selecting the saved preset in the list writes nothing";
    EXPECT_EQ(ComboNames(), QStringList{QStringLiteral("Night")});
    EXPECT_EQ(GetCurSel(PageControl("custom_eq_name_combo")), 0);
    EXPECT_TRUE(GetText(PageControl("custom_eq_name_edit")).isEmpty()) << "the edit empties after a save";

    DragAndRelease("6533_eq_hz_slider_9", -7);
    const std::vector<int> second = ShownBands();
    TypeName(QStringLiteral("Movie"));
    Click("hs_EQ_btn_save");
    EXPECT_EQ(StoredCustomNames(), (QStringList{QStringLiteral("Night"), QStringLiteral("Movie")}));
    EXPECT_EQ(StoredCustomBands(0), first);
    EXPECT_EQ(StoredCustomBands(1), second);
    EXPECT_EQ(Stored("CustomEqSeletIndex"), 1);

    // The user picks the first one: its bands are shown and written.
    library->ClearCalls();
    ChooseCustomPreset(0);
    std::vector<std::string> expected = {"write " + kOut + " Enable_EQ_GFX = 1"};
    for (const std::string& line : BandWrites(first)) expected.push_back(line);
    EXPECT_EQ(Writes(), expected);
    EXPECT_EQ(ShownBands(), first);
    EXPECT_EQ(Stored("CustomEqSeletIndex"), 0);

    // A name that differs only in case is in use.
    const int shown = CMsgWnd::LastShown().count;
    CMsgWnd::SetNextAnswer(1);
    TypeName(QStringLiteral("MOVIE"));
    Click("hs_EQ_btn_save");
    EXPECT_EQ(CMsgWnd::LastShown().count, shown + 1);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_5"));
    EXPECT_EQ(StoredCustomNames().size(), 2);
}

TEST_F(HeadsetVoice, DeletingPresetsMovesTheRestDownAndFallsBackToTheFirstBuiltIn) {
    std::vector<std::vector<int>> saved;
    for (int i = 0; i < 3; ++i) {
        DragAndRelease("6533_eq_hz_slider_" + std::to_string(i), 10 + i);
        saved.push_back(ShownBands());
        TypeName(QStringLiteral("Preset %1").arg(i));
        Click("hs_EQ_btn_save");
    }
    ChooseCustomPreset(0);
    Click("hs_EQ_btn_delete");
    EXPECT_EQ(StoredCustomNames(), (QStringList{QStringLiteral("Preset 1"), QStringLiteral("Preset 2")}));
    EXPECT_EQ(StoredCustomBands(0), saved[1]);
    EXPECT_EQ(StoredCustomBands(1), saved[2]);
    EXPECT_EQ(ShownBands(), saved[1]);

    Click("hs_EQ_btn_delete");
    library->ClearCalls();
    Click("hs_EQ_btn_delete");
    EXPECT_TRUE(StoredCustomNames().isEmpty());
    EXPECT_TRUE(ComboNames().isEmpty());
    EXPECT_EQ(Stored("EqType"), 1);
    EXPECT_TRUE(Selected("6533_eq_option_1"));
    EXPECT_EQ(ShownBands(), (std::vector<int>{7, 11, 2, -3, -1, 4, 9, 12, 9, 5}));
    EXPECT_TRUE(Writes().empty()) << "deleting writes nothing to the headset";
}

TEST_F(HeadsetVoice, VoiceChangerSwitchAndVoices) {
    if (Selected("magic_enable_option")) Click("magic_enable_option");
    library->ClearCalls();
    Click("magic_enable_option");
    EXPECT_EQ(Writes(), (std::vector<std::string>{"write " + kMic + " Enable_MAGICVOICE = 1",
                                                  "write " + kMic + " Enable_MICECHO = 0"}));
    EXPECT_TRUE(PageControl("magic_option_layout")->isEnabled());
    EXPECT_EQ(Stored("MagicEnable"), 1);

    library->ClearCalls();
    Click("magic_option_3");
    EXPECT_EQ(Writes(), (std::vector<std::string>{"write " + kMic + " MagicVoice_Selection = 2"}));
    EXPECT_EQ(Stored("MagicType"), 3);
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(Selected("magic_option_" + std::to_string(n)), n == 3) << n;

    library->ClearCalls();
    Click("magic_enable_option");
    EXPECT_EQ(Writes(), (std::vector<std::string>{"write " + kMic + " Enable_MAGICVOICE = 0"}));
    EXPECT_FALSE(PageControl("magic_option_layout")->isEnabled());
    EXPECT_EQ(Stored("MagicEnable"), 0);
}

// While the changer is off its voices must look off, not only refuse clicks, and the switch
// names the state it is in.
TEST_F(HeadsetVoice, VoicesLookOffAndTheSwitchNamesItsState) {
    ASSERT_FALSE(qApp->styleSheet().isEmpty()) << "the look under test comes from the skin's style sheet";
    if (Selected("magic_enable_option")) Click("magic_enable_option");
    QWidget* voice = PageControl("magic_option_2");
    const QImage offLook = voice->grab().toImage();
    EXPECT_EQ(GetText(PageControl("magic_enable_option")), QStringLiteral("Off"));

    Click("magic_enable_option");
    EXPECT_EQ(GetText(PageControl("magic_enable_option")), QStringLiteral("On"));
    EXPECT_NE(voice->grab().toImage(), offLook)
        << "an available voice looks different from an unavailable one";

    Click("magic_enable_option");
    EXPECT_EQ(GetText(PageControl("magic_enable_option")), QStringLiteral("Off"));
    EXPECT_EQ(voice->grab().toImage(), offLook);
}

// After a restart with a built-in preset in use, "Custom" applies the custom preset chosen
// last, or the first when the profile names none that exists: selected, shown, written to
// the headset and stored.
TEST_F(HeadsetVoice, CustomAfterARestartAppliesTheLastOrTheFirstCustomPreset) {
    struct Case {
        int storedIndex;  // written into the profile before the restart; -1: as saved
        int chosen;
    };
    const Case cases[] = {{-1, 1}, {7, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedIndex);
        TearDown();
        SetUp();
        std::vector<std::vector<int>> saved;
        for (const char* name : {"Night", "Movie"}) {
            DragAndRelease("6533_eq_hz_slider_" + std::to_string(saved.size()), 9);
            saved.push_back(ShownBands());
            TypeName(QLatin1String(name));
            Click("hs_EQ_btn_save");
        }
        Click("6533_eq_option_2");
        ASSERT_EQ(Stored("EqType"), 2);
        if (c.storedIndex >= 0) {
            QFile file(QString::fromStdString(slot->device->GetProfileFile()));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            Json::Value root;
            const QByteArray bytes = file.readAll();
            file.close();
            ASSERT_TRUE(Json::Reader().parse(bytes.constData(), bytes.constData() + bytes.size(), root));
            root["Device"][0]["SystemSetStages"]["CustomEqSeletIndex"] = c.storedIndex;
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray::fromStdString(Json::StyledWriter().write(root)));
        }

        Restart();
        ASSERT_TRUE(Selected("6533_eq_option_2"));
        library->ClearCalls();
        Click("6533_eq_option_13");
        EXPECT_EQ(GetCurSel(PageControl("custom_eq_name_combo")), c.chosen);
        const std::vector<int>& bands = saved[static_cast<size_t>(c.chosen)];
        std::vector<std::string> expected = {"write " + kOut + " Enable_EQ_GFX = 1"};
        for (const std::string& line : BandWrites(bands)) expected.push_back(line);
        EXPECT_EQ(Writes(), expected);
        EXPECT_EQ(ShownBands(), bands);
        EXPECT_EQ(Stored("EqType"), 13);
        EXPECT_EQ(Stored("CustomEqSeletIndex"), c.chosen);
    }
}

// Restore defaults and the profile reset follow one rule on the headset: the default
// equaliser is written and stored, the lighting goes to the headset, the user's named
// custom presets stay, and the levels the microphone endpoint holds are kept as they are.
TEST_F(HeadsetVoice, DefaultsAndResetWriteTheDefaultEqualiserAndKeepNamedPresets) {
    const Json::Value defaults = [] {
        QFile file(QStringLiteral(KVELM_TEST_PROGRAM_DIR "/DefaultData/HD.Json"));
        Json::Value root;
        if (!file.open(QIODevice::ReadOnly)) return root;
        const QByteArray bytes = file.readAll();
        Json::Reader().parse(bytes.constData(), bytes.constData() + bytes.size(), root);
        return root["Device"][0];
    }();
    const int defaultType = defaults["SystemSetStages"]["EqType"].asInt();
    const std::optional<std::vector<int>> defaultBands = BuiltInEqBands(defaultType);
    ASSERT_TRUE(defaultBands.has_value());
    const int otherType = defaultType == 2 ? 3 : 2;

    for (const char* button : {"default_btn", "device_reset_btn"}) {
        SCOPED_TRACE(button);
        TearDown();
        SetUp();
        DragAndRelease("6533_eq_hz_slider_0", 9);
        TypeName(QStringLiteral("Night"));
        Click("hs_EQ_btn_save");
        Click("6533_eq_option_" + std::to_string(otherType));
        DragAndRelease("6533_MicIn_slider", 42);

        CMsgWnd::SetNextAnswer(0);
        Click(button);
        EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_22"));
        EXPECT_EQ(Stored("EqType"), otherType);

        library->ClearCalls();
        sim->ClearFrames();
        CMsgWnd::SetNextAnswer(1);
        Click(button);
        std::vector<std::string> expected = {"write " + kOut + " Enable_EQ_GFX = 1"};
        for (const std::string& line : BandWrites(*defaultBands)) expected.push_back(line);
        EXPECT_EQ(Writes(), expected);
        EXPECT_EQ(ShownBands(), *defaultBands);
        EXPECT_TRUE(Selected("6533_eq_option_" + std::to_string(defaultType)));
        EXPECT_EQ(Stored("EqType"), defaultType);
        EXPECT_EQ(ProfileDevice()["LightInfo"]["SelectItem"].asInt(),
                  defaults["LightInfo"]["SelectItem"].asInt());
        EXPECT_FALSE(sim->CommandFrames().empty()) << "the lighting goes to the headset";
        // The user's own: the named preset, and the microphone level the endpoint holds.
        EXPECT_EQ(StoredCustomNames(), QStringList{QStringLiteral("Night")});
        EXPECT_EQ(ComboNames(), QStringList{QStringLiteral("Night")});
        EXPECT_EQ(Stored("MicInValue"), 42);
        EXPECT_EQ(Value("6533_MicIn_slider"), 42);
    }
}
