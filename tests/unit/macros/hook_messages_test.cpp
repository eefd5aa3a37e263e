#include "macros/hook_messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace macros {
namespace {

TEST(HookMessages, EachModeSendsKeysAndButtonsUnderItsNames) {
    const struct {
        int mode;
        const char* key;
        const char* mouse;  // nullptr: buttons are not sent
    } cases[] = {
        {1, "WM_HOOK_KEY_SINGLEKEY_MSG", nullptr},
        {2, "WM_HOOK_KEY_HITKEY_MSG", nullptr},
        {4, "WM_HOOK_KEY_KBMACRO_MSG", "WM_HOOK_KEY_MSMACRO_MSG"},
        {8, "WM_HOOK_KEY_KBMACROPREVIOUS_MSG", "WM_HOOK_KEY_MSMACROPREVIOUS_MSG"},
        {16, "WM_HOOK_KEY_KBMACROLATER_MSG", "WM_HOOK_KEY_MSMACROLATER_MSG"},
        {32, "WM_HOOK_KEY_KBMACROSINGLE_MSG", "WM_HOOK_KEY_MSMACROSINGLE_MSG"},
        {256, "WM_HOOK_MOU_SINGLEKEY_MSG", nullptr},
        {512, "WM_HOOK_MOU_HITKEY_MSG", nullptr},
        {1024, "WM_HOOK_MOU_KBMACRO_MSG", nullptr},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(KeyMessageName(c.mode)) << c.mode;
        EXPECT_EQ(*KeyMessageName(c.mode), c.key);
        if (c.mouse) {
            ASSERT_TRUE(MouseMessageName(c.mode)) << c.mode;
            EXPECT_EQ(*MouseMessageName(c.mode), c.mouse);
        } else {
            EXPECT_FALSE(MouseMessageName(c.mode)) << c.mode;
        }
    }
}

TEST(HookMessages, UnknownModesAndMixedBitsSendNothing) {
    for (int mode : {0, 3, 64, 128, 4 | 8, 2048, -1}) {
        EXPECT_FALSE(KeyMessageName(mode)) << mode;
        EXPECT_FALSE(MouseMessageName(mode)) << mode;
    }
}

TEST(HookMessages, AllNamesAreRegisteredOnceIncludingTheUnhandledOnes) {
    std::set<std::string> names;
    for (std::string_view name : AllHookMessageNames())
        EXPECT_TRUE(names.insert(std::string(name)).second) << name;
    EXPECT_EQ(names.size(), 14u);
    EXPECT_TRUE(names.count("WM_HOOK_MOU_MSMACRO_MSG"));
    EXPECT_TRUE(names.count("WM_HOOK_KEY_MSMACROSINGLE_MSG"));
}

}  // namespace
}  // namespace macros
