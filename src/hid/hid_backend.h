#pragma once
// The contract every HID backend fulfils (Linux hidraw, the in-process simulator, ...).
// A backend lists one path per top-level collection, e.g.
//   /dev/hidraw3#vid_320f&pid_2002&mi_01&col04
//   sim:1:01#vid_320f&pid_2002&mi_01&col04
// and opens the node part (before '#') of such a path. Filtering input reports by the
// collection's report ids, time-outs and the stop event are done once, in CHidDevice.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class IHidConnection {
public:
    virtual ~IHidConnection() = default;
    virtual uint16_t VendorId() const = 0;
    virtual uint16_t ProductId() const = 0;
    virtual uint16_t VersionNumber() const = 0;
    // The report descriptor of the whole interface (all its top-level collections).
    virtual const std::vector<uint8_t>& ReportDescriptor() const = 0;
    // A descriptor that poll() reports readable (POLLIN) while an input report waits, and
    // with POLLHUP/POLLERR once the device is gone.
    virtual int PollFd() const = 0;
    // Takes one waiting input report (data[0] is the report id when the interface uses
    // report ids). Returns its length, 0 when none waits, -1 when the device is gone.
    virtual int ReadInput(uint8_t* data, size_t capacity) = 0;
    // Sends one output report. Returns the bytes written, 0 when the device cannot take
    // it right now (try again after poll), -1 when the device is gone or refused it.
    virtual int WriteOutput(const uint8_t* data, size_t length) = 0;
};

class IHidBackend {
public:
    virtual ~IHidBackend() = default;
    // Appends one path per top-level collection of every interface. False on failure.
    virtual bool Enumerate(std::vector<std::string>& paths) = 0;
    // True when the path belongs to this backend.
    virtual bool Handles(const std::string& path) const = 0;
    virtual std::unique_ptr<IHidConnection> Open(const std::string& path, bool read, bool write,
                                                 bool exclusive) = 0;
    // Cheap test that the interface of the path is still there (no open, no descriptor).
    virtual bool IsPresent(const std::string& path) = 0;
};

// The backends CHidDevice uses, in order. By default: the hidraw backend on "/sys" and "/dev";
// the simulator adds its own backend when a simulated device is plugged. Tests may replace the list.
// The list itself is not guarded: change it through the reference only while no other thread
// uses HID (test set-up); use AddHidBackend from a running program.
std::vector<std::shared_ptr<IHidBackend>>& HidBackends();
// Appends a backend under the list's lock (safe while other threads enumerate or open).
void AddHidBackend(std::shared_ptr<IHidBackend> backend);
// A copy of the list taken under that lock; CHidDevice always works on such a copy.
std::vector<std::shared_ptr<IHidBackend>> HidBackendsSnapshot();
