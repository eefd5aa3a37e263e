#include "panels/power/power_status_view.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr size_t kBattery = 0;
constexpr size_t kState = 1;
constexpr size_t kWireless = 3;
constexpr size_t kPhone = 5;
constexpr size_t kRecordBuffer = 64;

constexpr int kMouseKind = 2;
constexpr int kMousePadKind = 3;

struct PhoneType {
    uint8_t code;
    const char* name;  // tool tip and image base name
};
constexpr PhoneType kPhones[] = {
    {1, "Phone_type_iphone"}, {2, "Phone_type_samsung"}, {3, "Phone_type_other"}};
constexpr const char* kNoPhone = "Phone_type_no_device";

}  // namespace

std::string ImageAttribute(const std::string& file) {
    return "file='" + file + "'";
}

PowerStatusView MakePowerStatusView(const uint8_t* record, size_t length, int kind) {
    std::array<uint8_t, kRecordBuffer> bytes{};
    if (record) std::memcpy(bytes.data(), record, std::min(length, bytes.size()));

    PowerStatusView view;
    const int level = bytes[kBattery];
    // A level above 100 from a confused device would make a negative gauge value, which
    // the gauge ignores and so keeps showing the previous reading.
    view.progressValue = 100 - std::min(level, 100);
    view.valueText = std::to_string(level) + "%";

    const bool wireless = bytes[kWireless] != 0;
    if (kind == kMouseKind) view.wirelessLogo = wireless ? ShowState::Shown : ShowState::Hidden;

    switch (bytes[kState]) {
    case 0:
        view.progress = ShowState::Shown;
        view.statusImage = ImageAttribute("power/powered.png");
        break;
    case 1:
        view.progress = wireless ? ShowState::Hidden : ShowState::Shown;
        view.statusImage = ImageAttribute(wireless ? "power/wuxian_powering.png" : "power/powering.png");
        break;
    case 2:
        view.progress = ShowState::Shown;
        view.statusImage = ImageAttribute("power/power.png");
        break;
    default:
        break;
    }

    if (kind == kMousePadKind) {
        const char* name = kNoPhone;
        for (const PhoneType& phone : kPhones)
            if (phone.code == bytes[kPhone]) name = phone.name;
        view.phoneToolTip = name;
        view.phoneImage = ImageAttribute(std::string("power/") + name + ".png");
    }
    return view;
}
