#include "macros/assignment_words.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "devices/mouse/leading_decimal.h"
#include "macros/key_table.h"

namespace macros {
namespace {

using namespace AssignType;

constexpr std::string_view kKeyPrefix = "key:";
constexpr std::string_view kMediaPrefix = "media:";
constexpr std::string_view kSystemPrefix = "system:";
constexpr std::string_view kMacroPrefix = "macro:";
constexpr std::string_view kGunPrefix = "gun:";
constexpr std::string_view kRapidPrefix = "rapid-fire:";
constexpr std::string_view kDevicePrefix = "device:";
constexpr std::string_view kRawPrefix = "raw:";
constexpr std::string_view kModeOption = "mode=";
constexpr std::string_view kRepeatOption = "repeat=";
constexpr int kGunPresets = 4;
constexpr int kMaxScrollCount = 127;

struct Scroll {
    std::string_view word, name;
    std::uint8_t type;
    int direction;
};
constexpr Scroll kScrolls[] = {
    {"wheel-up", "Wheel up", kWheel, 0},
    {"wheel-down", "Wheel down", kWheel, 1},
    {"swing-left", "Swing left", kSwing, 0},
    {"swing-right", "Swing right", kSwing, 1},
};

struct Plain {
    KeyFunction function;
    std::string_view prefix;  // words of the table stand alone when empty
    std::string_view label;
};
constexpr Plain kPlainTables[] = {
    {KeyFunction::MouseButton, "", ""},
    {KeyFunction::Dpi, "", ""},
    {KeyFunction::Media, kMediaPrefix, "Media "},
    {KeyFunction::System, kSystemPrefix, "System "},
};
struct Label {
    std::string_view word, text;
};
constexpr Label kPlainLabels[] = {
    {"left", "Left click"}, {"right", "Right click"}, {"middle", "Middle click"}, {"forward", "Forward"},
    {"back", "Back"},       {"dpi-up", "DPI up"},     {"dpi-down", "DPI down"},   {"dpi-cycle", "DPI cycle"},
};

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Whole-text decimal number; none for anything else.
std::optional<long long> Number(const std::string& text) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return std::nullopt;
    return std::stoll(text);
}

std::string Hex2(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x", value & 0xFF);
    return text;
}

std::string KeyWords(const Assignment& a, bool labels) {
    std::string text;
    for (std::size_t row = 0; row < kModifierRowCount; ++row) {
        const KeyRow& mod = KeyRows()[row];
        if ((a.param1 & mod.param1) != 0) {
            std::string_view name = labels ? mod.label : mod.word;
            if (labels && row < 4) name.remove_prefix(5);  // "Left Ctrl" reads "Ctrl"
            text += std::string(name) + "+";
        }
    }
    if (a.param2 == 0)
        return text.empty() ? std::string(labels ? "none" : "none") : text.substr(0, text.size() - 1);
    const auto row = FindUsageRow(a.param2);
    if (!row) return text + (labels ? "usage 0x" : "0x") + Hex2(a.param2);
    return text + std::string(labels ? KeyRows()[*row].label : KeyRows()[*row].word);
}

std::string MacroName(int index, const std::vector<std::string>& names) {
    if (index < static_cast<int>(names.size())) return names[static_cast<std::size_t>(index)];
    return "#" + std::to_string(index + 1);
}

std::optional<std::string> PlainWord(const Assignment& a, bool labels) {
    for (const Plain& plain : kPlainTables) {
        const int row = FindOptionRow(plain.function, a);
        if (row < 0) continue;
        const std::string_view word = OptionTable(plain.function)[static_cast<std::size_t>(row)].word;
        if (!labels) return std::string(plain.prefix) + std::string(word);
        for (const Label& label : kPlainLabels)
            if (label.word == word) return std::string(label.text);
        const auto keyRow = FindWordRow(word);
        return std::string(plain.label) + std::string(keyRow ? KeyRows()[*keyRow].label : word);
    }
    return std::nullopt;
}

std::string Describe(const Assignment& a, const std::vector<std::string>& macros, bool labels) {
    if (auto plain = PlainWord(a, labels)) return *plain;
    switch (a.type) {
    case kDisabled:
        if (a.param1 == 0 && a.param2 == 0) return labels ? "Disabled" : "disabled";
        break;
    case kSwing:
    case kWheel: {
        const ScrollChoice c = ReadScroll(a);
        for (const Scroll& s : kScrolls)
            if (s.type == a.type && s.direction == c.direction && c.delay == 0 && c.speed == 0)
                return labels ? std::string(s.name) + " " + std::to_string(c.count)
                              : std::string(s.word) + ":" + std::to_string(c.count);
        break;
    }
    case kRapidFire:
        return labels ? "Rapid fire every " + std::to_string(a.param1) + ", " + std::to_string(a.param2) +
                            " times"
                      : std::string(kRapidPrefix) + std::to_string(a.param1) + ":" + std::to_string(a.param2);
    case kKeyboard:
        return labels ? "Key " + KeyWords(a, true) : std::string(kKeyPrefix) + KeyWords(a, false);
    case kMacro:
        if (a.param2 < kMacroModeCount) {
            const std::string name = MacroName(a.param1, macros);
            if (labels)
                return "Macro '" + name + "'" + (a.param2 ? " (mode " + std::to_string(a.param2) + ")" : "");
            return std::string(kMacroPrefix) + name + (a.param2 ? ":mode=" + std::to_string(a.param2) : "");
        }
        break;
    case kMacroRepeat: {
        const std::string name = MacroName(a.param1, macros);
        return labels ? "Macro '" + name + "' (repeat " + std::to_string(a.param2) + ")"
                      : std::string(kMacroPrefix) + name + ":repeat=" + std::to_string(a.param2);
    }
    case kGunPreset:
        if (a.param1 < kGunPresets && a.param2 == 0)
            return labels ? "Gun preset " + std::to_string(a.param1 + 1)
                          : std::string(kGunPrefix) + std::to_string(a.param1 + 1);
        break;
    case kDeviceFunction:
        for (const KeyRow& row : KeyRows())
            if (row.category == KeyCategory::kDeviceFunction && row.param1 == a.param1 && a.param2 == 0)
                return labels ? std::string(row.label) : std::string(kDevicePrefix) + std::string(row.word);
        break;
    default:
        break;
    }
    const std::string raw = Hex2(a.type) + ":" + Hex2(a.param1) + ":" + Hex2(a.param2);
    return labels ? "Special function " + raw : std::string(kRawPrefix) + raw;
}

ParsedAssignment Fail(const std::string& error) {
    return {false, false, {}, error};
}
ParsedAssignment Ok(const Assignment& a) {
    return {true, false, a, ""};
}

ParsedAssignment ParseKey(const std::string& rest) {
    Assignment a{kKeyboard, 0, 0};
    const auto parts = Split(rest, '+');
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto row = FindWordRow(parts[i]);
        if (!row || KeyRows()[*row].category != KeyCategory::kKeyboard)
            return Fail(
                "unknown key '" + parts[i] + "' in 'key:" + rest + "' (keys: " +
                "ctrl, shift, alt, win, rctrl, rshift, ralt, rwin, a-z, 0-9, f1-f12, enter, esc, space, "
                "tab, backspace, insert, delete, home, end, pageup, pagedown, up-arrow, down-arrow, "
                "left-arrow, right-arrow, kp0-kp9, ... see kvelmctl help assign)");
        const KeyRow& key = KeyRows()[*row];
        if (key.param2 == 0) {
            a.param1 |= key.param1;
        } else if (i + 1 != parts.size() || a.param2 != 0) {
            return Fail("'key:" + rest + "': only the last key may be a non-modifier key");
        } else {
            a.param2 = key.param2;
        }
    }
    if (parts.size() > 1 && a.param2 == 0)
        return Fail("'key:" + rest + "' names modifiers only; end it with a key");
    return Ok(a);
}

