// The headset's slot in the main window: it arrives with its own entry, page and power
// panel; what its audio library lacks is greyed; the library's failures are told in a
// message box; its lighting goes to the headset.
#include "headset_fixture.h"

#include <QStackedWidget>

#include "mainwnd/headset_slot.h"
#include "panels/headsetpage/magic_control_ui.h"
#include "panels/headsetpage/voice6533_control_ui.h"
#include "shell/language_manager.h"

using HeadsetPage = HeadsetFixture;

TEST_F(HeadsetPage, ArrivesWithEntryPageAndPanels) {
    EXPECT_TRUE(slot->entry->IsShown());
    EXPECT_TRUE(slot->entry->IsSelected()) << "the only device is selected";
    EXPECT_EQ(GetText(FindControl(slot->entry, QStringLiteral("device_select_name"))),
              QStringLiteral("KV_ELM HS6533 Headset"));
    EXPECT_EQ(slot->entry->Kind(), 7);
    EXPECT_NE(slot->powerPanel, nullptr);
    for (const char* panel : {"LightControlItem", "Voice6533ControlItem", "MagicControlItem"})
        EXPECT_NE(PageControl(panel), nullptr) << panel;
    // The page shows the levels read back from the library, the equaliser from the profile.
    const Json::Value device = ProfileDevice();
    const double micScalar = std::stod(library->Value(Lib::kMicrophoneId, "VolumeScalarControl"));
    EXPECT_EQ(Value("6533_MicIn_slider"), static_cast<int>(micScalar * 100));
    EXPECT_TRUE(Selected("6533_eq_option_" + std::to_string(device["SystemSetStages"]["EqType"].asInt())));
    // Every feature is there in the simulated library.
    EXPECT_TRUE(PageControl("MagicControlItem")->isEnabled());
    EXPECT_TRUE(PageControl("6533_eq_layout")->isEnabled());
}

TEST_F(HeadsetPage, RemovalHidesTheEntryAndArrivalShowsItAgain) {
    sim->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !slot->entry->IsShown(); }, 3000));
    sim->Plug();
    ASSERT_TRUE(QTest::qWaitFor([this] { return slot->entry->IsShown(); }, 3000));
}

TEST_F(HeadsetPage, FeaturesTheLibraryLacksAreGreyed) {
    struct Case {
        const char* microphone;
        const char* output;
        bool voiceChanger, equaliser;
    };
    const Case cases[] = {
        {"0,0,0,0,0,0,0", "0,0,0,0,0,0,0", false, false},
        {"131072,0,0,0,0,0,0", "0,0,0,0,0,0,0", true, false},
        {"0,0,0,0,0,0,0", "1,0,0,0,0,0,0", false, true},
    };
    for (const Case& c : cases) {
        library->SetFeatureList(Lib::kMicrophoneId, c.microphone);
        library->SetFeatureList(Lib::kHeadphonesId, c.output);
        headset->BindPageControls();  // the library is asked again
        ShowHeadsetAudioFeatures(*slot);
        EXPECT_EQ(PageControl("MagicControlItem")->isEnabled(), c.voiceChanger) << c.microphone;
        EXPECT_EQ(PageControl("magic_enable_option")->isEnabled(), c.voiceChanger) << c.microphone;
        EXPECT_EQ(PageControl("6533_eq_hz_slider_0")->isEnabled(), c.equaliser) << c.output;
        EXPECT_TRUE(PageControl("6533_MicIn_slider")->isEnabled()) << "levels stay available";
    }
}

TEST_F(HeadsetPage, LibraryFailuresAreToldInAMessageBox) {
    struct Case {
        const char* text;
        void (*fault)(Lib&);
    };
    const Case cases[] = {
        {"ConfLibInit called failed!", [](Lib& lib) { lib.SetInitResult(1); }},
        {"UpdateAPOAvailable failed!", [](Lib& lib) { lib.SetFeatureList(Lib::kMicrophoneId, "1,2,3"); }},
    };
    for (const Case& c : cases) {
        library->SetInitResult(0);
        library->SetFeatureList(Lib::kMicrophoneId, Lib::kMicrophoneFeatures);
        c.fault(*library);
        const int shownBefore = CMsgWnd::LastShown().count;
        CMsgWnd::SetNextAnswer(1);
        headset->BindPageControls();
        ASSERT_TRUE(QTest::qWaitFor([&] { return CMsgWnd::LastShown().count > shownBefore; }, 3000))
            << c.text;
        EXPECT_EQ(CMsgWnd::LastShown().text, QLatin1String(c.text));
        EXPECT_EQ(CMsgWnd::LastShown().count, shownBefore + 1) << "one box per failure";
    }
}

