#pragma once
// The kind-specific step of making a device slot: the device object of the slot's kind,
// bound to the page built for it.
class QWidget;
struct DeviceSlot;

// Sets slot.device (and slot.mouse, slot.keyboard or slot.pad) to a new device object of
// slot.kind whose page is `page` (or the page class below it). False, with nothing set,
// when the kind has no device class here or the page lacks the kind's page class.
bool MakeSlotDevice(DeviceSlot& slot, QWidget* page);