ParsedAssignment ParseMacro(const std::string& rest, const std::vector<std::string>& macros) {
    std::string name = rest;
    std::string option;
    if (const std::size_t colon = rest.rfind(':'); colon != std::string::npos) {
        const std::string tail = Lower(rest.substr(colon + 1));
        if (tail.starts_with(kModeOption) || tail.starts_with(kRepeatOption)) {
            name = rest.substr(0, colon);
            option = tail;
        }
    }
    int index = -1;
    for (std::size_t i = 0; i < macros.size(); ++i)
        if (Lower(macros[i]) == Lower(name)) index = static_cast<int>(i);
    if (index < 0 && name.starts_with("#"))
        if (const auto n = Number(name.substr(1)); n && *n >= 1) index = static_cast<int>(*n - 1);
    if (index < 0 || index >= static_cast<int>(macros.size())) {
        std::string known;
        for (const std::string& m : macros) known += (known.empty() ? "'" : ", '") + m + "'";
        return Fail("no macro named '" + name + "' (macros: " + (known.empty() ? "none" : known) + ")");
    }
    int over = 0;
    long long repeat = 1;
    if (option.starts_with(kRepeatOption)) {
        const auto n = Number(option.substr(kRepeatOption.size()));
        if (!n || *n < 1 || *n > kMaxMacroRepeat)
            return Fail("repeat count must be 1-255 in 'macro:" + rest + "'");
        over = kMacroRepeatOption;
        repeat = *n;
    } else if (option.starts_with(kModeOption)) {
        const auto n = Number(option.substr(kModeOption.size()));
        if (!n || *n >= kMacroModeCount) return Fail("playback mode must be 0-3 in 'macro:" + rest + "'");
        over = static_cast<int>(*n);
    }
    return Ok(*BuildMacro(index, static_cast<int>(macros.size()), over, repeat));
}

