#pragma once
// Puts a mouse back on its selected profile when the device no longer holds it (after
// the computer slept, or when the mouse arrives having been set elsewhere): the profile
// is loaded, compared with the device's active settings record, and written with the
// writes of a profile switch only when they differ.
#include <string>

class CVornakelMouseDevice;

enum class ReapplyOutcome {
    Unchanged,  // the device already held the profile; nothing was written
    Written,    // the profile was written (every write succeeded)
    Failed      // the profile could not be loaded, the device not read, or a write failed
};

ReapplyOutcome ReapplyProfileIfChanged(CVornakelMouseDevice& device, const std::string& profileName);
