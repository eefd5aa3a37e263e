// Value rules of the page wiring: DPI stage lists, mouse values, the tolva limits, the
// last-left-button guard and messages with a number.
#include <gtest/gtest.h>

#include <vector>

#include "mainwnd/rules/page_values.h"

using namespace wiring;

TEST(EnsureDpiStage, ExtendsWithZeroStagesAndKeepsExistingOnes) {
    DpiStage first;
    first.stageActive = 1;
    first.SetX(42);
    first.red = 9;
    std::vector<DpiStage> stages(3, first);

    ASSERT_TRUE(EnsureDpiStage(stages, 6));
    ASSERT_EQ(stages.size(), 7u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(stages[i], first) << i;
    for (size_t i = 3; i < 7; ++i) EXPECT_EQ(stages[i], DpiStage{}) << i;

    ASSERT_TRUE(EnsureDpiStage(stages, 2));  // room already: nothing changes
    EXPECT_EQ(stages.size(), 7u);

    for (int outside : {-1, 7, 100}) {
        std::vector<DpiStage> few(2, first);
        EXPECT_FALSE(EnsureDpiStage(few, outside)) << outside;
        EXPECT_EQ(few.size(), 2u) << outside;
    }
}

TEST(WithMouseValue, ReplacesOneValueAsAWord) {
    MouseSystemValues values{};
    for (size_t i = 0; i < values.size(); ++i) values[i] = static_cast<uint16_t>(10 + i);

    const MouseSystemValues polling = WithMouseValue(values, MouseValue::kPollingRate, 2);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(polling[i], i == size_t(MouseValue::kPollingRate) ? 2 : values[i]) << i;

    EXPECT_EQ(WithMouseValue(values, MouseValue::kAstItem, -1)[MouseValue::kAstItem], kNoItem);
    EXPECT_EQ(WithMouseValue(values, -1, 5), values);
    EXPECT_EQ(WithMouseValue(values, MouseValue::kCount, 5), values);
}

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
