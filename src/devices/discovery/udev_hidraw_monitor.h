#pragma once
// Hears hidraw nodes being added or removed through a udev monitor, so discovery can wait
// without a timer. Without a running udev daemon (containers, CI) a monitor on the "udev"
// source opens fine but never hears anything; Open refuses then, and the caller watches
// /dev instead (CDevNodeWatcher).
#include <string>

struct udev;
struct udev_monitor;

class CUdevHidrawMonitor {
public:
    // controlPath: the socket the udev daemon listens on; present while it runs.
    explicit CUdevHidrawMonitor(std::string controlPath = kUdevControlPath);
    ~CUdevHidrawMonitor();
    CUdevHidrawMonitor(const CUdevHidrawMonitor&) = delete;
    CUdevHidrawMonitor& operator=(const CUdevHidrawMonitor&) = delete;

    // False when no udev daemon runs or the monitor cannot be set up.
    bool Open();
    bool IsOpen() const { return monitor_ != nullptr; }
    // Readable when an event is waiting.
    int Fd() const;
    // Takes every waiting event; true when a hidraw node was added or removed.
    bool TakeChanges();

    static constexpr const char* kUdevControlPath = "/run/udev/control";

private:
    void Close();

    std::string controlPath_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
};
