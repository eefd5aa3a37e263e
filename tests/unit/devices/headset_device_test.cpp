// The headset device object: its HID side against the simulated headset, its audio side
// against the simulated configuration library, its profile on disk.
#include "device_fixture.h"
#include "devices/audio/simulated_audio_library.h"
#include "devices/hs6533_device.h"
#include "sim/sim_headset.h"
#include "util/json_file.h"

namespace {

const std::string kOut = std::to_string(SimulatedAudioLibrary::kHeadphonesId);
const std::string kMic = std::to_string(SimulatedAudioLibrary::kMicrophoneId);
const std::vector<int> kType1Bands = {7, 11, 2, -3, -1, 4, 9, 12, 9, 5};

class HeadsetDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDebugSink([](std::string_view) {});
        setenv("XDG_DATA_HOME", userHome_.Path().c_str(), 1);
        setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
        SimHidBus::Instance().UnplugAll();
        sim = std::make_shared<SimHeadset>();
        const int busId = sim->Plug();
        const std::string commandPath = SimCollectionPath(busId, "col04", SimHeadset::kCommandInterface);
        ASSERT_FALSE(commandPath.empty());
        device = std::make_unique<CVornakelHS6533Device>();
        device->SetFolderTag("HD");
        device->SetConfigName("tolva_light");
        HidDeviceInfo info;
        info.deviceKind = DeviceKind::kHeadsetHs6533;
        info.interfaceNumber = SimHeadset::kCommandInterface;
        info.collectionNumber = 4;
        info.devicePath = commandPath;
        device->SetHidInfo(info);
        device->SetUserValue(3);
        device->SetProfileName("p1");
        ASSERT_TRUE(device->OpenCommandChannel(commandPath));
        sim->ClearFrames();
    }
    void TearDown() override {
        device.reset();
        sim->Unplug();
        SetDebugSink({});
    }
    // Audio library bound, then the start-up: profile, audio state.
    void StartWithAudio() {
        device->SetAudioLibrary(&audio);
        device->BindPageControls();
        device->OnDeviceTimer1();
        audio.ClearCalls();
    }
    std::vector<FrameHeader> Headers() const {
        std::vector<FrameHeader> headers;
        for (const Bytes& frame : sim->CommandFrames())
            headers.push_back({frame[3], frame[4], static_cast<uint16_t>(frame[5] | frame[6] << 8)});
        return headers;
    }
    std::vector<std::string> AudioWrites() const {
        std::vector<std::string> writes;
        for (const std::string& call : audio.Calls())
            if (call.rfind("write ", 0) == 0) writes.push_back(call);
        return writes;
    }
    // The profile as it stands on disk.
    CHs6533Profiledata ProfileOnDisk() const {
        CHs6533Profiledata profile;
        profile.Load((userHome_.Path() / "KV_ELM Gaming mouse" / "HD" / "p1.Json").string());
        return profile;
    }
    std::vector<int> Sliders(int base) const {
        std::vector<int> bands;
        for (int i = 0; i < 10; ++i) bands.push_back(base + i);
        return bands;
    }

    TempFolder userHome_;
    std::shared_ptr<SimHeadset> sim;
    std::unique_ptr<CVornakelHS6533Device> device;
    SimulatedAudioLibrary audio;
};

