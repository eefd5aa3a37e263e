#include "mainwnd/rules/name_match.h"

#include <array>

#include "devices/mouse/leading_decimal.h"

namespace wiring {
namespace {

constexpr std::string_view kClick = "click";

// These buttons live beside differently cased names in the skins, so they must match exactly.
constexpr std::array<std::string_view, 5> kCaseSensitiveClicks = {
    "profile_fun_spread_btn",    "macro_inset_moveleftkey_btn", "macro_inset_moverightkey_btn",
    "macro_inset_moveupkey_btn", "macro_inset_movedownkey_btn",
};

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

SplitName SplitAtLastUnderscore(std::string_view name) {
    const size_t cut = name.rfind('_');
    if (cut == std::string_view::npos) return {};
    return {true, name.substr(0, cut + 1), mouse::ParseLeadingDecimal(name.substr(cut + 1))};
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool IsCaseSensitiveClickName(std::string_view name) {
    for (std::string_view exact : kCaseSensitiveClicks)
        if (exact == name) return true;
    return false;
}

bool MatchesExactName(std::string_view type, std::string_view name, std::string_view control) {
    if (SameIgnoringCase(type, kClick) && IsCaseSensitiveClickName(control)) return name == control;
    return SameIgnoringCase(name, control);
}

bool MatchesNumberedName(std::string_view name, std::string_view prefix, int* number) {
    const SplitName split = SplitAtLastUnderscore(name);
    if (!split.hasPrefix || !SameIgnoringCase(split.prefix, prefix)) return false;
    if (number) *number = split.number;
    return true;
}

RouteMatch FindRoute(std::span<const RouteKey> keys, std::string_view type, std::string_view name) {
    for (int pass = 0; pass < 2; ++pass) {
        const bool numbered = pass == 0;
        for (size_t i = 0; i < keys.size(); ++i) {
            const RouteKey& key = keys[i];
            if (key.numbered != numbered || !SameIgnoringCase(key.type, type)) continue;
            int number = 0;
            const bool hit = numbered ? MatchesNumberedName(name, key.name, &number)
                                      : MatchesExactName(type, name, key.name);
            if (hit) return {static_cast<int>(i), number};
        }
    }
    return {};
}

}  // namespace wiring
