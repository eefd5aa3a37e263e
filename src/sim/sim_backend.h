#pragma once
// The HID backend of the devices plugged on SimHidBus. Paths name one top-level collection
// of one interface, with the same tokens as the hidraw backend (lower-case hexadecimal;
// "&colNN" from 01 only when the interface has more than one collection):
//   sim:<device id>:<interface, 2 hex digits>#vid_320f&pid_2002&mi_01&col04
// Open takes the node part (before '#'); every open handle gets its own copy of each
// input report of the interface. Once the device is unplugged, PollFd reports POLLHUP,
// ReadInput returns -1 after the reports already queued, and WriteOutput returns -1.
#include <string>
#include <vector>
#include "hid/hid_backend.h"

class SimHidBackend : public IHidBackend {
public:
    bool Enumerate(std::vector<std::string>& paths) override;
    bool Handles(const std::string& path) const override;
    std::unique_ptr<IHidConnection> Open(const std::string& path, bool read, bool write,
                                         bool exclusive) override;
    bool IsPresent(const std::string& path) override;
};

// Appends a SimHidBackend to HidBackends() unless the list holds one already.
void RegisterSimHidBackend();

// Number of top-level collections of a report descriptor (0 when it has none or is cut
// short before its first collection).
size_t CountTopLevelCollections(const std::vector<uint8_t>& descriptor);

// "sim:<id>:<interface>" of a path (anything after '#' ignored). False when malformed.
bool ParseSimNode(const std::string& path, int* deviceId, int* interfaceNumber);