TEST_F(HeadsetDeviceTest, LightingRecordReadFromTheActiveSlotAndWrittenAtZero) {
    std::vector<std::tuple<unsigned, uintptr_t>> messages;
    DeviceOwner owner;
    owner.sendMessage = [&](unsigned m, uintptr_t w, intptr_t) { messages.emplace_back(m, w); };
    device->SetOwnerWindow(owner);
    sim->SetSettingsBytes(0, {2});
    device->OnDeviceTimer2();
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{5, 1, 0}, {5, 25, 50}}));
    EXPECT_EQ(messages, (std::vector<std::tuple<unsigned, uintptr_t>>{{0x0D00, 2}}));
    EXPECT_EQ(device->Lighting()[3], 0) << "device speed byte 4 is level 0";

    ASSERT_EQ(device->LoadProfile(), 1);  // shipped: mode 2, brightness 4, speed 2, one colour 00 80 FF
    sim->ClearFrames();
    ASSERT_EQ(device->WriteSettings({}), 1);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0}, {6, 21, 0}, {2, 0, 0}}));
    const Bytes frame = sim->CommandFrames().at(1);
    EXPECT_EQ(Bytes(frame.begin() + 8, frame.begin() + 29),
              (Bytes{2, 2, 4, 2, 0, 0, 0x00, 0x80, 0xFF, 0x53, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(HeadsetDeviceTest, LightingChangeIsSavedWrittenAndReportedAsSuccess) {
    ASSERT_EQ(device->LoadProfile(), 1);
    sim->ClearFrames();
    LightInfoRecord light = device->GetLightEffect();
    light.selectItem = 6;
    EXPECT_EQ(device->SetLighting(light, true), 1);
    EXPECT_EQ(ProfileOnDisk().GetLightInfo().selectItem, 6);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0}, {6, 21, 0}, {2, 0, 0}}));
    EXPECT_EQ(device->SaveProfile(), 1);

    // A profile that cannot be written is reported, and the record still goes out.
    SetAtomicWriteByteLimitForTest(0);
    sim->ClearFrames();
    EXPECT_EQ(device->SetLighting(light, false), kResultProfileNotSaved);
    SetAtomicWriteByteLimitForTest(-1);
    EXPECT_EQ(Headers(), (std::vector<FrameHeader>{{1, 0, 0}, {6, 21, 0}, {2, 0, 0}}));
}

TEST_F(HeadsetDeviceTest, PowerStatusAndClosedChannel) {
    sim->SetPowerRecord({55, 1, 0, 0, 4, 0});
    PowerStatusRecord record{};
    ASSERT_EQ(device->QueryPowerStatus(&record), 1);
    EXPECT_EQ(record, (PowerStatusRecord{55, 1, 0, 0, 4, 0}));
    device->CloseCommandChannel();
    sim->ClearFrames();
    EXPECT_NE(device->ReadLightingRecord(), 1);
    EXPECT_NE(device->WriteSettings({}), 1);
    EXPECT_TRUE(sim->CommandFrames().empty());
}

TEST_F(HeadsetDeviceTest, StartUpTakesTheHeadsetsStateOverTheProfile) {
    audio.SetValue(SimulatedAudioLibrary::kMicrophoneId, "MuteControl", "1");
    StartWithAudio();
    const HeadsetSettings& s = device->AudioState().settings;
    EXPECT_EQ(s.micInSelect, 0) << "muted on the headset";
    EXPECT_EQ(s.micInValue, 75);
    EXPECT_EQ(s.eqType, 5) << "the shipped profile";
    EXPECT_EQ(device->Bands(), std::vector<int>(10, 0));
}

TEST_F(HeadsetDeviceTest, BuiltInPresetWritesItsBandsAndIsStored) {
    StartWithAudio();
    device->SelectEqType(1);
    std::vector<std::string> expected = {"write " + kOut + " Enable_EQ_GFX = 1"};
    for (int band = 0; band < 10; ++band)
        expected.push_back("write " + kOut + " EQ_Slider" + std::to_string(band + 1) + " = " +
                           std::to_string(kType1Bands[static_cast<size_t>(band)]));
    EXPECT_EQ(AudioWrites(), expected);
    CHs6533Profiledata disk = ProfileOnDisk();
    EXPECT_EQ(disk.GetHeadsetSettings().eqType, 1);
    EXPECT_EQ(disk.GetEqValues(1), kType1Bands);

    audio.ClearCalls();
    device->SelectEqType(0);
    device->SelectEqType(14);
    EXPECT_TRUE(audio.Calls().empty());
}

