#include "devices/mouse_key_slots.h"

#include "util/json_file.h"

namespace {
const char kSlotCountKey[] = "KeySlots";
const char kButtonSlotsKey[] = "ButtonSlots";
}  // namespace

mouse::ButtonSlotMap LoadRememberedSlots(const std::string& file, unsigned keySlots) {
    mouse::ButtonSlotMap map;
    map.fill(mouse::kNoSlot);
    const Json::Value root = CJsonFile(kMaxListFileBytes).ReadJsonFile(file);
    if (!root.isObject() || !root[kSlotCountKey].isUInt() || root[kSlotCountKey].asUInt() != keySlots)
        return map;
    const Json::Value& slots = root[kButtonSlotsKey];
    if (!slots.isArray()) return map;
    for (Json::ArrayIndex i = 0; i < slots.size() && i < mouse::kLogicalButtonCount; ++i)
        if (slots[i].isUInt() && slots[i].asUInt() < keySlots && slots[i].asUInt() < mouse::kNoSlot)
            map[i] = static_cast<uint8_t>(slots[i].asUInt());
    return map;
}

int SaveRememberedSlots(const std::string& file, unsigned keySlots, const mouse::ButtonSlotMap& map) {
    Json::Value root(Json::objectValue);
    root[kSlotCountKey] = keySlots;
    Json::Value& slots = root[kButtonSlotsKey] = Json::Value(Json::arrayValue);
    for (uint8_t slot : map) slots.append(static_cast<unsigned>(slot));
    return CJsonFile().WriteJsonFile(file, root) == 0 ? 1 : 0;
}
