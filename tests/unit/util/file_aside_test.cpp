// Keeping broken files before they are replaced, and making a settings file safe for a
// reader that would block on a pipe or write through a link.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "temp_folder.h"
#include "util/file_aside.h"

namespace {

namespace fs = std::filesystem;

TEST(FileAside, EachBrokenFileGetsANameOfItsOwnAndNoneIsReplaced) {
    TempFolder dir;
    const std::string path = dir.File("p.Json");
    WriteFileBytes(path + ".bad", "first");
    WriteFileBytes(path + ".bad.1", "second");
    WriteFileBytes(path, "third");
    EXPECT_EQ(KeepFileAside(path), path + ".bad.2");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(ReadFileBytes(path + ".bad"), "first");
    EXPECT_EQ(ReadFileBytes(path + ".bad.1"), "second");
    EXPECT_EQ(ReadFileBytes(path + ".bad.2"), "third");

    // A folder or a pipe moves aside too; a copy joins the same series.
    fs::create_directory(path);
    EXPECT_EQ(KeepFileAside(path), path + ".bad.3");
    EXPECT_TRUE(fs::is_directory(path + ".bad.3"));
    WriteFileBytes(path, "in use");
    EXPECT_EQ(KeepCopyAside(path, "old text"), path + ".bad.4");
    EXPECT_EQ(ReadFileBytes(path), "in use");
    EXPECT_EQ(ReadFileBytes(path + ".bad.4"), "old text");
    EXPECT_EQ(KeepFileAside(dir.File("missing")), "");
}

// A name of the series that is a link is never written through by a copy.
TEST(FileAside, CopyNeverWritesThroughALinkOfTheSeries) {
    TempFolder dir;
    TempFolder outside;
    const std::string path = dir.File("ProfileList.ini");
    WriteFileBytes(outside.File("victim"), "keep");
    fs::create_symlink(outside.File("victim"), path + ".bad");
    EXPECT_EQ(KeepCopyAside(path, "old"), path + ".bad.1");
    EXPECT_EQ(ReadFileBytes(outside.File("victim")), "keep");
}

TEST(GuardSettingsFile, AnythingButASmallReadableFileIsSetAside) {
    TempFolder outside;
    WriteFileBytes(outside.File("shared.ini"), "[Update]\nUrl=https://x\n");
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        bool keptAside;
        const char* contentAfter;  // of the settings path, when it stays a file
    };
    const Case cases[] = {
        {"small file", [](const std::string& p) { WriteFileBytes(p, "[A]\nb=1\n"); }, false, "[A]\nb=1\n"},
        {"link to a file elsewhere",
         [&](const std::string& p) { fs::create_symlink(outside.File("shared.ini"), p); }, false,
         "[Update]\nUrl=https://x\n"},
        {"link to nothing", [&](const std::string& p) { fs::create_symlink(outside.File("none"), p); }, true,
         ""},
        {"pipe", [](const std::string& p) { mkfifo(p.c_str(), 0600); }, true, ""},
        {"folder", [](const std::string& p) { fs::create_directory(p); }, true, ""},
        {"larger than the cap", [](const std::string& p) { WriteFileBytes(p, std::string(5000, 'x')); }, true,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        const std::string path = dir.File("kvelm.ini");
        c.make(path);
        const std::string message = GuardSettingsFile(path, 4096);
        if (c.keptAside) {
            EXPECT_NE(message.find(path), std::string::npos) << message;
            EXPECT_NE(message.find("kept as " + path + ".bad"), std::string::npos) << message;
            EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
            EXPECT_TRUE(fs::exists(fs::symlink_status(path + ".bad")));
        } else {
            EXPECT_EQ(message, "");
            EXPECT_FALSE(fs::is_symlink(path)) << "a link becomes a file of its own";
            EXPECT_EQ(ReadFileBytes(path), c.contentAfter);
        }
    }
    EXPECT_EQ(ReadFileBytes(outside.File("shared.ini")), "[Update]\nUrl=https://x\n");
    EXPECT_EQ(GuardSettingsFile(outside.File("none"), 4096), "") << "no file: nothing to do";
}

}  // namespace
