// The mouse operations' value rules that the DPI and system pages rely on: the DPI stage
// list grows to hold an edited stage, and one system value is replaced as a word.
#include <gtest/gtest.h>

#include <vector>

#include "devices/mouse_operations.h"

using namespace mouseops;

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
