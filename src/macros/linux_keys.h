#pragma once
// Linux input key codes (linux/input-event-codes.h) and the Windows-style key identity the
// macro files store: virtual-key code, set-1 scan code and extended flag. One constant
// table, looked up in both directions. Extra mouse buttons carry their X button number.
#include <cstdint>
#include <optional>
#include <span>

namespace macros {

struct KeyIdentity {
    std::uint16_t virtualKey = 0;
    std::uint8_t scan = 0;
    bool extended = false;
    bool operator==(const KeyIdentity&) const = default;
};

struct LinuxKeyRow {
    std::uint16_t linuxCode;  // KEY_* / BTN_*
    KeyIdentity identity;
};

std::span<const LinuxKeyRow> LinuxKeyRows();

// The identity of a Linux key code; none for a code the table does not hold.
std::optional<KeyIdentity> IdentityOfLinuxKey(std::uint16_t linuxCode);
// The Linux key code of a scan code and extended flag; none when no key has them.
std::optional<std::uint16_t> LinuxKeyOfScan(std::uint8_t scan, bool extended);

// Mouse buttons: BTN_LEFT/RIGHT/MIDDLE give the down message of that button; BTN_SIDE and
// BTN_EXTRA give the X button message with X button number 1 (back) or 2 (forward).
struct LinuxButtonRow {
    std::uint16_t linuxCode;
    std::uint16_t downMessage;  // the up message follows it (+1)
    int xButton;                // 0 for the three main buttons
};
std::span<const LinuxButtonRow> LinuxButtonRows();
std::optional<LinuxButtonRow> ButtonOfLinuxCode(std::uint16_t linuxCode);

}  // namespace macros
