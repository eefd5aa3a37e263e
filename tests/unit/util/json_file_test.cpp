#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include <filesystem>
#include <string>

#include "debug_capture.h"
#include "temp_folder.h"
#include "util/json_file.h"

namespace {

namespace fs = std::filesystem;

size_t EntriesIn(const fs::path& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
    return n;
}

class JsonFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetAtomicWriteByteLimitForTest(-1); }
    TempFolder dir;
    CJsonFile files;
};

TEST_F(JsonFileTest, WritesStyledTextAndOneLineFeed) {
    Json::Value v;
    v["name"] = "Profile 1";
    v["dpi"][0] = 800;
    v["dpi"][1] = 1600;
    const std::string path = dir.File("p.json");
    DebugCapture capture;
    ASSERT_EQ(files.WriteJsonFile(path, v), 0);
    EXPECT_EQ(ReadFileBytes(path),
              "{\n"
              "   \"dpi\" : [ 800, 1600 ],\n"
              "   \"name\" : \"Profile 1\"\n"
              "}\n"
              "\n");
    EXPECT_TRUE(capture.Contains("wirtejsonFile 错误吗：：0\n"));
    EXPECT_EQ(files.ReadJsonFile(path), v);
}

TEST_F(JsonFileTest, ReplacesOldContentKeepsModeAndLeavesNoTemporaryFile) {
    const std::string path = dir.File("p.json");
    WriteFileBytes(path, std::string(5000, 'x'));
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(files.WriteJsonFile(path, Json::Value(7)), 0);
    EXPECT_EQ(ReadFileBytes(path), "7\n\n");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

// A save never writes through a symbolic link: the link itself becomes a regular file in
// the folder and whatever it pointed at (a file elsewhere, nothing, a pipe) stays as it was.
TEST_F(JsonFileTest, SaveReplacesASymbolicLinkNeverItsTarget) {
    TempFolder elsewhere;
    struct Case {
        const char* what;
        std::string target;
        bool regularTarget;
    };
    const Case cases[] = {
        {"file in another folder", elsewhere.File("victim.json"), true},
        {"relative link beside it", "sibling.json", true},
        {"dangling link", elsewhere.File("missing.json"), false},
        {"link to a pipe", elsewhere.File("pipe"), false},
    };
    mkfifo(elsewhere.File("pipe").c_str(), 0600);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string link = dir.File("link.json");
        fs::remove(link);
        const fs::path target = fs::path(c.target).is_absolute() ? fs::path(c.target) : dir.Path() / c.target;
        if (c.regularTarget) WriteFileBytes(target.string(), "1");
        fs::create_symlink(c.target, link);
        ASSERT_EQ(files.WriteJsonFile(link, Json::Value(2)), 0);
        EXPECT_FALSE(fs::is_symlink(link));
        EXPECT_EQ(ReadFileBytes(link), "2\n\n");
        if (c.regularTarget) {
            EXPECT_EQ(ReadFileBytes(target.string()), "1");
        } else {
            EXPECT_FALSE(fs::is_regular_file(target));
        }
    }
    EXPECT_EQ(EntriesIn(elsewhere.Path()), 2u) << "nothing new was written in the other folder";
}

// Every failing write returns 1, keeps the previous file byte for byte and leaves no
// temporary file behind.
TEST_F(JsonFileTest, FailedWriteLeavesOldFileIntact) {
    struct Case {
        const char* what;
        long long byteLimit;  // -1: no injected fault
        bool targetIsDirectory;
        bool missingFolder;
    };
    const Case cases[] = {
        {"disk full after 10 bytes", 10, false, false},
        {"disk full before the first byte", 0, false, false},
        {"target is a directory", -1, true, false},
        {"folder does not exist", -1, false, true},
    };
    Json::Value big;
    for (int i = 0; i < 200; ++i) big["key"][i] = i;

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder local;
        std::string path = local.File("profile.json");
        const std::string old = "{\n   \"old\" : true\n}\n\n";
        if (c.targetIsDirectory) {
            fs::create_directory(path);
        } else if (c.missingFolder) {
            path = local.File("absent/profile.json");
        } else {
            WriteFileBytes(path, old);
        }
        SetAtomicWriteByteLimitForTest(c.byteLimit);
        DebugCapture capture;
        EXPECT_EQ(files.WriteJsonFile(path, big), 1);
        SetAtomicWriteByteLimitForTest(-1);

        const auto lines = capture.Lines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().rfind("wirtejsonFile 错误吗：：", 0), 0u);
        EXPECT_NE(lines.back(), "wirtejsonFile 错误吗：：0\n");
        if (c.targetIsDirectory) {
            EXPECT_TRUE(fs::is_directory(path));
        } else if (!c.missingFolder) {
            EXPECT_EQ(ReadFileBytes(path), old);
        }
        EXPECT_EQ(EntriesIn(local.Path()), c.missingFolder ? 0u : 1u);
    }
}

