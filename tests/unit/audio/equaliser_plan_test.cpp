// The equaliser plan: band gains, the filter chain handed to the sound server and the
// control updates of a band change.
#include <gtest/gtest.h>

#include "devices/audio/equaliser_plan.h"

TEST(EqualiserPlan, BandValueIsAGainInDecibelsWithinTheSliderRange) {
    const struct {
        int value;
        double gain;
    } cases[] = {{0, 0}, {-13, -13}, {18, 18}, {20, 20}, {-20, -20}, {21, 20}, {-1000, -20}, {INT32_MAX, 20}};
    for (const auto& c : cases) EXPECT_EQ(BandGainDb(c.value), c.gain) << c.value;
}

TEST(EqualiserPlan, FilterChainIsTenPeakingFiltersInSeriesAimedAtTheHeadset) {
    EqualiserGains gains = FlatGains();
    gains[0] = 7;
    gains[4] = -11;
    gains[9] = 13.5;
    const std::string expected = R"({
    node.description = "KV_ELM headset equaliser"
    media.name = "KV_ELM headset equaliser"
    filter.graph = {
        nodes = [
            { type = builtin name = eq_band_1 label = bq_peaking control = { "Freq" = 31 "Q" = 1.414 "Gain" = 7 } }
            { type = builtin name = eq_band_2 label = bq_peaking control = { "Freq" = 62 "Q" = 1.414 "Gain" = 0 } }
            { type = builtin name = eq_band_3 label = bq_peaking control = { "Freq" = 125 "Q" = 1.414 "Gain" = 0 } }
            { type = builtin name = eq_band_4 label = bq_peaking control = { "Freq" = 250 "Q" = 1.414 "Gain" = 0 } }
            { type = builtin name = eq_band_5 label = bq_peaking control = { "Freq" = 500 "Q" = 1.414 "Gain" = -11 } }
            { type = builtin name = eq_band_6 label = bq_peaking control = { "Freq" = 1000 "Q" = 1.414 "Gain" = 0 } }
            { type = builtin name = eq_band_7 label = bq_peaking control = { "Freq" = 2000 "Q" = 1.414 "Gain" = 0 } }
            { type = builtin name = eq_band_8 label = bq_peaking control = { "Freq" = 4000 "Q" = 1.414 "Gain" = 0 } }
            { type = builtin name = eq_band_9 label = bq_peaking control = { "Freq" = 8000 "Q" = 1.414 "Gain" = 0 } }
            { type = builtin name = eq_band_10 label = bq_peaking control = { "Freq" = 16000 "Q" = 1.414 "Gain" = 13.5 } }
        ]
        links = [
            { output = "eq_band_1:Out" input = "eq_band_2:In" }
            { output = "eq_band_2:Out" input = "eq_band_3:In" }
            { output = "eq_band_3:Out" input = "eq_band_4:In" }
            { output = "eq_band_4:Out" input = "eq_band_5:In" }
            { output = "eq_band_5:Out" input = "eq_band_6:In" }
            { output = "eq_band_6:Out" input = "eq_band_7:In" }
            { output = "eq_band_7:Out" input = "eq_band_8:In" }
            { output = "eq_band_8:Out" input = "eq_band_9:In" }
            { output = "eq_band_9:Out" input = "eq_band_10:In" }
        ]
    }
    audio.channels = 2
    audio.position = [ FL FR ]
    capture.props = {
        node.name = "kvelm_headset_equaliser"
        media.class = "Audio/Sink"
    }
    playback.props = {
        node.name = "kvelm_headset_equaliser.output"
        node.passive = true
        target.object = "alsa_output.usb-KV_ELM_Headset-00.analog-stereo"
    }
}
)";
    EXPECT_EQ(FilterChainArguments("alsa_output.usb-KV_ELM_Headset-00.analog-stereo", gains), expected);
}

TEST(EqualiserPlan, TargetNameCannotBreakOutOfItsString) {
    const std::string text = FilterChainArguments("sink\" } media.class = \"Evil\\\n", FlatGains());
    EXPECT_NE(text.find("target.object = \"sink\\\" } media.class = \\\"Evil\\\\\"\n"), std::string::npos)
        << text;
}

TEST(EqualiserPlan, UpdatesNameTheGainOfEachChangedBand) {
    EqualiserGains before = FlatGains();
    before[2] = 4;
    EqualiserGains oneBand = before;
    oneBand[2] = -6;
    EqualiserGains firstAndLast = before;
    firstAndLast[0] = 20;
    firstAndLast[9] = -0.5;
    const struct {
        const char* what;
        EqualiserGains after;
        std::vector<EqualiserControl> updates;
    } cases[] = {
        {"nothing changed", before, {}},
        {"band 3", oneBand, {{"eq_band_3:Gain", -6.0f}}},
        {"bands 1 and 10", firstAndLast, {{"eq_band_1:Gain", 20.0f}, {"eq_band_10:Gain", -0.5f}}},
    };
    for (const auto& c : cases) EXPECT_EQ(GainUpdates(before, c.after), c.updates) << c.what;
}
