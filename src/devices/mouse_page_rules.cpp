#include "devices/mouse_page_rules.h"

#include <algorithm>
#include <cctype>

#include "devices/mouse/leading_decimal.h"

namespace mousepage {

DpiChecks ApplyDpiStageEnabling(DpiChecks checks, int stage, bool enabled) {
    if (stage < 0 || stage >= kDpiStageCount) return checks;
    const auto n = static_cast<size_t>(stage);
    if (enabled) {
        checks.layoutEnabled[n] = true;
        checks.ticked[n] = true;
        checks.checkEnabled.fill(true);
        return checks;
    }
    checks.ticked[n] = false;
    if (std::count(checks.ticked.begin(), checks.ticked.end(), true) == 1) {
        const auto last = std::find(checks.ticked.begin(), checks.ticked.end(), true);
        checks.checkEnabled[static_cast<size_t>(last - checks.ticked.begin())] = false;
    }
    return checks;
}

int DoubleClickMilliseconds(int sliderValue, int sliderMaximum) {
    return (sliderMaximum - sliderValue + 1) * 100;
}

int PollingOptionFor(int index) {
    return index >= 0 && index < kPollingOptionCount ? index : 0;
}

namespace {

bool SameNoCase(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

KeyButtonBinding ClassifyKeyButton(const std::string& name, int keyCount, int ledCount) {
    const size_t cut = name.rfind('_');
    if (cut == std::string::npos) return {};
    const std::string prefix = name.substr(0, cut + 1);
    const int number = mouse::ParseLeadingDecimal(std::string_view(name).substr(cut + 1));
    if (number < 0) return {};
    if (SameNoCase(prefix, "key_"))
        return number < keyCount ? KeyButtonBinding{KeyButtonRole::Key, number} : KeyButtonBinding{};
    if (SameNoCase(prefix, "light_"))
        return number < ledCount ? KeyButtonBinding{KeyButtonRole::Light, number} : KeyButtonBinding{};
    if (SameNoCase(prefix, "light_0_"))
        return number < ledCount ? KeyButtonBinding{KeyButtonRole::SecondLight, number} : KeyButtonBinding{};
    return {};
}

}  // namespace mousepage
