#include "devices/discovery/device_table.h"

#include <algorithm>
#include <numeric>

bool RowHasIds(const DeviceRow& row) {
    return row.vendorId != 0 || row.productId != 0;
}

bool SameDevice(const DeviceRow& a, const DeviceRow& b) {
    if (a.vendorId != b.vendorId || a.productId != b.productId) return false;
    return RowHasIds(a) || a.kind == b.kind;
}

CDeviceTable::CDeviceTable(std::vector<DeviceRow> rows) : rows_(std::move(rows)) {
    Derive();
}

bool CDeviceTable::AddOrReplace(DeviceRow row) {
    for (DeviceRow& existing : rows_) {
        if (SameDevice(existing, row)) {
            existing = std::move(row);
            Derive();
            return true;
        }
    }
    rows_.push_back(std::move(row));
    Derive();
    return false;
}

void CDeviceTable::Derive() {
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return rows_[a].kind < rows_[b].kind; });
    interfaces_.clear();
    interfaceDevice_.clear();
    for (size_t d : order) {
        const DeviceRow& row = rows_[d];
        for (const DeviceInterfaceRow& in : row.interfaces) {
            interfaces_.push_back({row.vendorId, row.productId, in.interfaceNumber, in.collectionNumber,
                                   row.kind, in.subKind, in.usagePage, in.usage});
            interfaceDevice_.push_back(static_cast<int>(d));
        }
    }
}

int CDeviceTable::DeviceOfInterface(int interfaceRow) const {
    if (interfaceRow < 0 || static_cast<size_t>(interfaceRow) >= interfaceDevice_.size()) return -1;
    return interfaceDevice_[static_cast<size_t>(interfaceRow)];
}

int CDeviceTable::CommandInterfaceOf(int deviceRow) const {
    if (deviceRow < 0 || static_cast<size_t>(deviceRow) >= rows_.size()) return -1;
    for (size_t i = 0; i < interfaces_.size(); ++i)
        if (interfaceDevice_[i] == deviceRow && interfaces_[i].deviceSubKind == rows_[deviceRow].subKind)
            return static_cast<int>(i);
    return -1;
}

int CDeviceTable::MatchInterface(uint16_t vendorId, uint16_t productId, uint16_t interfaceNumber,
                                 uint16_t collectionNumber, uint16_t usagePage, uint16_t usage) const {
    const int row = MatchPath(vendorId, productId, interfaceNumber, collectionNumber);
    if (row < 0) return -1;
    for (size_t i = static_cast<size_t>(row); i < interfaces_.size(); ++i) {
        const SupportedInterface& r = interfaces_[i];
        if (r.vendorId == vendorId && r.productId == productId && r.interfaceNumber == interfaceNumber &&
            r.collectionNumber == collectionNumber && r.usagePage == usagePage && r.usage == usage)
            return static_cast<int>(i);
    }
    return -1;
}

int CDeviceTable::MatchPath(uint16_t vendorId, uint16_t productId, uint16_t interfaceNumber,
                            uint16_t collectionNumber) const {
    if (vendorId == 0 && productId == 0) return -1;  // rows without ids claim nothing
    for (size_t i = 0; i < interfaces_.size(); ++i) {
        const SupportedInterface& r = interfaces_[i];
        if (r.vendorId == vendorId && r.productId == productId && r.interfaceNumber == interfaceNumber &&
            r.collectionNumber == collectionNumber)
            return static_cast<int>(i);
    }
    return -1;
}

const DeviceRow* CDeviceTable::FindByIds(uint16_t vendorId, uint16_t productId) const {
    for (const DeviceRow& row : rows_)
        if (RowHasIds(row) && row.vendorId == vendorId && row.productId == productId) return &row;
    return nullptr;
}
