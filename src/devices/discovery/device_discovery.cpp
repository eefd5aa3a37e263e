#include "devices/discovery/device_discovery.h"

#include "devices/discovery/interface_listing.h"
#include "util/debug_log.h"

namespace {

const char* OpenErrorText(HidOpenError error) {
    switch (error) {
    case HidOpenError::AccessDenied: return "access denied";
    case HidOpenError::NotFound: return "not found";
    case HidOpenError::BadDescriptor: return "bad report descriptor";
    case HidOpenError::NoSuchCollection: return "no such collection";
    case HidOpenError::NoBackend: return "no backend";
    case HidOpenError::Failed: return "failed";
    case HidOpenError::None: break;
    }
    return "none";
}

}  // namespace

void RunDeviceDiscovery(CInterfaceSlots& interfaceSlots, const StopEvent& stop, const DiscoveryHooks& hooks, int periodMs) {
    CDeviceDiscovery discovery(interfaceSlots, hooks);
    while (!stop.IsSet()) {
        discovery.RunPass(stop);
        if (stop.Wait(periodMs)) break;
    }
    DebugOutput("抓取设备线程设定退出\n");
}

bool CDeviceDiscovery::RunPass(const StopEvent& stop) {
    RetryPendingRemovals(stop);
    bool listed = true;
    if (!slots_.AllFilled()) {
        listed = enumerator_.Enumerate();
        if (listed) {
            ProbeCandidates(stop);
        } else {
            // A failed listing is tried again on the next pass; giving up would leave the
            // program blind to every device until it is restarted.
            DebugOutput("HID interface list unavailable; retrying\n");
        }
        enumerator_.ClearPaths();
    }
    if (!firstPassDone_) {
        // Told even after a failed listing: the window waits for it to show itself.
        firstPassDone_ = true;
        if (hooks_.firstPassDone) hooks_.firstPassDone();
    }
    CheckLiveness(stop);
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
    if (!hooks_.arrived || !hooks_.arrived(slot)) slots_.Release(slot);  // bound again next pass
}

void CDeviceDiscovery::CheckLiveness(const StopEvent& stop) {
    for (const CInterfaceSlots::BoundPath& bound : slots_.BoundPaths()) {
        if (stop.IsSet()) return;
        if (CHidDevice::IsPresent(bound.path)) continue;
        slots_.Release(bound.slot);
        slots_.MarkRemovalPending(bound.slot);
        if (!hooks_.removed || hooks_.removed(bound.slot)) slots_.MarkRemovalTaken(bound.slot);
    }
}

void CDeviceDiscovery::RetryPendingRemovals(const StopEvent& stop) {
    for (int slot : slots_.PendingRemovals()) {
        if (stop.IsSet()) return;
        if (!hooks_.removed || hooks_.removed(slot)) slots_.MarkRemovalTaken(slot);
    }
}
