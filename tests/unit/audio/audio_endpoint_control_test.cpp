// The headset's audio endpoint control against the simulated configuration library: what
// the library is asked, in which order, and what comes back into the headset's settings.
#include <gtest/gtest.h>

#include <algorithm>

#include "devices/audio/audio_endpoint_control.h"
#include "devices/audio/headset_audio_source.h"
#include "devices/audio/simulated_audio_library.h"
#include "temp_folder.h"

namespace {

using Lib = SimulatedAudioLibrary;
const std::string kMic = std::to_string(Lib::kMicrophoneId);
const std::string kOut = std::to_string(Lib::kHeadphonesId);

class AudioControlTest : public ::testing::Test {
protected:
    std::vector<std::string> Calls() const { return library.Calls(); }
    bool Logged(const std::string& line) const {
        const std::vector<std::string> calls = Calls();
        return std::find(calls.begin(), calls.end(), line) != calls.end();
    }
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& call : Calls())
            if (call.rfind("write ", 0) == 0) writes.push_back(call);
        return writes;
    }
    void Init() { control.InitAudio(state); }

    Lib library;
    std::vector<std::string> messages;
    CAudioEndpointControl control{&library, [this](const std::string& m) { messages.push_back(m); }};
    HeadsetAudioState state;
};

}  // namespace

TEST_F(AudioControlTest, InitialisationOrderOnTheDefaultLibrary) {
    Init();
    const std::vector<std::string> calls = Calls();
    const std::vector<std::string> head(calls.begin(), calls.begin() + 13);
    const std::vector<std::string> expected = {
        "ConfLibInit", "CreateDeviceList", "GetDeviceCount 0",
        // selection: every output, then every capture endpoint
        "GetDeviceCount 0", "GetDeviceById 0 0", "GetDeviceById 0 1", "GetDeviceById 0 2",
        "GetDeviceById 0 3", "GetDeviceCount 1", "GetDeviceById 1 0", "GetDeviceById 1 1",
        // features: microphone first
        "read " + kMic + " GetSupportFeature", "read " + kOut + " GetSupportFeature"};
    EXPECT_EQ(head, expected);
    // Defaults: each property read once in the fixed order; the library knows them all,
    // so nothing is written.
    const std::vector<std::string> defaults(calls.begin() + 13, calls.begin() + 13 + 24);
    EXPECT_EQ(defaults.front(), "read " + kOut + " VirtualSurroundEffectControl second 4 -1 0");
    EXPECT_EQ(defaults[2], "read " + kMic + " VolumeControl ch -1");
    EXPECT_EQ(defaults[4], "read " + kOut + " EQ_Slider1");
    EXPECT_EQ(defaults.back(), "read " + kMic + " MagicVoice_Selection");
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(messages.empty());
    // Then the state read-back starts with the microphone's range.
    EXPECT_EQ(calls.at(37), "read " + kMic + " GetMaxVol");
}

TEST_F(AudioControlTest, EndpointSelection) {
    struct Case {
        const char* what;
        std::vector<AudioEndpointId> outputs;
        std::vector<AudioEndpointId> captures;
        uint32_t outputId;
        uint32_t microphoneId;
    };
    const Case cases[] = {
        {"type 1 beats an earlier type 12", {{10, 12, 0, 1}, {11, 1, 0, 1}}, {{20, 2, 0, 1}}, 11, 20},
        {"an inactive type 1 is passed over; type 7 beats type 4",
         {{10, 4, 0, 1}, {11, 1, 0, 0}, {12, 7, 0, 1}},
         {{20, 2, 0, 1}},
         12,
         20},
        {"an inactive type-2 capture is still the microphone",
         {{10, 12, 0, 1}},
         {{20, 3, 0, 1}, {21, 2, 0, 0}, {22, 2, 0, 1}},
         10,
         21},
        {"no active output of a known type, no type-2 capture",
         {{10, 5, 0, 1}, {11, 1, 0, 0}},
         {{20, 3, 0, 1}},
         0,
         0},
    };
    for (const Case& c : cases) {
        Lib lib;
        lib.SetEndpoints(AudioFlow::kOutput, c.outputs);
        lib.SetEndpoints(AudioFlow::kCapture, c.captures);
        CAudioEndpointControl control(&lib);
        HeadsetAudioState s;
        control.InitAudio(s);
        EXPECT_EQ(control.Output().endpoint.id, c.outputId) << c.what;
        EXPECT_EQ(control.Microphone().endpoint.id, c.microphoneId) << c.what;
    }
}

