#pragma once
// The keyboard's six system values by index, as the page's controls address them:
//   0 Repeat   1 RepeatDelay   2 Key6Flag   3 PollingRate   4 WFlag   5 WinFlag
// and the rules the page shows them with.
#include <cstdint>

#include "profiles/profile_records.h"

namespace keyboard {

namespace Stage {
inline constexpr int kRepeat = 0;
inline constexpr int kRepeatDelay = 1;
inline constexpr int kKey6Flag = 2;
inline constexpr int kPollingRate = 3;
inline constexpr int kWFlag = 4;
inline constexpr int kWinFlag = 5;
inline constexpr int kCount = 6;
}  // namespace Stage

inline constexpr int kOptionCount = 4;  // polling-rate and repeat-delay options 0-3
inline constexpr int kRepeatDelayStepMs = 250;

// Value `index` of the stages; 0 for an index outside 0-5.
std::uint16_t StageValue(const KeyboardSystemSettings& stages, int index);
// The stages with value `index` replaced; unchanged for an index outside 0-5.
KeyboardSystemSettings WithStage(KeyboardSystemSettings stages, int index, std::uint16_t value);
// The option a polling-rate or repeat-delay value selects: the value when it is 0-3, else 0.
int OptionFor(std::uint16_t value);
// The repeat delay a value stands for: 250 x (option + 1) ms.
int RepeatDelayMs(std::uint16_t value);

}  // namespace keyboard