TEST_F(HeadsetDeviceTest, MovingABandSwitchesToCustomWithNothingSelected) {
    StartWithAudio();
    device->SetEqBand(2, 6);
    EXPECT_EQ(device->AudioState().settings.eqType, 13);
    EXPECT_EQ(device->SelectedCustomEq(), -1);
    EXPECT_EQ(AudioWrites(), std::vector<std::string>{"write " + kOut + " EQ_Slider3 = 6"});
    EXPECT_EQ(device->SaveCustomEq("", Sliders(0)), -1) << "no preset to save into";
    // What plays is kept: the custom type, marked as moved bands, with the curve in the
    // custom type's own table; no preset chosen.
    CHs6533Profiledata disk = ProfileOnDisk();
    const HeadsetSettings stored = disk.GetHeadsetSettings();
    EXPECT_EQ(stored.eqType, 13);
    EXPECT_EQ(stored.customEqEdited, 1);
    EXPECT_EQ(stored.customEqSelect, -1);
    EXPECT_EQ(disk.GetUnnamedCustomEqValues().at(2), 6);
}

TEST_F(HeadsetDeviceTest, CustomPresetLimitsAndNames) {
    StartWithAudio();
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(device->SaveCustomEq("Preset " + std::to_string(i), Sliders(i)), 1) << i;
    EXPECT_EQ(device->SaveCustomEq("One more", Sliders(0)), -1);
    EXPECT_EQ(device->CustomNames().size(), 20u);
    device->SelectCustomEq(0);
    device->DeleteCustomEq();
    EXPECT_EQ(device->SaveCustomEq("PRESET 7", Sliders(0)), 0) << "differs only in case";
    EXPECT_EQ(device->SaveCustomEq("Preset 20", Sliders(5)), 1);
    CHs6533Profiledata disk = ProfileOnDisk();
    EXPECT_EQ(disk.GetCustomEqNames().back(), "Preset 20");
    EXPECT_EQ(disk.GetCustomEqValues(19), Sliders(5));
    EXPECT_EQ(disk.GetHeadsetSettings().customEqSelect, 19);
}

