#pragma once
// Internal to CHidDevice: the state of one open interface that reads and writes in flight
// share with the object.
#include <array>
#include <memory>
#include "hid/hid_device.h"

struct CHidDevice::OpenInterface {
    std::shared_ptr<IHidConnection> connection;
    // Set by Close (or a new Open): calls waiting on this interface return 0 at once.
    StopEvent closed;
    bool canRead = false, canWrite = false;
    bool usesReportIds = false;
    std::array<bool, 256> ownReportIds{};  // report ids of the opened collection
    size_t inputReportLength = 0;

    // True when an input report that starts with firstByte belongs to the collection.
    bool OwnsReport(uint8_t firstByte) const { return !usesReportIds || ownReportIds[firstByte]; }
};