TEST_F(AudioControlTest, NoOutputEndpointStopsAfterTheCount) {
    library.SetEndpoints(AudioFlow::kOutput, {});
    state.settings.micInValue = 33;
    Init();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"ConfLibInit", "CreateDeviceList", "GetDeviceCount 0"}));
    EXPECT_EQ(state.settings.micInValue, 33) << "the profile's value stays";
    EXPECT_EQ(control.SetAudioProperty(AudioRole::kOutput, prop::kEqEnable, int32_t{1}), kAudioNoEndpoint);
}

TEST_F(AudioControlTest, InitFailureIsShownAndTheSequenceGoesOn) {
    library.SetInitResult(5);
    Init();
    EXPECT_EQ(messages, std::vector<std::string>{"ConfLibInit called failed!"});
    EXPECT_EQ(control.Output().endpoint.id, Lib::kHeadphonesId);
    EXPECT_EQ(state.settings.micInValue, 75);
}

TEST_F(AudioControlTest, FeatureWordsFromTheList) {
    struct Case {
        const char* list;
        int word0, word4, word6;
        bool complained;
    };
    const Case cases[] = {
        {"1,2,3,4,5,6,7", 1, 5, 7, false},
        {"131072,0,0,0,9,0,11,12", 131072, 9, 11, false},
        {"1,2,3,4,5,6", 0, 0, 0, true},
        {"", 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        Lib lib;
        lib.SetFeatureList(Lib::kMicrophoneId, c.list);
        std::vector<std::string> shown;
        CAudioEndpointControl control(&lib, [&](const std::string& m) { shown.push_back(m); });
        HeadsetAudioState s;
        control.InitAudio(s);
        const AudioEndpointRecord& mic = control.Microphone();
        EXPECT_EQ(mic.featureWord0, c.word0) << c.list;
        EXPECT_EQ(mic.featureWord4, c.word4) << c.list;
        EXPECT_EQ(mic.featureWord6, c.word6) << c.list;
        EXPECT_EQ(!shown.empty(), c.complained) << c.list;
        if (c.complained) {
            EXPECT_EQ(shown, std::vector<std::string>{"UpdateAPOAvailable failed!"});
        }
    }
}

TEST_F(AudioControlTest, DefaultsWrittenOnlyWhereTheReadFails) {
    library.FailRead("EQ_Slider3");
    library.FailRead("VirtualSurroundEffectControl");
    library.FailRead("AAVolumeScalarControl");
    Init();
    EXPECT_EQ(Writes(), (std::vector<std::string>{
                            "write " + kOut + " VirtualSurroundEffectControl = 0 second 4 -1 0",
                            "write " + kOut + " EQ_Slider3 = 0",
                            "write " + kMic + " AAVolumeScalarControl = 0 ch 0",
                        }));
}

TEST_F(AudioControlTest, AnEmptyLibraryGetsEveryDefault) {
    library.ForgetValues();
    library.SetFeatureList(Lib::kMicrophoneId, Lib::kMicrophoneFeatures);
    Init();
    const std::vector<std::string> writes = Writes();
    ASSERT_EQ(writes.size(), 24u);
    EXPECT_EQ(writes[2], "write " + kMic + " VolumeControl = 0 ch -1");
    EXPECT_EQ(writes[17], "write " + kMic + " MuteControl = 0");
    EXPECT_EQ(library.Value(Lib::kHeadphonesId, "EQ_Slider10"), "0");
    // Read back from the defaults just written: microphone and monitor on, at level 0.
    EXPECT_EQ(state.settings.micInSelect, 1);
    EXPECT_EQ(state.settings.micInValue, 0);
    EXPECT_EQ(state.settings.magicType, 1);
}

TEST_F(AudioControlTest, ReadBackIntoTheSettings) {
    library.SetValue(Lib::kMicrophoneId, "MuteControl", "1");
    library.SetValue(Lib::kMicrophoneId, "VolumeScalarControl", "0.57");
    library.SetValue(Lib::kMicrophoneId, "AAMuteControl", "0");
    library.SetValue(Lib::kMicrophoneId, "AAVolumeScalarControl", "0.29");
    library.SetValue(Lib::kMicrophoneId, "Enable_MAGICVOICE", "1");
    library.SetValue(Lib::kMicrophoneId, "MagicVoice_Selection", "2");
    Init();
    const HeadsetSettings& s = state.settings;
    EXPECT_EQ(state.micMute, 1);
    EXPECT_EQ(s.micInSelect, 0);
    EXPECT_EQ(s.micInValue, 57) << "0.57 must not lose a step";
    EXPECT_EQ(state.monitorMute, 0);
    EXPECT_EQ(s.micMonitorSelect, 1);
    EXPECT_EQ(s.micMonitorValue, 29);
    EXPECT_EQ(s.magicEnable, 1);
    EXPECT_EQ(s.magicType, 3);
    EXPECT_TRUE(Logged("read " + kMic + " AAVolumeControl ch 0"));
    EXPECT_TRUE(Logged("read " + kOut + " EQ_Slider10"));
}

TEST_F(AudioControlTest, ReadBackKeepsWhatCannotBeRead) {
    struct Case {
        const char* what;
        void (*arrange)(Lib&);
        HeadsetSettings expected;
        const char* readOnlyByDefaults;  // a read the state read-back must not make
    };
    // The profile's values before the read: all 9, so a kept value shows.
    const Case cases[] = {
        {"no voice changer bit: MagicEnable stays, its read is not made",
         [](Lib& l) {
             l.SetFeatureList(Lib::kMicrophoneId, "1,0,0,0,0,0,0");
             l.SetValue(Lib::kMicrophoneId, "Enable_MAGICVOICE", "1");
         },
         {9, 1, 9, 9, 1, 75, 1, 40},
         "Enable_MAGICVOICE"},
        {"selection 4 leaves MagicType",
         [](Lib& l) { l.SetValue(Lib::kMicrophoneId, "MagicVoice_Selection", "4"); },
         {0, 9, 9, 9, 1, 75, 1, 40},
         nullptr},
        {"no monitor range: monitor reads skipped",
         [](Lib& l) { l.FailRead("GetAAMaxVol"); },
         {0, 1, 9, 9, 1, 75, 9, 9},
         "AAMuteControl"},
        {"unreadable mute and level",
         [](Lib& l) {
             l.FailRead("MuteControl");
             l.FailRead("VolumeScalarControl");
         },
         {0, 1, 9, 9, 9, 9, 1, 40},
         nullptr},
    };
    for (const Case& c : cases) {
        Lib lib;
        c.arrange(lib);
        CAudioEndpointControl control(&lib);
        HeadsetAudioState s;
        s.settings = {9, 9, 9, 9, 9, 9, 9, 9};
        control.InitAudio(s);
        EXPECT_EQ(s.settings, c.expected) << c.what;
        const std::vector<std::string> calls = lib.Calls();
        if (c.readOnlyByDefaults != nullptr) {
            const std::string line = "read " + kMic + " " + c.readOnlyByDefaults;
            EXPECT_EQ(std::count(calls.begin(), calls.end(), line), 1) << c.what;
        }
    }
}

TEST_F(AudioControlTest, PropertyWritesReachTheChosenEndpoint) {
    Init();
    library.ClearCalls();
    EXPECT_EQ(
        control.SetAudioProperty(AudioRole::kMicrophone, prop::kVolumeScalar, 0.5f, channel::kMicrophone), 0);
    EXPECT_EQ(control.SetAudioProperty(AudioRole::kOutput, EqSliderName(4), int32_t{-11}), 0);
    library.FailWrite("MuteControl");
    EXPECT_NE(control.SetAudioProperty(AudioRole::kMicrophone, prop::kMute, int32_t{1}), 0);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"write " + kMic + " VolumeScalarControl = 0.5 ch -1",
                                                 "write " + kOut + " EQ_Slider4 = -11",
                                                 "write " + kMic + " MuteControl = 1"}));
    EXPECT_EQ(library.Value(Lib::kHeadphonesId, "EQ_Slider4"), "-11");
    EXPECT_EQ(library.Value(Lib::kMicrophoneId, "MuteControl"), "0");
}

