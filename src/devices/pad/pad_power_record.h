#pragma once
// The pad's 6-byte power record (read with command 26 at offset 0):
//   0 battery level in percent   1 power state (0 powered, 1 charging, 2 on battery)
//   2 not interpreted   3 wireless link (set by the host)   4 handed to the owner window
//   5 the phone lying on the charger (0 none, 1 iPhone, 2 Samsung, 3 other)
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pad {

namespace power {
inline constexpr std::size_t kBattery = 0;
inline constexpr std::size_t kState = 1;
inline constexpr std::size_t kWireless = 3;
inline constexpr std::size_t kOwnerByte = 4;
inline constexpr std::size_t kPhone = 5;
inline constexpr std::size_t kLength = 6;
}  // namespace power

enum class PowerState : std::uint8_t { Powered = 0, Charging = 1, OnBattery = 2, Unknown = 0xFF };
enum class PhoneType : std::uint8_t { None = 0, IPhone = 1, Samsung = 2, Other = 3 };

struct PadPowerStatus {
    std::uint8_t battery = 0;  // percent, limited to 100
    PowerState state = PowerState::Unknown;
    bool charging = false;
    PhoneType phone = PhoneType::None;  // an unknown byte reads as no phone
};

// Decodes a record; bytes a shorter record lacks read as 0.
PadPowerStatus DecodePadPower(std::span<const std::uint8_t> record);

// "powered", "charging", "on battery", "unknown"; "none", "iPhone", "Samsung", "other".
const char* PowerStateName(PowerState state);
const char* PhoneTypeName(PhoneType phone);

}  // namespace pad
