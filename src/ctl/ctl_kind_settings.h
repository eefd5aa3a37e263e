#pragma once
// kvelmctl settings for the kinds whose table rows carry no ids yet (keyboard, mouse pad):
// the user names the kind with "--kind keyboard" or "--kind pad".
#include <string>
#include <vector>
#include "ctl/ctl_commands.h"

// args: PATH|INDEX --kind KIND.
int RunKindSettings(const std::vector<std::string>& args, CtlContext& context);