TEST(AudioControlWithoutLibrary, EverythingIsSkippedAndCountsAsDone) {
    CAudioEndpointControl control(nullptr);
    HeadsetAudioState s;
    s.settings.micInValue = 12;
    control.InitAudio(s);
    EXPECT_FALSE(control.Available());
    EXPECT_EQ(s.settings.micInValue, 12);
    EXPECT_EQ(control.SetAudioProperty(AudioRole::kMicrophone, prop::kMute, int32_t{1}), 0);
}

TEST(HeadsetAudioSourceTest, TheSimulatedLibraryOnlyWhenTheHeadsetIsSimulated) {
    const std::pair<const char*, bool> cases[] = {
        {"headset", true}, {"mouse, headset ", true}, {"headsets", false}, {"", false}, {"mouse,pad", false},
    };
    for (const auto& [list, simulated] : cases) {
        EXPECT_EQ(SimulatesHeadset(list), simulated) << list;
        const std::unique_ptr<IAudioConfigLibrary> library = MakeHeadsetAudioLibrary(list, 0x0000, 0x0000);
        EXPECT_EQ(dynamic_cast<SimulatedAudioLibrary*>(library.get()) != nullptr, simulated) << list;
        if (!simulated) {
            EXPECT_EQ(library, nullptr) << "no sound card has ids 0000:0000";
        }
    }
}