TEST_F(HeadsetPage, BrightnessGoesToTheHeadsetsLightingRecord) {
    auto* slider = qobject_cast<QAbstractSlider*>(PageControl("deng_light_slider"));
    ASSERT_NE(slider, nullptr);
    const int level = slider->value() == 1 ? 3 : 1;
    DragAndRelease("deng_light_slider", level);
    std::vector<uint8_t> commands;
    std::vector<uint8_t> written;
    for (const auto& frame : sim->CommandFrames()) {
        commands.push_back(frame.at(3));
        if (frame.at(3) == 0x06) written.assign(frame.begin() + 8, frame.begin() + 8 + frame.at(4));
    }
    EXPECT_EQ(commands, (std::vector<uint8_t>{0x01, 0x06, 0x02}));
    ASSERT_EQ(written.size(), 21u);
    EXPECT_EQ(written[2], level) << "byte 2: brightness";
    EXPECT_EQ(ProfileDevice()["LightInfo"]["Light"].asInt(), level);
}

TEST_F(HeadsetPage, FeatureTabsShowTheirPanels) {
    auto* functions = qobject_cast<QStackedWidget*>(PageControl("device_function_switch"));
    auto* panels = qobject_cast<QStackedWidget*>(PageControl("device_key_function_switch"));
    ASSERT_NE(functions, nullptr);
    ASSERT_NE(panels, nullptr);
    struct Case {
        const char* tab;
        const char* panel;  // nullptr: the virtual surround page
    };
    const Case cases[] = {{"6533_voice_Op_tab", "Voice6533ControlItem"},
                          {"magic_Op_tab", "MagicControlItem"},
                          {"deng_Op_tab", "LightControlItem"},
                          {"Virtual7.1_Op_tab", nullptr}};
    for (const Case& c : cases) {
        Click(c.tab);
        if (c.panel == nullptr) {
            EXPECT_EQ(functions->currentIndex(), 1) << c.tab;
            continue;
        }
        EXPECT_EQ(functions->currentIndex(), 0) << c.tab;
        EXPECT_TRUE(panels->currentWidget()->isAncestorOf(PageControl(c.panel))) << c.tab;
    }
}

TEST_F(HeadsetPage, TypesOutOfRangeSelectNoOption) {
    auto* voice = slot->page->findChild<CVoice6533ControlUI*>();
    auto* magic = slot->page->findChild<CMagicControlUI*>();
    ASSERT_NE(voice, nullptr);
    ASSERT_NE(magic, nullptr);
    for (int type : {0, 14, -1}) {
        voice->ShowEqType(3);
        voice->ShowEqType(type);
        for (int n = 1; n <= 13; ++n) EXPECT_FALSE(Selected("6533_eq_option_" + std::to_string(n))) << type;
    }
    for (int type : {0, 5}) {
        magic->ShowVoiceChangerType(2);
        magic->ShowVoiceChangerType(type);
        for (int n = 1; n <= 4; ++n) EXPECT_FALSE(Selected("magic_option_" + std::to_string(n))) << type;
    }
    EXPECT_TRUE(Writes().empty()) << "showing a value writes nothing";
}

TEST_F(HeadsetPage, TextsFollowTheLanguage) {
    struct Case {
        const char* control;
        QString english, chinese;
    };
    const Case cases[] = {
        {"6533_eq_option_1", "Pop", "流行"},
        {"6533_eq_option_11", "Bass boost", "重低音"},
        {"6533_eq_option_13", "Custom", "自定义"},
        {"6533_mic_title_text", "Microphone", "麦克风"},
        {"6533_MicMoniter_option", "On", "开启"},
        {"hs_EQ_btn_delete", "Delete", "删除"},
        {"magic_option_4", "Robot", "机器人"},
        {"hs_virtual_text", "Virtual surround is set by the headset itself.", "虚拟环绕声由耳机自行设置。"},
    };
    auto* nameEdit = qobject_cast<QLineEdit*>(PageControl("custom_eq_name_edit"));
    ASSERT_NE(nameEdit, nullptr);
    for (const char* file : {"lan_cn.xml", "lan_en.xml", "lan_cn.xml"}) {
        ASSERT_TRUE(CLanguageManager::Instance().LoadLanguageFile(QLatin1String(file))) << file;
        const bool chinese = QLatin1String(file) == QLatin1String("lan_cn.xml");
        for (const Case& c : cases) {
            ASSERT_NE(PageControl(c.control), nullptr) << c.control;
            EXPECT_EQ(GetText(PageControl(c.control)), chinese ? c.chinese : c.english)
                << file << " " << c.control;
        }
        EXPECT_EQ(nameEdit->placeholderText(), chinese ? "新预设名称" : "New preset name") << file;
        EXPECT_TRUE(nameEdit->text().isEmpty()) << "the place holder's id leaves the typed name alone";
        EXPECT_EQ(GetText(PageControl("6533_eq_hz_text_9")), "16k") << file;
    }
}
