// The equaliser of the host library: present only with an available sink, band writes
// reaching the sink as gains, reads giving back what was written.
#include <gtest/gtest.h>

#include "devices/audio/alsa_audio_library.h"
#include "devices/audio/audio_endpoint_control.h"
#include "fake_card_mixer.h"
#include "temp_folder.h"
#include "util/json_file.h"

namespace {

struct SinkLog {
    bool available = true;
    bool accepts = true;
    std::vector<EqualiserGains> applied;
    int closed = 0;
};

class FakeSink : public IEqualiserSink {
public:
    explicit FakeSink(SinkLog* log) : log_(log) {}
    bool Available() const override { return log_->available; }
    bool Apply(const EqualiserGains& gains) override {
        if (!log_->accepts) return false;
        log_->applied.push_back(gains);
        return true;
    }
    void Close() override { ++log_->closed; }

private:
    SinkLog* log_;
};

EqualiserGains Gains(std::initializer_list<double> bands) {
    EqualiserGains gains = FlatGains();
    std::copy(bands.begin(), bands.end(), gains.begin());
    return gains;
}

class HostEqualiserTest : public ::testing::Test {
protected:
    void Start(bool withSink = true) {
        control.reset();
        library = std::make_unique<AlsaAudioLibrary>(
            std::make_unique<FakeMixer>(), withSink ? std::make_unique<FakeSink>(&sink) : nullptr, stateFile);
        control = std::make_unique<CAudioEndpointControl>(library.get());
        control->InitAudio(state);
    }
    int Write(const std::string& name, int32_t value) {
        return control->SetAudioProperty(AudioRole::kOutput, name, value);
    }
    std::string Read(const std::string& name) {
        std::string text;
        return control->ReadAudioProperty(AudioRole::kOutput, name, std::nullopt, &text) == 0 ? text
                                                                                              : "failed";
    }
    // What the headset writes for a built-in preset: the equaliser on, then the ten bands.
    void WritePreset(const std::vector<int>& bands) {
        ASSERT_EQ(Write("Enable_EQ_GFX", 1), 0);
        for (int band = 1; band <= kEqBands; ++band)
            ASSERT_EQ(Write(EqSliderName(band), bands[static_cast<size_t>(band - 1)]), 0) << band;
    }

    SinkLog sink;
    std::string stateFile;
    HeadsetAudioState state;
    std::unique_ptr<AlsaAudioLibrary> library;
    std::unique_ptr<CAudioEndpointControl> control;
};

}  // namespace

TEST_F(HostEqualiserTest, PresentOnlyWhileTheSinkIsAvailable) {
    const struct {
        const char* what;
        bool withSink;
        bool available;
        bool present;
    } cases[] = {
        {"no sink", false, false, false},
        {"sink without server or headset output", true, false, false},
        {"available sink", true, true, true},
    };
    for (const auto& c : cases) {
        sink = SinkLog{};
        sink.available = c.available;
        Start(c.withSink);
        EXPECT_EQ((control->Output().featureWord0 & kFeatureOutputEqualiser) != 0, c.present) << c.what;
        EXPECT_EQ(control->Microphone().featureWord0, 0) << c.what;
        EXPECT_EQ(Write("EQ_Slider1", 4) == 0, c.present) << c.what;
        EXPECT_EQ(Read("Enable_EQ_GFX") != "failed", c.present) << c.what;
        EXPECT_TRUE(sink.applied.empty()) << c.what << ": nothing applied while the equaliser is off";
    }
}

