#pragma once
// CDeviceProtocol: the request/answer channel to one attached device. It owns the
// interface (`hid`), frames every request as one 64-byte output report (frame.h), reads
// the 64-byte answer and serialises the threads that talk to the same device.
//
// Locks: a command operation takes `commandLock` around each chunk's transaction (except
// WriteShootData); the transaction holds `ioLock` around its write and the read of its
// answer, so no other request can come between them. `ioLock` is innermost: nothing else
// is locked while it is held. Close does not take it, so it can release a blocked read.
//
// Every operation returns the result codes of protocol_codes.h: 1 success, 0 channel
// closed or no answer, -1 write failed, -102 / -103 device status 0xFF / 0xFE, -201 bad
// block index, and -2 for arguments that cannot be sent (a buffer shorter than the block,
// a transfer running past device offset 0xFFFF, a single frame longer than 56 bytes);
// nothing is sent in that case.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include "hid/hid_device.h"
#include "hid/protocol/device_info.h"
#include "hid/protocol/frame.h"
#include "hid/protocol/protocol_codes.h"

constexpr uint16_t kDefaultDataLength = 512;
constexpr int kAnswerTimeoutMs = 1000;
constexpr int kSlowLinkTimeoutMs = 5000;
// EndConfig waits this long before its frame so the device has applied what came before.
constexpr int kEndConfigPauseMs = 10;

class CDeviceProtocol {
public:
    CDeviceProtocol();
    // Closes the channel (a read blocked in another thread returns 0) and waits until no
    // other thread is inside an operation of this object any more.
    ~CDeviceProtocol();
    CDeviceProtocol(const CDeviceProtocol&) = delete;
    CDeviceProtocol& operator=(const CDeviceProtocol&) = delete;

    // Length of the device's main settings block (commands 7, 9 and 27); at most 512.
    std::atomic<uint16_t> dataLength{kDefaultDataLength};
    // 1 while the interface is open; every transaction fails at once while it is 0.
    std::atomic<int> opened{0};
    CHidDevice hid;
    std::mutex ioLock;
    std::mutex commandLock;
    // 1 for a device behind a slow (wireless) link: 5000 ms time-outs instead of 1000 ms.
    std::atomic<int> slowLink{0};
    // Largest payload per frame.
    const uint8_t chunkSize = static_cast<uint8_t>(kMaxChunkPayload);

    // For the owner: opens the command interface (read, write, overlapped, shared) under
    // ioLock and sets opened to 1 on success. The owner sets slowLink itself.
    bool Open(const std::string& path);
    // For the owner: opened becomes 0 and the interface is closed, which releases a read
    // or write blocked in another thread (it returns 0).
    void Close();

    // One request and its answer. The request is padded with zeros or cut to 64 bytes.
    // 1 when the request was written and an answer read (when the first answer does not
    // echo the request's command byte, a second one is read and taken whatever it holds;
    // an answer with the request's command byte whose length or offset bytes name another
    // chunk is a late answer to an earlier request and is dropped);
    // 0 when the channel is closed or no answer came within the time-out (also when an
    // earlier request is still owed an answer that does not come: the request is then not
    // sent, see CatchUp); -1 when the write failed. The answer (up to answerLength bytes) is copied only on
    // success. Writes the "命令" and "返回" dumps to the debug output when it is on.
    int Transact(const uint8_t* request, size_t requestLength, uint8_t* answer, size_t answerLength,
                 size_t* bytesRead = nullptr);
    // Accepts 0..512 (returns 1); anything else is refused with 0 and dataLength kept.
    int SetDataLength(int length);

    // Commands. Reads fill the caller's buffer chunk by chunk: after a failure it is only
    // partly filled. Writes that fail part-way leave the chunks already sent applied.
    int BeginConfig();                                               // 0x01
    int EndConfig();                                                 // 0x02, after a 10 ms pause
    int ReadDeviceInfo(DeviceInfoBlock& block);                      // 0x03, 34 bytes from offset 0;
                                                                     // block changes only on success
    int ReadMemory(std::span<uint8_t> out, uint16_t start);          // 0x05, out.size() bytes
    int WriteMemory(std::span<const uint8_t> data, uint16_t start);  // 0x06
    int ReadKeyBlock(std::span<uint8_t> out);                        // 0x07, dataLength bytes
    int WriteKeyBlock(std::span<const uint8_t> block, int index);    // 0x09, dataLength bytes;
                                                                     // -201 at once for index != 0
    int WriteLightFrame(std::span<const uint8_t> frame);             // 0x12, per-key colours from offset 0
    int WriteMacroData(std::span<const uint8_t> image);              // 0x15
    int WriteShootData(std::span<const uint8_t> image);              // 0x17, without commandLock
    int ReadSmallBlock(std::span<uint8_t> out, uint16_t offset);     // 0x1A, one frame, <= 56
    int ReadKeyExtraBlock(std::span<uint8_t> out);                   // 0x1B, dataLength / 3 bytes
    // 0xAA: true only when the answer came, its status is not an error and byte 8 is 0xFF.
    bool QueryLink();

private:
    // Counts the threads inside an operation so the destructor can wait for them.
    class CallGuard {
    public:
        explicit CallGuard(CDeviceProtocol& owner);
        ~CallGuard();
        CallGuard(const CallGuard&) = delete;
        CallGuard& operator=(const CallGuard&) = delete;

    private:
        CDeviceProtocol& owner_;
    };

    int TransferChunks(uint8_t command, const uint8_t* source, uint8_t* destination, size_t length,
                       uint16_t start, bool takeCommandLock);
    int SingleFrame(uint8_t command, uint8_t length, uint16_t offset, Frame& answer);
    int RunChunk(const Frame& request, Frame& answer, bool takeCommandLock);
    void DropStaleAnswers();
    // After a request went unanswered the channel is out of step: the device may still
    // answer it, and nothing in an answer tells two identical requests apart. The device
    // answers in order, so one marker request (a read of the information block, whose
    // answer nothing else sends) and everything read up to its answer drain what is owed.
    // True when the marker's answer came; the channel is in step again. Under ioLock.
    bool CatchUp(int timeoutMs);
    // Reads the answer of request within timeoutMs, skipping stale answers (see Transact).
    int ReadAnswer(const Frame& request, Frame& reply, int timeoutMs, size_t& transferred);

    // Set when a request's answer did not come in time; cleared once CatchUp succeeds.
    bool outOfStep_ = false;

    std::mutex callsLock_;
    std::condition_variable callsDone_;
    int callsInside_ = 0;
};
