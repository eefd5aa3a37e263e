#pragma once
// Which tabs a device page shows for a function type (SetFunctionMode). Pure table.
#include <cstdint>

// Tab indexes of "device_function_switch" and "device_key_function_switch"; -1 leaves that
// switch as it is.
struct FunctionTabs {
    int functionTab = 0;
    int keyFunctionTab = 0;
    bool operator==(const FunctionTabs&) const = default;
};

//   type 2 or 6          -> 0, 1
//   type 3 or 8          -> 1, unchanged
//   type 4, kind 1, 2, 6 -> 3, unchanged
//   type 4 otherwise, 7  -> 0, 2
//   type 5               -> 2, unchanged
//   any other type       -> 0, 0
FunctionTabs FunctionTabsFor(int type, int deviceKind);
