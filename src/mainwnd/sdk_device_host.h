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
    // apply: called on the server's thread with the controller's index and its state after
    // a client's write (save: the client asked to keep it); it must only post to the
    // window's thread.
    using Apply = std::function<void(std::size_t index, bool save, const sdk::Controller& after)>;
    explicit CSdkDeviceHost(Apply apply) : apply_(std::move(apply)) {}

    std::vector<sdk::Controller> Controllers() override;
    bool Write(std::uint32_t index, const sdk::Request& request, const sdk::Controller& after) override;

    // The window's thread: the controllers of the attached devices, in device-slot order.
    void Publish(std::vector<sdk::Controller> controllers);
    // Whether other programs drive the lights (the caption's light-control button).
    void SetHandedOver(bool handedOver);

private:
    Apply apply_;
    std::mutex lock_;
    std::vector<sdk::Controller> controllers_;
    bool handedOver_ = true;
};
