#pragma once
// Inside of SimHidBus, shared by the bus and the simulated backend only.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>
#include "sim/sim_bus.h"
#include "sim/sim_input_queue.h"

// One open handle of one interface of a plugged device.
struct SimOpenHandle {
    int deviceId = 0;
    int interfaceNumber = 0;
    bool exclusive = false;
    std::shared_ptr<SimInputQueue> input;  // null when opened without read access
    std::atomic<bool> gone{false};         // set by Unplug
};

struct SimHidBus::Impl {
    using Clock = std::chrono::steady_clock;
    struct Pending {
        int deviceId;
        int interfaceNumber;
        std::vector<uint8_t> report;
    };

    mutable std::mutex lock;
    int nextId = 1;
    std::vector<Entry> devices;
    std::vector<std::weak_ptr<SimOpenHandle>> handles;

    // Delayed reports in due order (reports due at the same time keep their order).
    std::multimap<Clock::time_point, Pending> pending;
    std::condition_variable wake;
    std::thread delivery;
    bool stopping = false;

    // All with `lock` held. None of them calls into a device, so a device may hold its
    // own lock while it sends input reports.
    int IdOf(const ISimDevice* device) const;
    const Entry* Find(int id) const;
    void Deliver(int deviceId, int interfaceNumber, const std::vector<uint8_t>& report);
    void PruneHandles();
    void DeliveryLoop();

    // Registers a new handle on an interface the caller found on the device; null when
    // the device is no longer plugged or when exclusivity forbids it.
    std::shared_ptr<SimOpenHandle> OpenHandle(int deviceId, int interfaceNumber, bool read, bool exclusive);
};
