#include "macros/key_assignment.h"

#include <algorithm>

#include "macros/key_table.h"

namespace macros {
namespace {

using namespace AssignType;

constexpr OptionRow kMouseButtons[] = {
    {{kMouseButton, 0x01, 0}, "left"},  {{kMouseButton, 0x04, 0}, "middle"},
    {{kMouseButton, 0x02, 0}, "right"}, {{kMouseButton, 0x10, 0}, "forward"},
    {{kMouseButton, 0x08, 0}, "back"},
};
constexpr OptionRow kDpiActions[] = {
    {{kDpi, 1, 0}, "dpi-up"},
    {{kDpi, 2, 0}, "dpi-down"},
    {{kDpi, 3, 0}, "dpi-cycle"},
};
constexpr OptionRow kSystemKeys[] = {
    {{kSystem, 0x01, 0}, "power"},
    {{kSystem, 0x02, 0}, "sleep"},
    {{kSystem, 0x04, 0}, "wake"},
};
constexpr OptionRow kMediaKeys[] = {
    {{kMedia, 0x83, 0x01}, "media-player"},
    {{kMedia, 0xCD, 0x00}, "play-pause"},
    {{kMedia, 0xB7, 0x00}, "stop"},
    {{kMedia, 0xB6, 0x00}, "previous-track"},
    {{kMedia, 0xB5, 0x00}, "next-track"},
    {{kMedia, 0xEA, 0x00}, "volume-down"},
    {{kMedia, 0xE9, 0x00}, "volume-up"},
    {{kMedia, 0xE2, 0x00}, "mute"},
    {{kMedia, 0x23, 0x02}, "browser-home"},
    {{kMedia, 0x27, 0x02}, "browser-refresh"},
    {{kMedia, 0x26, 0x02}, "browser-stop"},
    {{kMedia, 0x24, 0x02}, "browser-back"},
    {{kMedia, 0x25, 0x02}, "browser-forward"},
    {{kMedia, 0x2A, 0x02}, "browser-favorites"},
    {{kMedia, 0x21, 0x02}, "browser-search"},
    {{kMedia, 0x94, 0x01}, "computer"},
    {{kMedia, 0x92, 0x01}, "calculator"},
    {{kMedia, 0x8A, 0x01}, "mail"},
};
constexpr OptionRow kKeyCombinations[] = {
    {{kKeyboard, 0x01, 0x12}, "ctrl+o"},     {{kKeyboard, 0x01, 0x11}, "ctrl+n"},
    {{kKeyboard, 0x01, 0x1D}, "ctrl+z"},     {{kKeyboard, 0x01, 0x16}, "ctrl+s"},
    {{kKeyboard, 0x01, 0x06}, "ctrl+c"},     {{kKeyboard, 0x01, 0x1B}, "ctrl+x"},
    {{kKeyboard, 0x01, 0x19}, "ctrl+v"},     {{kKeyboard, 0x01, 0x09}, "ctrl+f"},
    {{kKeyboard, 0x01, 0x04}, "ctrl+a"},     {{kKeyboard, 0x01, 0x2D}, "ctrl+minus"},
    {{kKeyboard, 0x01, 0x2E}, "ctrl+equal"},
};

constexpr std::uint8_t kDirectionBit = 0x80;
constexpr std::uint8_t kCountMask = 0x7F;
constexpr int kNibble = 0x0F;
constexpr int kWheelBase = 128;

std::uint8_t Timing(const ScrollChoice& c) {
    return static_cast<std::uint8_t>((c.delay & kNibble) << 4 | (c.speed & kNibble));
}

}  // namespace

std::span<const OptionRow> OptionTable(KeyFunction function) {
    switch (function) {
    case KeyFunction::MouseButton:
        return kMouseButtons;
    case KeyFunction::Dpi:
        return kDpiActions;
    case KeyFunction::Media:
        return kMediaKeys;
    case KeyFunction::System:
        return kSystemKeys;
    case KeyFunction::KeyCombination:
        return kKeyCombinations;
    default:
        return {};
    }
}

int FindOptionRow(KeyFunction function, const Assignment& assignment) {
    const auto table = OptionTable(function);
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const OptionRow& row) { return row.assignment == assignment; });
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

