#pragma once
// What a headset's device slot has beyond the common slot: its audio configuration library
// and the page's audio features (headset_slot.cpp).
#include <string>

class CMainWnd;
struct DeviceSlot;
struct DeviceRow;

// Gives the headset of `slot` its audio configuration library: the simulated one when the
// simulation list names the headset, else the host's sound card with the row's ids (a row
// without ids names no card and gets none). The library's messages show in message boxes.
void GiveHeadsetAudio(DeviceSlot& slot, const DeviceRow& row, const std::string& simulateList, CMainWnd& wnd);

// Greys the voice changer and the equaliser on the headset's page when the audio library
// reports them absent: the voice changer by bit 0x20000 of the microphone's feature word 0,
// the equaliser by bit 0x1 of the output's. Nothing for a slot that is not a headset's or
// whose page is not built.
void ShowHeadsetAudioFeatures(DeviceSlot& slot);
