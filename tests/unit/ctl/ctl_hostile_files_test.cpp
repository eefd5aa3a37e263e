// The built kvelmctl against hostile files in its data and settings folders: a pipe, a
// folder, a link out of the folder, nesting past the JSON reader's limit, a byte-order mark,
// an identifier repeated hundreds of times. Whatever the input, the program ends within a
// few seconds, writes nothing outside its folders and keeps every bad file aside with a
// message.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "kvelmctl_run.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

using Outcome = KvelmctlOutcome;

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.IsValid());
        fs::create_directories(home_.Path() / "data");
        fs::create_directories(home_.Path() / "config" / "kvelm");
        fs::create_directories(outside_.Path());
        WriteFileBytes(outside_.Path() / "victim.json", R"({"profilelist": [], "profileselect": 0})");
        // A first run makes the mouse's data folder with its list, profile and presets.
        const Outcome first = Run({"keys", "0"});
        ASSERT_EQ(first.code, 0) << first.err;
        for (const auto& entry : fs::recursive_directory_iterator(home_.Path() / "data"))
            if (entry.path().filename() == "ProfileList.ini") mouseFolder_ = entry.path().parent_path();
        ASSERT_FALSE(mouseFolder_.empty());
    }

    // kvelmctl with a simulated mouse and the folders of this test only.
    Outcome Run(const std::vector<std::string>& args) const {
        const std::string home = home_.Path().string();
        return RunKvelmctl("KVELM_SIMULATE=mouse HOME='" + home + "' XDG_DATA_HOME='" + home +
                               "/data' XDG_CONFIG_HOME='" + home + "/config'",
                           args);
    }

    static std::string Nested(int depth) { return std::string(depth, '[') + std::string(depth, ']'); }

    TempFolder home_;
    TempFolder outside_;
    fs::path mouseFolder_;
};

TEST_F(HostileFiles, EveryBadFileIsKeptAsideWithAMessageAndNothingHangs) {
    struct Case {
        const char* what;
        const char* file;  // in the mouse's data folder
        std::function<void(const fs::path&)> make;
        std::vector<std::string> args;
        const char* message;  // on standard error
    };
    const std::string victim = (outside_.Path() / "victim.json").string();
    const Case cases[] = {
        {"list is a pipe",
         "ProfileList.ini",
         [](const fs::path& p) { mkfifo(p.c_str(), 0600); },
         {"keys", "0"},
         "is not a regular file"},
        {"list is a folder",
         "ProfileList.ini",
         [](const fs::path& p) { fs::create_directory(p); },
         {"keys", "0"},
         "is not a regular file"},
        {"list nested past the limit",
         "ProfileList.ini",
         [](const fs::path& p) { WriteFileBytes(p, R"({"profilelist": )" + Nested(1100) + "}"); },
         {"keys", "0"},
         "is not valid JSON"},
        {"preset is a folder",
         "ShootData_0.Shoot",
         [](const fs::path& p) { fs::create_directory(p); },
         {"gun", "0", "list"},
         "kept as"},
        {"preset is a pipe",
         "ShootData_0.Shoot",
         [](const fs::path& p) { mkfifo(p.c_str(), 0600); },
         {"gun", "0", "list"},
         "kept as"},
        {"preset nested past the limit",
         "ShootData_1.Shoot",
         [](const fs::path& p) { WriteFileBytes(p, R"({"Events": )" + Nested(1100) + "}"); },
         {"gun", "0", "list"},
         "kept as"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path path = mouseFolder_ / c.file;
        fs::remove_all(path);
        fs::remove_all(path.string() + ".bad");
        c.make(path);
        const Outcome run = Run(c.args);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.file), std::string::npos) << "the message names the file: " << run.err;
        EXPECT_TRUE(fs::exists(fs::symlink_status(path.string() + ".bad"))) << "kept aside";
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path))) << "a good file took its place";
    }
    EXPECT_EQ(ReadFileBytes(victim), R"({"profilelist": [], "profileselect": 0})");
}

