#include "devices/keyboard_system_stages.h"

#include <cstddef>

namespace keyboard {
namespace {

// Stage i lives in word i / 2: the even index in its low half, the odd one in its high half.
constexpr int kStagesPerWord = 2;

bool IsStage(int index) {
    return index >= 0 && index < Stage::kCount;
}

}  // namespace

std::uint16_t StageValue(const KeyboardSystemSettings& stages, int index) {
    if (!IsStage(index)) return 0;
    const std::uint32_t word = stages.words[static_cast<std::size_t>(index / kStagesPerWord)];
    return index % kStagesPerWord == 0 ? LowHalf(word) : HighHalf(word);
}

KeyboardSystemSettings WithStage(KeyboardSystemSettings stages, int index, std::uint16_t value) {
    if (!IsStage(index)) return stages;
    std::uint32_t& word = stages.words[static_cast<std::size_t>(index / kStagesPerWord)];
    word = index % kStagesPerWord == 0 ? PackHalves(value, HighHalf(word)) : PackHalves(LowHalf(word), value);
    return stages;
}

int OptionFor(std::uint16_t value) {
    return value < kOptionCount ? value : 0;
}

int RepeatDelayMs(std::uint16_t value) {
    return kRepeatDelayStepMs * (OptionFor(value) + 1);
}

}  // namespace keyboard
