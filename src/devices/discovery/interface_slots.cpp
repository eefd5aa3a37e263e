#include "devices/discovery/interface_slots.h"

namespace {

bool HasIds(const HidDeviceInfo& slot) {
    return slot.vendorId != 0 || slot.productId != 0;
}

bool SamePathValues(const HidDeviceInfo& a, const HidDeviceInfo& b) {
    return a.vendorId == b.vendorId && a.productId == b.productId &&
           a.collectionNumber == b.collectionNumber && a.interfaceNumber == b.interfaceNumber;
}

bool SameSixValues(const HidDeviceInfo& a, const HidDeviceInfo& b) {
    return SamePathValues(a, b) && a.usagePage == b.usagePage && a.usage == b.usage;
}

}  // namespace

void CInterfaceSlots::Load(std::span<const SupportedInterface> rows) {
    std::lock_guard<std::mutex> guard(lock_);
    slots_.clear();
    for (const SupportedInterface& row : rows) slots_.push_back(ToHidDeviceInfo(row));
    removalPending_.assign(slots_.size(), false);
}

int CInterfaceSlots::Count() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<int>(slots_.size());
}

HidDeviceInfo CInterfaceSlots::At(int i) const {
    std::lock_guard<std::mutex> guard(lock_);
    if (i < 0 || static_cast<size_t>(i) >= slots_.size()) return {};
    return slots_[static_cast<size_t>(i)];
}

std::vector<HidDeviceInfo> CInterfaceSlots::All() const {
    std::lock_guard<std::mutex> guard(lock_);
    return slots_;
}

bool CInterfaceSlots::IsFree(size_t i) const {
    return slots_[i].attached == 0 && slots_[i].devicePath.empty() && !removalPending_[i];
}

bool CInterfaceSlots::AllFilled() const {
    std::lock_guard<std::mutex> guard(lock_);
    for (const HidDeviceInfo& slot : slots_)
        if (slot.attached == 0 && slot.devicePath.empty()) return false;
    return true;
}

bool CInterfaceSlots::IsCandidate(const HidDeviceInfo& record) const {
    std::lock_guard<std::mutex> guard(lock_);
    for (size_t i = 0; i < slots_.size(); ++i)
        if (HasIds(slots_[i]) && SamePathValues(slots_[i], record) && IsFree(i)) return true;
    return false;
}

int CInterfaceSlots::Bind(HidDeviceInfo* record) {
    if (!record || record->devicePath.empty()) return -1;
    std::lock_guard<std::mutex> guard(lock_);
    const HidDeviceInfo* row = nullptr;
    for (const HidDeviceInfo& slot : slots_) {
        if (HasIds(slot) && SameSixValues(slot, *record)) {
            row = &slot;
            break;
        }
    }
    if (!row) return -1;
    record->deviceKind = row->deviceKind;
    record->deviceSubKind = row->deviceSubKind;
    for (size_t i = 0; i < slots_.size(); ++i) {
        HidDeviceInfo& slot = slots_[i];
        if (SameSixValues(slot, *record) && IsFree(i)) {
            slot.attached = 1;
            slot.devicePath = record->devicePath;
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CInterfaceSlots::Release(int i) {
    std::lock_guard<std::mutex> guard(lock_);
    if (i < 0 || static_cast<size_t>(i) >= slots_.size()) return false;
    HidDeviceInfo& slot = slots_[static_cast<size_t>(i)];
    const bool wasBound = slot.attached != 0 || !slot.devicePath.empty();
    slot.attached = 0;
    slot.devicePath.clear();
    return wasBound;
}

std::vector<CInterfaceSlots::BoundPath> CInterfaceSlots::BoundPaths() const {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<BoundPath> bound;
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].attached != 0) bound.push_back({static_cast<int>(i), slots_[i].devicePath});
    return bound;
}

void CInterfaceSlots::MarkRemovalPending(int i) {
    std::lock_guard<std::mutex> guard(lock_);
    if (i >= 0 && static_cast<size_t>(i) < removalPending_.size())
        removalPending_[static_cast<size_t>(i)] = true;
}

void CInterfaceSlots::MarkRemovalTaken(int i) {
    std::lock_guard<std::mutex> guard(lock_);
    if (i >= 0 && static_cast<size_t>(i) < removalPending_.size())
        removalPending_[static_cast<size_t>(i)] = false;
}

std::vector<int> CInterfaceSlots::PendingRemovals() const {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<int> pending;
    for (size_t i = 0; i < removalPending_.size(); ++i)
        if (removalPending_[i]) pending.push_back(static_cast<int>(i));
    return pending;
}

bool CInterfaceSlots::PartnerAttached(int i) const {
    std::lock_guard<std::mutex> guard(lock_);
    if (i < 0 || static_cast<size_t>(i) >= slots_.size()) return false;
    const HidDeviceInfo& slot = slots_[static_cast<size_t>(i)];
    if (slot.hasPartner == 0 || slot.partnerIndex >= slots_.size()) return false;
    const HidDeviceInfo& partner = slots_[slot.partnerIndex];
    return partner.hasPartner != 0 && partner.partnerIndex == static_cast<uint16_t>(i) &&
           partner.attached != 0 && !partner.devicePath.empty();
}
