#pragma once
// A mouse named on the kvelmctl command line, as a device object configured the way the
// windowed program configures it (data folder, light configuration, identity), with its
// command channel open.
#include <string>

#include "ctl/ctl_commands.h"
#include "devices/mouse_device.h"

// Resolves `argument` (PATH or INDEX), checks that it is the command collection of a
// supported mouse, configures `device` and opens its command channel. On failure writes
// the error line and returns the exit code; kExitOk on success (*path receives the path).
int OpenNamedMouse(const std::string& argument, CVornakelMouseDevice& device, std::string* path,
                   CtlContext& context);
// The same without opening the command channel: for commands that only need the mouse's
// files (its data folder follows from the model).
int ConfigureNamedMouse(const std::string& argument, CVornakelMouseDevice& device, std::string* path,
                        CtlContext& context);

// The data folder name of a mouse model ("mouse", "mouse3389"); empty for other ids.
std::string MouseFolderName(uint16_t vendorId, uint16_t productId);
