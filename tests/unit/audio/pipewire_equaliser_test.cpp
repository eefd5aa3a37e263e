// The equaliser against a real PipeWire daemon, private to the test (its own runtime
// folder, a minimal configuration with one null audio sink standing for the headset's
// output, no session manager). Skipped when the daemon or pw-dump is not installed or the
// build has no PipeWire. What the daemon holds is read back with pw-dump, as a user would.
#include <gtest/gtest.h>
#include <json/json.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "devices/audio/alsa_audio_library.h"
#include "devices/audio/audio_endpoint_control.h"
#include "devices/audio/pipewire_equaliser.h"
#include "fake_card_mixer.h"
#include "temp_folder.h"

extern char** environ;

namespace {

constexpr char kHeadsetSink[] = "test_headset_sink";
constexpr auto kDaemonStart = std::chrono::seconds(5);
constexpr auto kSettle = std::chrono::seconds(5);
constexpr auto kPollPeriod = std::chrono::milliseconds(50);

const char kDaemonConfig[] = R"(context.properties = {
    core.daemon = true
    core.name = pipewire-0
    log.level = 0
}
context.spa-libs = {
    audio.convert.* = audioconvert/libspa-audioconvert
    support.* = support/libspa-support
}
context.modules = [
    { name = libpipewire-module-protocol-native }
    { name = libpipewire-module-client-node }
    { name = libpipewire-module-adapter }
    { name = libpipewire-module-metadata }
    { name = libpipewire-module-access }
]
context.objects = [
    { factory = adapter
      args = { factory.name = support.null-audio-sink node.name = test_headset_sink
               media.class = Audio/Sink audio.position = [ FL FR ] } }
]
)";

std::string FindProgram(const std::string& name) {
    const char* path = getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t colon = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate =
            std::filesystem::path(folders.substr(start, colon - start)) / name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
        start = colon + 1;
    }
    return {};
}

pid_t Spawn(const std::vector<std::string>& arguments, const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

class PipeWireEqualiserTest : public ::testing::Test {
protected:
    void SetUp() override {
        daemon_ = FindProgram("pipewire");
        dump_ = FindProgram("pw-dump");
        if (!PipeWireEqualiserBuilt() || daemon_.empty() || dump_.empty())
            GTEST_SKIP() << "no PipeWire in this build or no pipewire/pw-dump program";
        runtime_.SetEnv("XDG_RUNTIME_DIR", runtime_.Path().string());
        runtime_.SetEnv("PIPEWIRE_RUNTIME_DIR", runtime_.Path().string());
        runtime_.SetEnv("PIPEWIRE_REMOTE", "pipewire-0");
    }
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool StartDaemon() {
        const std::string config = runtime_.Put("daemon.conf", kDaemonConfig);
        pid_ = Spawn({daemon_, "-c", config}, runtime_.File("daemon.log"));
        const auto deadline = std::chrono::steady_clock::now() + kDaemonStart;
        while (std::chrono::steady_clock::now() < deadline) {
            if (std::filesystem::exists(runtime_.Path() / "pipewire-0")) return true;
            std::this_thread::sleep_for(kPollPeriod);
        }
        return false;
    }
    // The daemon's objects as pw-dump prints them.
    Json::Value Dump() {
        const std::string file = runtime_.File("dump.json");
        const pid_t pid = Spawn({dump_}, file);
        int status = 0;
        if (pid <= 0 || waitpid(pid, &status, 0) != pid || status != 0) return {};
        Json::Value objects;
        Json::Reader().parse(runtime_.Read("dump.json"), objects);
        return objects;
    }
    // The equaliser sink's controls ("eq_band_3:Gain" -> value); empty while it is not there.
    std::map<std::string, double> EqualiserControls() {
        std::map<std::string, double> controls;
        for (const Json::Value& object : Dump()) {
            if (object["info"]["props"]["node.name"].asString() != eqplan::kSinkNodeName) continue;
            for (const Json::Value& props : object["info"]["params"]["Props"]) {
                const Json::Value& params = props["params"];
                for (Json::ArrayIndex i = 0; i + 1 < params.size(); i += 2)
                    if (params[i].isString() && params[i + 1].isNumeric())
                        controls[params[i].asString()] = params[i + 1].asDouble();
            }
        }
        return controls;
    }
    // Waits until the controls satisfy `done`; the last controls seen.
    std::map<std::string, double> ControlsOnceThey(
        const std::function<bool(const std::map<std::string, double>&)>& done) {
        std::map<std::string, double> controls;
        const auto deadline = std::chrono::steady_clock::now() + kSettle;
        do {
            controls = EqualiserControls();
            if (done(controls)) break;
            std::this_thread::sleep_for(kPollPeriod);
        } while (std::chrono::steady_clock::now() < deadline);
        return controls;
    }

    TempFolder runtime_;
    std::string daemon_;
    std::string dump_;
    pid_t pid_ = -1;
};

std::unique_ptr<IEqualiserSink> OpenOnTestSink() {
    return OpenPipeWireEqualiserOn([](const std::vector<SoundServerObject>& objects) {
        return FindSinkNodeNamed(objects, kHeadsetSink);
    });
}

}  // namespace