// A list reached through a link, or starting with a byte-order mark, is read; saving it
// replaces the link, never the file outside the folder.
TEST_F(HostileFiles, ListThroughALinkOrWithAByteOrderMarkIsReadAndTheLinkTargetKept) {
    const fs::path list = mouseFolder_ / "ProfileList.ini";
    const std::string text = ReadFileBytes(list);
    const fs::path victim = outside_.Path() / "victim.json";
    WriteFileBytes(victim, text);
    fs::remove(list);
    fs::create_symlink(victim, list);
    Outcome run = Run({"apply", "0"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(victim), text) << "the file outside the folder is untouched";
    EXPECT_FALSE(fs::is_symlink(list));

    WriteFileBytes(list, "\xEF\xBB\xBF" + text);
    run = Run({"apply", "0"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(fs::exists(list.string() + ".bad"));
}

// The selected profile's own file unreadable: apply sends the default settings, keeps the
// file aside and says so, naming the profile and the copy.
TEST_F(HostileFiles, ApplySaysWhereAnUnreadableProfileFileIsKept) {
    fs::path profile;
    for (const auto& entry : fs::directory_iterator(mouseFolder_))
        if (entry.path().extension() == ".Json") profile = entry.path();
    ASSERT_FALSE(profile.empty());
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
    };
    const Case cases[] = {
        {"nested past the limit", [](const fs::path& p) { WriteFileBytes(p, Nested(1100)); }},
        {"a pipe", [](const fs::path& p) { mkfifo(p.c_str(), 0600); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(profile);
        for (const auto& entry : fs::directory_iterator(mouseFolder_))
            if (entry.path().string().starts_with(profile.string() + ".bad")) fs::remove_all(entry.path());
        c.make(profile);
        const Outcome run = Run({"apply", "0"});
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_NE(run.err.find("could not be read; it is kept as " + profile.string() + ".bad"),
                  std::string::npos)
            << run.err;
        EXPECT_TRUE(fs::exists(fs::symlink_status(profile.string() + ".bad")));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(profile))) << "the default data took its place";
        const Outcome again = Run({"apply", "0"});
        EXPECT_EQ(again.err, "") << "the repaired profile loads quietly";
    }
}

// Four hundred entries with one identifier: no more profiles than a device keeps, the
// damaged list kept once with a message, and the next run quiet.
TEST_F(HostileFiles, RepeatedIdentifiersStopAtTheProfileLimit) {
    const fs::path list = mouseFolder_ / "ProfileList.ini";
    std::string id;
    for (const auto& entry : fs::directory_iterator(mouseFolder_))
        if (entry.path().extension() == ".Json") id = entry.path().stem().string();
    ASSERT_FALSE(id.empty());
    std::string text = R"({"profilelist": [)";
    for (int i = 0; i < 400; ++i)
        text += (i ? "," : "") + std::string(R"({"profilename": "P)") + std::to_string(i) +
                R"(", "profileUUID": ")" + id + "\"}";
    WriteFileBytes(list, text + R"(], "profileselect": 0})");

    const Outcome run = Run({"keys", "0"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("left out"), std::string::npos) << run.err;
    size_t profiles = 0;
    for (const auto& entry : fs::directory_iterator(mouseFolder_))
        if (entry.path().extension() == ".Json") ++profiles;
    EXPECT_EQ(profiles, 50u);
    EXPECT_TRUE(fs::exists(list.string() + ".bad"));

    const Outcome again = Run({"keys", "0"});
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.err, "");
}

// The settings and device table files of the configuration folder: a pipe is not waited
// on, a device table nested past the reader's limit is reported and the built-in one used.
TEST_F(HostileFiles, ConfigurationFilesThatArePipesOrNestedDoNotStopTheProgram) {
    const fs::path config = home_.Path() / "config" / "kvelm";
    ASSERT_EQ(mkfifo((config / "kvelm.ini").c_str(), 0600), 0);
    const Outcome updates = Run({"updates"});
    EXPECT_EQ(updates.code, 0) << updates.err;
    EXPECT_NE(updates.out.find("no update service is set"), std::string::npos) << updates.out;

    WriteFileBytes(config / "devices.json", R"({"devices": )" + Nested(1200) + "}");
    const Outcome list = Run({"list"});
    EXPECT_EQ(list.code, 0) << list.err;
    EXPECT_NE(list.out.find("320f:2002"), std::string::npos) << list.out;
}

}  // namespace
