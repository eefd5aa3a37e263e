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
    struct Case {
        const char* what;
        std::function<fs::path()> make;  // returns the hostile path
        bool keptAside;                  // a pipe holds nothing to keep: it need only not stop the start
    };
    const Case cases[] = {
        {"settings file is a pipe",
         [&] {
             fs::remove(config / "kvelm.ini");
             mkfifo((config / "kvelm.ini").c_str(), 0600);
             return config / "kvelm.ini";
         },
         false},
        {"profile list is a pipe",
         [&] {
             fs::remove(mouseFolder_ / "ProfileList.ini");
             mkfifo((mouseFolder_ / "ProfileList.ini").c_str(), 0600);
             return mouseFolder_ / "ProfileList.ini";
         },
         false},
        {"profile list nested past the limit",
         [&] {
             WriteFileBytes(mouseFolder_ / "ProfileList.ini", R"({"profilelist": )" + Nested(1100) + "}");
             return mouseFolder_ / "ProfileList.ini";
         },
         true},
        {"gun preset is a folder",
         [&] {
             fs::remove(mouseFolder_ / "ShootData_0.Shoot");
             fs::create_directory(mouseFolder_ / "ShootData_0.Shoot");
             return mouseFolder_ / "ShootData_0.Shoot";
         },
         true},
        {"device table nested past the limit",
         [&] {
             WriteFileBytes(config / "devices.json", R"({"devices": )" + Nested(1200) + "}");
             return config / "devices.json";
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path path = c.make();
        const Start start = Run();
        EXPECT_EQ(start.code, 0) << start.err;
        if (c.keptAside) {
            EXPECT_TRUE(fs::exists(fs::symlink_status(path.string() + ".bad"))) << start.err;
        }
        fs::remove_all(path.string() + ".bad");
        fs::remove_all(path);
    }
}

}  // namespace
