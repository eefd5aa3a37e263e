#pragma once
// CHidDevice: enumeration cursor and open HID interface (one top-level collection).
// Reads and writes wait with poll() on the node and on the object's stop event, so they
// return 0 at once when the stop event is signalled or Close is called from another
// thread. Only input reports whose report id belongs to the opened collection are
// delivered; the others are drained and dropped.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "hid/hid_backend.h"
#include "hid/hid_device_info.h"
#include "hid/report_descriptor.h"
#include "util/stop_event.h"

constexpr int kHidInfinite = -1;

// Why the last Open failed, so a caller can tell "present but not readable" (no udev rule
// granting access) from a device that went away.
enum class HidOpenError { None, NoBackend, AccessDenied, NotFound, BadDescriptor, NoSuchCollection, Failed };

struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

class CHidDevice {
public:
    CHidDevice();
    ~CHidDevice();  // Close, then ClearPaths
    CHidDevice(const CHidDevice&) = delete;
    CHidDevice& operator=(const CHidDevice&) = delete;

    // Enumeration cursor (independent of the open interface).
    bool Enumerate();               // rebuilds the path list, cursor reset to 0
    const std::string* NextPath();  // nullptr when exhausted or no list
    void ClearPaths();

    bool Open(const std::string& path, bool readAccess, bool writeAccess, bool overlapped, bool exclusive);
    HidOpenError LastOpenError() const { return lastOpenError_; }
    void Close();  // safe from another thread while a read or write waits
    bool IsOpen() const;
    // True once the open interface reported the device gone (EIO, ENODEV, POLLHUP).
    bool DeviceGone() const;

    // Nonzero on success; 0 on failure, time-out (ms, or kHidInfinite) or stop.
    int ReadReport(uint8_t* buffer, size_t length, int timeoutMs, size_t* transferred = nullptr);
    int WriteReport(const uint8_t* buffer, size_t length, int timeoutMs, size_t* transferred = nullptr);
    // Releases a blocked ReadReport/WriteReport (they return 0).
    void SignalStop();

    // Fills the items whose report id equals report[0] (for a collection without report
    // ids, every item). False when a value item could not be read or no interface is open.
    // Safe against a Close on another thread (which then waits for it).
    bool UnpackInputReport(const uint8_t* report, size_t length, std::vector<HidDataItem>& items) const;

    const HidCaps& Caps() const { return caps_; }
    const HidAttributes& Attributes() const { return attributes_; }
    const std::string& DevicePath() const { return devicePath_; }
    uint32_t InterfaceNumber() const { return interfaceNumber_; }
    uint32_t CollectionNumber() const { return collectionNumber_; }
    // Report sets built at Open: a zeroed buffer of the report's byte length and the items.
    std::vector<uint8_t>& InputReportBuffer() { return inputReport_; }
    std::vector<HidDataItem>& InputItems() { return inputItems_; }
    std::vector<HidDataItem>& OutputItems() { return outputItems_; }
    std::vector<HidDataItem>& FeatureItems() { return featureItems_; }

    // Cheap presence test of a listed path, for discovery's liveness check.
    static bool IsPresent(const std::string& path);

private:
    // What a read or write needs of the open interface, shared with every call in flight so
    // Close can drop its own reference at once: the connection, the event Close sets to
    // release waiting calls, and the report ids of the collection.
    struct OpenInterface;
    std::shared_ptr<OpenInterface> BeginIo(std::atomic<bool>& pendingFlag);
    void EndIo(std::atomic<bool>& pendingFlag);
    HidOpenError BuildInterfaceDescription(const std::string& path, const IHidConnection& connection);
    void ReleaseReportSets();
    void CloseLocked();  // Close with lifecycleLock_ held

    std::vector<std::string> paths_;
    bool pathsHeld_ = false;
    size_t cursor_ = 0;
    bool readAccess_ = false, writeAccess_ = false, overlapped_ = false, exclusive_ = false;
    std::string devicePath_;
    std::mutex lifecycleLock_;        // one Open or Close at a time
    mutable std::mutex openLock_;     // guards open_ and ioInFlight_
    std::condition_variable ioIdle_;  // signalled whenever a read or write ends
    int ioInFlight_ = 0;              // guarded by openLock_
    std::shared_ptr<OpenInterface> open_;
    mutable std::mutex descriptionLock_;  // guards collection_ and the report sets' release
    bool described_ = false;
    HidTopCollection collection_;
    HidCaps caps_;
    HidAttributes attributes_;
    std::vector<uint8_t> inputReport_, outputReport_, featureReport_;
    std::vector<HidDataItem> inputItems_, outputItems_, featureItems_;
    uint32_t interfaceNumber_ = 0, collectionNumber_ = 0;
    StopEvent stop_;
    std::atomic<bool> readPending_{false}, writePending_{false}, gone_{false};
    HidOpenError lastOpenError_ = HidOpenError::None;
};
