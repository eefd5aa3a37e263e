#include "devices/discovery/device_discovery.h"

#include "devices/discovery/interface_listing.h"
#include <poll.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include "devices/discovery/dev_node_watcher.h"
#include "devices/discovery/udev_hidraw_monitor.h"
#include "hid/hid_change_notice.h"
#include "util/debug_log.h"

namespace {

const char* OpenErrorText(HidOpenError error) {
    switch (error) {
    case HidOpenError::AccessDenied:
        return "access denied";
    case HidOpenError::NotFound:
        return "not found";
    case HidOpenError::BadDescriptor:
        return "bad report descriptor";
    case HidOpenError::NoSuchCollection:
        return "no such collection";
    case HidOpenError::NoBackend:
        return "no backend";
    case HidOpenError::Failed:
        return "failed";
    case HidOpenError::None:
        break;
    }
    return "none";
}

// Waits until stop is set, one of the other descriptors is readable or timeoutMs passes
// (negative: no limit). A descriptor of -1 is ignored.
void WaitForChange(const StopEvent& stop, int busFd, int udevFd, int nodesFd, int timeoutMs) {
    pollfd fds[] = {{stop.Fd(), POLLIN, 0}, {busFd, POLLIN, 0}, {udevFd, POLLIN, 0}, {nodesFd, POLLIN, 0}};
    while (poll(fds, std::size(fds), timeoutMs) < 0 && errno == EINTR) {}
}

// KVELM_NO_UDEV=1 makes discovery watch /dev even where a udev daemon runs, so the
// fallback can be tried and measured on any machine.
bool UdevWanted() {
    const char* refused = std::getenv("KVELM_NO_UDEV");
    return !refused || !*refused || std::strcmp(refused, "0") == 0;
}

}  // namespace

void RunDeviceDiscovery(CInterfaceSlots& interfaceSlots, const StopEvent& stop, const DiscoveryHooks& hooks,
                        int periodMs) {
    CDeviceDiscovery discovery(interfaceSlots, hooks);
    HidChangeListener busChanges;
    CUdevHidrawMonitor udev;
    CDevNodeWatcher nodes;
    // Every way of hearing a change is waited on; only with none is there a timed pass.
    const bool heard = (UdevWanted() && udev.Open()) || nodes.Open();
    if (!heard)
        DebugPrintf("no udev daemon and no watch of /dev: looking for devices every %d ms\n", periodMs);
    else
        DebugOutput(udev.IsOpen() ? "waiting for devices on the udev monitor\n"
                                  : "no udev daemon: waiting for devices on a watch of /dev\n");
    while (!stop.IsSet()) {
        busChanges.Take();  // before the pass: a change during the pass wakes the next wait
        discovery.RunPass(stop);
        const bool timed = !heard || discovery.RetryWanted();
        WaitForChange(stop, busChanges.Fd(), udev.Fd(), nodes.Fd(), timed ? periodMs : -1);
        udev.TakeChanges();
        nodes.TakeChanges();
    }
    DebugOutput("抓取设备线程设定退出\n");
}

bool CDeviceDiscovery::RunPass(const StopEvent& stop) {
    retryWanted_ = false;
    RetryPendingRemovals(stop);
    // Gone interfaces free their slots before the listing, so a device waiting for one of
    // them (a second mouse of one model, a replug between passes) binds in this pass: no
    // later pass may come when nothing else changes.
    CheckLiveness(stop);
    bool listed = true;
    if (!slots_.AllFilled()) {
        listed = enumerator_.Enumerate();
        if (listed) {
            ProbeCandidates(stop);
        } else {
            // A failed listing is tried again on the next pass; giving up would leave the
            // program blind to every device until it is restarted.
            DebugOutput("HID interface list unavailable; retrying\n");
            retryWanted_ = true;
        }
        enumerator_.ClearPaths();
    }
    if (!firstPassDone_) {
        // Told even after a failed listing: the window waits for it to show itself.
        firstPassDone_ = true;
        if (hooks_.firstPassDone) hooks_.firstPassDone();
    }
    return listed;
}

void CDeviceDiscovery::ProbeCandidates(const StopEvent& stop) {
    while (const std::string* path = enumerator_.NextPath()) {
        if (stop.IsSet()) return;
        ProbeOne(*path);
    }
}

void CDeviceDiscovery::ProbeOne(const std::string& path) {
    HidDeviceInfo record = RecordFromPath(path);
    if (!slots_.IsCandidate(record)) return;

    if (!ProbeRecord(probe_, &record)) {
        const HidOpenError error = probe_.LastOpenError();
        const std::string told = path + '\n' + OpenErrorText(error);
        if (told != lastFailedProbe_) {
            lastFailedProbe_ = told;
            DebugPrintf("cannot open %s: %s\n", path.c_str(), OpenErrorText(error));
            if (hooks_.probeFailed) hooks_.probeFailed(path, error);
        }
        return;
    }
    lastFailedProbe_.clear();

    const int slot = slots_.Bind(&record);
    if (slot < 0) return;  // another collection of the interface, or its slot is taken
    if (!hooks_.arrived || !hooks_.arrived(slot)) {
        slots_.Release(slot);  // bound again next pass
        retryWanted_ = true;
    }
}

void CDeviceDiscovery::CheckLiveness(const StopEvent& stop) {
    for (const CInterfaceSlots::BoundPath& bound : slots_.BoundPaths()) {
        if (stop.IsSet()) return;
        if (CHidDevice::IsPresent(bound.path)) continue;
        slots_.Release(bound.slot);
        slots_.MarkRemovalPending(bound.slot);
        if (!hooks_.removed || hooks_.removed(bound.slot))
            slots_.MarkRemovalTaken(bound.slot);
        else
            retryWanted_ = true;
    }
}

void CDeviceDiscovery::RetryPendingRemovals(const StopEvent& stop) {
    for (int slot : slots_.PendingRemovals()) {
        if (stop.IsSet()) return;
        if (!hooks_.removed || hooks_.removed(slot))
            slots_.MarkRemovalTaken(slot);
        else
            retryWanted_ = true;
    }
}