TEST_F(JsonFileTest, ReadFallsBackToNullWithoutThrowing) {
    struct Case {
        const char* what;
        const char* content;  // nullptr: no file
        bool isNull;
    };
    const Case cases[] = {
        {"missing file", nullptr, true},
        {"empty file", "", true},
        {"not JSON", "{\"a\": ", true},
        {"only blanks", "  \n", true},
        {"deeply nested", nullptr, true},
        {"empty array", "[]", false},
        {"comments are accepted", "// saved\n{\"a\": 1}", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.File("in.json");
        fs::remove(path);
        if (c.content) WriteFileBytes(path, c.content);
        if (std::string(c.what) == "deeply nested") WriteFileBytes(path, std::string(100000, '['));
        Json::Value v;
        EXPECT_NO_THROW(v = files.ReadJsonFile(path));
        EXPECT_EQ(v.isNull(), c.isNull);
    }
    EXPECT_TRUE(files.ReadJsonFile(dir.File("in.json")).isObject());
}

// Text written by an editor that puts a byte-order mark first is read; text that is not
// JSON, nested past the reader's limit included, gives null and a message naming the file.
TEST_F(JsonFileTest, ByteOrderMarkIsSkippedAndBadTextIsNamed) {
    struct Case {
        const char* what;
        std::string content;
        bool isObject;
    };
    const Case cases[] = {
        {"byte-order mark", "\xEF\xBB\xBF{\"a\": 1}", true},
        {"byte-order mark and comment", "\xEF\xBB\xBF// saved\n{\"a\": 1}", true},
        {"byte-order mark twice", "\xEF\xBB\xBF\xEF\xBB\xBF{\"a\": 1}", false},
        {"nested past the limit", "{\"a\": " + std::string(1100, '[') + std::string(1100, ']') + "}", false},
        {"cut short", "{\"a\": ", false},
    };
    const std::string path = dir.File("in.Json");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileBytes(path, c.content);
        Json::Value v;
        EXPECT_NO_THROW(v = files.ReadJsonFile(path));
        EXPECT_EQ(v.isObject(), c.isObject);
        if (c.isObject) {
            EXPECT_EQ(v["a"].asInt(), 1);
            EXPECT_EQ(files.LastError(), "");
        } else {
            EXPECT_NE(files.LastError().find(path + " is not valid JSON"), std::string::npos)
                << files.LastError();
        }
    }
}

TEST_F(JsonFileTest, EmptyArrayIsAnArrayNotNull) {
    const std::string path = dir.File("list.json");
    WriteFileBytes(path, "[]");
    const Json::Value v = files.ReadJsonFile(path);
    EXPECT_TRUE(v.isArray());
    EXPECT_EQ(v.size(), 0u);
}

TEST_F(JsonFileTest, EmptyFileSendsItsPathToDebugOutput) {
    const std::string path = dir.File("empty.json");
    WriteFileBytes(path, "");
    DebugCapture capture;
    EXPECT_TRUE(files.ReadJsonFile(path).isNull());
    EXPECT_EQ(capture.Lines(), (std::vector<std::string>{"readjsonFile 错误吗：：0\n", path}));
}

TEST_F(JsonFileTest, ReadTextReportsOsErrorAndRefusesFolders) {
    DebugCapture capture;
    EXPECT_EQ(files.ReadTextFile(dir.File("none")), "");
    EXPECT_TRUE(capture.Contains("readjsonFile 错误吗：：2\n"));  // ENOENT
    EXPECT_EQ(files.ReadTextFile(dir.Path().string()), "");

    const std::string path = dir.File("bin");
    const std::string bytes("a\0b\xff", 4);
    WriteFileBytes(path, bytes);
    EXPECT_EQ(files.ReadTextFile(path), bytes);
}

