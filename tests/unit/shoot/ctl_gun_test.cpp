// kvelmctl gun, run in-process against simulated mice, checked on what it prints, the
// preset files it leaves and the image the mouse received.
#include <gtest/gtest.h>

#include <sstream>

#include "ctl/ctl.h"
#include "shoot_fixture.h"

namespace {

struct CtlRun {
    int code;
    std::string out, err;
};

CtlRun Ctl(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCtl(args, out, err);
    return {code, out.str(), err.str()};
}

class CtlGunTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("KVELM_SIMULATE");
        setenv("XDG_DATA_HOME", home_.Path().c_str(), 1);
        setenv("KVELM_DATA_DIR", KVELM_BIN_DIR, 1);
        SetDebugSink([](std::string_view) {});
        SimHidBus::Instance().UnplugAll();
        first = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        second = std::make_shared<SimMouse>(SimMouseModel::Mouse3389());
        first->Plug();
        second->Plug();
    }
    void TearDown() override {
        SimHidBus::Instance().UnplugAll();
        SetDebugSink({});
    }
    std::filesystem::path DataRoot() const { return home_.Path() / "KV_ELM Gaming mouse"; }
    std::filesystem::path Preset(const std::string& folder, int gun) const {
        return DataRoot() / folder / ("ShootData_" + std::to_string(gun) + ".Shoot");
    }
    std::filesystem::path Shipped(int gun) const {
        return std::filesystem::path(KVELM_BIN_DIR) / "DefaultData" /
               ("ShootData_" + std::to_string(gun) + ".Shoot");
    }

    TempFolder home_;
    std::shared_ptr<SimMouse> first, second;
};

TEST_F(CtlGunTest, ListSetsUpTheFourPresetsOfTheMouseKind) {
    const CtlRun run = Ctl({"gun", "1", "list"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    std::string expected;
    for (int gun = 0; gun < 4; ++gun)
        expected +=
            "gun " + std::to_string(gun + 1) + ": 30 bullets  " + Preset("mouse3389", gun).string() + "\n";
    EXPECT_EQ(run.out, expected);
    for (int gun = 0; gun < 4; ++gun)
        EXPECT_EQ(ReadFileBytes(Preset("mouse3389", gun)), ReadFileBytes(Shipped(gun)));
    EXPECT_FALSE(std::filesystem::exists(DataRoot() / "mouse")) << "the other model's folder is not touched";
}

// Presets are numbered 1-4 on the command line; the files keep their names from 0.
TEST_F(CtlGunTest, ShowPrintsEachBulletCountedFromOne) {
    WriteFile(Preset("mouse", 1), "{\"Events\": [" + BulletEventsText(3, "down", 7, "up", 90) + "," +
                                      BulletEventsText(255, "up", 0, "DOWN", 65535) + "]}");
    const CtlRun run = Ctl({"gun", "0", "show", "2"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, "gun 2: " + Preset("mouse", 1).string() +
                           "\n"
                           "bullet  horizontal  vertical  delay\n"
                           "     1  left 3      down 7       90\n"
                           "     2  right 255   up 0      65535\n");
}

TEST_F(CtlGunTest, ExportThenImportIntoAnotherGunCopiesTheFile) {
    WriteFile(Preset("mouse", 0), PresetText(4));
    const std::string file = (home_.Path() / "mine.shoot").string();
    const CtlRun exported = Ctl({"gun", "0", "export", "1", file});
    ASSERT_EQ(exported.code, kExitOk) << exported.err;
    EXPECT_EQ(exported.out, "exported gun 1 to " + file + "\n");
    EXPECT_EQ(ReadFileBytes(file), PresetText(4));

    const CtlRun imported = Ctl({"gun", "0", "import", "4", file});
    ASSERT_EQ(imported.code, kExitOk) << imported.err;
    EXPECT_EQ(ReadFileBytes(Preset("mouse", 3)), PresetText(4));
}

TEST_F(CtlGunTest, BadArgumentsWriteNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {"gun", "0"},
        {"gun", "0", "shoot"},
        {"gun", "0", "show", "5"},
        {"gun", "0", "show", "0"},
        {"gun", "0", "show", "-1"},
        {"gun", "0", "show"},
        {"gun", "0", "list", "1"},
        {"gun", "0", "import", "1"},
        {"gun", "0", "import", "x", "file.shoot"},
        {"gun", "0", "export", "2", ""},
    };
    for (const auto& args : cases) {
        const CtlRun run = Ctl(args);
        EXPECT_EQ(run.code, kExitUsage) << args.size() << " " << args.back();
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_TRUE(run.err.starts_with("kvelmctl: ")) << run.err;
    }
    const CtlRun missing = Ctl({"gun", "5", "list"});
    EXPECT_EQ(missing.code, kExitFailure);
    EXPECT_FALSE(std::filesystem::exists(DataRoot())) << "no folder or file was created";
}

TEST_F(CtlGunTest, ImportOfAFileThatIsNoPresetFailsAndKeepsTheGun) {
    ASSERT_EQ(Ctl({"gun", "0", "list"}).code, kExitOk);
    const std::string before = ReadFileBytes(Preset("mouse", 2));
    const std::filesystem::path file = home_.Path() / "profile.json";
    WriteFile(file, R"({"profilename": "p", "profileUUID": "u"})");
    const CtlRun run = Ctl({"gun", "0", "import", "3", file.string()});
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_NE(run.err.find(file.string() + " is no gun preset file (no \"Events\" array)"), std::string::npos)
        << run.err;
    EXPECT_EQ(ReadFileBytes(Preset("mouse", 2)), before);

    const CtlRun absent = Ctl({"gun", "0", "import", "3", (home_.Path() / "none.shoot").string()});
    EXPECT_EQ(absent.code, kExitFailure);
    EXPECT_NE(absent.err.find("cannot read"), std::string::npos) << absent.err;
}

TEST_F(CtlGunTest, SendWritesTheImageToTheNamedMouseOnly) {
    const CtlRun run = Ctl({"gun", "0", "send"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_NE(run.out.find("sent gun presets 1-4 to sim:"), std::string::npos) << run.out;
    EXPECT_EQ(first->ShootImage().size(), 2920u);
    EXPECT_TRUE(second->ShootImage().empty());

    second->SetSilent(true);
    const CtlRun silent = Ctl({"gun", "1", "send"});
    EXPECT_EQ(silent.code, kExitFailure);
    EXPECT_NE(silent.err.find("writing the gun presets failed"), std::string::npos) << silent.err;
}

}  // namespace
