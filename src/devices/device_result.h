#pragma once
// Results of the device operations (reads, writes, SaveProfile and the page operations of
// mouse_operations.h), one convention for all of them:
//   kResultOk (1)          success
//   kResultNoAnswer (0)    refused or not answered: channel closed, link down, no page value
//   negative               the failing command's protocol code (hid/protocol/protocol_codes.h)
//                          or one of the device codes below
// Exceptions kept for what callers and the command line rely on: WriteMacros and
// SendShootData give 0 when sent, -1 on failure and a positive overflow count (see
// mouse_device.h).
#include "hid/protocol/protocol_codes.h"

// The profile file could not be written.
constexpr int kResultProfileNotSaved = -301;
// A key assignment names a button for which the device's key block has no slot.
constexpr int kResultNoKeySlot = -302;

// A short English text for a device result (protocol codes included).
const char* DeviceResultText(int result);
