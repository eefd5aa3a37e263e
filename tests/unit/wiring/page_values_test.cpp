// Value rules of the page wiring: the tolva limits, the last-left-button guard and
// messages with a number.
#include <gtest/gtest.h>

#include <vector>

#include "mainwnd/rules/page_values.h"

using namespace wiring;

TEST(ClampTolvaDpi, ReadsLeadingDigitsWithinLimits) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"7000", 6500}, {"6500", 6500}, {"1234dpi", 1234}, {"200", 200},
                          {"50", 200},    {"", 200},      {"-800", 200},     {"abc", 200}};
    for (const Case& c : cases) EXPECT_EQ(ClampTolvaDpi(c.text), c.value) << '"' << c.text << '"';
}

TEST(IsLastLeftButton, OnlyTheSoleLeftButtonIsGuarded) {
    auto entry = [](uint8_t type, uint8_t p1, uint8_t p2) {
        KeyAssignEntry e;
        e.current = KeyAssignHalf{0, type, p1, p2, 0};
        return e;
    };
    const KeyAssignEntry left = entry(0x10, 0x01, 0x00);
    const KeyAssignEntry right = entry(0x10, 0x02, 0x00);
    const KeyAssignEntry leftWithExtra = entry(0x10, 0x01, 0x05);

    std::vector<KeyAssignEntry> one = {right, right, right, right, left};
    EXPECT_TRUE(IsLastLeftButton(one, 4));
    EXPECT_FALSE(IsLastLeftButton(one, 0));  // not a left button
    EXPECT_FALSE(IsLastLeftButton(one, 5));  // outside the list
    EXPECT_FALSE(IsLastLeftButton(one, -1));

    std::vector<KeyAssignEntry> two = {left, right, right, right, left};
    EXPECT_FALSE(IsLastLeftButton(two, 4));

    std::vector<KeyAssignEntry> lookalike = {leftWithExtra, right, right, right, left};
    EXPECT_TRUE(IsLastLeftButton(lookalike, 4));
}

TEST(FormatWithCount, PutsTheNumberIntoTheFirstPlaceholderOnly) {
    struct Case {
        const char* format;
        const char* text;
    };
    const Case cases[] = {
        {"%d units too many", "12 units too many"},
        {"多出 %d 个单位", "多出 12 个单位"},
        {"100%% full, %d over", "100% full, 12 over"},
        {"%s and %d", "%s and 12"},  // a stray conversion in a translation stays text
        {"%d then %d", "12 then %d"},
        {"no number", "no number"},
        {"ends with %", "ends with %"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatWithCount(c.format, 12), c.text) << c.format;
}
