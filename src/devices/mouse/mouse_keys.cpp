#include "devices/mouse/mouse_keys.h"

#include <algorithm>

namespace mouse {

const std::array<KeySlotBytes, kLogicalButtonCount> kFactoryButtonBytes = {{
    {0x10, 0x01, 0x00},  // 0 left button
    {0x10, 0x02, 0x00},  // 1 right button
    {0x10, 0x04, 0x00},  // 2 middle button
    {0x10, 0x10, 0x00},  // 3 forward button
    {0x10, 0x08, 0x00},  // 4 back button
    {0x13, 0x01, 0x00},  // 5 DPI action 1
    {0x13, 0x02, 0x00},  // 6 DPI action 2
    {0x13, 0x03, 0x00},  // 7 DPI action 3
    {0xA0, 0x1B, 0x00},  // 8 device function key
    {0x16, 0x90, 0x01},  // 9 device function of type 0x16
}};

std::size_t KeyBlockLength(unsigned keySlots) {
    return static_cast<std::size_t>(keySlots) * kKeySlotBytes;
}

bool KeySlotCountFits(unsigned keySlots) {
    return keySlots <= kMaxKeySlots;
}

ButtonSlotMap MapButtonsToSlots(std::span<const std::uint8_t> keyBlock, unsigned keySlots) {
    ButtonSlotMap none;
    none.fill(kNoSlot);
    return ResolveButtonSlots(keyBlock, keySlots, none);
}

ButtonSlotMap ResolveButtonSlots(std::span<const std::uint8_t> keyBlock, unsigned keySlots,
                                 const ButtonSlotMap& remembered) {
    ButtonSlotMap map;
    map.fill(kNoSlot);
    if (!KeySlotCountFits(keySlots)) return map;
    // Slots from 126 on could not be told apart from kNoSlot.
    const std::size_t searchable =
        std::min<std::size_t>({keySlots, kNoSlot, keyBlock.size() / kKeySlotBytes});
    const auto used = [&map](std::size_t slot) {
        return std::find(map.begin(), map.end(), slot) != map.end();
    };
    for (std::size_t button = 0; button < kLogicalButtonCount; ++button)
        if (remembered[button] < searchable && !used(remembered[button])) map[button] = remembered[button];
    for (std::size_t button = 0; button < kLogicalButtonCount; ++button) {
        if (map[button] != kNoSlot) continue;
        const KeySlotBytes& factory = kFactoryButtonBytes[button];
        for (std::size_t slot = 0; slot < searchable; ++slot) {
            if (!used(slot) &&
                std::equal(factory.begin(), factory.end(), keyBlock.begin() + slot * kKeySlotBytes)) {
                map[button] = static_cast<std::uint8_t>(slot);
                break;
            }
        }
    }
    return map;
}

bool HasUnplacedAssignment(const ButtonSlotMap& map, std::span<const KeySlotBytes> assignments) {
    const std::size_t buttons = std::min(kLogicalButtonCount, assignments.size());
    for (std::size_t button = 0; button < buttons; ++button)
        if (map[button] == kNoSlot && assignments[button] != kFactoryButtonBytes[button]) return true;
    return false;
}

int MergeKeyAssignments(std::span<const std::uint8_t> keyBlock, unsigned keySlots, const ButtonSlotMap& map,
                        std::span<const KeySlotBytes> assignments, std::vector<std::uint8_t>* out) {
    if (out == nullptr || !KeySlotCountFits(keySlots)) return 0;
    const std::size_t length = KeyBlockLength(keySlots);
    if (keyBlock.size() < length) return 0;
    std::vector<std::uint8_t> block(keyBlock.begin(), keyBlock.begin() + static_cast<std::ptrdiff_t>(length));
    const std::size_t buttons = std::min(kLogicalButtonCount, assignments.size());
    for (std::size_t button = 0; button < buttons; ++button) {
        const std::size_t slot = map[button];
        if (slot == kNoSlot || slot >= keySlots) continue;
        std::copy(assignments[button].begin(), assignments[button].end(),
                  block.begin() + static_cast<std::ptrdiff_t>(slot * kKeySlotBytes));
    }
    *out = std::move(block);
    return 1;
}

}  // namespace mouse
