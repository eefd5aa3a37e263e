#include <gtest/gtest.h>

#include "macros/assignment_words.h"
#include "macros/key_assignment.h"

using namespace macros;

namespace {
const std::vector<std::string> kMacros{"Burst", "Reload"};
}

TEST(KeyAssignment, PanelRules) {
    // Ctrl+C chosen as a key combination is a keyboard key with Ctrl, shown as function 6.
    const Assignment ctrlC = *OptionAssignment(KeyFunction::KeyCombination, 4);
    EXPECT_EQ(ctrlC, (Assignment{0x20, 0x01, 0x06}));
    EXPECT_EQ(FunctionOf(ctrlC, {0x10, 0x01, 0}), KeyFunction::Keyboard);
    EXPECT_EQ(ModifierOptionOfBits(ctrlC.param1), 1);
    EXPECT_EQ(ModifierOptionOfRow(4), 1);  // right Ctrl shows the Ctrl option
    EXPECT_EQ(ModifierOptionOfRow(7), 4);
    EXPECT_EQ(ModifierOptionOfBits(0x03), 0);
    // Captured right Ctrl gives its own bit; a key then keeps the held bits.
    EXPECT_EQ(CapturedKey(0x1D, true, 0), (Assignment{0x20, 0x10, 0}));
    EXPECT_EQ(CapturedKey(0x2E, false, 0x01), (Assignment{0x20, 0x01, 0x06}));
    EXPECT_EQ(CapturedKey(0x7F, false, 0), std::nullopt);

    EXPECT_EQ(BuildWheel({1, 0, 0, 3}).param2, 0xFD);
    EXPECT_EQ(ReadScroll(BuildWheel({1, 2, 5, 3})), (ScrollChoice{1, 2, 5, 3}));
    EXPECT_EQ(BuildSwing({1, 0, 0, 3}).param2, 0x83);
    EXPECT_EQ(ReadScroll(BuildSwing({1, 0, 0, 3})).count, 3);

    EXPECT_EQ(BuildMacro(1, 2, kMacroRepeatOption, 300), (Assignment{0x71, 1, 255}));
    EXPECT_EQ(BuildMacro(1, 2, 2, 0), (Assignment{0x70, 1, 2}));
    EXPECT_EQ(BuildMacro(2, 2, 0, 0), std::nullopt);  // beyond the macro list
    EXPECT_EQ(OptionAssignment(KeyFunction::Media, 18), std::nullopt);
    EXPECT_EQ(FindOptionRow(KeyFunction::MouseButton, {0x10, 0x20, 0}), -1);
    EXPECT_EQ(FunctionOf({0x10, 1, 0}, {0x10, 1, 0}), KeyFunction::Default);
    EXPECT_EQ(FunctionOf({0xB0, 0, 0}, {}), KeyFunction::KeyCombination);
}

TEST(KeyAssignment, LastLeftButtonGuard) {
    const Assignment one[] = {kLeftButton, {0x10, 2, 0}, {0x13, 1, 0}};
    EXPECT_TRUE(IsLastLeftButton(one, 0));
    EXPECT_FALSE(IsLastLeftButton(one, 1));
    const Assignment two[] = {kLeftButton, kLeftButton};
    EXPECT_FALSE(IsLastLeftButton(two, 0));
}

TEST(AssignmentWords, RoundTripAndNames) {
    struct Case {
        std::string words;
        Assignment assignment;
        std::string name;
    };
    const Case cases[] = {
        {"left", {0x10, 0x01, 0}, "Left click"},
        {"forward", {0x10, 0x10, 0}, "Forward"},
        {"dpi-cycle", {0x13, 3, 0}, "DPI cycle"},
        {"key:ctrl+c", {0x20, 0x01, 0x06}, "Key Ctrl+C"},
        {"key:ctrl+shift+f5", {0x20, 0x03, 0x3E}, "Key Ctrl+Shift+F5"},
        {"key:rctrl", {0x20, 0x10, 0}, "Key Right Ctrl"},
        {"media:volume-up", {0x30, 0xE9, 0x00}, "Media Volume Up"},
        {"media:calculator", {0x30, 0x92, 0x01}, "Media Calculator"},
        {"system:sleep", {0x40, 0x02, 0}, "System Sleep"},
        {"macro:Reload", {0x70, 1, 0}, "Macro 'Reload'"},
        {"macro:Burst:repeat=3", {0x71, 0, 3}, "Macro 'Burst' (repeat 3)"},
        {"macro:Burst:mode=2", {0x70, 0, 2}, "Macro 'Burst' (mode 2)"},
        {"gun:2", {0x72, 1, 0}, "Gun preset 2"},
        {"wheel-down:3", {0x12, 0, 0xFD}, "Wheel down 3"},
        {"swing-left:4", {0x11, 0, 0x04}, "Swing left 4"},
        {"rapid-fire:20:5", {0x14, 20, 5}, "Rapid fire every 20, 5 times"},
        {"device:gm", {0xA0, 0x1B, 0}, "Game Mode"},
        {"disabled", {0, 0, 0}, "Disabled"},
        {"raw:16:90:01", {0x16, 0x90, 0x01}, "Special function 16:90:01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        const ParsedAssignment parsed = ParseAssignment(c.words, kMacros);
        ASSERT_TRUE(parsed.ok) << parsed.error;
        EXPECT_EQ(parsed.assignment, c.assignment);
        EXPECT_EQ(AssignmentWords(c.assignment, kMacros), c.words);
        EXPECT_EQ(AssignmentName(c.assignment, kMacros), c.name);
    }
    EXPECT_TRUE(ParseAssignment("DEFAULT", kMacros).isDefault);
    EXPECT_EQ(AssignmentWords({0x70, 5, 0}, kMacros), "macro:#6");  // a macro no longer listed
}

TEST(AssignmentWords, RefusalsNameTheAcceptedWords) {
    struct Case {
        std::string words, mention;
    };
    const Case cases[] = {
        {"jump", "accepted: left, right"},
        {"media:louder", "media:volume-up"},
        {"key:ctrl+nokey", "unknown key 'nokey'"},
        {"key:c+ctrl", "only the last key"},
        {"macro:Nope", "macros: 'Burst', 'Reload'"},
        {"macro:Burst:repeat=300", "1-255"},
        {"gun:5", "gun:1 to gun:4"},
        {"raw:1:2", "three hex bytes"},
        {"wheel-up:200", "1-127"},
        {"key:volume-up", "unknown key"},
    };
    for (const Case& c : cases) {
        const ParsedAssignment parsed = ParseAssignment(c.words, kMacros);
        EXPECT_FALSE(parsed.ok) << c.words;
        EXPECT_NE(parsed.error.find(c.mention), std::string::npos) << c.words << ": " << parsed.error;
    }
}
