// The real kvelm started (offscreen, with a simulated mouse) over hostile files in its data
// and settings folders: a pipe, a folder, nesting past the JSON reader's limit, repeated
// identifiers. Each start shows its window (the screenshot is taken) and ends without an
// abort or a hang, and the bad file is kept aside.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

struct Start {
    int code = -1;
    std::string err;
};

class StartupHostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.IsValid());
        for (const char* sub : {"data", "config/kvelm", "runtime"})
            fs::create_directories(home_.Path() / sub);
        fs::permissions(home_.Path() / "runtime", fs::perms::owner_all, fs::perm_options::replace);
        const Start first = Run();
        ASSERT_EQ(first.code, 0) << first.err;
        for (const auto& entry : fs::recursive_directory_iterator(home_.Path() / "data"))
            if (entry.path().filename() == "ProfileList.ini") mouseFolder_ = entry.path().parent_path();
        ASSERT_FALSE(mouseFolder_.empty());
    }

    // One start that saves a screenshot of its window and ends; `timeout` turns a hang into
    // exit code 124.
    Start Run() const {
        const std::string home = home_.Path().string();
        const std::string shot = home + "/shot.png";
        fs::remove(shot);
        const std::string command = "env -i PATH=/usr/bin:/bin HOME='" + home + "' XDG_DATA_HOME='" + home +
                                    "/data' XDG_CONFIG_HOME='" + home + "/config' XDG_RUNTIME_DIR='" + home +
                                    "/runtime' QT_QPA_PLATFORM=offscreen timeout 60 '" KVELM_BIN
                                    "' --simulate mouse --screenshot '" +
                                    shot + "' >/dev/null 2>'" + home + "/err'";
        const int status = std::system(command.c_str());
        Start start;
        start.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        start.err = ReadFileBytes(home + "/err");
        if (start.code == 0 && !fs::exists(shot)) start.code = -2;  // ended without its window
        return start;
    }

    static std::string Nested(int depth) { return std::string(depth, '[') + std::string(depth, ']'); }

    TempFolder home_;
    fs::path mouseFolder_;
};

TEST_F(StartupHostileFiles, WindowComesUpAndEveryBadFileIsKeptAside) {
    const fs::path config = home_.Path() / "config" / "kvelm";
    const auto pipe = [](const fs::path& p) { mkfifo(p.c_str(), 0600); };
    const auto folder = [](const fs::path& p) { fs::create_directory(p); };
    const auto nested = [](const char* member) {
        return [member](const fs::path& p) {
            WriteFileBytes(p, std::string("{\"") + member + "\": " + Nested(1100) + "}");
        };
    };
    struct Case {
        const char* what;
        fs::path path;
        std::function<void(const fs::path&)> make;
        bool keptAside;  // a pipe holds nothing to keep: it need only not stop the start
    };
    const Case cases[] = {
        {"settings file is a pipe", config / "kvelm.ini", pipe, false},
        {"profile list is a pipe", mouseFolder_ / "ProfileList.ini", pipe, false},
        {"profile list nested past the limit", mouseFolder_ / "ProfileList.ini", nested("profilelist"), true},
        {"gun preset is a folder", mouseFolder_ / "ShootData_0.Shoot", folder, true},
        {"device table nested past the limit", config / "devices.json", nested("devices"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(c.path);
        c.make(c.path);
        const Start start = Run();
        EXPECT_EQ(start.code, 0) << start.err;
        if (c.keptAside) {
            EXPECT_TRUE(fs::exists(fs::symlink_status(c.path.string() + ".bad"))) << start.err;
        }
        fs::remove_all(c.path.string() + ".bad");
        fs::remove_all(c.path);
    }
}

}  // namespace