TEST_F(PipeWireEqualiserTest, NoDaemonMeansNoEqualiser) {
    EXPECT_EQ(OpenOnTestSink(), nullptr);
}

TEST_F(PipeWireEqualiserTest, NoHeadsetOutputMeansNoEqualiser) {
    ASSERT_TRUE(StartDaemon()) << runtime_.Read("daemon.log");
    EXPECT_EQ(OpenPipeWireEqualiserOn([](const std::vector<SoundServerObject>& objects) {
                  return FindSinkNodeNamed(objects, "other");
              }),
              nullptr);
}

TEST_F(PipeWireEqualiserTest, FilterChainAppearsWithTheGainsAndGoesOnClose) {
    ASSERT_TRUE(StartDaemon()) << runtime_.Read("daemon.log");
    std::unique_ptr<IEqualiserSink> sink = OpenOnTestSink();
    ASSERT_NE(sink, nullptr);
    EXPECT_TRUE(sink->Available());
    EXPECT_TRUE(EqualiserControls().empty()) << "nothing loaded before the first gains";

    EqualiserGains gains = FlatGains();
    gains[0] = 7;
    gains[9] = -4;
    ASSERT_TRUE(sink->Apply(gains));
    auto controls = ControlsOnceThey([](const auto& c) { return c.count("eq_band_10:Gain") != 0; });
    EXPECT_EQ(controls["eq_band_1:Freq"], 31);
    EXPECT_EQ(controls["eq_band_10:Freq"], 16000);
    EXPECT_NEAR(controls["eq_band_5:Q"], eqplan::kBandQ, 1e-3);
    EXPECT_EQ(controls["eq_band_1:Gain"], 7);
    EXPECT_EQ(controls["eq_band_10:Gain"], -4);

    gains[2] = 12;
    ASSERT_TRUE(sink->Apply(gains));
    controls = ControlsOnceThey(
        [](const auto& c) { return c.count("eq_band_3:Gain") && c.at("eq_band_3:Gain") == 12; });
    EXPECT_EQ(controls["eq_band_3:Gain"], 12) << "a band change reaches the running filter";
    EXPECT_EQ(controls["eq_band_1:Gain"], 7);

    sink->Close();
    EXPECT_TRUE(ControlsOnceThey([](const auto& c) { return c.empty(); }).empty())
        << "closed: the filter is gone";
    ASSERT_TRUE(sink->Apply(gains)) << "and comes back on the next gains";
    controls = ControlsOnceThey([](const auto& c) { return c.count("eq_band_3:Gain") != 0; });
    EXPECT_EQ(controls["eq_band_3:Gain"], 12);
}

TEST_F(PipeWireEqualiserTest, DaemonGoneMeansUnavailable) {
    ASSERT_TRUE(StartDaemon()) << runtime_.Read("daemon.log");
    std::unique_ptr<IEqualiserSink> sink = OpenOnTestSink();
    ASSERT_NE(sink, nullptr);
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    const auto deadline = std::chrono::steady_clock::now() + kSettle;
    while (sink->Available() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kPollPeriod);
    EXPECT_FALSE(sink->Available());
    EXPECT_FALSE(sink->Apply(FlatGains()));
}

TEST_F(PipeWireEqualiserTest, HeadsetPropertiesReachTheDaemonThroughTheHostLibrary) {
    ASSERT_TRUE(StartDaemon()) << runtime_.Read("daemon.log");
    std::unique_ptr<IEqualiserSink> sink = OpenOnTestSink();
    ASSERT_NE(sink, nullptr);
    AlsaAudioLibrary library(std::make_unique<FakeMixer>(), std::move(sink));
    CAudioEndpointControl control(&library);
    HeadsetAudioState state;
    control.InitAudio(state);
    EXPECT_NE(control.Output().featureWord0 & kFeatureOutputEqualiser, 0) << "the window shows the equaliser";

    // Preset 4 as the headset writes it: the equaliser on, then the ten bands.
    const int preset[kEqBands] = {2, 1, -2, -3, -5, -7, 0, 4, 9, 8};
    ASSERT_EQ(control.SetAudioProperty(AudioRole::kOutput, prop::kEqEnable, int32_t{1}), 0);
    for (int band = 1; band <= kEqBands; ++band)
        ASSERT_EQ(control.SetAudioProperty(AudioRole::kOutput, EqSliderName(band), int32_t{preset[band - 1]}),
                  0);
    const auto controls = ControlsOnceThey([&](const auto& c) {
        return c.count("eq_band_9:Gain") && c.at("eq_band_9:Gain") == 9 && c.at("eq_band_6:Gain") == -7;
    });
    for (int band = 1; band <= kEqBands; ++band) {
        const std::string gain = BandNodeName(band) + ":Gain";
        EXPECT_EQ(controls.count(gain) ? controls.at(gain) : 99, preset[band - 1]) << gain;
    }
}
