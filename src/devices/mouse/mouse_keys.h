#pragma once
// The mouse's key-assignment block and its ten logical buttons.
//
// The block (commands 7 and 9) holds 3 bytes per key slot: slot n at bytes 3n..3n+2
// (type, parameter 1, parameter 2). The host finds each logical button's slot by looking
// for the button's factory assignment in the block as read from the device. Once a button
// has been reassigned its factory bytes are gone from the block, so the map found on a
// factory block is remembered (ResolveButtonSlots) and wins on every later read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace mouse {

inline constexpr std::size_t kLogicalButtonCount = 10;
inline constexpr std::size_t kKeySlotBytes = 3;
// Largest key block the host handles, and the slot count that still fits it.
inline constexpr std::size_t kMaxKeyBlockBytes = 512;
inline constexpr unsigned kMaxKeySlots = 170;
static_assert(kMaxKeySlots * kKeySlotBytes <= kMaxKeyBlockBytes &&
                  (kMaxKeySlots + 1) * kKeySlotBytes > kMaxKeyBlockBytes,
              "170 slots are the most that fit the 512-byte block");
// Map entry of a button that has no key slot on the device.
inline constexpr std::uint8_t kNoSlot = 126;

// One assignment as the device stores it: type, parameter 1, parameter 2.
using KeySlotBytes = std::array<std::uint8_t, kKeySlotBytes>;

// Factory assignment of each logical button, by button number:
//   0: 10 01 00   1: 10 02 00   2: 10 04 00   3: 10 10 00   4: 10 08 00
//   5: 13 01 00   6: 13 02 00   7: 13 03 00   8: A0 1B 00   9: 16 90 01
extern const std::array<KeySlotBytes, kLogicalButtonCount> kFactoryButtonBytes;

// Key slot of each logical button; kNoSlot when the button has none.
using ButtonSlotMap = std::array<std::uint8_t, kLogicalButtonCount>;

// Bytes of a key block for `keySlots` slots (3 per slot).
std::size_t KeyBlockLength(unsigned keySlots);

// True when the device's slot count fits the key block (at most 170 slots, 510 bytes).
bool KeySlotCountFits(unsigned keySlots);

// For each logical button, the first slot s (s < keySlots) whose bytes 3s..3s+2 in
// `keyBlock` equal the button's factory bytes. Slots from 126 on are not searched, since
// their numbers could not be told apart from kNoSlot; a button found only there stays
// unmapped and its slot is then written back exactly as read. With more than 170 slots
// no map is built: every entry is kNoSlot.
ButtonSlotMap MapButtonsToSlots(std::span<const std::uint8_t> keyBlock, unsigned keySlots);

// The slot map of a block read from the device, given the map remembered from an earlier
// read of the same model (all kNoSlot when none): every remembered slot below
// min(keySlots, 126) is kept; each remaining button takes the first slot, not used by
// another button, that holds its factory bytes. With more than 170 slots every entry is
// kNoSlot.
ButtonSlotMap ResolveButtonSlots(std::span<const std::uint8_t> keyBlock, unsigned keySlots,
                                 const ButtonSlotMap& remembered);

// True when `assignments` asks for a button that has no slot to hold anything but its
// factory bytes: such a write cannot reach the device.
bool HasUnplacedAssignment(const ButtonSlotMap& map, std::span<const KeySlotBytes> assignments);

// Builds the key block to write: a copy of the first keySlots x 3 bytes of `keyBlock`,
// then for every button i with a slot s (and an entry in `assignments`), bytes 3s..3s+2 =
// assignments[i]. Unmapped slots keep exactly the bytes read from the device.
// Returns 1 with `out` filled; 0 (and `out` untouched) when the slot count is above 170
// (the block would not fit 512 bytes) or `keyBlock` is shorter than keySlots x 3.
int MergeKeyAssignments(std::span<const std::uint8_t> keyBlock, unsigned keySlots, const ButtonSlotMap& map,
                        std::span<const KeySlotBytes> assignments, std::vector<std::uint8_t>* out);

}  // namespace mouse
