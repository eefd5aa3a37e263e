// The pure parts of the update protocol: identity, keys, bodies, answers and versions.
#include <gtest/gtest.h>
#include <cstring>
#include "update/program_version.h"
#include "update/update_identity.h"
#include "update/update_query.h"

namespace {
TEST(UpdateIdentityTest, RecordsFollowTheTableAndTheAttachedDevices) {
    const AttachedDevice attached[] = {{0x320F, 0x21FD, 0x0103}, {0x1234, 0x5678, 0x0999}};
    const auto records = BuildUpdateRecords(attached, 100);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0].installedVersion, 0);  // mouse 0x2002 not attached
    EXPECT_EQ(records[4].installedVersion, 0x0103);
    EXPECT_TRUE(records[5].IsProgram());
    EXPECT_FALSE(records[5].UsesHexVersions());
    EXPECT_EQ(records[5].installedVersion, 100);
    EXPECT_EQ(records[5].displayName, "KV_ELM Gaming mouse");
    const auto taking = RecordsTakingPart(records);
    ASSERT_EQ(taking.size(), 2u);
    EXPECT_EQ(taking[0].modelCode, records[4].modelCode);
    EXPECT_EQ(taking[1].modelCode, "ALL");

    // With no device attached only the program takes part.
    const auto alone = RecordsTakingPart(BuildUpdateRecords({}, 100));
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_TRUE(alone[0].IsProgram());
}

TEST(UpdateIdentityTest, TableRowsHaveTheirFixedShape) {
    const auto table = UpdateIdentityTable();
    ASSERT_EQ(table.size(), 6u);
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].brand.size(), 5u);
        EXPECT_EQ(table[i].brand, table[0].brand);
        EXPECT_GE(table[i].keyNumber, 0);
        EXPECT_LE(table[i].keyNumber, 9);
        if (i + 1 < table.size()) {
            EXPECT_TRUE(table[i].type == 1 || table[i].type == 2) << i;
            EXPECT_TRUE(table[i].modelCode.size() == 8 || table[i].modelCode.size() == 10) << i;
        }
    }
    EXPECT_EQ(table[5].type, kProgramType);
    EXPECT_EQ(table[5].versionText, ProgramVersionText());
    EXPECT_EQ(table[0].productId, 0x2002);
    EXPECT_EQ(table[4].productId, 0x21FD);
}

TEST(UpdateIdentityTest, AppKeyJoinsTheIdentityOrIsNullForVersionZero) {
    UpdateRecord record{2, 7, 0x0101, "ABCDE", "MODEL123", "Widget", "Shown", ""};
    EXPECT_EQ(BuildAppKey(record), "ABCDE_2_MODEL123_Widget_7");
    record.installedVersion = 0;
    EXPECT_EQ(BuildAppKey(record), "NULL");
}

TEST(UpdateQueryTest, BodyUsesHexForFirmwareAndDecimalForTheProgram) {
    EXPECT_EQ(BuildQueryBody("K", 0x0102, true), "app_key=K&version=102");
    EXPECT_EQ(BuildQueryBody("K", 0x0A0B, true), "app_key=K&version=a0b");
    EXPECT_EQ(BuildQueryBody("K", 100, false), "app_key=K&version=100");
    EXPECT_EQ(UpdateQueryUrl("https://h:1"), "https://h:1/api/updates");
    EXPECT_EQ(UpdateQueryUrl("https://h/base//"), "https://h/base/api/updates");
}

