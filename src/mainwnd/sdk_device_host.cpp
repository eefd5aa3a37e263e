#include "mainwnd/sdk_device_host.h"

#include "util/debug_log.h"

std::vector<sdk::Controller> CSdkDeviceHost::Controllers() {
    std::lock_guard lock(lock_);
    return controllers_;
}

bool CSdkDeviceHost::Write(std::uint32_t index, const sdk::Request& request, const sdk::Controller& after) {
    bool announce = false;
    {
        std::lock_guard lock(lock_);
        if (!handedOver_) {
            DebugPrintf("SDK server: lighting write to '%s' refused: kvelm has taken the lights back\n",
                        after.name.c_str());
            return false;
        }
        if (index >= controllers_.size()) return false;
        controllers_[index] = after;
        if (writes_.size() <= index) writes_.resize(index + 1);
        Waiting& w = writes_[index];
        announce = !w.waiting;
        w.after = after;
        w.save = w.save || request.kind == sdk::RequestKind::SaveMode;
        w.waiting = true;
    }
    if (announce) apply_(index);
    return true;
}

bool CSdkDeviceHost::TakeWrite(std::size_t index, sdk::Controller* after, bool* save) {
    std::lock_guard lock(lock_);
    if (index >= writes_.size() || !writes_[index].waiting) return false;
    Waiting& w = writes_[index];
    *after = std::move(w.after);
    *save = w.save;
    w = Waiting{};
    return true;
}

void CSdkDeviceHost::Publish(std::vector<sdk::Controller> controllers) {
    std::lock_guard lock(lock_);
    controllers_ = std::move(controllers);
    // Writes not taken yet were meant for the list before: its indexes may name other devices now.
    writes_.clear();
}

void CSdkDeviceHost::SetHandedOver(bool handedOver) {
    std::lock_guard lock(lock_);
    handedOver_ = handedOver;
}
