#pragma once
// Firmware simulator of the two mouse models (and the wireless variant of the first).
//
// Interface 0 is a boot mouse (buttons, X, Y, wheel; no report ids). Interface 1 has four
// top-level collections, in this order:
//   col01  keyboard (usage page 0x01, usage 0x06), report id 1: 8-byte key report in,
//          LED report out
//   col02  system control (usage page 0x01, usage 0x80), report id 2
//   col03  consumer control (usage page 0x0C, usage 0x01), report id 3: one 16-bit usage,
//          0..0x0FFF; usage 0x0401 asks the host to read the settings again
//   col04  command collection (usage page 0xFF1C, usage 0x0092), report id 4: 63 data
//          bytes in and out (64-byte reports with the id)
//
// Command frames (report id 4, 64 bytes, multi-byte fields little-endian):
//   0 report id 4 | 1-2 sum of bytes 3-63 | 3 command | 4 chunk length | 5-6 chunk offset |
//   7 status (answers: 0 ok, 0xFF refused, 0xFE failed) | 8-63 payload (at most 56 bytes)
// Every command frame is answered with one frame: the command echoed, length and offset
// echoed, a status byte and, for reads, the requested bytes. A frame whose checksum is
// wrong, whose chunk is longer than 56 bytes or reaches past the addressed memory, or
// whose command is unknown, is answered with status 0xFF and changes nothing.
//   1 begin configuration        2 end configuration: the macro and shoot-data images
//                                  that arrived since are checked and applied here
//   3 read information block     5/6 read/write settings memory (byte-addressed)
//   7/9 read/write key block     21 write macro image chunk    23 write shoot image chunk
//   18 light frame (accepted, ignored: the mouse lights from its settings record)
//   26 read power record         27 read per-slot extra block (one byte per key slot)
//   0xAA link state: payload byte 0 (frame byte 8) is 0xFF while the link is up
// While the link is down every command but 0xAA is answered with status 0xFE.
//
// Images (commands 21 and 23) are collected chunk by chunk, in order from offset 0, and
// checked on end configuration: magic AA 55, total length equal to the bytes received,
// entry offsets consecutive from 16 + 2N, each entry = count, 2 zero bytes, count events
// of 4 bytes, the last ending at the total; the image must fit its memory (macro memory:
// information byte 6 x 128 bytes). A refused image answers end configuration with 0xFF
// and the image held before stays.
//
// Thread safe: frames may arrive from several threads; answers are sent on the writer's
// thread or, with an answer delay, on the bus's delivery thread.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "sim/sim_bus.h"

// One output report as the device received it.
struct SimFrame {
    int interfaceNumber = 0;
    std::vector<uint8_t> bytes;  // as written, report id first
};

// What tells the models apart.
struct SimMouseModel {
    std::string name;                  // "mouse", "mouse3389", "mousewl"
    uint16_t vendorId = 0x320F;
    uint16_t productId = 0x2002;
    uint16_t sensor = 0x3327;
    uint16_t largestSliderPosition = 120;
    uint8_t macroMemoryUnits = 16;     // information byte 6: macro memory in 128-byte units
    bool wireless = false;
    // Factory key block, 3 bytes per key slot; its size gives the key slot count.
    std::vector<uint8_t> factoryKeys;

    static SimMouseModel Mouse();        // 0x320F:0x2002, sensor 0x3327
    static SimMouseModel Mouse3389();    // 0x320F:0x21FD, sensor 0x3389
    static SimMouseModel MouseWireless();// "mousewl": Mouse() on a wireless link
};

class SimMouse : public ISimDevice, public std::enable_shared_from_this<SimMouse> {
public:
    static constexpr int kBootInterface = 0;
    static constexpr int kCommandInterface = 1;
    static constexpr size_t kInfoBlockSize = 34;
    static constexpr size_t kRecordSize = 128;
    static constexpr size_t kRecordCount = 4;
    static constexpr size_t kSettingsMemorySize = kRecordSize * kRecordCount;
    static constexpr size_t kPowerRecordSize = 6;
    static constexpr size_t kShootMemorySize = 4096;
    static constexpr uint8_t kStatusOk = 0x00;
    static constexpr uint8_t kStatusRefused = 0xFF;
    static constexpr uint8_t kStatusFailed = 0xFE;