// The simulated sound system keeps its values in a file, as a sound card keeps its levels:
// a second library on the same file reads what the first wrote; a file that is not its own
// changes nothing and names nothing new.
TEST(SimulatedAudioKeptValues, ASecondLibraryReadsWhatTheFirstWrote) {
    TempFolder folder;
    ASSERT_TRUE(folder.IsValid());
    const std::string file = folder.File("headset-audio.json");
    {
        Lib first;
        first.KeepValuesIn(file);
        CAudioEndpointControl control{&first, [](const std::string&) {}};
        HeadsetAudioState state;
        control.InitAudio(state);
        ASSERT_EQ(control.SetAudioProperty(AudioRole::kMicrophone, prop::kVolumeScalar, 0.4f), audio::kOk);
    }
    Lib second;
    second.KeepValuesIn(file);
    EXPECT_EQ(second.Value(Lib::kMicrophoneId, prop::kVolumeScalar), "0.4");
    EXPECT_EQ(second.Value(Lib::kMicrophoneId, prop::kMonitorScalar), "0.4")
        << "untouched values keep theirs";

    const struct {
        const char* what;
        std::string text;
    } planted[] = {
        {"not JSON", "{"},
        {"a value of another type", R"({"values": [[514, "VolumeScalarControl", 7]]})"},
        {"a property the endpoint does not have", R"({"values": [[514, "Planted", "1"]]})"},
        {"an endpoint that does not exist", R"({"values": [[9999, "VolumeScalarControl", "0.1"]]})"},
    };
    for (const auto& c : planted) {
        SCOPED_TRACE(c.what);
        WriteFileBytes(file, c.text);
        Lib library;
        library.KeepValuesIn(file);
        EXPECT_EQ(library.Value(Lib::kMicrophoneId, prop::kVolumeScalar), "0.75");
        EXPECT_EQ(library.Value(Lib::kMicrophoneId, "Planted"), "");
        EXPECT_EQ(library.Value(9999, prop::kVolumeScalar), "");
    }
}
