// Where the service is, where downloads go, the last-check file and the updater's line.
#include <gtest/gtest.h>
#include "update/download_paths.h"
#include "update/last_check_file.h"
#include "update/service_url.h"
#include "update/updater_message.h"
#include "temp_folder.h"

namespace {
TEST(ServiceUrlTest, EnvironmentOverridesTheIniAndNothingIsSetByDefault) {
    struct Case {
        const char* ini;
        const char* environment;  // nullptr: undefined
        const char* url;
        bool problem;
    };
    const Case cases[] = {
        {"", nullptr, "", false},
        {"https://ini.example/", nullptr, "https://ini.example/", false},
        {"https://ini.example/", "https://env.example", "https://env.example", false},
        // A query would travel in clear: refused, except to the machine itself.
        {"", " http://env.example ", "", true},
        {"http://updates.example/", nullptr, "", true},
        {"http://127.0.0.1:8080", nullptr, "http://127.0.0.1:8080", false},
        {"http://localhost/", nullptr, "http://localhost/", false},
        {"http://127.0.0.1.evil.example/", nullptr, "", true},
        {"https://ini.example/", "", "", false},  // defined empty: turned off
        {"ftp://ini.example/", nullptr, "", true},
        {"", "file:///etc/passwd", "", true},
    };
    for (const Case& c : cases) {
        const UpdateServiceSetting setting = ResolveUpdateServiceUrl(c.ini, c.environment);
        EXPECT_EQ(setting.url, c.url) << c.ini << " / " << (c.environment ? c.environment : "(unset)");
        EXPECT_EQ(!setting.problem.empty(), c.problem) << c.ini;
    }
}

TEST(ServiceUrlTest, IniValueIsReadFromItsGroupOnly) {
    const std::string ini =
        "[General]\nUrl=https://wrong\n\n[Update]\r\n Url = \"https://right/x\" \r\n"
        "Other=1\n[Later]\nUrl=https://also-wrong\n";
    EXPECT_EQ(ReadIniValue(ini, "Update", "Url"), "https://right/x");
    EXPECT_EQ(ReadIniValue(ini, "Update", "Missing"), "");
    EXPECT_EQ(ReadIniValue("Url=https://no-group\n", "Update", "Url"), "");

    TempFolder config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    EXPECT_EQ(UpdateUrlFromUserIni(), "");
    std::filesystem::create_directories(config.Path() / "kvelm");
    WriteFileBytes(config.File("kvelm/kvelm.ini"), "[Update]\nUrl=https://from-file\n");
    EXPECT_EQ(UserIniPath(), config.File("kvelm/kvelm.ini"));
    EXPECT_EQ(UpdateUrlFromUserIni(), "https://from-file");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(UpdaterMessageTest, OneLineMessagesParseStrictly) {
    const std::string tag(kUpdaterMessageName);
    struct Case {
        std::string line;
        bool valid;
        int code;
        int value;
    };
    const Case cases[] = {
        {tag + " 1 0\n", true, kUpdaterFinished, 0},
        {tag + " 2 0\r\n", true, kUpdaterFailed, 0},
        {tag + " 3 0\n", true, kUpdaterFailedToo, 0},
        {tag + " 4 37\n", true, kUpdaterProgress, 37},
        {tag + " 4 100\n", true, kUpdaterProgress, 100},
        {tag + " 4 101\n", false, 0, 0},
        {tag + " 4 -1\n", false, 0, 0},
        {tag + " 5 0\n", false, 0, 0},
        {tag + " 1 9\n", false, 0, 0},
        {tag + " 4 37", false, 0, 0},     // no line end
        {tag + "  4 37\n", false, 0, 0},  // two blanks
        {tag + " 4 37 x\n", false, 0, 0},
        {"{OTHER} 1 0\n", false, 0, 0},
        {tag + " 4 0037\n", false, 0, 0},
        {tag + " 4 " + std::string(200, '1') + "\n", false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto message = ParseUpdaterMessage(c.line);
        ASSERT_EQ(message.has_value(), c.valid) << c.line;
        if (message) {
            EXPECT_EQ(message->code, c.code) << c.line;
            EXPECT_EQ(message->value, c.value) << c.line;
            EXPECT_EQ(FormatUpdaterMessage(*message), c.line.ends_with("\r\n") ? tag + " 2 0\n" : c.line);
        }
    }
}

TEST(DownloadPathsTest, LocalFileStaysInsideTheDownloadFolder) {
    struct Case {
        const char* name;
        const char* url;
        const char* file;
    };
    const Case cases[] = {
        {"KV_ELM Gaming Mouse", "https://h/fw/mouse_0102.bin?x=1", "/d/KV_ELM Gaming Mouse.bin"},
        {"../../etc/cron.d/x", "https://h/a.run", "/d/_.._etc_cron.d_x.run"},
        {"..", "https://h/noextension", "/d/update"},
        {"Tool", "https://h/a.tar.gz", "/d/Tool.gz"},
        {"Tool", "https://h/a.$(rm)", "/d/Tool"},
    };
    for (const Case& c : cases) EXPECT_EQ(LocalUpdateFile("/d", c.name, c.url), c.file) << c.name;

    TempFolder cache;
    setenv("XDG_CACHE_HOME", cache.Path().c_str(), 1);
    const std::string folder = DefaultDownloadFolder();
    unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(folder, cache.File("kvelm/UpdateData"));
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all);
}

TEST(LastCheckFileTest, DateIsStoredAsTheProgramWritesIt) {
    TempFolder data;
    const std::tm date{.tm_sec = 0,
                       .tm_min = 0,
                       .tm_hour = 0,
                       .tm_mday = 5,
                       .tm_mon = 2,
                       .tm_year = 124,
                       .tm_wday = 0,
                       .tm_yday = 0,
                       .tm_isdst = 0,
                       .tm_gmtoff = 0,
                       .tm_zone = nullptr};
    EXPECT_EQ(FormatCheckDate(date), "2024-3-5");

    EXPECT_EQ(ReadLastCheckDate(data.Path().string()), "");
    const std::string today = LastCheckDateAtStart(data.Path().string());
    EXPECT_EQ(today, TodayCheckDate());
    EXPECT_NE(ReadFileBytes(data.File("updatetime.config")).find("\"updatelasttime\""), std::string::npos);

    ASSERT_EQ(WriteLastCheckDate(data.Path().string(), "2023-12-1"), 0);
    EXPECT_EQ(LastCheckDateAtStart(data.Path().string()), "2023-12-1");
    WriteFileBytes(data.File("updatetime.config"), R"({"updatelasttime": {"value": 5}})");
    EXPECT_EQ(ReadLastCheckDate(data.Path().string()), "");
}
}  // namespace
