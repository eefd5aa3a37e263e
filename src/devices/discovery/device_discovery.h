#pragma once
// The discovery worker: every pass checks that every bound interface is still there and
// reports removals; then it lists the HID interfaces of the machine, probes the ones that
// may belong to a supported device, binds them to the free interface slots and reports
// arrivals. Between passes it waits on its stop event together with what announces a
// change: a udev monitor of hidraw nodes (or, where no udev daemon runs, an inotify watch
// of the hidraw nodes in /dev) and the simulated bus's notices. Only when neither can be
// set up, and while a report is still to be taken again, does it also run a timed pass
// every period. It stops at once and costs nothing while it waits.
//
// Reports go to the user-interface thread by blocking calls: the hook returns only after
// the main window has handled the report, and says whether it did. A report the window
// did not take (asleep, gone, or the worker is stopping) is not lost: an arrival frees its
// slot again so the next pass binds and reports it anew, a removal is reported again on
// the next pass (and the slot is not bound before it was taken).
#include <functional>
#include <string>
#include "hid/hid_device.h"
#include "devices/discovery/interface_slots.h"
#include "util/stop_event.h"

struct DiscoveryHooks {
    // Slot just bound to a present interface; true when the window handled it.
    std::function<bool(int slot)> arrived;
    // The bound interface of the slot is gone (the slot is already free); true when handled.
    std::function<bool(int slot)> removed;
    // Once, after the first pass since the worker started.
    std::function<void()> firstPassDone;
    // A path that looks like a supported device could not be opened (once per path and
    // reason); for example no access rights without the udev rule.
    std::function<void(const std::string& path, HidOpenError error)> probeFailed;
};

constexpr int kDiscoveryPeriodMs = 100;

// The worker's body: runs passes until stop is set, then writes "抓取设备线程设定退出".
void RunDeviceDiscovery(CInterfaceSlots& interfaceSlots, const StopEvent& stop, const DiscoveryHooks& hooks,
                        int periodMs = kDiscoveryPeriodMs);

// One pass (the worker's unit of work), for the worker and for tests. Returns false when
// the interface list could not be taken (the pass did nothing but the liveness check).
class CDeviceDiscovery {
public:
    CDeviceDiscovery(CInterfaceSlots& interfaceSlots, const DiscoveryHooks& hooks)
        : slots_(interfaceSlots), hooks_(hooks) {}
    bool RunPass(const StopEvent& stop);
    // True when the last pass left work for a later one (a report the window did not take,
    // an interface list that could not be taken): no notice may come to trigger it.
    bool RetryWanted() const { return retryWanted_; }

private:
    void ProbeCandidates(const StopEvent& stop);
    void ProbeOne(const std::string& path);
    void CheckLiveness(const StopEvent& stop);
    void RetryPendingRemovals(const StopEvent& stop);
    void Report(const std::function<bool(int)>& hook, int slot, bool arrival);

    CInterfaceSlots& slots_;
    const DiscoveryHooks& hooks_;
    CHidDevice enumerator_;
    CHidDevice probe_;
    bool firstPassDone_ = false;
    bool retryWanted_ = false;
    std::string lastFailedProbe_;  // path + reason of the last probe failure told
};