std::optional<Assignment> OptionAssignment(KeyFunction function, int row) {
    const auto table = OptionTable(function);
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) return std::nullopt;
    return table[static_cast<std::size_t>(row)].assignment;
}

int ModifierOptionOfRow(std::size_t row) {
    const int r = static_cast<int>(row) + 1;
    return r % kModifierOptionCount + r / kModifierOptionCount;
}

int ModifierOptionOfBits(std::uint8_t bits) {
    const auto row = FindModifierRow(bits);
    return row ? ModifierOptionOfRow(*row) : 0;
}

Assignment BuildSwing(const ScrollChoice& c) {
    const auto count = static_cast<std::uint8_t>(c.count & kCountMask);
    return {kSwing, Timing(c), static_cast<std::uint8_t>(c.direction == 1 ? count | kDirectionBit : count)};
}

Assignment BuildWheel(const ScrollChoice& c) {
    const auto count = static_cast<std::uint8_t>(c.count & kCountMask);
    const auto negated = static_cast<std::uint8_t>(((kWheelBase - c.count) | kDirectionBit) & 0xFF);
    return {kWheel, Timing(c), c.direction == 1 ? negated : count};
}

ScrollChoice ReadScroll(const Assignment& a) {
    ScrollChoice c;
    c.delay = a.param1 >> 4;
    c.speed = a.param1 & kNibble;
    c.direction = (a.param2 & kDirectionBit) != 0 ? 1 : 0;
    if (a.type == kWheel && c.direction == 1)
        c.count = kWheelBase - (a.param2 & kCountMask);
    else
        c.count = a.param2 & kCountMask;
    return c;
}

std::optional<Assignment> BuildMacro(int index, int macroCount, int over, long long repeat) {
    if (index < 0 || index >= macroCount || index > 0xFF) return std::nullopt;
    const auto macro = static_cast<std::uint8_t>(index);
    if (over == kMacroRepeatOption)
        return Assignment{kMacroRepeat, macro,
                          static_cast<std::uint8_t>(std::clamp<long long>(repeat, 1, kMaxMacroRepeat))};
    if (over < 0 || over >= kMacroModeCount) return std::nullopt;
    return Assignment{kMacro, macro, static_cast<std::uint8_t>(over)};
}

KeyFunction FunctionOf(const Assignment& a, const Assignment& defaults) {
    if (a == defaults) return KeyFunction::Default;
    switch (a.type) {
    case kMouseButton:
        return KeyFunction::MouseButton;
    case kSwing:
        return KeyFunction::Swing;
    case kWheel:
        return KeyFunction::Wheel;
    case kDpi:
        return KeyFunction::Dpi;
    case kRapidFire:
        return KeyFunction::RapidFire;
    case kKeyboard:
        return KeyFunction::Keyboard;
    case kMedia:
        return KeyFunction::Media;
    case kSystem:
        return KeyFunction::System;
    case kMacro:
    case kMacroRepeat:
        return KeyFunction::Macro;
    case kGunPreset:
        return KeyFunction::GunPreset;
    case kKeyCombination:
        return KeyFunction::KeyCombination;
    default:
        return KeyFunction::None;
    }
}

std::optional<Assignment> CapturedKey(std::uint8_t scan, bool extended, std::uint8_t heldBits) {
    const auto row = FindScanRow(scan, extended);
    if (!row || KeyRows()[*row].category != KeyCategory::kKeyboard) return std::nullopt;
    const KeyRow& key = KeyRows()[*row];
    if (*row < kModifierRowCount) return Assignment{kKeyboard, key.param1, 0};
    return Assignment{kKeyboard, heldBits, key.param2};
}

bool IsLastLeftButton(std::span<const Assignment> current, std::size_t button) {
    if (button >= current.size() || current[button] != kLeftButton) return false;
    return std::count(current.begin(), current.end(), kLeftButton) == 1;
}

}  // namespace macros
