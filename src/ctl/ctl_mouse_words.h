#pragma once
// The words kvelmctl uses for a mouse's numbers: polling rates in Hz, lighting modes by
// name, DPI stages counted from 1 as the window shows them.
#include <cstdint>
#include <string>
#include <vector>

#include "devices/device_lists.h"

// Polling rate of each rate index, as the page offers them.
inline constexpr int kPollingRatesHz[] = {125, 250, 500, 1000, 2000};

// Hz of a rate index; 0 for an index the page does not offer.
int PollingRateHz(unsigned index);
// Rate index of a rate in Hz; -1 when the mouse offers no such rate.
int PollingRateIndex(int hz);
std::string PollingRateList();

// The command-line word of a lighting mode: its language text id without "light_mode_",
// '_' written as '-' ("light_mode_single_colour" -> "single-colour"); the name as it
// stands for a host preset. Empty when the lists have no such mode.
std::string LightModeWord(const DeviceLists& lists, int mode);
// Mode number of a word (or of a number); -1 when unknown.
int FindLightMode(const DeviceLists& lists, const std::string& word);
// The words of the built-in modes, ", "-separated.
std::string LightModeWords(const DeviceLists& lists);
