#include "sim/sim_bus.h"

#include <algorithm>
#include "hid/hid_change_notice.h"
#include "sim/sim_backend.h"
#include "sim/sim_bus_impl.h"

SimHidBus& SimHidBus::Instance() {
    static SimHidBus bus;
    return bus;
}

SimHidBus::SimHidBus() : impl_(std::make_unique<Impl>()) {}

SimHidBus::~SimHidBus() {
    {
        std::lock_guard guard(impl_->lock);
        impl_->stopping = true;
    }
    impl_->wake.notify_all();
    if (impl_->delivery.joinable()) impl_->delivery.join();
}

int SimHidBus::Plug(std::shared_ptr<ISimDevice> device) {
    if (!device) return -1;
    int id;
    {
        std::lock_guard guard(impl_->lock);
        id = impl_->IdOf(device.get());
        if (id < 0) {
            id = impl_->nextId++;
            impl_->devices.push_back({id, std::move(device)});
        }
    }
    RegisterSimHidBackend();
    NotifyHidInterfacesChanged();
    return id;
}

void SimHidBus::Unplug(int id) {
    std::shared_ptr<ISimDevice> leaving;  // released after the lock
    std::unique_lock guard(impl_->lock);
    auto& devices = impl_->devices;
    auto it = std::find_if(devices.begin(), devices.end(), [id](const Entry& e) { return e.id == id; });
    if (it == devices.end()) return;
    leaving = std::move(it->device);
    devices.erase(it);
    for (auto& weak : impl_->handles) {
        if (auto handle = weak.lock(); handle && handle->deviceId == id) {
            handle->gone = true;
            if (handle->input) handle->input->MarkGone();
        }
    }
    std::erase_if(impl_->pending, [id](const auto& item) { return item.second.deviceId == id; });
    impl_->PruneHandles();
    guard.unlock();
    NotifyHidInterfacesChanged();
}

void SimHidBus::UnplugAll() {
    for (const Entry& entry : Devices()) Unplug(entry.id);
}

std::vector<SimHidBus::Entry> SimHidBus::Devices() const {
    std::lock_guard guard(impl_->lock);
    return impl_->devices;
}

void SimHidBus::SendInputReport(const ISimDevice* device, int interfaceNumber, std::vector<uint8_t> report,
                                int delayMs) {
    std::unique_lock guard(impl_->lock);
    const int id = impl_->IdOf(device);
    if (id < 0 || impl_->stopping) return;  // an unplugged device reaches nobody
    if (delayMs <= 0) {
        impl_->Deliver(id, interfaceNumber, report);
        return;
    }
    const auto due = Impl::Clock::now() + std::chrono::milliseconds(delayMs);
    impl_->pending.emplace(due, Impl::Pending{id, interfaceNumber, std::move(report)});
    if (!impl_->delivery.joinable())
        impl_->delivery = std::thread([impl = impl_.get()] { impl->DeliveryLoop(); });
    guard.unlock();
    impl_->wake.notify_all();
}

int SimHidBus::Impl::IdOf(const ISimDevice* device) const {
    for (const Entry& entry : devices)
        if (entry.device.get() == device) return entry.id;
    return -1;
}

const SimHidBus::Entry* SimHidBus::Impl::Find(int id) const {
    for (const Entry& entry : devices)
        if (entry.id == id) return &entry;
    return nullptr;
}

void SimHidBus::Impl::Deliver(int deviceId, int interfaceNumber, const std::vector<uint8_t>& report) {
    for (auto& weak : handles) {
        auto handle = weak.lock();
        if (handle && handle->deviceId == deviceId && handle->interfaceNumber == interfaceNumber &&
            handle->input && !handle->gone)
            handle->input->Push(report);
    }
}

void SimHidBus::Impl::PruneHandles() {
    std::erase_if(handles, [](const std::weak_ptr<SimOpenHandle>& weak) { return weak.expired(); });
}

void SimHidBus::Impl::DeliveryLoop() {
    std::unique_lock guard(lock);
    while (!stopping) {
        if (pending.empty()) {
            wake.wait(guard);
            continue;
        }
        const auto due = pending.begin()->first;
        if (Clock::now() < due) {
            wake.wait_until(guard, due);
            continue;
        }
        Pending item = std::move(pending.begin()->second);
        pending.erase(pending.begin());
        Deliver(item.deviceId, item.interfaceNumber, item.report);
    }
}

std::shared_ptr<SimOpenHandle> SimHidBus::Impl::OpenHandle(int deviceId, int interfaceNumber, bool read,
                                                           bool exclusive) {
    if (!Find(deviceId)) return nullptr;
    PruneHandles();
    for (auto& weak : handles) {
        auto other = weak.lock();
        if (other && other->deviceId == deviceId && other->interfaceNumber == interfaceNumber &&
            (exclusive || other->exclusive))
            return nullptr;  // shared and exclusive opens do not mix
    }
    auto handle = std::make_shared<SimOpenHandle>();
    handle->deviceId = deviceId;
    handle->interfaceNumber = interfaceNumber;
    handle->exclusive = exclusive;
    if (read) {
        handle->input = std::make_shared<SimInputQueue>();
        if (!handle->input->Valid()) return nullptr;
    }
    handles.push_back(handle);
    return handle;
}
