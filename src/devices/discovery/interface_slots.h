#pragma once
// The interface slots of the main window: one HidDeviceInfo per row of the supported-
// interface table, in table order; a slot's index is its row index and is what the
// arrival and removal messages carry.
//
// A slot is free (attached 0, empty path) or bound (attached 1, path set). Only the
// discovery thread binds and frees slots; the user-interface thread reads them, mostly
// while the thread waits for its blocking send to be handled. A lock keeps every call
// consistent all the same, and readers get copies.
#include <mutex>
#include <span>
#include <string>
#include <vector>
#include "hid/hid_device_info.h"
#include "hid/protocol/supported_devices.h"

class CInterfaceSlots {
public:
    // Copies the rows (not attached, no path, no partner).
    void Load(std::span<const SupportedInterface> rows);
    int Count() const;
    // A copy of slot i (a default record when i is out of range).
    HidDeviceInfo At(int i) const;
    std::vector<HidDeviceInfo> All() const;

    // True when every slot is attached or has a path.
    bool AllFilled() const;
    // True when some slot has the record's vendor id, product id, collection number and
    // interface number and is free. Rows without ids (vendor and product 0) never match.
    bool IsCandidate(const HidDeviceInfo& record) const;
    // Finds the first slot whose vendor id, product id, collection number, interface
    // number, usage page and usage equal the record's; copies its kind and sub-kind into
    // *record; then binds the first free slot with those six values to the record's path.
    // Returns that slot's index, or -1.
    int Bind(HidDeviceInfo* record);
    // Frees a bound slot (attached 0, path ""). False when it was not bound.
    bool Release(int i);

    // Attached slots with their paths, for the liveness check.
    struct BoundPath {
        int slot;
        std::string path;
    };
    std::vector<BoundPath> BoundPaths() const;

    // A removal that the user-interface thread has not taken yet: the slot stays out of
    // binding until MarkRemovalTaken, so the device is closed before it is opened again.
    void MarkRemovalPending(int i);
    void MarkRemovalTaken(int i);
    std::vector<int> PendingRemovals() const;

    // Whether slot i names a partner row that names it back, is attached and has a path.
    bool PartnerAttached(int i) const;

private:
    bool IsFree(size_t i) const;  // lock held
    mutable std::mutex lock_;
    std::vector<HidDeviceInfo> slots_;
    std::vector<bool> removalPending_;
};
