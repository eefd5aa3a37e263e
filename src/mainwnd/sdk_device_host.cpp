#include "mainwnd/sdk_device_host.h"

#include "util/debug_log.h"

std::vector<sdk::Controller> CSdkDeviceHost::Controllers() {
    std::lock_guard lock(lock_);
    return controllers_;
}

bool CSdkDeviceHost::Write(std::uint32_t index, const sdk::Request& request, const sdk::Controller& after) {
    {
        std::lock_guard lock(lock_);
        if (!handedOver_) {
            DebugPrintf("SDK server: lighting write to '%s' refused: kvelm has taken the lights back\n",
                        after.name.c_str());
            return false;
        }
        if (index >= controllers_.size()) return false;
        controllers_[index] = after;
    }
    apply_(index, request.kind == sdk::RequestKind::SaveMode, after);
    return true;
}

void CSdkDeviceHost::Publish(std::vector<sdk::Controller> controllers) {
    std::lock_guard lock(lock_);
    controllers_ = std::move(controllers);
}

void CSdkDeviceHost::SetHandedOver(bool handedOver) {
    std::lock_guard lock(lock_);
    handedOver_ = handedOver;
}
