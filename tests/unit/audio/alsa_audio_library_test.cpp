// The sound-card library: the headset's properties mapped onto the microphone element of
// a card (a fake card here), driven through the endpoint control as the headset drives it.
#include <gtest/gtest.h>

#include "devices/audio/alsa_audio_library.h"
#include "devices/audio/audio_endpoint_control.h"
#include "fake_card_mixer.h"

namespace {

class AlsaLibraryTest : public ::testing::Test {
protected:
    std::string Read(AudioRole role, const std::string& name) {
        std::string text;
        EXPECT_EQ(control.ReadAudioProperty(role, name, std::nullopt, &text), 0) << name;
        return text;
    }

    std::unique_ptr<FakeMixer> owned = std::make_unique<FakeMixer>();
    FakeMixer* mixer = owned.get();
    AlsaAudioLibrary library{std::move(owned)};
    std::vector<std::string> shown;
    CAudioEndpointControl control{&library, [this](const std::string& m) { shown.push_back(m); }};
    HeadsetAudioState state;
};

}  // namespace

TEST_F(AlsaLibraryTest, StateReadFromTheCard) {
    state.settings.magicEnable = 1;
    control.InitAudio(state);
    EXPECT_TRUE(shown.empty()) << "a full feature list, every item absent";
    EXPECT_EQ(control.Output().endpoint.id, AlsaAudioLibrary::kOutputId);
    EXPECT_EQ(control.Microphone().endpoint.id, AlsaAudioLibrary::kMicrophoneId);
    EXPECT_EQ(control.Microphone().featureWord0 & kFeatureVoiceChanger, 0);
    EXPECT_EQ(state.micMute, 1) << "capture switch off";
    EXPECT_EQ(state.settings.micInSelect, 0);
    EXPECT_EQ(state.settings.micInValue, 65) << "20 of 0..31";
    EXPECT_EQ(state.settings.micMonitorSelect, 1);
    EXPECT_EQ(state.settings.micMonitorValue, 40) << "6 of 0..15";
    EXPECT_EQ(state.settings.magicEnable, 1) << "no voice changer: the profile's value stays";
    EXPECT_EQ(mixer->capture.value, 20) << "initialisation changes nothing that can be read";
    EXPECT_EQ(Read(AudioRole::kMicrophone, "VolumeControl"), "0");
    EXPECT_EQ(Read(AudioRole::kMicrophone, "GetAAMinVol"), "-15");
    EXPECT_EQ(Read(AudioRole::kMicrophone, "GetVolStep"), "1");
}

TEST_F(AlsaLibraryTest, WritesReachTheCardAndUnsupportedOnesFail) {
    control.InitAudio(state);
    struct Case {
        AudioRole role;
        const char* name;
        AudioValue value;
        bool ok;
    };
    const Case cases[] = {
        {AudioRole::kMicrophone, "VolumeScalarControl", 0.5f, true},
        {AudioRole::kMicrophone, "AAVolumeScalarControl", 1.5f, true},
        {AudioRole::kMicrophone, "MuteControl", int32_t{0}, true},
        {AudioRole::kMicrophone, "AAMuteControl", int32_t{1}, true},
        {AudioRole::kMicrophone, "Enable_MAGICVOICE", int32_t{1}, false},
        {AudioRole::kOutput, "EQ_Slider1", int32_t{4}, false},
        {AudioRole::kMicrophone, "GetMaxVol", 0.0f, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(control.SetAudioProperty(c.role, c.name, c.value) == 0, c.ok) << c.name;
    EXPECT_EQ(mixer->capture.value, 16) << "half of 0..31, rounded";
    EXPECT_EQ(mixer->playback.value, 15) << "a level above 1 is the top";
    EXPECT_TRUE(mixer->capture.on);
    EXPECT_FALSE(mixer->playback.on);
}

TEST_F(AlsaLibraryTest, ACardThatFailsKeepsTheSettings) {
    mixer->capture.fails = true;
    state.settings.micInValue = 33;
    state.settings.micInSelect = 1;
    control.InitAudio(state);
    EXPECT_EQ(state.settings.micInValue, 33);
    EXPECT_EQ(state.settings.micInSelect, 1);
    EXPECT_EQ(state.settings.micMonitorValue, 40);
}

TEST(AlsaLibraryWithoutCard, NoEndpointsAndNoLibrary) {
    AlsaAudioLibrary library(nullptr);
    uint32_t count = 7;
    ASSERT_EQ(library.GetDeviceCount(AudioFlow::kOutput, &count), 0);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(OpenHostAudioLibrary(0x0000, 0x0000), nullptr) << "no card has ids 0000:0000";
}
