#include "devices/pad/pad_power_record.h"

#include <algorithm>

namespace pad {

namespace {
constexpr std::uint8_t kFullBattery = 100;

std::uint8_t ByteAt(std::span<const std::uint8_t> record, std::size_t index) {
    return index < record.size() ? record[index] : 0;
}
}  // namespace

PadPowerStatus DecodePadPower(std::span<const std::uint8_t> record) {
    PadPowerStatus status;
    status.battery = std::min(ByteAt(record, power::kBattery), kFullBattery);
    const std::uint8_t state = ByteAt(record, power::kState);
    status.state = state <= static_cast<std::uint8_t>(PowerState::OnBattery) ? static_cast<PowerState>(state)
                                                                             : PowerState::Unknown;
    status.charging = status.state == PowerState::Charging;
    const std::uint8_t phone = ByteAt(record, power::kPhone);
    status.phone = phone <= static_cast<std::uint8_t>(PhoneType::Other) ? static_cast<PhoneType>(phone)
                                                                        : PhoneType::None;
    return status;
}

const char* PowerStateName(PowerState state) {
    switch (state) {
    case PowerState::Powered:
        return "powered";
    case PowerState::Charging:
        return "charging";
    case PowerState::OnBattery:
        return "on battery";
    case PowerState::Unknown:
        break;
    }
    return "unknown";
}

const char* PhoneTypeName(PhoneType phone) {
    switch (phone) {
    case PhoneType::None:
        return "none";
    case PhoneType::IPhone:
        return "iPhone";
    case PhoneType::Samsung:
        return "Samsung";
    case PhoneType::Other:
        return "other";
    }
    return "none";
}

}  // namespace pad
