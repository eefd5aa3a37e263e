// kvelmctl set and settings on a simulated mouse: what `set` stores goes to the profile
// file and to the mouse, and `settings` reads it back in the page's words.
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "ctl_mouse_fixture.h"
#include "hid/protocol/protocol_codes.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "temp_folder.h"
#include "util/debug_log.h"

namespace {

// One simulated mouse, the program's data beside the sources and a private user folder.
class CtlSetTest : public CtlMouseTest {
protected:
    // Every profile file written under the user folder, concatenated.
    std::string ProfileFiles() const {
        std::string all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(home.Path()))
            if (entry.path().extension() == ".Json") all += ReadFileBytes(entry.path());
        return all;
    }
};

TEST_F(CtlSetTest, ChangesReachTheMouseAndSettingsShowsThemInThePagesWords) {
    const CtlOutcome rate = Ctl({"set", "0", "rate", "500"});
    ASSERT_EQ(rate.code, kExitOk) << rate.err;
    EXPECT_NE(rate.out.find("saved in profile 'profile1'"), std::string::npos) << rate.out;
    // Options may stand before the device as well as after the mode.
    const CtlOutcome light =
        Ctl({"set", "--colour", "102030", "0", "lighting", "single-colour", "--brightness=3"});
    ASSERT_EQ(light.code, kExitOk) << light.err;
    const CtlOutcome dpi = Ctl({"set", "0", "dpi", "2", "1600"});
    ASSERT_EQ(dpi.code, kExitOk) << dpi.err;
    EXPECT_NE(dpi.out.find("DPI stage 2: 1600 DPI"), std::string::npos) << dpi.out;

    const CtlOutcome settings = Ctl({"settings", "0"});
    ASSERT_EQ(settings.code, kExitOk) << settings.err;
    for (const char* line :
         {"lighting mode:     single-colour (5)\n", "brightness:        3\n", "colour:            #102030\n",
          "polling rate:      500 Hz\n", "(stages count from 1)\n", "  2: 1600 DPI"})
        EXPECT_NE(settings.out.find(line), std::string::npos) << line << " in\n" << settings.out;
    EXPECT_EQ(settings.out.find("polling rate:      2\n"), std::string::npos);

    const std::string profiles = ProfileFiles();
    EXPECT_NE(profiles.find("\"Red\" : 16"), std::string::npos) << "the colour is kept in the profile";
}

TEST_F(CtlSetTest, BadValuesAreRefusedWithoutTouchingTheMouse) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{"set", "0", "rate", "300"}, "125, 250, 500, 1000, 2000"},
        {{"set", "0", "dpi", "0", "800"}, "counted from 1"},
        {{"set", "0", "dpi", "8", "800"}, "counted from 1"},
        {{"set", "0", "lighting", "disco"}, "single-colour"},
        {{"set", "0", "lighting", "single-colour", "--colour", "12345"}, "RRGGBB"},
        {{"set", "0", "lighting", "single-colour", "--speed", "5"}, "0 to 4"},
        {{"set", "0", "volume", "3"}, "usage: kvelmctl set"},
    };
    for (const Case& c : cases) {
        mouse->ClearFrames();
        const CtlOutcome run = Ctl(c.args);
        EXPECT_EQ(run.code, kExitUsage) << c.args[2] << " " << c.args[3];
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        // The device may be read to learn its sensor, but nothing is written.
        for (const auto& frame : mouse->CommandFrames())
            EXPECT_FALSE(frame.size() > 3 && frame[3] == Command::kWriteMemory) << c.args[3];
    }
}

TEST_F(CtlSetTest, ApplyTakesItsOptionBeforeTheDevice) {
    const CtlOutcome run = Ctl({"apply", "--profile", "profile1", "0"});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_NE(run.out.find("applied profile 'profile1'"), std::string::npos) << run.out;
}

TEST(CtlVersion, PrintsTheProgramVersion) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCtl({"--version"}, out, err), kExitOk);
    EXPECT_TRUE(out.str().starts_with("kvelmctl ")) << out.str();
    EXPECT_NE(out.str().find('.'), std::string::npos) << out.str();
}

}  // namespace
