#pragma once
// The kind-specific steps of making a device slot: the device object of the slot's kind
// (made at start), and its binding to the page built for it (on the device's first arrival).
class QWidget;
struct DeviceSlot;

// Sets slot.device (and slot.mouse, slot.keyboard, slot.pad or slot.headset) to a new device
// object of slot.kind. False, with nothing set, when the kind has no device class here.
bool MakeSlotDevice(DeviceSlot& slot);

// Hands the slot's device the page interface of its kind inside the built page skin `page`
// and sets slot.lightPanel. False, with nothing set, when the page lacks the kind's page class.
bool BindSlotPage(DeviceSlot& slot, QWidget* page);
