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
// Command frames as in sim_command_device.h; a chunk that reaches past the addressed
// memory, or an unknown command, is answered with status 0xFF and changes nothing.
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
#include <array>
#include <cstdint>
#include <string>
#include <vector>
#include "sim/sim_command_device.h"

// What tells the models apart.
struct SimMouseModel {
    std::string name;  // "mouse", "mouse3389", "mousewl"
    uint16_t vendorId = 0x320F;
    uint16_t productId = 0x2002;
    uint16_t sensor = 0x3327;
    uint16_t largestSliderPosition = 120;
    uint8_t macroMemoryUnits = 16;  // information byte 6: macro memory in 128-byte units
    bool wireless = false;
    // Factory key block, 3 bytes per key slot; its size gives the key slot count.
    std::vector<uint8_t> factoryKeys;

    static SimMouseModel Mouse();          // 0x320F:0x2002, sensor 0x3327
    static SimMouseModel Mouse3389();      // 0x320F:0x21FD, sensor 0x3389
    static SimMouseModel MouseWireless();  // "mousewl": Mouse() on a wireless link
};

class SimMouse : public SimCommandDevice {
public:
    static constexpr int kBootInterface = 0;
    static constexpr int kCommandInterface = 1;
    static constexpr size_t kInfoBlockSize = 34;
    static constexpr size_t kRecordSize = 128;
    static constexpr size_t kRecordCount = 4;
    static constexpr size_t kSettingsMemorySize = kRecordSize * kRecordCount;
    static constexpr size_t kPowerRecordSize = 6;
    static constexpr size_t kShootMemorySize = 4096;

    explicit SimMouse(SimMouseModel model);

    // ISimDevice
    std::string Name() const override;
    uint16_t VendorId() const override;
    uint16_t ProductId() const override;
    std::vector<int> InterfaceNumbers() const override;
    std::vector<uint8_t> ReportDescriptor(int interfaceNumber) const override;

    // Plug, fault injection, the frame log and RequestResync (usage 0x0401 on col03) come
    // from SimCommandDevice.

    // Firmware state.
    std::array<uint8_t, kInfoBlockSize> InfoBlock() const;
    std::vector<uint8_t> SettingsMemory() const;  // all records, byte 0 = active index
    std::vector<uint8_t> ActiveRecord() const;    // the 128 bytes of the active record
    void SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes);  // clipped to memory
    std::vector<uint8_t> KeyBlock() const;                                    // key slots x 3 bytes
    void SetKeyBlock(const std::vector<uint8_t>& block);                      // resized to key slots x 3
    std::vector<uint8_t> KeyExtraBlock() const;                               // one byte per key slot
    std::vector<uint8_t> MacroImage() const;  // last accepted image (empty: none)
    std::vector<uint8_t> ShootImage() const;
    std::array<uint8_t, kPowerRecordSize> PowerRecord() const;
    void SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record);
    bool LinkUp() const;
    void SetLinkUp(bool up);
    const SimMouseModel& Model() const { return model_; }

protected:
    uint8_t Execute(const uint8_t* frame, uint8_t* answer) override;  // lock held
    std::vector<SimStatePart> StateParts() override;

private:
    uint8_t WriteSettings(const uint8_t* frame);
    uint8_t CommitImages();

    const SimMouseModel model_;
    std::array<uint8_t, kInfoBlockSize> info_{};
    std::vector<uint8_t> settings_;
    std::vector<uint8_t> keyBlock_;
    std::vector<uint8_t> keyExtra_;
    std::vector<uint8_t> macroImage_, shootImage_;
    Staging macroStaging_, shootStaging_;
    std::array<uint8_t, kPowerRecordSize> power_{};
    bool linkUp_ = true;
};
