#include <gtest/gtest.h>

#include "macros/macro_event.h"

using namespace macros;

Json::Value Parse(const std::string& text) {
    Json::Value root;
    Json::Reader().parse(text, root);
    return root;
}

TEST(MacroEvent, ReadsNamesAndDeviceForm) {
    const MacroEvent a =
        EventFromJson(Parse(R"({"Type": 10, "Button": 4, "Action": "down", "Delay": "30"})"));
    EXPECT_EQ(a, (MacroEvent{10, 4, true, 30}));
    EXPECT_EQ(EventNameKey(a), "keyboard_key_A");
    EXPECT_EQ(mouse::EventBytes(EventRecord(a)), (std::array<std::uint8_t, 4>{0x1E, 0x00, 0x8A, 0x04}));
    EXPECT_EQ(DescribeEvent(a), "A down");

    const MacroEvent up = EventFromJson(Parse(R"({"Type": 5, "Button": 12, "Action": "down", "Delay": 0})"));
    EXPECT_EQ(EventNameKey(up), "mouse_move_to_up_text");
    EXPECT_EQ(DescribeEvent(up), "Move up 12");
    EXPECT_EQ(EventNameKey({9, 0x10, false, 0}), "keyboard_key_RCtrl");
    EXPECT_EQ(EventNameKey({1, 0x08, true, 0}), "mouse_key_back");
    EXPECT_EQ(EventNameKey({2, 1, true, 0}), "");
    EXPECT_EQ(DescribeEvent({2, 1, true, 0}), "Type 2 (1) down");
}

TEST(MacroEvent, DelayForms) {
    struct Case {
        const char* json;
        int delay;
    };
    const Case cases[] = {
        {R"({"Delay": "70000"})", 65535}, {R"({"Delay": 0})", 0},    {R"({"Delay": 120})", 120},
        {R"({"Delay": "30ms"})", 30},     {R"({"Delay": "-5"})", 0}, {R"({})", 0},
        {R"({"Delay": "abc"})", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(EventFromJson(Parse(c.json)).delay, c.delay) << c.json;
    // Written back as decimal text.
    EXPECT_EQ(EventToJson({10, 4, false, 65535})["Delay"], Json::Value("65535"));
    EXPECT_EQ(EventToJson({10, 4, false, 0})["Action"], Json::Value("up"));
}
