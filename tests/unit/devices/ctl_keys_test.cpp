// kvelmctl keys, assign and macro in-process against a simulated mouse, and the real
// program on an empty data folder.
#include <stdio.h>

#include <sstream>

#include "ctl/ctl.h"
#include "device_fixture.h"
#include "util/json_file.h"

namespace {

struct CtlOutput {
    int code;
    std::string out, err;
};

CtlOutput Ctl(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunCtl(args, out, err);
    return {code, out.str(), err.str()};
}

// Byte offset of the first 3-byte slot holding `slot`.
size_t SlotOffset(const Bytes& block, const Bytes& slot) {
    for (size_t at = 0; at + 3 <= block.size(); at += 3)
        if (Bytes(block.begin() + at, block.begin() + at + 3) == slot) return at;
    return block.size();
}

class CtlKeys : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("KVELM_SIMULATE");
        SetDebugSink([](std::string_view) {});
        setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
        setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
        SimHidBus::Instance().UnplugAll();
        mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        mouse->Plug();
        factoryBlock = mouse->KeyBlock();
        mouse->ClearFrames();
    }
    void TearDown() override {
        SimHidBus::Instance().UnplugAll();
        SetDebugSink({});
    }
    std::filesystem::path Folder() const { return home.Path() / "KV_ELM Gaming mouse" / "mouse"; }
    Json::Value ProfileKey(int button) const {
        const Json::Value list = CJsonFile().ReadJsonFile((Folder() / "ProfileList.ini").string());
        const std::string id = list["profilelist"][0]["profileUUID"].asString();
        return CJsonFile().ReadJsonFile((Folder() / (id + ".Json")).string())["Device"][0]["KeyList"][button];
    }

    TempFolder home;
    std::shared_ptr<SimMouse> mouse;
    Bytes factoryBlock;
};

TEST_F(CtlKeys, AssignWritesTheKeyBlockAndTheProfile) {
    const size_t forward = SlotOffset(factoryBlock, {0x10, 0x10, 0x00});
    ASSERT_LT(forward, factoryBlock.size());
    const CtlOutput run = Ctl({"assign", "0", "forward", "key:ctrl+c"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "forward: Key Ctrl+C (profile 'profile1')\n");

    Bytes expected = factoryBlock;
    expected[forward] = 0x20;
    expected[forward + 1] = 0x01;
    expected[forward + 2] = 0x06;
    EXPECT_EQ(mouse->KeyBlock(), expected);
    EXPECT_EQ(ProfileKey(3)["Assignment"].asInt(), 0x200106);
    EXPECT_EQ(ProfileKey(3)["DefaultAssignment"].asInt(), 0x101000);

    const CtlOutput keys = Ctl({"keys", "0"});
    ASSERT_EQ(keys.code, 0) << keys.err;
    EXPECT_NE(keys.out.find("forward    key:ctrl+c               Key Ctrl+C\n"), std::string::npos)
        << keys.out;
    EXPECT_NE(keys.out.find("back       back                     Back (default)\n"), std::string::npos);

    // A second run no longer finds the factory bytes of the forward button on the device;
    // the slot remembered from the first run still takes the default back.
    mouse->ClearFrames();
    const CtlOutput back = Ctl({"assign", "0", "forward", "default"});
    ASSERT_EQ(back.code, 0) << back.err;
    EXPECT_EQ(mouse->KeyBlock(), factoryBlock);
    EXPECT_EQ(ProfileKey(3)["Assignment"].asInt(), 0x101000);
}

// A reassigned button whose slot nobody remembers (the data folder was lost) cannot be
// written: the other buttons still reach the device, and the command fails.
TEST_F(CtlKeys, AButtonWithoutASlotIsAFailure) {
    const size_t forward = SlotOffset(factoryBlock, {0x10, 0x10, 0x00});
    ASSERT_EQ(Ctl({"assign", "0", "forward", "key:ctrl+c"}).code, 0);
    std::filesystem::remove(Folder() / "KeySlots.json");
    const Bytes reassigned = mouse->KeyBlock();
    ASSERT_NE(reassigned, factoryBlock);

    const CtlOutput run = Ctl({"assign", "0", "back", "key:ctrl+c"});
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_NE(run.err.find("no key slot"), std::string::npos) << run.err;
    const size_t back = SlotOffset(factoryBlock, {0x10, 0x08, 0x00});
    Bytes expected = reassigned;
    std::copy_n(Bytes{0x20, 0x01, 0x06}.begin(), 3, expected.begin() + static_cast<std::ptrdiff_t>(back));
    EXPECT_EQ(mouse->KeyBlock(), expected);
    EXPECT_EQ(Bytes(expected.begin() + forward, expected.begin() + forward + 3), (Bytes{0x20, 0x01, 0x06}));
}

TEST_F(CtlKeys, RefusalsWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {{"assign", "0", "forward", "jump"}, kExitUsage, "accepted: left, right, middle, back, forward"},
        {{"assign", "0", "wheel", "left"}, kExitUsage, "buttons: left, right"},
        {{"assign", "0", "back", "macro:none"}, kExitUsage, "macros: none"},
        {{"assign", "0", "left", "right"},
         kExitFailure,
         "The last left button cannot be given another function."},
    };
    for (const Case& c : cases) {
        mouse->ClearFrames();
        const CtlOutput run = Ctl(c.args);
        EXPECT_EQ(run.code, c.code) << c.args[3];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(mouse->KeyBlock(), factoryBlock);
        EXPECT_EQ(ProfileKey(0)["Assignment"].asInt(), 0x100100);
    }
}

