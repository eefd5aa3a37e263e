#pragma once
// The input worker of a device: it reads the reports of the device's second interface
// (the consumer-control collection) and reacts to the device's request to be read again
// (usage 0x0401). The worker shares only this state block with its device, never the
// device itself, so a worker that did not stop in time cannot touch a device that is gone.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "hid/protocol/device_protocol.h"
#include "util/stop_event.h"

// Usage of the input report by which a device asks the host to read its settings again.
constexpr uint16_t kResyncUsage = 0x0401;

class CInputChannelState {
public:
    // The channel on the second interface; only the worker reads it.
    CDeviceProtocol channel;

    // The owner's hand-over of a resynchronisation request (called on the worker's thread).
    // Without one, requests are queued here for the device's thread (TakeQueuedResync).
    void SetResyncCallback(std::function<void()> callback);
    // Called by the worker for every report whose first usage is 0x0401.
    void ReportResync();
    // Every other usage (key events of a keyboard, releases) goes to this callback, on the
    // worker's thread; without one it is dropped.
    void SetUsageCallback(std::function<void(uint16_t)> callback);
    void ReportUsage(uint16_t usage);
    // Waits up to timeoutMs for a queued request; true when one is queued.
    bool WaitForQueuedResync(int timeoutMs);
    // Takes the queued request; true when there was one.
    bool TakeQueuedResync();

private:
    std::mutex lock_;
    std::condition_variable queuedSignal_;
    std::function<void()> callback_;
    std::function<void(uint16_t)> usageCallback_;
    bool queued_ = false;
};

// The first usage in the usage list of the first input item of a report of `hid`'s
// collection; 0 when the report carries none.
uint16_t FirstInputUsage(const CHidDevice& hid, std::vector<HidDataItem> items, const uint8_t* report,
                         size_t length);

// The worker's loop: while the stop event stays clear, read one report with no time-out
// (a stop releases it), write "接收到自动添加设备的同步信息要求  TEST" for each report and, for
// usage 0x0401, "接收到自动添加设备的同步信息要求" and hand the request on. Ends with
// "MS设备同步线程设定退出". While the channel is closed or a read fails it waits 100 ms on the
// stop event instead of spinning.
void RunInputWorker(const std::shared_ptr<CInputChannelState>& state, const StopEvent& stop);