TEST_F(JsonFileTest, FileLargerThanTheCapIsNotReadAndSaysSo) {
    const std::string path = dir.File("big.Json");
    // A valid JSON array just over the cap, and one just under it.
    std::string big = "[" + std::string(static_cast<size_t>(kMaxJsonFileBytes), ' ') + "]";
    WriteFileBytes(path, big);
    EXPECT_TRUE(files.ReadJsonFile(path).isNull());
    EXPECT_NE(files.LastError().find("big.Json is larger than 256 KB"), std::string::npos)
        << files.LastError();
    EXPECT_EQ(fs::file_size(path), big.size()) << "the file is left as it was";

    big.resize(static_cast<size_t>(kMaxJsonFileBytes) - 1);
    big.back() = ']';
    WriteFileBytes(path, big);
    EXPECT_TRUE(files.ReadJsonFile(path).isArray());
    EXPECT_TRUE(files.LastError().empty());

    // A reader of a smaller kind of file holds it to its own cap.
    const CJsonFile listReader(kMaxListFileBytes);
    EXPECT_TRUE(listReader.ReadJsonFile(path).isNull());
    EXPECT_NE(listReader.LastError().find("larger than 64 KB"), std::string::npos) << listReader.LastError();
}

// Only regular files are data files: a named pipe without a writer would block an ordinary
// open for ever, a directory or a device streams nothing useful. Each gives empty text at
// once and a message naming it.
TEST_F(JsonFileTest, OnlyRegularFilesAreReadAndNothingBlocks) {
    const std::string fifo = dir.File("fifo.Json");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.File("folder.Json"));
    fs::create_symlink(fifo, dir.File("link-to-fifo.Json"));
    fs::create_symlink(dir.File("regular.Json"), dir.File("link-to-file.Json"));
    WriteFileBytes(dir.File("regular.Json"), "{\"a\": 1}");
    struct Case {
        std::string path;
        bool read;
    };
    const Case cases[] = {
        {fifo, false},        {dir.File("folder.Json"), false},      {dir.File("link-to-fifo.Json"), false},
        {"/dev/zero", false}, {dir.File("link-to-file.Json"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(files.ReadJsonFile(c.path).isObject(), c.read);
        if (c.read) {
            EXPECT_EQ(files.LastError(), "");
        } else {
            EXPECT_EQ(files.LastError(), "The file " + c.path + " is not a regular file and was not read.");
        }
    }
}

TEST(Timestamp, FormatsEveryFieldWithItsWidth) {
    struct Case {
        int year, month, day, hour, minute, second, ms;
        const char* expected;
    };
    const Case cases[] = {
        {2017, 3, 5, 9, 7, 3, 42, "2017_03_05_09_07_03_042"},
        {2024, 12, 31, 23, 59, 59, 999, "2024_12_31_23_59_59_999"},
        {2000, 1, 1, 0, 0, 0, 0, "2000_01_01_00_00_00_000"},
    };
    for (const auto& c : cases) {
        std::tm t{};
        t.tm_year = c.year - 1900;
        t.tm_mon = c.month - 1;
        t.tm_mday = c.day;
        t.tm_hour = c.hour;
        t.tm_min = c.minute;
        t.tm_sec = c.second;
        EXPECT_EQ(FormatTimestamp(t, c.ms), c.expected);
    }
}

TEST(Timestamp, UsesLocalTimeOfTheGivenInstant) {
    const char* oldTz = getenv("TZ");
    const std::string saved = oldTz ? oldTz : "";
    setenv("TZ", "UTC", 1);
    tzset();
    std::tm t{};
    t.tm_year = 117;
    t.tm_mon = 2;
    t.tm_mday = 5;
    t.tm_hour = 9;
    t.tm_min = 7;
    t.tm_sec = 3;
    const auto when = std::chrono::system_clock::from_time_t(timegm(&t)) + std::chrono::milliseconds(42);
    EXPECT_EQ(CJsonFile().MakeTimestamp(when), "2017_03_05_09_07_03_042");

    setenv("TZ", "UTC-2", 1);  // two hours east
    tzset();
    EXPECT_EQ(CJsonFile().MakeTimestamp(when), "2017_03_05_11_07_03_042");

    if (oldTz)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

}  // namespace
