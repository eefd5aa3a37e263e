#pragma once
// How the main window recognises the control behind a notification.
//
// Exact names compare without regard to letter case, except five click names that must
// match exactly ("profile_fun_spread_btn" and the four macro mouse-move buttons).
// Numbered names ("DPI_slider_" 2) are split at the last "_": the prefix is the text up to
// and including it, the number is the rest read as a decimal (blanks, an optional sign,
// leading digits; no digits give 0). A name without "_" has no prefix. Prefixes compare
// without regard to case.
//
// A routing table is a list of keys {notification type, name or prefix, numbered?}. For one
// notification the numbered keys of its type are tried first, then the exact keys, each in
// table order; the first that matches decides. Pure functions, no Qt.
#include <span>
#include <string_view>

namespace wiring {

struct SplitName {
    bool hasPrefix = false;
    std::string_view prefix;  // up to and including the last "_"
    int number = 0;
};
SplitName SplitAtLastUnderscore(std::string_view name);

// ASCII letters compared without case (control names are ASCII).
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The click names that compare with letter case.
bool IsCaseSensitiveClickName(std::string_view name);

// True when name is the exact control `control` for a notification of type `type`.
bool MatchesExactName(std::string_view type, std::string_view name, std::string_view control);
// True when name splits into `prefix` (case ignored); the number goes to *number.
bool MatchesNumberedName(std::string_view name, std::string_view prefix, int* number);

struct RouteKey {
    std::string_view type;  // "click", "selectchanged", ... (compared without case)
    std::string_view name;  // the control name, or the prefix of a numbered name
    bool numbered = false;
};

struct RouteMatch {
    int row = -1;    // index into the table; -1: no key matches
    int number = 0;  // the number of a numbered name
    bool Found() const { return row >= 0; }
};

RouteMatch FindRoute(std::span<const RouteKey> keys, std::string_view type, std::string_view name);

}  // namespace wiring
