#include "ctl/ctl_mouse_words.h"

#include <algorithm>
#include <string_view>

#include "devices/mouse/mouse_settings_record.h"

namespace {

constexpr std::string_view kModeIdPrefix = "light_mode_";

std::string WordOfName(std::string name) {
    if (name.starts_with(kModeIdPrefix)) name.erase(0, kModeIdPrefix.size());
    std::replace(name.begin(), name.end(), '_', '-');
    return name;
}

// Built-in modes are 0-11, the host's presets follow from 12.
int ModeCount(const DeviceLists& lists) {
    return mouse::kFirstHostLightMode + static_cast<int>(lists.presetNames.size());
}

}  // namespace

int PollingRateHz(unsigned index) {
    return index < std::size(kPollingRatesHz) ? kPollingRatesHz[index] : 0;
}

int PollingRateIndex(int hz) {
    const auto* found = std::find(std::begin(kPollingRatesHz), std::end(kPollingRatesHz), hz);
    return found == std::end(kPollingRatesHz) ? -1 : static_cast<int>(found - std::begin(kPollingRatesHz));
}

std::string PollingRateList() {
    std::string list;
    for (int hz : kPollingRatesHz) list += (list.empty() ? "" : ", ") + std::to_string(hz);
    return list;
}

std::string LightModeWord(const DeviceLists& lists, int mode) {
    const std::string name = LightModeNameOf(lists, mode);
    return name.empty() ? name : WordOfName(name);
}

int FindLightMode(const DeviceLists& lists, const std::string& word) {
    for (int mode = 0; mode < ModeCount(lists); ++mode) {
        const std::string known = LightModeWord(lists, mode);
        if (!known.empty() && known == word) return mode;
    }
    return -1;
}

std::string LightModeWords(const DeviceLists& lists) {
    std::string words;
    for (int mode = 0; mode < ModeCount(lists); ++mode) {
        const std::string word = LightModeWord(lists, mode);
        if (!word.empty()) words += (words.empty() ? "" : ", ") + word;
    }
    return words;
}
