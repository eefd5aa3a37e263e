#pragma once
// What light synchronisation writes: the selected device's lighting, with the mode each
// kind has for the same common effect, for every connected device that takes part.
#include <cstddef>
#include <span>
#include <vector>

#include "profiles/profile_records.h"

struct LightSyncTarget {
    int deviceKind = 0;        // device kind code (1 keyboard, 2/6 mouse, 3 mouse pad, 7 headset)
    bool channelOpen = false;  // only connected devices follow
};

struct LightSyncStep {
    std::size_t target = 0;  // index into the targets
    LightInfoRecord record;  // the source's lighting with the target kind's mode
    bool operator==(const LightSyncStep&) const = default;
};

// The steps in the order keyboards, mice, mouse pads, headsets (targets of one kind in
// their order). Empty when the source's kind takes no part or its mode has no common
// effect. Targets of other kinds and closed ones get no step; the source itself, when it
// is among the targets, gets its own record back.
std::vector<LightSyncStep> PlanLightSync(int sourceKind, const LightInfoRecord& source,
                                         std::span<const LightSyncTarget> targets);
