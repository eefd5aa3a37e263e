#pragma once
// The host side of the simulator tests: raw command frames built here (with their own
// checksum code) and sent through CHidDevice, as the program does.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "hid/hid_device.h"
#include "sim/sim_mouse.h"

using Bytes = std::vector<uint8_t>;

// A 64-byte request: report id 4, checksum of bytes 3-63, command, length, offset, payload.
Bytes MakeFrame(uint8_t command, uint8_t length, uint16_t offset, const Bytes& payload = {});
// Recomputes bytes 1-2 of a frame.
void Resum(Bytes& frame);

// The path the simulated backend lists for one collection of a plugged device
// (collection 0: the interface's only collection); empty when not listed.
std::string SimPath(int deviceId, int interfaceNumber, int collection);

// Answer fields.
inline uint8_t Status(const Bytes& answer) {
    return answer.at(7);
}
inline Bytes Payload(const Bytes& answer, size_t length) {
    return Bytes(answer.begin() + 8, answer.begin() + 8 + static_cast<std::ptrdiff_t>(length));
}

// A plugged mouse with CHidDevice open on its command collection.
class SimMouseHost {
public:
    explicit SimMouseHost(SimMouseModel model = SimMouseModel::Mouse());
    ~SimMouseHost();

    SimMouse& Mouse() { return *mouse_; }
    std::shared_ptr<SimMouse> MousePtr() { return mouse_; }
    CHidDevice& Channel() { return channel_; }
    bool Opened() const { return opened_; }

    bool Send(const Bytes& frame);
    // One 64-byte input report of the command collection; empty on time-out.
    Bytes Receive(int timeoutMs = 1000);
    // Send, then Receive; empty when either fails.
    Bytes Transact(const Bytes& frame, int timeoutMs = 1000);
    Bytes Transact(uint8_t command, uint8_t length, uint16_t offset, const Bytes& payload = {});

private:
    std::shared_ptr<SimMouse> mouse_;
    CHidDevice channel_;
    bool opened_ = false;
};
