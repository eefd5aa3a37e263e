#pragma once
// The main window's check after start: decides only whether to draw the user's attention.
#include <string>
#include <vector>
#include "update/update_flow.h"

enum class BackgroundCheckResult {
    NoServiceSet,     // no URL: nothing was sent
    NoUpdate,         // every item current or without information
    Unreachable,      // the service could not be reached (no badge)
    UpdateAvailable,  // badge and open the settings window
};

// Asks about each record taking part, in order: an answer without a name is skipped,
// "NO_LINK_SERVER" ends the check, the first status other than 7 means an update.
BackgroundCheckResult RunBackgroundCheck(const std::vector<UpdateRecord>& records,
                                         const std::string& serviceUrl, const UpdateQuery& query);
