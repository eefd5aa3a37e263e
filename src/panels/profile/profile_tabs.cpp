#include "panels/profile/profile_tabs.h"

namespace {

struct KindTabs {
    int kind;
    std::vector<const char*> hidden;
    std::vector<const char*> shown;
};

// The keyboard has no DPI page; the mouse pad only lighting; the headset lighting and its
// sound pages. The mouse keeps the skin's choice.
const KindTabs kKindTabs[] = {
    {1, {"cursor_Op_tab"}, {}},
    {3, {"cursor_Op_tab", "macro_Op_tab", "system_Op_tab", "key_Op_tab"}, {}},
    {7,
     {"cursor_Op_tab", "macro_Op_tab", "system_Op_tab", "key_Op_tab"},
     {"6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"}},
};

}  // namespace

const char* FeatureTabOfType(int type) {
    if (type < 1 || type > static_cast<int>(kFeatureTabNames.size())) return nullptr;
    return kFeatureTabNames[static_cast<std::size_t>(type - 1)];
}

TabVisibility FeatureTabsOfKind(int kind) {
    for (const KindTabs& row : kKindTabs) {
        if (row.kind == kind) return {row.hidden, row.shown};
    }
    return {};
}
