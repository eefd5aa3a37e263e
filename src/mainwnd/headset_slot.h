#pragma once
// The headset's device slot (headset_slot.cpp; CDevicePart::CreateHeadsetSlot makes it).
struct DeviceSlot;

// Greys the voice changer and the equaliser on the headset's page when the audio library
// reports them absent: the voice changer by bit 0x20000 of the microphone's feature word 0,
// the equaliser by bit 0x1 of the output's. Nothing for a slot that is not a headset's.
void ShowHeadsetAudioFeatures(DeviceSlot& slot);
