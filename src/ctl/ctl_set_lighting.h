#pragma once
// The lighting part of kvelmctl set, shared by every kind: MODE [--colour RRGGBB]
// [--brightness N] [--speed N] into the device's lighting effect.
#include <string>
#include <vector>

#include "ctl/ctl_commands.h"
#include "devices/device_lists.h"
#include "devices/usb_device.h"

// args: DEVICE lighting MODE [options]. `lastMode`: modes from this number on are not
// offered (the mouse's host presets); -1 for none. Sets the effect and prints it, or
// returns exit 2 after the error line.
int SetLighting(CVornakelUSBDevice& device, const DeviceLists& lists, int lastMode,
                const std::vector<std::string>& args, CtlContext& context);
