#pragma once
#include <cstdint>
// Ids of the simulated devices that no shipped device row names.
constexpr uint16_t kSimVendorId = 0x320F;
constexpr uint16_t kSimKeyboardProductId = 0x5021;
constexpr uint16_t kSimPadProductId = 0x5022;
constexpr uint16_t kSimHeadsetProductId = 0x5023;
constexpr uint16_t kSimWirelessMouseProductId = 0x2012;
// The machinery every simulated device with a command channel shares: the frame log, fault
// injection, the frame checks and answers, reads and writes of byte-addressed memories and
// images arriving chunk by chunk. A device kind supplies its descriptors and Execute, which
// carries out one checked command frame.
//
// Command frames are 64-byte output reports with report id 4 on the command interface:
//   0 report id 4 | 1-2 sum of bytes 3-63 | 3 command | 4 chunk length | 5-6 chunk offset |
//   7 status (answers: 0 ok, 0xFF refused, 0xFE failed) | 8-63 payload (at most 56 bytes)
// Every command frame is answered with one frame: the command, length and offset echoed, a
// status byte and, for reads, the requested bytes. A frame whose checksum is wrong or whose
// chunk is longer than 56 bytes is refused (0xFF) before Execute sees it.
//
// Thread safe: frames may arrive from several threads; answers are sent on the writer's
// thread or, with an answer delay, on the bus's delivery thread.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "sim/sim_bus.h"
#include "sim/sim_state_files.h"

// One output report as the device received it.
struct SimFrame {
    int interfaceNumber = 0;
    std::vector<uint8_t> bytes;  // as written, report id first
};

class SimCommandDevice : public ISimDevice, public std::enable_shared_from_this<SimCommandDevice> {
public:
    static constexpr uint8_t kStatusOk = 0x00;
    static constexpr uint8_t kStatusRefused = 0xFF;
    static constexpr uint8_t kStatusFailed = 0xFE;

    // The interface that carries the command collection (and the consumer-control one).
    explicit SimCommandDevice(int commandInterface) : commandInterface_(commandInterface) {}

    bool OnOutputReport(int interfaceNumber, const uint8_t* data, size_t length) override;

    // Bus attachment. Plug returns the bus id (the same id when already plugged).
    int Plug();
    void Unplug();
    int BusId() const;  // -1 while not plugged

    // Input reports the device sends by itself on the consumer-control collection: one
    // 16-bit usage, followed by the release report (usage 0), as a key of the consumer page.
    void SendConsumerUsage(uint16_t usage);
    // Usage 0x0401: the host reads the settings again.
    void RequestResync();

    // Fault injection.
    void SetAnswerDelay(int ms);            // answers arrive ms later (0: at once)
    void FailFrame(int n, uint8_t status);  // n-th command frame from now (0-based):
                                            // answered with status, not applied
    // The next `count` answer reports carry a wrong command byte: they go out ahead of the
    // proper answer of the next command frame, as stale answers the host must read past.
    void SetWrongEcho(int count);
    void SetSilent(bool silent);  // frames are logged but not answered or applied

    // The name its frames carry in the frame log (sim_frame_log.h); empty: not logged.
    void SetLogName(std::string name);

    // Every frame received on every interface, oldest first.
    std::vector<SimFrame> Frames() const;
    // The command frames only (report id 4 on the command interface), bytes as written.
    std::vector<std::vector<uint8_t>> CommandFrames() const;
    void ClearFrames();

    // Keeps the device's memory in `folder` (sim_state_files.h): read back before each
    // command frame and saved after a frame that changed it, under the folder's lock, so
    // several processes share one device. "" keeps the memory in this process only.
    void KeepStateIn(std::string folder);

    bool InConfig() const;            // between begin and end configuration
    std::string LastRefusal() const;  // why the last frame or image was refused

protected:
    struct Staging {  // an image arriving chunk by chunk
        std::vector<uint8_t> bytes;
        bool active = false;
        bool broken = false;
    };

    // Carries out a checked command frame (lock held): fills the answer's payload for reads
    // and returns the status byte.
    virtual uint8_t Execute(const uint8_t* frame, uint8_t* answer) = 0;

    // Helpers for Execute (lock held).
    uint8_t ReadBytes(const uint8_t* memory, size_t size, const uint8_t* frame, uint8_t* answer);
    uint8_t WriteBytes(std::vector<uint8_t>& memory, const uint8_t* frame);
    // A write into settings memory whose byte 0 selects the active slot: a chunk that would
    // select a slot at or above slotCount is refused.
    uint8_t WriteSlotMemory(std::vector<uint8_t>& memory, size_t slotCount, const uint8_t* frame);
    uint8_t StageImageChunk(Staging& staging, size_t capacity, const uint8_t* frame);
    // Checks a staged image on end configuration and moves it to `image` when sound.
    uint8_t CommitImage(const char* what, Staging& staging, std::vector<uint8_t>& image, size_t capacity);
    uint8_t Refuse(std::string why);
    // The memory regions that make up the device's lasting state (lock held).
    virtual std::vector<SimStatePart> StateParts() { return {}; }
    void SetInConfig(bool on) { inConfig_ = on; }

    mutable std::mutex lock_;
    std::string logName_;
    std::string lastRefusal_;

private:
    std::vector<std::vector<uint8_t>> HandleCommand(const uint8_t* frame);  // lock held
    // HandleCommand with the memory read from and saved to the state folder (lock held).
    std::vector<std::vector<uint8_t>> HandleKeptCommand(const uint8_t* frame);
    std::string stateFolder_;

    const int commandInterface_;
    bool inConfig_ = false;
    std::vector<SimFrame> frames_;
    uint64_t commandFrameCount_ = 0;
    std::map<uint64_t, uint8_t> failAt_;  // command frame number -> status
    int answerDelayMs_ = 0;
    int wrongEchoes_ = 0;
    bool silent_ = false;
};
