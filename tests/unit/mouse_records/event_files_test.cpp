#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/mouse/mouse_event_files.h"
#include "test_files.h"

using namespace mouse;

namespace {

std::vector<std::uint8_t> Flatten(const std::vector<MacroEventRecord>& events) {
    std::vector<std::uint8_t> out;
    for (const auto& e : events) {
        const auto b = EventBytes(e);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

// A macro file of `count` key events whose delays are "10", "11", ... as text.
std::string MacroFile(int count) {
    std::string events;
    for (int i = 0; i < count; ++i) {
        if (i) events += ",";
        events += R"({"Type":10,"Button":)" + std::to_string(4 + i) + R"(,"Action":")" +
                  (i % 2 ? "up" : "down") + R"(","Delay":")" + std::to_string(10 + i) + R"("})";
    }
    return R"({"MacroName":"m","Guid":"g","Events":[)" + events + R"(],"Version":64})";
}

std::size_t CountOf(const EventEntries& entries, std::size_t i) {
    return i < entries.size() ? entries[i].size() : 999;
}

}  // namespace

TEST(MouseEventFiles, MacroEntriesFollowTheMacroListOrder) {
    TempFolder dir;
    dir.Put("macro.config", R"({"MacroInfo":[{"MacroName":"b","Guid":"2024_01_01_00_00_00_002"},
                                             {"MacroName":"a","Guid":"2024_01_01_00_00_00_001"},
                                             {"MacroName":"never saved","Guid":"2024_01_01_00_00_00_003"}]})");
    dir.Put("2024_01_01_00_00_00_001.mac", MacroFile(5));
    dir.Put("2024_01_01_00_00_00_002.mac", MacroFile(3));

    EventEntries entries;
    ASSERT_EQ(ReadMacroEntries(dir.Path(), &entries), 1);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(CountOf(entries, 0), 3u);
    EXPECT_EQ(CountOf(entries, 1), 5u);
    EXPECT_EQ(CountOf(entries, 2), 0u);  // no macro file yet: no events
    EXPECT_EQ(Flatten(entries[0]),
              (std::vector<std::uint8_t>{10, 0, 0x8A, 4, 11, 0, 0x0A, 5, 12, 0, 0x8A, 6}));
}

TEST(MouseEventFiles, NothingToSendWithoutAMacroList) {
    struct Case {
        const char* name;
        const char* config;  // nullptr: no file
    };
    const Case cases[] = {
        {"missing macro.config", nullptr},
        {"empty file", ""},
        {"not JSON", "{MacroInfo"},
        {"no MacroInfo", R"({"Other":1})"},
        {"empty MacroInfo", R"({"MacroInfo":[]})"},
        {"MacroInfo of the wrong type", R"({"MacroInfo":{"Guid":"x"}})"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        if (c.config) dir.Put("macro.config", c.config);
        EventEntries entries = {{}};
        EXPECT_EQ(ReadMacroEntries(dir.Path(), &entries), 0) << c.name;
        EXPECT_EQ(entries.size(), 1u) << c.name;
        EXPECT_EQ(PrepareMacroImage(dir.Path(), 4096).status, ImageStatus::NothingToSend) << c.name;
    }
}

TEST(MouseEventFiles, GuidsThatLeaveTheDataFolderAreNotFollowed) {
    TempFolder dir;
    const std::string data = dir.Path().string() + "/data";
    std::filesystem::create_directories(data + "/nested");
    // Every one of these files would be found if its Guid were followed.
    dir.Put("data/nested/inner.mac", MacroFile(2));
    dir.Put("data/nested\\inner.mac", MacroFile(3));
    dir.Put("up.mac", MacroFile(4));
    dir.Put("data/.mac", MacroFile(5));
    dir.Put("data/macro.config", R"({"MacroInfo":[{"Guid":"nested/inner"},{"Guid":"../up"},{"Guid":""},
                                                  {"Guid":"nested\\inner"},{"Guid":7},{"Guid":"plain"}]})");
    dir.Put("data/plain.mac", MacroFile(1));
    EventEntries entries;
    ASSERT_EQ(ReadMacroEntries(data, &entries), 1);
    ASSERT_EQ(entries.size(), 6u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(entries[i].size(), 0u) << "entry " << i;
    EXPECT_EQ(entries[5].size(), 1u);
}

