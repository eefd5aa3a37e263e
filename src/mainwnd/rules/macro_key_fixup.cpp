#include "mainwnd/rules/macro_key_fixup.h"

namespace {
constexpr uint8_t kMacroType = 0x70;
constexpr uint8_t kMacroRepeatType = 0x71;
}  // namespace

bool IsMacroAssignment(const KeyAssignHalf& half) {
    return half.type == kMacroType || half.type == kMacroRepeatType;
}

MacroDeleteFixup FixKeysForDeletedMacro(const std::vector<KeyAssignEntry>& keys, int deleted) {
    MacroDeleteFixup fix;
    fix.keys = keys;
    if (deleted < 0) return fix;
    for (KeyAssignEntry& entry : fix.keys) {
        if (!IsMacroAssignment(entry.current) || entry.current.param1 < deleted) continue;
        if (entry.current.param1 == deleted) {
            fix.usesDeleted = true;
            const uint16_t key = entry.current.keyIndex;
            entry.current = entry.defaults;
            entry.current.keyIndex = key;
        } else {
            --entry.current.param1;
        }
        fix.changed = true;
    }
    return fix;
}
