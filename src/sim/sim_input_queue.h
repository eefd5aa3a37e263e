#pragma once
// The input side of one open handle of a simulated interface: its own queue of input
// reports, like the report ring every open hidraw file has, and a pipe that poll() sees
// readable while reports wait. When the device goes, the pipe's write end is closed, so
// poll() reports POLLHUP; the reports already queued can still be read, then reads fail.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

class SimInputQueue {
public:
    static constexpr size_t kCapacity = 64;  // reports beyond this are dropped, as hidraw does

    SimInputQueue();
    ~SimInputQueue();
    SimInputQueue(const SimInputQueue&) = delete;
    SimInputQueue& operator=(const SimInputQueue&) = delete;

    bool Valid() const { return readFd_ >= 0; }
    int Fd() const { return readFd_; }
    // False when the queue is full or the device is gone (the report is dropped).
    bool Push(std::vector<uint8_t> report);
    // Copies the oldest report (cut to capacity) and returns the bytes copied; 0 when none
    // waits; -1 when none waits and the device is gone.
    int Pop(uint8_t* data, size_t capacity);
    void MarkGone();
    bool Gone() const;

private:
    mutable std::mutex lock_;
    std::deque<std::vector<uint8_t>> reports_;
    int readFd_ = -1;
    int writeFd_ = -1;  // -1 once the device is gone
};