TEST(UpdateQueryTest, AnswerParsing) {
    struct Case {
        const char* what;
        const char* text;
        int32_t installed;
        bool hex;
        int status;
        const char* name;
        int deviceId;
    };
    const Case cases[] = {
        {"all members", R"({"path":"p","name":"N","version_name":"vn","version":"0102","device_id":1})",
         0x0101, true, kStatusNewer, "N", 1},
        {"missing members read as empty or 0", R"({"name":"N"})", 0x0101, true, kStatusCurrent, "N", 0},
        {"version that is not a number reads as 0", R"({"name":"N","version":"beta"})", 0x0101, true,
         kStatusCurrent, "N", 0},
        {"compared as signed numbers", R"({"name":"N","version":"ffffffff"})", 0x0101, true, kStatusCurrent,
         "N", 0},
        {"not JSON", "maintenance", 0x0101, true, kStatusNone, "", 0},
        {"JSON that is no object", R"(["N"])", 0x0101, true, kStatusNone, "", 0},
        {"decimal program version", R"({"name":"AP","version":"99"})", 100, false, kStatusCurrent, "AP", 0},
    };
    // About 2 KB of brackets nest past the reader's depth limit; a UTF-8 byte-order mark
    // before an object is no reason to refuse it.
    const std::string nested = std::string(1100, '[') + std::string(1100, ']');
    const std::string nestedMember = R"({"name":"N","x":)" + nested + "}";
    const Case hostile[] = {
        {"nested past the limit", nested.c_str(), 0x0101, true, kStatusNone, "", 0},
        {"nested member past the limit", nestedMember.c_str(), 0x0101, true, kStatusNone, "", 0},
        {"byte-order mark", "\xEF\xBB\xBF{\"name\":\"N\"}", 0x0101, true, kStatusCurrent, "N", 0},
    };
    for (const Case& c : hostile) {
        UpdateAnswer answer;
        EXPECT_NO_THROW(
            answer = ParseUpdateAnswer(c.text, static_cast<int>(std::strlen(c.text)), c.installed, c.hex))
            << c.what;
        EXPECT_EQ(answer.status, c.status) << c.what;
        EXPECT_EQ(answer.name, c.name) << c.what;
    }
    for (const Case& c : cases) {
        const UpdateAnswer answer =
            ParseUpdateAnswer(c.text, static_cast<int>(std::strlen(c.text)), c.installed, c.hex);
        EXPECT_EQ(answer.status, c.status) << c.what;
        EXPECT_EQ(answer.name, c.name) << c.what;
        EXPECT_EQ(answer.deviceId, c.deviceId) << c.what;
    }
    const char* full = R"({"path":"https://h/f.bin","name":"N","version_name":"vn","version":"0102"})";
    const UpdateAnswer answer = ParseUpdateAnswer(full, static_cast<int>(std::strlen(full)), 0x0101, true);
    EXPECT_EQ(answer.path, "https://h/f.bin");
    EXPECT_EQ(answer.versionName, "vn");
    EXPECT_EQ(answer.offeredVersion, 0x0102);

    // Nothing read: the buffer's text is the name (the marker when nothing was sent).
    EXPECT_TRUE(ParseUpdateAnswer("NO_LINK_SERVER", 0, 0x0101, true).ServiceUnreachable());
    EXPECT_FALSE(ParseUpdateAnswer("", 0, 0x0101, true).HasInformation());
    EXPECT_FALSE(ParseUpdateAnswer("{\"name\":\"N\"}", -1, 0x0101, true).HasInformation());
}

TEST(ProgramVersionTest, VersionComesFromTheBuildAndConverts) {
    EXPECT_EQ(ProgramVersionDotted(), KVELM_PROJECT_VERSION);
    EXPECT_EQ(ProgramVersionText(), std::string("V") + KVELM_PROJECT_VERSION);
    EXPECT_EQ(ProgramVersionNumber(), VersionNumberFromDotted(KVELM_PROJECT_VERSION));
    EXPECT_EQ(VersionNumberFromDotted("1.0.0"), 100);
    EXPECT_EQ(VersionNumberFromDotted("2.13.4"), 2134);
    EXPECT_EQ(VersionNumberFromDotted("beta"), 0);
    EXPECT_EQ(FormatHexVersion(0x0102), "V0102");
    EXPECT_EQ(FormatHexVersion(0x12345), "V12345");
    EXPECT_EQ(FormatDecimalVersion(100), "V100");
}
}  // namespace
