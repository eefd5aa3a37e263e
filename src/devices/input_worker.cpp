#include "devices/input_worker.h"

#include <vector>

#include "util/debug_log.h"

namespace {

// Longest input report any collection of the supported devices sends, with room to spare;
// a read needs a buffer of at least the collection's report length.
constexpr size_t kReportBufferSize = 1024;
// The worker checks its stop event this often while it has nothing to read.
constexpr int kBusyPollMs = 1;
constexpr int kIdleWaitMs = 100;

}  // namespace

void CInputChannelState::SetResyncCallback(std::function<void()> callback) {
    std::lock_guard<std::mutex> guard(lock_);
    callback_ = std::move(callback);
}

void CInputChannelState::ReportResync() {
    std::function<void()> callback;
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!callback_) {
            queued_ = true;
            queuedSignal_.notify_all();
            return;
        }
        callback = callback_;
    }
    callback();  // outside the lock: the owner's hand-over may take its own locks
}

void CInputChannelState::SetUsageCallback(std::function<void(uint16_t)> callback) {
    std::lock_guard<std::mutex> guard(lock_);
    usageCallback_ = std::move(callback);
}

void CInputChannelState::ReportUsage(uint16_t usage) {
    std::function<void(uint16_t)> callback;
    {
        std::lock_guard<std::mutex> guard(lock_);
        callback = usageCallback_;
    }
    if (callback) callback(usage);
}

bool CInputChannelState::WaitForQueuedResync(int timeoutMs) {
    std::unique_lock<std::mutex> guard(lock_);
    return queuedSignal_.wait_for(guard, std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs),
                                  [this] { return queued_; });
}

bool CInputChannelState::TakeQueuedResync() {
    std::lock_guard<std::mutex> guard(lock_);
    const bool was = queued_;
    queued_ = false;
    return was;
}

uint16_t FirstInputUsage(const CHidDevice& hid, std::vector<HidDataItem> items, const uint8_t* report,
                         size_t length) {
    if (items.empty() || !hid.UnpackInputReport(report, length, items)) return 0;
    const HidDataItem& first = items.front();
    if (first.isButtonData) return first.usageList.empty() ? 0 : first.usageList.front();
    return first.usage;
}

void RunInputWorker(const std::shared_ptr<CInputChannelState>& state, const StopEvent& stop) {
    CDeviceProtocol& channel = state->channel;
    std::vector<uint8_t> report(kReportBufferSize);
    int waitMs = kBusyPollMs;
    while (!stop.Wait(waitMs)) {
        waitMs = kBusyPollMs;
        if (!channel.opened) {
            waitMs = kIdleWaitMs;
            continue;
        }
        size_t length = 0;
        if (!channel.hid.ReadReport(report.data(), report.size(), kHidInfinite, &length) || length == 0) {
            // Released by a stop, or the device is gone: look at the stop event again, and do
            // not hammer an interface that fails every read.
            waitMs = channel.hid.DeviceGone() ? kIdleWaitMs : kBusyPollMs;
            continue;
        }
        const uint16_t usage = FirstInputUsage(channel.hid, channel.hid.InputItems(), report.data(), length);
        DebugOutput("接收到自动添加设备的同步信息要求  TEST\n");
        if (usage == kResyncUsage) {
            DebugOutput("接收到自动添加设备的同步信息要求\n");
            state->ReportResync();
        } else {
            state->ReportUsage(usage);
        }
    }
    DebugOutput("MS设备同步线程设定退出\n");
}
