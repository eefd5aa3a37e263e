#include "devices/function_tabs.h"

namespace {
constexpr int kUnchanged = -1;
}  // namespace

FunctionTabs FunctionTabsFor(int type, int deviceKind) {
    switch (type) {
    case 2:
    case 6:
        return {0, 1};
    case 3:
    case 8:
        return {1, kUnchanged};
    case 4:
        // The wireless mouse (kind 6) has the wired mouse's page: its system values are on tab 3.
        if (deviceKind == 1 || deviceKind == 2 || deviceKind == 6) return {3, kUnchanged};
        return {0, 2};
    case 7:
        return {0, 2};
    case 5:
        return {2, kUnchanged};
    default:
        return {0, 0};
    }
}
