#pragma once
// Rules of the mouse page that need no window: the DPI stage enabling rule, the
// double-click time, the polling option, the names of key and light buttons.
#include <array>
#include <string>

namespace mousepage {

inline constexpr int kDpiStageCount = 7;
inline constexpr int kPollingOptionCount = 5;

// State of the seven "DPI_enable_check_" n checks and "DPI_layout_" n layouts.
struct DpiChecks {
    std::array<bool, kDpiStageCount> ticked{};
    std::array<bool, kDpiStageCount> checkEnabled{};
    std::array<bool, kDpiStageCount> layoutEnabled{};
    bool operator==(const DpiChecks&) const = default;
};

// Enabling stage n ticks its check, enables its layout and re-enables every disabled
// check. Disabling it unticks the check; when exactly one tick is left, that last check is
// disabled so that at least one stage always stays enabled. A stage outside 0..6 changes
// nothing.
DpiChecks ApplyDpiStageEnabling(DpiChecks checks, int stage, bool enabled);

// A double-click slider value v stands for (maximum - v + 1) x 100 ms.
int DoubleClickMilliseconds(int sliderValue, int sliderMaximum);

// The option that shows polling-rate index `index`: itself for 0..4, option 0 otherwise.
int PollingOptionFor(int index);

// What a "DeviceKeyButton" of the page stands for, by its name: prefix + decimal number
// (the name split at its last "_", prefixes compared without regard to case).
enum class KeyButtonRole { None, Key, Light, SecondLight };
struct KeyButtonBinding {
    KeyButtonRole role = KeyButtonRole::None;
    int index = 0;
    bool operator==(const KeyButtonBinding&) const = default;
};
// "key_" n with n < keyCount is key n; "light_" n with n < ledCount is LED n; "light_0_" n
// with n < ledCount is LED n of the second LED list. Anything else is None.
KeyButtonBinding ClassifyKeyButton(const std::string& name, int keyCount, int ledCount);

}  // namespace mousepage