ParsedAssignment ParseRaw(const std::string& rest) {
    const auto parts = Split(rest, ':');
    std::array<std::uint8_t, 3> bytes{};
    if (parts.size() != bytes.size()) return Fail("raw needs three hex bytes: raw:TT:PP:QQ");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::string& p = parts[i];
        if (p.empty() || p.size() > 2 || !std::all_of(p.begin(), p.end(), ::isxdigit))
            return Fail("raw needs three hex bytes: raw:TT:PP:QQ");
        bytes[i] = static_cast<std::uint8_t>(std::stoul(p, nullptr, 16));
    }
    return Ok({bytes[0], bytes[1], bytes[2]});
}

ParsedAssignment ParseTable(KeyFunction function, std::string_view prefix, const std::string& word) {
    for (const OptionRow& row : OptionTable(function))
        if (row.word == word) return Ok(row.assignment);
    std::string known;
    for (const OptionRow& row : OptionTable(function))
        known += (known.empty() ? "" : ", ") + std::string(prefix) + std::string(row.word);
    return Fail("unknown '" + std::string(prefix) + word + "' (accepted: " + known + ")");
}

}  // namespace

std::string AssignmentWords(const Assignment& a, const std::vector<std::string>& macroNames) {
    return Describe(a, macroNames, false);
}

std::string AssignmentName(const Assignment& a, const std::vector<std::string>& macroNames) {
    return Describe(a, macroNames, true);
}