TEST(MouseEventFiles, MacroImageFromFilesAndTheCapacityRefusal) {
    TempFolder dir;
    dir.Put("macro.config", R"({"MacroInfo":[{"Guid":"one"},{"Guid":"two"}]})");
    dir.Put("one.mac", MacroFile(3));
    dir.Put("two.mac", MacroFile(5));

    const PreparedImage fits = PrepareMacroImage(dir.Path().string() + "/", MacroCapacityBytes(1));
    ASSERT_EQ(fits.status, ImageStatus::Ready);
    EXPECT_EQ(fits.totalLength, 60u);
    ASSERT_EQ(fits.bytes.size(), 60u);
    EXPECT_EQ(std::vector<std::uint8_t>(fits.bytes.begin(), fits.bytes.begin() + 6),
              (std::vector<std::uint8_t>{0xAA, 0x55, 0x3C, 0x00, 0x02, 0x00}));

    // 2 macros of 3 and 68 events: 16 + 12 + 284 = 312 bytes; into 256 bytes: 56 / 4 + 1 = 15.
    dir.Put("two.mac", MacroFile(68));
    const PreparedImage refused = PrepareMacroImage(dir.Path(), MacroCapacityBytes(2));
    EXPECT_EQ(refused.status, ImageStatus::OverCapacity);
    EXPECT_EQ(refused.totalLength, 312u);
    EXPECT_EQ(refused.overflowUnits, 15);
    EXPECT_TRUE(refused.bytes.empty());
}

TEST(MouseEventFiles, ShootImageAlwaysCarriesFourPresets) {
    TempFolder dir;
    // Preset 0: two events with integer delays; preset 1 missing; preset 2 with a gap
    // (a null element goes out as four zero bytes); preset 3 not JSON.
    dir.Put("ShootData_0.Shoot", R"({"Events":[{"Type":1,"Button":1,"Action":"down","Delay":10},
                                               {"Type":5,"Button":7,"Action":"up","Delay":90}]})");
    dir.Put("ShootData_2.Shoot",
            R"({"Name":"kept","Events":[null,{"Type":4,"Button":3,"Action":"down","Delay":5}]})");
    dir.Put("ShootData_3.Shoot", "not json");

    const EventEntries entries = ReadShootEntries(dir.Path());
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(CountOf(entries, 0), 2u);
    EXPECT_EQ(CountOf(entries, 1), 0u);
    EXPECT_EQ(CountOf(entries, 2), 2u);
    EXPECT_EQ(CountOf(entries, 3), 0u);
    EXPECT_EQ(Flatten(entries[2]), (std::vector<std::uint8_t>{0, 0, 0, 0, 5, 0, 0x84, 3}));

    const PreparedImage image = PrepareShootImage(dir.Path());
    ASSERT_EQ(image.status, ImageStatus::Ready);
    // 16 + 6 x 4 + 4 x 4 = 56 bytes; offsets 24, 36, 40, 52.
    const std::vector<std::uint8_t> expected = {
        0xAA, 0x55, 0x38, 0x00, 0x04, 0x00, 0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0x18, 0x00, 0x24, 0x00, 0x28, 0x00, 0x34, 0x00, 0x02, 0x00, 0x00, 0x00,
        0x0A, 0x00, 0x81, 0x01, 0x5A, 0x00, 0x05, 0x07, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x84, 0x03, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(image.bytes, expected);
}

TEST(MouseEventFiles, ShootFileNamesAndPathJoining) {
    EXPECT_EQ(ShootFileName(0), "ShootData_0.Shoot");
    EXPECT_EQ(ShootFileName(3), "ShootData_3.Shoot");
    EXPECT_EQ(JoinDataPath("/data/mouse", "macro.config"), "/data/mouse/macro.config");
    EXPECT_EQ(JoinDataPath("/data/mouse/", "macro.config"), "/data/mouse/macro.config");
}