    explicit SimMouse(SimMouseModel model);

    // ISimDevice
    std::string Name() const override;
    uint16_t VendorId() const override;
    uint16_t ProductId() const override;
    std::vector<int> InterfaceNumbers() const override;
    std::vector<uint8_t> ReportDescriptor(int interfaceNumber) const override;
    bool OnOutputReport(int interfaceNumber, const uint8_t* data, size_t length) override;

    // Bus attachment. Plug returns the bus id (the same id when already plugged).
    int Plug();
    void Unplug();
    int BusId() const;  // -1 while not plugged

    // Input reports the device sends by itself: the consumer-control report with usage
    // 0x0401 on col03 (the host reads the settings again), followed by the release
    // report (usage 0), as a key of the consumer page does.
    void RequestResync();

    // Fault injection.
    void SetAnswerDelay(int ms);                 // answers arrive ms later (0: at once)
    void FailFrame(int n, uint8_t status);       // n-th command frame from now (0-based):
                                                 // answered with status, not applied
    // The next `count` answer reports carry a wrong command byte: they go out ahead of the
    // proper answer of the next command frame, as stale answers the host must read past.
    void SetWrongEcho(int count);
    void SetSilent(bool silent);                 // frames are logged but not answered or applied

    // Every frame received on every interface, oldest first.
    std::vector<SimFrame> Frames() const;
    // The command frames only (report id 4 on the command interface), bytes as written.
    std::vector<std::vector<uint8_t>> CommandFrames() const;
    void ClearFrames();

    // Firmware state.
    std::array<uint8_t, kInfoBlockSize> InfoBlock() const;
    std::vector<uint8_t> SettingsMemory() const;          // all records, byte 0 = active index
    std::vector<uint8_t> ActiveRecord() const;            // the 128 bytes of the active record
    void SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes);  // clipped to memory
    std::vector<uint8_t> KeyBlock() const;                // key slots x 3 bytes
    void SetKeyBlock(const std::vector<uint8_t>& block);  // resized to key slots x 3
    std::vector<uint8_t> KeyExtraBlock() const;           // one byte per key slot
    std::vector<uint8_t> MacroImage() const;              // last accepted image (empty: none)
    std::vector<uint8_t> ShootImage() const;
    std::array<uint8_t, kPowerRecordSize> PowerRecord() const;
    void SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record);
    bool LinkUp() const;
    void SetLinkUp(bool up);
    bool InConfig() const;                     // between begin and end configuration
    std::string LastRefusal() const;           // why the last frame or image was refused
    const SimMouseModel& Model() const { return model_; }

private:
    struct Staging {                           // an image arriving chunk by chunk
        std::vector<uint8_t> bytes;
        bool active = false;
        bool broken = false;
    };

    std::vector<std::vector<uint8_t>> HandleCommand(const uint8_t* frame);  // lock held
    uint8_t Execute(const uint8_t* frame, uint8_t* answer);                 // lock held
    uint8_t ReadBytes(const uint8_t* memory, size_t size, const uint8_t* frame, uint8_t* answer);
    uint8_t WriteBytes(std::vector<uint8_t>& memory, const uint8_t* frame);
    uint8_t WriteSettings(const uint8_t* frame);
    uint8_t StageImageChunk(Staging& staging, size_t capacity, const uint8_t* frame);
    uint8_t CommitImages();
    uint8_t Refuse(std::string why);

    const SimMouseModel model_;
    mutable std::mutex lock_;
    std::array<uint8_t, kInfoBlockSize> info_{};
    std::vector<uint8_t> settings_;
    std::vector<uint8_t> keyBlock_;
    std::vector<uint8_t> keyExtra_;
    std::vector<uint8_t> macroImage_, shootImage_;
    Staging macroStaging_, shootStaging_;
    std::array<uint8_t, kPowerRecordSize> power_{};
    bool linkUp_ = true;
    bool inConfig_ = false;
    std::string lastRefusal_;

    std::vector<SimFrame> frames_;
    uint64_t commandFrameCount_ = 0;
    std::map<uint64_t, uint8_t> failAt_;       // command frame number -> status
    int answerDelayMs_ = 0;
    int wrongEchoes_ = 0;
    bool silent_ = false;
};
