#pragma once
// What the SDK server serves of the window's devices: a copy of their controllers that the
// window's thread publishes and the server's thread reads, and the writes of clients handed
// to the window's thread (which carries them to the devices' I/O workers).
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "sdk/sdk_server.h"

class CSdkDeviceHost final : public sdk::IControllerHost {
public:
    // apply: called on the server's thread when controller `index` has a write waiting and
    // none was announced since the last TakeWrite; it must only post to the window's thread,
    // which then takes the latest write. A client sending faster than the window takes them
    // costs one queued call, not one per packet.
    using Apply = std::function<void(std::size_t index)>;
    explicit CSdkDeviceHost(Apply apply) : apply_(std::move(apply)) {}

    std::vector<sdk::Controller> Controllers() override;
    bool Write(std::uint32_t index, const sdk::Request& request, const sdk::Controller& after) override;

    // The window's thread: the controllers of the attached devices, in device-slot order.
    void Publish(std::vector<sdk::Controller> controllers);
    // Whether other programs drive the lights (the caption's light-control button).
    void SetHandedOver(bool handedOver);
    // The window's thread: the latest write to controller `index` (save: any write since
    // the last take asked to keep it); false when none waits.
    bool TakeWrite(std::size_t index, sdk::Controller* after, bool* save);

private:
    Apply apply_;
    std::mutex lock_;
    std::vector<sdk::Controller> controllers_;
    bool handedOver_ = true;
    struct Waiting {
        sdk::Controller after;
        bool save = false;
        bool waiting = false;
    };
    std::vector<Waiting> writes_;  // per controller
};
