#include "mainwnd/rules/page_values.h"

#include <algorithm>

#include "devices/mouse/leading_decimal.h"

namespace wiring {

namespace {
constexpr uint8_t kMouseButtonType = 0x10;
constexpr uint8_t kLeftButtonBit = 0x01;

bool IsLeftButton(const KeyAssignHalf& h) {
    return h.type == kMouseButtonType && h.param1 == kLeftButtonBit && h.param2 == 0;
}
}  // namespace

bool IsLastLeftButton(const std::vector<KeyAssignEntry>& assignments, int button) {
    if (button < 0 || static_cast<size_t>(button) >= assignments.size()) return false;
    if (!IsLeftButton(assignments[static_cast<size_t>(button)].current)) return false;
    for (size_t i = 0; i < assignments.size(); ++i)
        if (i != static_cast<size_t>(button) && IsLeftButton(assignments[i].current)) return false;
    return true;
}

int ClampTolvaDpi(std::string_view text) {
    return std::clamp(mouse::ParseLeadingDecimal(text), kTolvaDpiMin, kTolvaDpiMax);
}

std::string FormatWithCount(std::string_view format, int count) {
    std::string out;
    out.reserve(format.size() + 12);
    bool numberPlaced = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char next = format[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next == 'd' && !numberPlaced) {
                out += std::to_string(count);
                numberPlaced = true;
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

}  // namespace wiring
