#pragma once
// The table of supported devices, one row per device, and the interface table derived from
// it: every interface of every row, ordered by device kind (rows keep their order within a
// kind), so the shipped rows give the interface slots keyboard, mice, mouse pad, headset.
// An interface row's index is the interface slot index of the discovery messages.
#include <span>
#include <vector>
#include "devices/discovery/device_row.h"
#include "hid/protocol/supported_devices.h"

class CDeviceTable {
public:
    CDeviceTable() = default;
    explicit CDeviceTable(std::vector<DeviceRow> rows);

    // Replaces the row of the same device (SameDevice) in place, else appends the row.
    // Returns true when a row was replaced.
    bool AddOrReplace(DeviceRow row);

    std::span<const DeviceRow> Rows() const { return rows_; }
    // The interface rows, and for each the index of its device row.
    const std::vector<SupportedInterface>& Interfaces() const { return interfaces_; }
    int DeviceOfInterface(int interfaceRow) const;
    // The first interface row of device row d whose sub-kind is the device's own; -1 none.
    int CommandInterfaceOf(int deviceRow) const;

    // Index of the first interface row with rows ids whose six values equal the arguments;
    // -1 when none does. Rows without ids never match.
    int MatchInterface(uint16_t vendorId, uint16_t productId, uint16_t interfaceNumber,
                       uint16_t collectionNumber, uint16_t usagePage, uint16_t usage) const;
    // The same test on the four values a device path carries.
    int MatchPath(uint16_t vendorId, uint16_t productId, uint16_t interfaceNumber,
                  uint16_t collectionNumber) const;
    // The device row of a USB product (rows with ids only); nullptr when none.
    const DeviceRow* FindByIds(uint16_t vendorId, uint16_t productId) const;

private:
    void Derive();
    std::vector<DeviceRow> rows_;
    std::vector<SupportedInterface> interfaces_;
    std::vector<int> interfaceDevice_;
};
