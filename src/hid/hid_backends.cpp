#include <mutex>

#include "hid/hid_backend.h"
#include "hid/hidraw_backend.h"

namespace {

std::mutex& BackendListLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

std::vector<std::shared_ptr<IHidBackend>>& HidBackends() {
    static std::vector<std::shared_ptr<IHidBackend>> backends{std::make_shared<HidrawBackend>()};
    return backends;
}

void AddHidBackend(std::shared_ptr<IHidBackend> backend) {
    if (!backend) return;
    std::vector<std::shared_ptr<IHidBackend>>& backends = HidBackends();
    std::lock_guard<std::mutex> guard(BackendListLock());
    backends.push_back(std::move(backend));
}

std::vector<std::shared_ptr<IHidBackend>> HidBackendsSnapshot() {
    std::vector<std::shared_ptr<IHidBackend>>& backends = HidBackends();
    std::lock_guard<std::mutex> guard(BackendListLock());
    return backends;
}
