// kvelmctl apply on a keyboard and a mouse pad: their rows come from the device table (here
// the simulators' own rows), the profile's settings reach the device.
#include <algorithm>
#include <sstream>

#include "ctl/ctl.h"
#include "device_fixture.h"
#include "devices/discovery/device_table_store.h"
#include "devices/discovery/simulated_rows.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_pad.h"

namespace {

class KvelmctlKinds : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("KVELM_SIMULATE");
        SetDebugSink([](std::string_view) {});
        setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
        ResetActiveDeviceTable();
        AddSimulatedDeviceRows("keyboard,pad");
        SimHidBus::Instance().UnplugAll();
    }
    void TearDown() override {
        SimHidBus::Instance().UnplugAll();
        ResetActiveDeviceTable();
        SetDebugSink({});
    }
    int Run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int code = RunCtl(args, out, err);
        output = out.str() + err.str();
        return code;
    }
    static std::vector<uint8_t> Commands(const SimCommandDevice& device) {
        std::vector<uint8_t> commands;
        for (const auto& frame : device.CommandFrames()) commands.push_back(frame[3]);
        return commands;
    }

    TempFolder home;
    std::string output;
};

TEST_F(KvelmctlKinds, KeyboardGetsBlockMacrosAndKeys) {
    auto keyboard = std::make_shared<SimKeyboard>();
    keyboard->Plug();
    keyboard->ClearFrames();
    ASSERT_EQ(Run({"apply", "0"}), kExitOk) << output;
    EXPECT_NE(output.find("applied profile"), std::string::npos) << output;
    const std::vector<uint8_t> commands = Commands(*keyboard);
    // The key matrix is read first, then the settings block (6) and the key block (9) go out.
    EXPECT_EQ(commands.front(), 0x01);
    EXPECT_NE(std::find(commands.begin(), commands.end(), 0x07), commands.end()) << "key table read";
    EXPECT_NE(std::find(commands.begin(), commands.end(), 0x06), commands.end()) << "settings block";
    EXPECT_NE(std::find(commands.begin(), commands.end(), 0x09), commands.end()) << "key assignments";
    // The profile list of the keyboard's own folder was made.
    EXPECT_TRUE(std::filesystem::exists(home.Path() / "KV_ELM Gaming mouse" / "keyboard"));
}

TEST_F(KvelmctlKinds, PadGetsItsLightingRecordOnly) {
    auto pad = std::make_shared<SimPad>();
    pad->Plug();
    pad->ClearFrames();
    ASSERT_EQ(Run({"apply", "0"}), kExitOk) << output;
    const auto frames = pad->CommandFrames();
    ASSERT_EQ(Commands(*pad), (std::vector<uint8_t>{0x01, 0x06, 0x02}));
    EXPECT_EQ(frames[1][4], 21) << "the 21-byte lighting record";
    EXPECT_EQ(frames[1][5] | frames[1][6] << 8, 0) << "written at offset 0";
}

TEST_F(KvelmctlKinds, AllReachesEveryKindAndNamedProfilesAreChecked) {
    auto keyboard = std::make_shared<SimKeyboard>();
    auto pad = std::make_shared<SimPad>();
    keyboard->Plug();
    pad->Plug();
    keyboard->ClearFrames();
    pad->ClearFrames();
    ASSERT_EQ(Run({"apply", "--all"}), kExitOk) << output;
    EXPECT_FALSE(keyboard->CommandFrames().empty());
    EXPECT_FALSE(pad->CommandFrames().empty());

    pad->ClearFrames();
    EXPECT_EQ(Run({"apply", "1", "--profile", "no such"}), kExitUsage);
    EXPECT_NE(output.find("profile not found"), std::string::npos) << output;
    EXPECT_TRUE(pad->CommandFrames().empty());
}

}  // namespace