TEST_F(CtlKeys, MacroAssignmentSendsTheMacroImage) {
    const std::filesystem::path source = home.Path() / "burst.mac";
    WriteFile(source, R"({"MacroName": "burst", "Guid": "y", "Events": [
        {"Type": 10, "Button": 4, "Action": "down", "Delay": "30"},
        {"Type": 10, "Button": 4, "Action": "up", "Delay": "0"}], "Version": 64})");
    const CtlOutput imported = Ctl({"macro", "import", "0", source.string()});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "imported '" + source.string() + "' as 'burst'\n") << "the macro keeps its name";
    EXPECT_EQ(Ctl({"macro", "list", "0"}).out, "0  burst  (2 events)\n");
    EXPECT_EQ(Ctl({"macro", "show", "0", "BURST"}).out, "A down, then 30 ms\nA up, then 0 ms\n");

    const CtlOutput run = Ctl({"assign", "0", "back", "macro:burst:repeat=3"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Bytes image = mouse->MacroImage();
    ASSERT_EQ(image.size(), 16u + 6u + 8u);
    EXPECT_EQ(Bytes(image.begin() + 22, image.end()),
              (Bytes{0x1E, 0x00, 0x8A, 0x04, 0x00, 0x00, 0x0A, 0x04}));
    const size_t back = SlotOffset(factoryBlock, {0x10, 0x08, 0x00});
    const Bytes block = mouse->KeyBlock();
    ASSERT_LT(back + 3, block.size());
    EXPECT_EQ(Bytes(block.begin() + back, block.begin() + back + 3), (Bytes{0x71, 0, 3}));
    EXPECT_NE(Ctl({"keys", "0"}).out.find("macro:burst:repeat=3     Macro 'burst' (repeat 3)"),
              std::string::npos);

    const std::filesystem::path out = home.Path() / "out.mac";
    ASSERT_EQ(Ctl({"macro", "export", "0", "burst", out.string()}).code, 0);
    // A macro that is not there is a command-line mistake, for macro as for assign.
    EXPECT_EQ(Ctl({"macro", "show", "0", "nothing"}).code, 2);
    EXPECT_EQ(Ctl({"assign", "0", "back", "macro:nothing"}).code, 2);
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(source));
}

TEST_F(CtlKeys, TheProgramPrintsTheAssignmentItWasGiven) {
    const std::string env = "XDG_DATA_HOME='" + home.Path().string() + "' KVELM_SIM_STATE_DIR='" +
                            home.File("sim") +
                            "' KVELM_DATA_DIR='" KVELM_BIN_DIR "' KVELM_SIMULATE=mouse " KVELMCTL_PATH;
    ASSERT_EQ(std::system((env + " assign 0 forward key:ctrl+c >/dev/null").c_str()), 0);
    FILE* pipe = popen((env + " keys 0").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_NE(text.find("forward    key:ctrl+c               Key Ctrl+C\n"), std::string::npos) << text;
}

}  // namespace
