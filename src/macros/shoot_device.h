#pragma once
// The gun presets of a mouse device object: its store, and sending them to the device.
// The window's shoot panel and kvelmctl both go through these, so both use the same files
// and the same write.
#include "devices/mouse_device.h"
#include "macros/shoot_store.h"

namespace shoot {

// Points the store at the mouse's user folder (shared by all profiles of its kind) and at
// the shipped defaults beside the program.
void UseDeviceFolders(CShootStore& store, const CVornakelUSBDevice& device);

// Sets the preset files up (CShootStore::Init: a missing or broken file gets its default)
// and sends all four to the mouse in one shoot-data image (SendShootData). Returns the
// device's result: 0 when sent, -1 when the device refused, did not answer or its link is
// down. A preset that could not be set up goes out with the events its file still holds
// (none when it is missing); store.LastError() tells.
int SendPresets(CVornakelMouseDevice& device, CShootStore& store);

}  // namespace shoot
