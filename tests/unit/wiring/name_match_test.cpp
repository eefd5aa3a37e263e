// How a notified control name finds its row of the routing table.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <string>

#include "mainwnd/rules/name_match.h"

using wiring::FindRoute;
using wiring::RouteKey;
using wiring::SplitAtLastUnderscore;

TEST(SplitAtLastUnderscore, PrefixAndNumber) {
    struct Case {
        const char* name;
        bool hasPrefix;
        const char* prefix;
        int number;
    };
    const Case cases[] = {
        {"DPI_slider_6", true, "DPI_slider_", 6},
        {"tolva_DPI_edit_12", true, "tolva_DPI_edit_", 12},
        {"key_-3", true, "key_", -3},
        {"key_+4x", true, "key_", 4},
        {"key_007", true, "key_", 7},
        {"color_option_", true, "color_option_", 0},  // no digits read as 0
        {"key_butt_keysave", true, "key_butt_", 0},   // the last "_" decides
        {"deng_Color_Pallet", true, "deng_Color_", 0},
        {"scrollcheck", false, "", 0},
        {"", false, "", 0},
    };
    for (const Case& c : cases) {
        const auto split = SplitAtLastUnderscore(c.name);
        EXPECT_EQ(split.hasPrefix, c.hasPrefix) << c.name;
        EXPECT_EQ(std::string(split.prefix), c.prefix) << c.name;
        EXPECT_EQ(split.number, c.number) << c.name;
    }
}

namespace {

// A table shaped like the real one: numbered and exact rows of several types, with
// neighbours that differ only in case, in prefix or in type.
constexpr std::array<RouteKey, 10> kKeys = {{
    {"click", "color_option_3", false},                  // 0: listed first, but numbered rows go first
    {"click", "color_option_", true},                    // 1
    {"click", "key_", true},                             // 2
    {"click", "key_butt_keysave", false},                // 3
    {"click", "profile_fun_spread_btn", false},          // 4: must match with its case
    {"selectchanged", "DPI_enable_check_", true},        // 5
    {"movevaluechanged", "tolva_DPI_slider_", true},     // 6
    {"movevaluechanged", "DPI_slider_", true},           // 7
    {"selectchanged", "profile_fun_spread_btn", false},  // 8: only clicks keep case
    {"click", "key_", true},                             // 9: a later duplicate never wins
}};

}  // namespace

TEST(FindRoute, FirstMatchingRowWithNumberedRowsFirst) {
    struct Case {
        const char* type;
        const char* name;
        int row;
        int number;
    };
    const Case cases[] = {
        {"click", "color_option_3", 1, 3},    // numbered before the exact row above it
        {"click", "COLOR_OPTION_5", 1, 5},    // prefixes ignore case
        {"CLICK", "key_4", 2, 4},             // types ignore case
        {"click", "key_butt_keysave", 3, 0},  // "key_butt_" is not "key_"
        {"click", "KEY_BUTT_KEYSAVE", 3, 0},  // exact names ignore case ...
        {"click", "profile_fun_spread_btn", 4, 0},
        {"click", "Profile_fun_spread_btn", -1, 0},  // ... except the five click names
        {"click", "PROFILE_FUN_SPREAD_BTN", -1, 0},
        {"selectchanged", "PROFILE_FUN_SPREAD_BTN", 8, 0},
        {"selectchanged", "DPI_enable_check_2", 5, 2},
        {"click", "DPI_enable_check_2", -1, 0},  // another type's row
        {"movevaluechanged", "tolva_DPI_slider_1", 6, 1},
        {"movevaluechanged", "DPI_slider_6", 7, 6},
        {"movevaluechanged", "DPIslider6", -1, 0},  // no "_": no prefix
        {"click", "keys", -1, 0},
    };
    for (const Case& c : cases) {
        const auto match = FindRoute(kKeys, c.type, c.name);
        EXPECT_EQ(match.row, c.row) << c.type << ' ' << c.name;
        if (c.row >= 0) {
            EXPECT_EQ(match.number, c.number) << c.type << ' ' << c.name;
        }
    }
}

TEST(FindRoute, CaseSensitiveClickNamesAreExactlyTheFive) {
    for (const char* name :
         {"profile_fun_spread_btn", "macro_inset_moveleftkey_btn", "macro_inset_moverightkey_btn",
          "macro_inset_moveupkey_btn", "macro_inset_movedownkey_btn"}) {
        EXPECT_TRUE(wiring::IsCaseSensitiveClickName(name)) << name;
        std::string upper(name);
        for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_FALSE(wiring::MatchesExactName("click", upper, name)) << name;
        EXPECT_TRUE(wiring::MatchesExactName("itemselect", upper, name)) << name;
    }
    EXPECT_FALSE(wiring::IsCaseSensitiveClickName("key_butt_keysave"));
    EXPECT_TRUE(wiring::MatchesExactName("click", "Key_Butt_KeySave", "key_butt_keysave"));
}
