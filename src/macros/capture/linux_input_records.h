#pragma once
// Linux input codes (evdev key and button codes, X key codes and X button numbers) turned
// into the hook records the recorder takes.
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "macros/hook_record.h"

namespace capture {

// X key codes are the evdev key codes moved up by 8.
inline constexpr int kXKeycodeOffset = 8;

// The record of an evdev key or button code (EV_KEY); none for a code without a key
// identity or button message.
std::optional<macros::HookRecord> RecordOfLinuxCode(std::uint16_t code, bool down, std::uint32_t timeMs);

// The evdev button code of an X button number (1 left, 2 middle, 3 right, 8 back,
// 9 forward); none for the wheel (4-7) and anything else.
std::optional<std::uint16_t> LinuxButtonOfXButton(int xButton);

// Drops a release of a key or button that is known to be up already (input synthesised by
// some tools releases a modifier twice). A code never seen passes either way, so the release
// of a key held since before the capture started still arrives.
class ReleaseFilter {
public:
    bool Pass(std::uint16_t code, bool down);

private:
    static constexpr std::size_t kCodes = 0x300;  // KEY_CNT
    std::bitset<kCodes> seen_;
    std::bitset<kCodes> held_;
};

}  // namespace capture