TEST_F(HostEqualiserTest, PresetBandsReachTheSinkAsGainsAndReadBack) {
    Start();
    EXPECT_EQ(Read("Enable_EQ_GFX"), "0") << "off before the first write";
    EXPECT_EQ(Read("EQ_Slider4"), "0");
    EXPECT_TRUE(sink.applied.empty()) << "start-up reads succeed, so no default is written";

    WritePreset({7, 11, 2, -3, -1, 4, 9, 12, 9, 5});
    ASSERT_EQ(sink.applied.size(), 11u) << "the switch and each band";
    EXPECT_EQ(sink.applied.front(), FlatGains()) << "switched on with the bands still flat";
    EXPECT_EQ(sink.applied[3], Gains({7, 11, 2}));
    EXPECT_EQ(sink.applied.back(), Gains({7, 11, 2, -3, -1, 4, 9, 12, 9, 5}));
    EXPECT_EQ(Read("Enable_EQ_GFX"), "1");
    EXPECT_EQ(Read("EQ_Slider4"), "-3");

    ASSERT_EQ(Write("EQ_Slider10", 35), 0);
    EXPECT_EQ(sink.applied.back()[9], 20) << "beyond the range the filter stops at 20 dB";
    EXPECT_EQ(Read("EQ_Slider10"), "35") << "reads give back what was written";

    ASSERT_EQ(Write("Enable_EQ_GFX", 0), 0);
    EXPECT_EQ(sink.applied.back(), FlatGains()) << "off: every band flat";
    EXPECT_EQ(Read("EQ_Slider1"), "7") << "the bands are kept while off";
    const size_t appliedWhileOn = sink.applied.size();
    ASSERT_EQ(Write("EQ_Slider1", -5), 0);
    EXPECT_EQ(sink.applied.size(), appliedWhileOn) << "a band moved while off is not heard";
    ASSERT_EQ(Write("Enable_EQ_GFX", 1), 0);
    EXPECT_EQ(sink.applied.back()[0], -5) << "and is heard once switched on";
}

TEST_F(HostEqualiserTest, ARefusedWriteFailsAndKeepsTheLastValue) {
    Start();
    WritePreset({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    sink.accepts = false;
    EXPECT_NE(Write("EQ_Slider2", -9), 0);
    EXPECT_EQ(Read("EQ_Slider2"), "2");
    sink.available = false;
    EXPECT_NE(Write("EQ_Slider2", -9), 0) << "the server went away";
    EXPECT_EQ(Read("EQ_Slider2"), "failed");
    EXPECT_NE(Write("Enable_RFX_GFX", 1), 0) << "room effects are not offered";
}

TEST_F(HostEqualiserTest, TheFilterIsTakenAwayWithTheLibrary) {
    Start();
    WritePreset({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    control.reset();
    library.reset();
    EXPECT_EQ(sink.closed, 1);
}

TEST_F(HostEqualiserTest, TheEqualiserComesBackAsItWasAtTheNextStart) {
    TempFolder folder;
    stateFile = folder.File("host_equaliser.json");
    Start();
    WritePreset({7, 11, 2, -3, -1, 4, 9, 12, 9, 5});
    const Json::Value disk = CJsonFile().ReadJsonFile(stateFile);
    EXPECT_TRUE(disk["Enabled"].asBool());
    ASSERT_EQ(disk["Bands"].size(), 10u);
    EXPECT_EQ(disk["Bands"][3].asInt(), -3);

    sink = SinkLog{};
    Start();  // the next program start
    ASSERT_EQ(sink.applied.size(), 1u) << "the filter is put back once, before anything is written";
    EXPECT_EQ(sink.applied[0], Gains({7, 11, 2, -3, -1, 4, 9, 12, 9, 5}));
    EXPECT_EQ(Read("Enable_EQ_GFX"), "1");
    EXPECT_EQ(Read("EQ_Slider8"), "12");

    sink.accepts = false;
    EXPECT_NE(Write("EQ_Slider8", 0), 0);
    EXPECT_EQ(CJsonFile().ReadJsonFile(stateFile)["Bands"][7].asInt(), 12) << "a refused write is not kept";
}

TEST_F(HostEqualiserTest, ABrokenOrForeignStateFileStartsOffAndFlat) {
    TempFolder folder;
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"not JSON", "{\"Enabled\": tr"},
        {"wrong types", R"({"Enabled": "yes", "Bands": "loud"})"},
        {"an array", "[1, 2, 3]"},
    };
    for (const auto& c : cases) {
        stateFile = folder.Put("state.json", c.text);
        sink = SinkLog{};
        Start();
        EXPECT_TRUE(sink.applied.empty()) << c.what;
        EXPECT_EQ(Read("Enable_EQ_GFX"), "0") << c.what;
        EXPECT_EQ(Read("EQ_Slider1"), "0") << c.what;
    }
}
