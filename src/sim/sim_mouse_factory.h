#pragma once
// The state a simulated mouse leaves the factory with.
#include <array>
#include <cstdint>
#include <vector>
#include "sim/sim_mouse.h"

std::array<uint8_t, SimMouse::kInfoBlockSize> FactoryInfoBlock(const SimMouseModel& model);
// All settings records; record r differs from the others in its lighting, so a reader of
// the wrong record is noticed.
std::vector<uint8_t> FactorySettings(const SimMouseModel& model);
std::array<uint8_t, SimMouse::kPowerRecordSize> FactoryPowerRecord(const SimMouseModel& model);