ParsedAssignment ParseAssignment(const std::string& words, const std::vector<std::string>& macroNames) {
    const std::string lower = Lower(words);
    if (lower == "default") return {true, true, {}, ""};
    if (lower == "disabled") return Ok({kDisabled, 0, 0});
    for (const Plain& plain : kPlainTables)
        if (plain.prefix.empty())
            for (const OptionRow& row : OptionTable(plain.function))
                if (row.word == lower) return Ok(row.assignment);
    if (lower.starts_with(kKeyPrefix)) return ParseKey(lower.substr(kKeyPrefix.size()));
    if (lower.starts_with(kMediaPrefix))
        return ParseTable(KeyFunction::Media, kMediaPrefix, lower.substr(kMediaPrefix.size()));
    if (lower.starts_with(kSystemPrefix))
        return ParseTable(KeyFunction::System, kSystemPrefix, lower.substr(kSystemPrefix.size()));
    if (lower.starts_with(kMacroPrefix)) return ParseMacro(words.substr(kMacroPrefix.size()), macroNames);
    if (lower.starts_with(kRawPrefix)) return ParseRaw(lower.substr(kRawPrefix.size()));
    if (lower.starts_with(kGunPrefix)) {
        const auto n = Number(lower.substr(kGunPrefix.size()));
        if (!n || *n < 1 || *n > kGunPresets) return Fail("gun preset must be gun:1 to gun:4");
        return Ok({kGunPreset, static_cast<std::uint8_t>(*n - 1), 0});
    }
    if (lower.starts_with(kRapidPrefix)) {
        const auto parts = Split(lower.substr(kRapidPrefix.size()), ':');
        const auto interval = parts.size() == 2 ? Number(parts[0]) : std::nullopt;
        const auto count = parts.size() == 2 ? Number(parts[1]) : std::nullopt;
        if (!interval || !count || *interval > 0xFF || *count > 0xFF)
            return Fail("rapid fire is rapid-fire:INTERVAL:COUNT with numbers 0-255");
        return Ok({kRapidFire, static_cast<std::uint8_t>(*interval), static_cast<std::uint8_t>(*count)});
    }
    if (lower.starts_with(kDevicePrefix)) {
        const auto row = FindWordRow(lower.substr(kDevicePrefix.size()));
        if (!row || KeyRows()[*row].category != KeyCategory::kDeviceFunction)
            return Fail("device functions are device:fn and device:gm");
        return Ok({kDeviceFunction, KeyRows()[*row].param1, 0});
    }
    for (const Scroll& s : kScrolls) {
        if (lower != s.word && !lower.starts_with(std::string(s.word) + ":")) continue;
        long long count = 1;
        if (lower != s.word) {
            const auto n = Number(lower.substr(s.word.size() + 1));
            if (!n || *n < 1 || *n > kMaxScrollCount)
                return Fail("the step count of " + std::string(s.word) + " must be 1-127");
            count = *n;
        }
        const ScrollChoice choice{s.direction, 0, 0, static_cast<int>(count)};
        return Ok(s.type == kWheel ? BuildWheel(choice) : BuildSwing(choice));
    }
    return Fail("unknown assignment '" + words +
                "'; accepted: left, right, middle, back, forward, dpi-up, "
                "dpi-down, dpi-cycle, key:KEYS, media:NAME, system:NAME, macro:NAME, gun:N, wheel-up, "
                "wheel-down, swing-left, swing-right, rapid-fire:I:N, device:fn|gm, disabled, default, "
                "raw:TT:PP:QQ (see kvelmctl help assign)");
}

std::string AssignmentWordHelp() {
    std::string text =
        "ASSIGNMENT is one of:\n"
        "  left, right, middle, back, forward    a mouse button\n"
        "  dpi-up, dpi-down, dpi-cycle           a DPI action\n"
        "  key:[MODIFIER+...]KEY                 a keyboard key, e.g. key:ctrl+c, key:shift+f5, key:ctrl\n"
        "  macro:NAME[:mode=0-3|:repeat=1-255]   a macro of the device's macro list\n"
        "  gun:1 .. gun:4                        a gun preset\n"
        "  wheel-up[:N], wheel-down[:N]          scroll the wheel N steps (1-127, default 1)\n"
        "  swing-left[:N], swing-right[:N]       scroll sideways N steps\n"
        "  rapid-fire:INTERVAL:COUNT             rapid fire (0-255 each)\n"
        "  device:fn, device:gm                  device functions\n"
        "  disabled, default, raw:TT:PP:QQ       nothing, the button's default, three hex bytes\n";
    text += "media:NAME with NAME one of:\n ";
    for (const OptionRow& row : OptionTable(KeyFunction::Media)) text += " " + std::string(row.word);
    text += "\nsystem:NAME with NAME one of:\n ";
    for (const OptionRow& row : OptionTable(KeyFunction::System)) text += " " + std::string(row.word);
    text += "\nMODIFIER: ctrl shift alt win rctrl rshift ralt rwin\nKEY:";
    std::size_t column = 4;
    for (std::size_t i = kFirstStandardRow; i < kKeyRowCount; ++i) {
        const KeyRow& row = KeyRows()[i];
        if (row.category != KeyCategory::kKeyboard) continue;
        if (column + row.word.size() + 1 > 100) {
            text += "\n   ";
            column = 3;
        }
        text += " " + std::string(row.word);
        column += row.word.size() + 1;
    }
    return text + "\n";
}

}  // namespace macros
