#include "macros/hook_messages.h"

#include <array>

namespace macros {
namespace {

struct ModeNames {
    int mode;
    std::string_view key;
    std::string_view mouse;  // empty: buttons are not sent in this mode
};

constexpr ModeNames kModes[] = {
    {HookMode::kSingleKey, HookMessageName::kKeySingleKey, {}},
    {HookMode::kHitKey, HookMessageName::kKeyHitKey, {}},
    {HookMode::kMacro, HookMessageName::kKeyMacro, HookMessageName::kMouseMacro},
    {HookMode::kMacroPrevious, HookMessageName::kKeyMacroPrevious, HookMessageName::kMouseMacroPrevious},
    {HookMode::kMacroLater, HookMessageName::kKeyMacroLater, HookMessageName::kMouseMacroLater},
    {HookMode::kMacroSingle, HookMessageName::kKeyMacroSingle, HookMessageName::kMouseMacroSingle},
    {HookMode::kMouseSingleKey, HookMessageName::kMouSingleKey, {}},
    {HookMode::kMouseHitKey, HookMessageName::kMouHitKey, {}},
    {HookMode::kMouseMacro, HookMessageName::kMouKeyboardMacro, {}},
};

constexpr std::array kAllNames = {
    HookMessageName::kKeySingleKey,     HookMessageName::kKeyHitKey,
    HookMessageName::kKeyMacro,         HookMessageName::kKeyMacroPrevious,
    HookMessageName::kKeyMacroLater,    HookMessageName::kKeyMacroSingle,
    HookMessageName::kMouseMacro,       HookMessageName::kMouseMacroPrevious,
    HookMessageName::kMouseMacroLater,  HookMessageName::kMouseMacroSingle,
    HookMessageName::kMouSingleKey,     HookMessageName::kMouHitKey,
    HookMessageName::kMouKeyboardMacro, HookMessageName::kMouMouseMacro,
};

const ModeNames* FindMode(int mode) {
    for (const ModeNames& row : kModes)
        if (row.mode == mode) return &row;
    return nullptr;
}

}  // namespace

std::optional<std::string_view> KeyMessageName(int mode) {
    const ModeNames* row = FindMode(mode);
    return row ? std::optional(row->key) : std::nullopt;
}

std::optional<std::string_view> MouseMessageName(int mode) {
    const ModeNames* row = FindMode(mode);
    return row && !row->mouse.empty() ? std::optional(row->mouse) : std::nullopt;
}

std::span<const std::string_view> AllHookMessageNames() {
    return kAllNames;
}

}  // namespace macros