TEST_F(HeadsetDeviceTest, DeletingKeepsEachNameWithItsBands) {
    StartWithAudio();
    device->SaveCustomEq("A", Sliders(10));
    device->SaveCustomEq("B", Sliders(20));
    device->SaveCustomEq("C", Sliders(30));
    device->SelectCustomEq(0);
    device->DeleteCustomEq();
    CHs6533Profiledata disk = ProfileOnDisk();
    EXPECT_EQ(disk.GetCustomEqNames(), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(disk.GetCustomEqValues(0), Sliders(20));
    EXPECT_EQ(disk.GetCustomEqValues(1), Sliders(30));
    EXPECT_EQ(device->SelectedCustomEq(), 0);
    EXPECT_EQ(device->Bands(), Sliders(20));
}

TEST_F(HeadsetDeviceTest, DeletingTheLastPresetFallsBackToTypeOneWithoutWriting) {
    StartWithAudio();
    device->SaveCustomEq("Only", Sliders(1));
    device->SelectEqType(1);
    device->SelectEqType(13);
    device->SelectCustomEq(0);
    audio.ClearCalls();
    device->DeleteCustomEq();
    EXPECT_TRUE(AudioWrites().empty());
    EXPECT_EQ(device->AudioState().settings.eqType, 1);
    EXPECT_EQ(device->Bands(), kType1Bands);
    CHs6533Profiledata disk = ProfileOnDisk();
    EXPECT_TRUE(disk.GetCustomEqNames().empty());
    EXPECT_EQ(disk.GetHeadsetSettings().eqType, 1);
}

TEST_F(HeadsetDeviceTest, MicrophoneMonitorAndVoiceChangerWrites) {
    StartWithAudio();
    device->SetMicLevel(57);
    device->SetMonitorLevel(30);
    device->ToggleMicMute();
    device->ToggleVoiceChanger(1);
    device->SelectVoiceChanger(3);
    device->SelectVoiceChanger(5);
    EXPECT_EQ(audio.Calls(), (std::vector<std::string>{
                                 "write " + kMic + " VolumeScalarControl = 0.57 ch -1",
                                 "read " + kMic + " VolumeControl ch -1",
                                 "write " + kMic + " AAVolumeScalarControl = 0.3 ch 0",
                                 "read " + kMic + " AAVolumeControl ch 1",
                                 "write " + kMic + " MuteControl = 1",
                                 "write " + kMic + " Enable_MAGICVOICE = 1",
                                 "write " + kMic + " Enable_MICECHO = 0",
                                 "write " + kMic + " MagicVoice_Selection = 2",
                             }));
    const HeadsetSettings disk = ProfileOnDisk().GetHeadsetSettings();
    EXPECT_EQ(disk, (HeadsetSettings{1, 3, 5, 0, 0, 57, 1, 30}));
}

TEST_F(HeadsetDeviceTest, AFailedWriteChangesNeitherSettingsNorProfile) {
    StartWithAudio();
    const HeadsetSettings before = device->AudioState().settings;
    const HeadsetSettings onDisk = ProfileOnDisk().GetHeadsetSettings();
    audio.FailWrite("MuteControl");
    audio.FailWrite("EQ_Slider4");
    audio.FailWrite("VolumeScalarControl");
    device->ToggleMicMute();
    device->SelectEqType(2);
    device->SetMicLevel(10);
    EXPECT_EQ(device->AudioState().micMute, 0) << "the mute shown is what the headset does";
    EXPECT_EQ(device->AudioState().settings, before);
    EXPECT_EQ(ProfileOnDisk().GetHeadsetSettings(), onDisk);
}

TEST_F(HeadsetDeviceTest, WithoutTheLibraryChoicesAreStillStored) {
    device->BindPageControls();
    device->OnDeviceTimer1();
    device->SetMicLevel(42);
    device->SelectEqType(3);
    const HeadsetSettings disk = ProfileOnDisk().GetHeadsetSettings();
    EXPECT_EQ(disk.micInValue, 42);
    EXPECT_EQ(disk.eqType, 3);
}

TEST_F(HeadsetDeviceTest, ResetKeepsTheCustomPresets) {
    StartWithAudio();
    device->SaveCustomEq("Mine", Sliders(-5));
    device->SaveCustomEq("Yours", Sliders(3));
    LightInfoRecord light = device->GetLightEffect();
    light.selectItem = 6;
    device->SetLightEffect(light);
    device->SaveProfile();
    ASSERT_EQ(ProfileOnDisk().GetLightInfo().selectItem, 6);

    device->LoadDefaults();
    CHs6533Profiledata disk = ProfileOnDisk();
    EXPECT_EQ(disk.GetLightInfo().selectItem, 2) << "lighting back to the shipped one";
    EXPECT_EQ(disk.GetCustomEqNames(), (std::vector<std::string>{"Mine", "Yours"}));
    EXPECT_EQ(disk.GetCustomEqValues(0), Sliders(-5));
    EXPECT_EQ(disk.GetCustomEqValues(1), Sliders(3));
    EXPECT_EQ(disk.GetHeadsetSettings().customEqSelect, 1);
}

TEST(HeadsetShippedDataTest, DefaultTablesAreTheBuiltInPresets) {
    CHs6533Profiledata defaults;
    defaults.Load(std::string(KVELM_BIN_DIR) + "/DefaultData/HD.Json");
    for (int type = 1; type <= 12; ++type)
        EXPECT_EQ(defaults.GetEqValues(type), *BuiltInEqBands(type)) << type;
    EXPECT_TRUE(defaults.GetCustomEqNames().empty());
}

}  // namespace
