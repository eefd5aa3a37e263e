#pragma once
// What the key assignment panel and the macro page need of a device with programmable keys
// and a macro memory (the mouse and the keyboard). Keys are numbered as the device's page
// numbers its key buttons: mouse buttons, keyboard LEDs.
#include <cstddef>
#include <vector>

#include "hid/protocol/protocol_codes.h"
#include "profiles/profile_records.h"

class IKeyAssignmentDevice {
public:
    virtual ~IKeyAssignmentDevice() = default;

    // The assignment of every key, in key order.
    virtual const std::vector<KeyAssignEntry>& Assignments() const = 0;
    // Stores key `key`'s current assignment in the model and the profile; nothing is saved
    // or sent (callers that change several keys save and send once).
    virtual void SetAssignment(int key, const KeyAssignHalf& current) = 0;
    // The whole change of one key: stored, the profile saved, the key codes written to the
    // device, the page's key labels shown again. The device is written also when the
    // profile could not be: it then holds what the page shows. The write's result when it
    // failed, else the save's (kResultOk or kResultProfileNotSaved).
    virtual int ApplyKeyAssignment(int key, const KeyAssignHalf& current) = 0;
    // Bytes of macro memory the device reported (0 before its information block was read).
    virtual std::size_t MacroCapacityBytes() const = 0;
};

// ApplyKeyAssignment for a device whose page shows its key labels (`page` may be null):
// store, save, write, then show the list and the changed key again.
template <class Device, class Page>
int ApplyAndShowKeyAssignment(Device& device, Page* page, int key, const KeyAssignHalf& current) {
    device.SetAssignment(key, current);
    const int saved = device.SaveProfile();
    const int written = device.WriteCurrentKeyAssignments();
    if (page != nullptr) {
        const std::vector<KeyAssignEntry>& list = device.Assignments();
        page->ShowKeyAssignments(list);
        const bool known = key >= 0 && static_cast<std::size_t>(key) < list.size();
        page->ShowKeySetting(key, known ? &list[static_cast<std::size_t>(key)] : nullptr);
    }
    return written != kResultOk ? written : saved;
}
