// The default data shipped beside the program, read the way the program reads it and
// turned into what a device would receive.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "devices/mouse/mouse_dpi.h"
#include "devices/mouse/mouse_event_files.h"
#include "devices/mouse/mouse_keys.h"
#include "devices/mouse/mouse_settings_record.h"
#include "util/json_file.h"
#include "util/json_value.h"

using namespace mouse;

namespace {

const std::string kDefaultData = KVELM_DEFAULT_DATA_DIR;

Json::Value DefaultDeviceObject(const std::string& file) {
    const Json::Value doc = CJsonFile().ReadJsonFile(JoinDataPath(kDefaultData, file));
    EXPECT_FALSE(doc.isNull()) << file << " must parse";
    return JsonAt(JsonMember(doc, "Device"), 0);
}

std::uint8_t Byte(const Json::Value& o, const char* key) {
    return static_cast<std::uint8_t>(JsonIntAt(o, key));
}

// The profile's keys as the mouse takes them into its settings record.
MouseSettings SettingsFromDeviceObject(const Json::Value& device, std::uint16_t sensor) {
    MouseSettings s;
    const Json::Value& light = JsonMember(device, "LightInfo");
    s.lighting.mode = Byte(light, "SelectItem");
    s.lighting.brightness = Byte(light, "Light");
    s.lighting.speed = Byte(light, "Speed");
    s.lighting.direction = Byte(light, "Fx");
    s.lighting.colourful = JsonBoolAt(light, "MultiColor") ? 1 : 0;
    s.lighting.red = Byte(light, "Red");
    s.lighting.green = Byte(light, "Green");
    s.lighting.blue = Byte(light, "Blue");
    const Json::Value& dpi = JsonMember(device, "DPIStages");
    s.activeStage = static_cast<std::uint32_t>(JsonIntAt(dpi, "StageActive"));
    const Json::Value& list = JsonMember(dpi, sensor == kSensor3360 ? "StageDPIs_3360" : "StageDPIs");
    for (unsigned i = 0; i < JsonSize(list); ++i) {
        const Json::Value& e = JsonAt(list, i);
        s.stages.push_back({Byte(e, "StageActive"), Byte(e, "StageXY"),
                            static_cast<std::uint16_t>(JsonIntAt(e, "StageDPIX")),
                            static_cast<std::uint16_t>(JsonIntAt(e, "StageDPIY")), Byte(e, "StageColorR"),
                            Byte(e, "StageColorG"), Byte(e, "StageColorB")});
    }
    const Json::Value& system = JsonMember(device, "SystemStages");
    s.astItem = static_cast<std::uint16_t>(JsonIntAt(system, "ASTSelectItem"));
    s.mshItem = static_cast<std::uint16_t>(JsonIntAt(system, "MSHSelectItem"));
    s.logoItem = static_cast<std::uint16_t>(JsonIntAt(system, "LOGOSelectItem"));
    s.pollingRateIndex =
        static_cast<std::uint16_t>(JsonIntAt(JsonMember(device, "ReportStages"), "StageActive"));
    s.sensorCode = sensor;
    return s;
}

std::uint16_t U16(const MouseSettingsBytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::vector<int> WrittenStageX(const MouseSettingsBytes& b) {
    return {U16(b, 15), U16(b, 17), U16(b, 19), U16(b, 21), U16(b, 24), U16(b, 26), U16(b, 28)};
}

}  // namespace

TEST(ShippedDefaults, DefaultProfilesGiveSevenSensibleStagesPerSensor) {
    // The simulated and real mice report step 50 and smallest DPI 100.
    struct Case {
        const char* file;
        std::uint16_t sensor;
        std::uint16_t largestPosition;
        std::vector<int> dpi;
    };
    const Case cases[] = {
        {"mouse.Json", kSensor3327, 120, {400, 800, 1600, 2400, 3100, 6400, 8000}},
        {"mouse.Json", kSensor3360, 238, {400, 800, 1600, 3200, 6400, 9600, 12000}},
        {"mouse3389.Json", kSensor3389, 318, {400, 800, 1600, 3200, 6400, 12000, 16000}},
        {"mouse3389.Json", kSensor3360, 238, {400, 800, 1600, 3200, 6400, 9600, 12000}},
    };
    for (const Case& c : cases) {
        const MouseSensorInfo sensor{c.sensor, 50, c.largestPosition, 100};
        const MouseSettings s = SettingsFromDeviceObject(DefaultDeviceObject(c.file), c.sensor);
        ASSERT_EQ(s.stages.size(), 7u) << c.file;
        const DpiSliderRange range = DpiRangeForSensor(sensor);
        std::vector<int> shown;
        for (const MouseDpiStage& stage : s.stages) {
            EXPECT_EQ(stage.enabled, 1);
            EXPECT_EQ(stage.x, stage.y);
            EXPECT_LE(stage.x, range.maxPosition) << c.file;
            shown.push_back(DpiForPosition(sensor, stage.x));
        }
        EXPECT_EQ(shown, c.dpi) << c.file << " sensor " << std::hex << c.sensor;
        EXPECT_LT(s.activeStage, 7u);
    }
}

TEST(ShippedDefaults, DefaultProfilesEncodeToAValidSettingsRecord) {
    struct Case {
        const char* file;
        std::uint16_t sensor;
        std::vector<int> stageX;  // as the device receives them
    };
    const Case cases[] = {
        {"mouse.Json", kSensor3327, {6, 14, 30, 46, 60, 62, 78}},
        {"mouse3389.Json", kSensor3389, {7, 15, 31, 63, 127, 239, 319}},  // counted from 1
    };
    for (const Case& c : cases) {
        const auto record =
            EncodeMouseSettingsRecord(SettingsFromDeviceObject(DefaultDeviceObject(c.file), c.sensor));
        EXPECT_EQ(record[record::kActiveRecord], 0);
        EXPECT_LT(record[record::kLightMode], kFirstHostLightMode) << "a built-in effect";
        EXPECT_LE(record[record::kLightBrightness], 4);
        EXPECT_LE(record[record::kLightSpeed], 4);
        EXPECT_LE(record[record::kPollingRate], 4) << "one of the five polling options";
        EXPECT_EQ(record[record::kActiveStage], 2);
        EXPECT_EQ(WrittenStageX(record), c.stageX) << c.file;
        // Stage 0 red, stage 6 white.
        EXPECT_EQ(std::vector<int>(record.begin() + 31, record.begin() + 34), (std::vector<int>{255, 0, 0}));
        EXPECT_EQ(std::vector<int>(record.begin() + 49, record.begin() + 52),
                  (std::vector<int>{255, 255, 255}));
        for (std::size_t i = 57; i < record.size(); ++i) EXPECT_EQ(record[i], 0) << "byte " << i;
    }
}

TEST(ShippedDefaults, DefaultKeyListIsTheFactoryAssignmentOfTheTenButtons) {
    for (const char* file : {"mouse.Json", "mouse3389.Json"}) {
        const Json::Value device = DefaultDeviceObject(file);
        const Json::Value& keys = JsonMember(device, "KeyList");
        ASSERT_EQ(JsonSize(keys), kLogicalButtonCount) << file;
        std::vector<KeySlotBytes> assignments;
        for (unsigned i = 0; i < kLogicalButtonCount; ++i) {
            const int current = JsonIntAt(JsonAt(keys, i), "Assignment");
            const int fallback = JsonIntAt(JsonAt(keys, i), "DefaultAssignment");
            const KeySlotBytes bytes = {static_cast<std::uint8_t>(fallback >> 16),
                                        static_cast<std::uint8_t>(fallback >> 8),
                                        static_cast<std::uint8_t>(fallback)};
            EXPECT_EQ(bytes, kFactoryButtonBytes[i]) << file << " button " << i;
            EXPECT_EQ(current, fallback) << file << " button " << i;
            assignments.push_back(bytes);
        }
        // Writing the defaults to a mouse in factory state changes none of its key slots.
        std::vector<std::uint8_t> block;
        for (unsigned i = 0; i < kLogicalButtonCount; ++i) {
            const KeySlotBytes& f = kFactoryButtonBytes[(i * 3) % kLogicalButtonCount];
            block.insert(block.end(), f.begin(), f.end());
        }
        block.insert(block.end(), {0x20, 0x00, 0x04, 0x00, 0x00, 0x00});
        std::vector<std::uint8_t> written;
        ASSERT_EQ(MergeKeyAssignments(block, 12, MapButtonsToSlots(block, 12), assignments, &written), 1);
        EXPECT_EQ(written, block) << file;
    }
}

TEST(ShippedDefaults, GunPresetsAreThirtyWellFormedBullets) {
    const EventEntries presets = ReadShootEntries(kDefaultData);
    ASSERT_EQ(presets.size(), 4u);
    for (std::size_t gun = 0; gun < presets.size(); ++gun) {
        const auto& events = presets[gun];
        ASSERT_EQ(events.size(), 180u) << "gun " << gun;
        int pulledDown = 0;
        for (std::size_t b = 0; b < 30; ++b) {
            const MacroEventRecord* e = &events[6 * b];
            EXPECT_EQ(EventBytes(e[0]), (std::array<std::uint8_t, 4>{10, 0, 0x81, 1})) << gun << "/" << b;
            EXPECT_EQ(EventBytes(e[1]), (std::array<std::uint8_t, 4>{0, 0, 0x01, 1})) << gun << "/" << b;
            EXPECT_EQ(e[2].type & 0x7F, 4);
            EXPECT_EQ(e[2].delay, 5);
            EXPECT_EQ(e[3].type & 0x7F, 5);
            EXPECT_GT(e[3].delay, 0) << "a bullet needs time between shots";
            // The two closing moves repeat the directions with distance 0 and no delay.
            EXPECT_EQ(EventBytes(e[4]), (std::array<std::uint8_t, 4>{0, 0, e[2].type, 0}));
            EXPECT_EQ(EventBytes(e[5]), (std::array<std::uint8_t, 4>{0, 0, e[3].type, 0}));
            if (e[3].type == 0x05 && e[3].button > 0) ++pulledDown;
        }
        EXPECT_GT(pulledDown, 0) << "gun " << gun << " compensates recoil downwards";
    }
    const PreparedImage image = PrepareShootImage(kDefaultData);
    ASSERT_EQ(image.status, ImageStatus::Ready);
    EXPECT_EQ(image.bytes.size(), 16u + 6 * 4 + 4 * 720);
}

TEST(ShippedDefaults, DefaultLightNamesCoverEveryDeviceRow) {
    const Json::Value doc = CJsonFile().ReadJsonFile(JoinDataPath(kDefaultData, "default_light.json"));
    ASSERT_FALSE(doc.isNull());
    // Rows by the device's user value: keyboard 0, mouse 1, mouse pad 2, headset 3; one
    // name per built-in mode, the last one switching the light off.
    const unsigned modes[] = {25, 12, 9, 9};
    const Json::Value& names = JsonMember(doc, "DefaultLightName");
    const Json::Value& areas = JsonMember(doc, "AreaLightName");
    ASSERT_EQ(JsonSize(names), 4u);
    ASSERT_EQ(JsonSize(areas), 4u);
    for (unsigned row = 0; row < 4; ++row) {
        const Json::Value& list = JsonAt(names, row);
        ASSERT_EQ(JsonSize(list), modes[row]) << "row " << row;
        std::set<std::string> seen;
        for (unsigned i = 0; i < JsonSize(list); ++i) {
            const Json::Value& entry = JsonAt(list, i);
            const std::string name = JsonStringAt(entry, "LightName");
            EXPECT_EQ(name.rfind("light_mode_", 0), 0u) << "a text id: " << name;
            EXPECT_TRUE(seen.insert(name).second) << "row " << row << " repeats " << name;
            EXPECT_TRUE(JsonMember(entry, "visible").isBool()) << name;
        }
        EXPECT_EQ(JsonStringAt(JsonAt(list, modes[row] - 1), "LightName"), "light_mode_off") << "row " << row;
        EXPECT_GT(JsonSize(JsonAt(areas, row)), 0u);
    }
}
