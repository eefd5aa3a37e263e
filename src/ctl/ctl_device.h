#pragma once
// Opening the command channel of the device a kvelmctl argument names.
#include <string>
#include "ctl/ctl_commands.h"
#include "hid/protocol/device_protocol.h"

// Resolves `argument` (PATH or INDEX) and opens `channel` on it. On failure writes the
// error line and returns the exit code; kExitOk on success (*path receives the path).
int OpenNamedDevice(const std::string& argument, CDeviceProtocol& channel, std::string* path,
                    CtlContext& context);

// The error line for a failed command; returns kExitFailure.
int FailCommand(CtlContext& context, const char* what, int result, const std::string& path);

class CProfileList;
// Init of a device's profile list: kExitOk, after saying on `err` what a repair of a damaged
// list set aside; else the exit code after the error line.
int InitProfileList(CProfileList& list, CtlContext& context);
