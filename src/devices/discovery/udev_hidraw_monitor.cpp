#include "devices/discovery/udev_hidraw_monitor.h"

#include <libudev.h>
#include <cstring>
#include <unistd.h>

namespace {

constexpr const char* kSubsystem = "hidraw";

bool IsAddOrRemove(const char* action) {
    return action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0);
}

}  // namespace

CUdevHidrawMonitor::CUdevHidrawMonitor(std::string controlPath) : controlPath_(std::move(controlPath)) {}

CUdevHidrawMonitor::~CUdevHidrawMonitor() {
    Close();
}

bool CUdevHidrawMonitor::Open() {
    if (monitor_) return true;
    if (access(controlPath_.c_str(), F_OK) != 0) return false;  // no daemon to hear from
    udev_ = udev_new();
    if (!udev_) return false;
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, kSubsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        Close();
        return false;
    }
    return true;
}

int CUdevHidrawMonitor::Fd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_) : -1;
}

bool CUdevHidrawMonitor::TakeChanges() {
    if (!monitor_) return false;
    bool changed = false;
    // The monitor's socket is non-blocking: receive returns nullptr once it is drained.
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        changed = changed || IsAddOrRemove(udev_device_get_action(device));
        udev_device_unref(device);
    }
    return changed;
}

void CUdevHidrawMonitor::Close() {
    if (monitor_) udev_monitor_unref(monitor_);
    if (udev_) udev_unref(udev_);
    monitor_ = nullptr;
    udev_ = nullptr;
}
