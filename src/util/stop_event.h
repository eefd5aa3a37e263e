#pragma once
// A manual-reset event that a worker waits on instead of sleeping. Once set it stays
// set until Reset. It is backed by an eventfd, so a poll() on Fd() wakes when it is set
// (the HID layer waits on a device node and the stop event together).
class StopEvent {
public:
    StopEvent();
    ~StopEvent();
    StopEvent(const StopEvent&) = delete;
    StopEvent& operator=(const StopEvent&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;
    // Waits until the event is set or timeoutMs passes (negative: no limit).
    // Returns true when the event is set.
    bool Wait(int timeoutMs) const;
    // Readable (POLLIN) while the event is set.
    int Fd() const { return fd_; }

private:
    int fd_ = -1;
};
