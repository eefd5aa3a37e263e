#pragma once
// The headset's twelve built-in equaliser presets and the limits of its custom presets.
#include <optional>
#include <vector>

inline constexpr int kEqTypeFirstBuiltIn = 1;
inline constexpr int kEqTypeLastBuiltIn = 12;
inline constexpr int kEqTypeCustom = 13;
inline constexpr int kMaxCustomEqPresets = 20;

// Band values 1-10 of built-in type 1..12; nothing for other types.
std::optional<std::vector<int>> BuiltInEqBands(int type);
