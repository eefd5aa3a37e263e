// One bullet inside a preset document: the six events written, what reads back, and the
// limits applied to typed values.
#include <gtest/gtest.h>

#include "macros/shoot_bullet.h"
#include "macros/shoot_preset.h"
#include "shoot_fixture.h"

using shoot::ShootBullet;

namespace {

// Type/Button/Action/Delay of one event, as the file holds it.
std::string EventText(const Json::Value& e) {
    if (e.isNull()) return "null";
    return std::to_string(e["Type"].asInt()) + "/" + std::to_string(e["Button"].asInt()) + "/" +
           e["Action"].asString() + "/" + std::to_string(e["Delay"].asInt());
}

TEST(ShootBullet, SavedBulletIsTheSixFixedEventsWithItsFiveValues) {
    Json::Value document = ParseJson(R"({"Name": "kept", "Events": []})");
    ASSERT_TRUE(shoot::WriteBullet(document, 0, {true, 3, false, 7, 90}));
    const std::vector<std::string> expected = {"1/1/down/10", "1/1/up/0",   "4/3/down/5",
                                               "5/7/up/90",   "4/0/down/0", "5/0/up/0"};
    ASSERT_EQ(document["Events"].size(), 6u);
    for (unsigned i = 0; i < 6; ++i)
        EXPECT_EQ(EventText(document["Events"][i]), expected[i]) << "event " << i;
    EXPECT_EQ(document["Name"].asString(), "kept") << "other members survive a save";
    EXPECT_EQ(shoot::ReadBullet(document, 0), (ShootBullet{true, 3, false, 7, 90}));
}

TEST(ShootBullet, SavingPastTheEndLengthensTheArrayWithNullGaps) {
    Json::Value document = ParseJson(PresetText(2));  // 12 events
    ASSERT_TRUE(shoot::WriteBullet(document, 10, {false, 1, true, 2, 3}));
    const Json::Value& events = document["Events"];
    ASSERT_EQ(events.size(), 66u);
    for (unsigned i = 12; i < 60; ++i) EXPECT_TRUE(events[i].isNull()) << i;
    EXPECT_EQ(shoot::ReadBullet(document, 1), (ShootBullet{false, 1, false, 2, 10}))
        << "earlier bullets unchanged";
    EXPECT_EQ(shoot::ReadBullet(document, 5), ShootBullet{}) << "a gap reads as zeros, right and down";
    EXPECT_EQ(shoot::ReadBullet(document, 10), (ShootBullet{false, 1, true, 2, 3}));
}

TEST(ShootBullet, ReadsWhatTheDeviceWouldReceive) {
    struct Case {
        const char* document;
        ShootBullet expected;
    } cases[] = {
        // Upper-case actions read as left and up.
        {R"({"Events": [{}, {}, {"Type": 4, "Button": 4, "Action": "DOWN"},
                        {"Type": 5, "Button": 6, "Action": "Down", "Delay": 20}]})",
         {true, 4, true, 6, 20}},
        // Values a hand-made file may hold beyond what the device keeps.
        {R"({"Events": [{}, {}, {"Type": 4, "Button": 300, "Action": "up"},
                        {"Type": 5, "Button": -3, "Action": "up", "Delay": 70000}]})",
         {false, 255, false, 0, 65535}},
        // A delay written as text is read as a number, as in macro files.
        {R"({"Events": [{}, {}, {}, {"Type": 5, "Button": "x", "Action": "up", "Delay": "90"}]})",
         {false, 0, false, 0, 90}},
        {R"({"Other": 1})", {}},
        {R"([1, 2, 3])", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shoot::ReadBullet(ParseJson(c.document), 0), c.expected) << c.document;
}

TEST(ShootBullet, TypedValuesAreLimitedToWhatTheDeviceKeeps) {
    struct Case {
        const char* text;
        int distance, delay;
    } cases[] = {
        {"7", 7, 7},       {"255", 255, 255},
        {"256", 255, 256}, {"70000", 255, 65535},
        {"-5", 0, 0},      {"30ms", 30, 30},
        {"", 0, 0},        {"abc", 0, 0},
        {" +12", 12, 12},  {"99999999999999", 255, 65535},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shoot::EnterDistance(c.text), c.distance) << "'" << c.text << "'";
        EXPECT_EQ(shoot::EnterDelay(c.text), c.delay) << "'" << c.text << "'";
    }
}

TEST(ShootPreset, SetBulletStoresAndReturnsTheLimitedValues) {
    shoot::CShootPreset preset;
    ShootBullet kept;
    EXPECT_TRUE(preset.SetBullet(29, {true, 400, true, -1, 99999}, &kept));
    EXPECT_EQ(kept, (ShootBullet{true, 255, true, 0, 65535}));
    EXPECT_EQ(preset.Bullet(29), kept) << "what the control shows is what was stored";
    EXPECT_EQ(preset.Document()["Events"][29 * 6 + 2]["Button"].asInt(), 255);
    EXPECT_EQ(preset.EventCount(), 180);
    EXPECT_EQ(preset.BulletCount(), 30);
}

TEST(ShootPreset, BulletNumbersOutsideThePresetAreRefused) {
    for (int bullet : {-1, 30, 1000}) {
        shoot::CShootPreset preset(ParseJson(PresetText(1)));
        EXPECT_FALSE(preset.SetBullet(bullet, {true, 1, true, 1, 1})) << bullet;
        EXPECT_EQ(preset.EventCount(), 6) << bullet;
        EXPECT_EQ(preset.Bullet(bullet), ShootBullet{}) << bullet;
    }
    shoot::CShootPreset broken(ParseJson(R"({"Events": "text"})"));
    EXPECT_FALSE(broken.SetBullet(0, {true, 1, true, 1, 1}));
    EXPECT_EQ(broken.Document()["Events"].asString(), "text");
}

TEST(ShootPreset, ShapeTellsPresetsFromOtherFiles) {
    using shoot::PresetShape;
    struct Case {
        std::string text;
        PresetShape shape;
    } cases[] = {
        {PresetText(30), PresetShape::Valid},
        {R"({"Events": []})", PresetShape::Valid},
        {R"({"profilename": "p"})", PresetShape::NoEvents},
        {R"({"Events": {"a": 1}})", PresetShape::NotAPreset},
        {"[]", PresetShape::NotAPreset},
        {"", PresetShape::NotAPreset},
        {"{\"Events\": [", PresetShape::NotAPreset},
        {std::string(100000, '['), PresetShape::NotAPreset},
        {PresetText(31), PresetShape::TooManyEvents},
    };
    for (const Case& c : cases) EXPECT_EQ(shoot::ShapeOfText(c.text), c.shape) << c.text.substr(0, 40);
}

}  // namespace
