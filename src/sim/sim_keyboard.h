#pragma once
// Firmware simulator of the 126-key keyboard.
//
// Interface 0 is a boot keyboard; interface 1 carries the four collections of
// simdesc::DeviceControls (col03 consumer control, col04 commands). Command frames as in
// sim_command_device.h; the keyboard answers:
//   1 begin configuration        2 end configuration: a macro image that arrived since is
//                                  checked and applied here (as the mouse does)
//   3 read information block (byte 5 number of keys N, byte 6 macro memory in 128-byte units)
//   5/6 read/write settings memory: byte 0 the active slot (0-3), 25-byte blocks at slot x 25
//   7/9 read/write key table (N x 3 bytes, one key code per device key)
//   18 light frame: the per-key colours of the custom colour mode, 3 bytes (red, green,
//      blue) per light position, N x 3 bytes; kept until the next frame
//   21 write macro image chunk   26 read power record
//   27 read key light positions (one byte per device key)
// Anything else, or a chunk past the addressed memory, is refused with 0xFF.
//
// On its consumer-control collection the keyboard sends the resynchronisation request
// (usage 0x0401) and key events: 0x0500 + key when device key `key` goes down, 0x0600 + key
// when it comes up.
#include <array>
#include <cstdint>
#include <string>
#include <vector>
#include "sim/sim_command_device.h"

struct SimKeyboardModel {
    std::string name = "keyboard";
    // The shipped keyboard rows carry no ids; the simulator brings a row with these
    // (sim_devices.h, SimulatedDeviceRowsJson).
    uint16_t vendorId = kSimVendorId;
    uint16_t productId = kSimKeyboardProductId;
    uint8_t macroMemoryUnits = 32;
    // Factory key table, 3 bytes per device key; its size gives N.
    std::vector<uint8_t> factoryKeys;

    // 122 keys in the keyboard's own matrix order: every lit key but the right GUI key, one
    // unused key (20 00 00) and a sixth side key (D0 A2 06) that has no LED.
    static SimKeyboardModel Keyboard();
};

class SimKeyboard : public SimCommandDevice {
public:
    static constexpr int kBootInterface = 0;
    static constexpr int kCommandInterface = 1;
    static constexpr size_t kInfoBlockSize = 34;
    static constexpr size_t kBlockSize = 25;
    static constexpr size_t kSlotCount = 4;
    static constexpr size_t kSettingsMemorySize = 128;
    static constexpr size_t kPowerRecordSize = 6;
    static constexpr uint16_t kKeyDownUsage = 0x0500;
    static constexpr uint16_t kKeyUpUsage = 0x0600;

    explicit SimKeyboard(SimKeyboardModel model = SimKeyboardModel::Keyboard());

    std::string Name() const override { return model_.name; }
    uint16_t VendorId() const override { return model_.vendorId; }
    uint16_t ProductId() const override { return model_.productId; }
    std::vector<int> InterfaceNumbers() const override { return {kBootInterface, kCommandInterface}; }
    std::vector<uint8_t> ReportDescriptor(int interfaceNumber) const override;

    // Key events on the consumer-control collection (each followed by a release report).
    void PressKey(uint8_t deviceKey);
    void ReleaseKey(uint8_t deviceKey);

    // Firmware state.
    std::array<uint8_t, kInfoBlockSize> InfoBlock() const;
    std::vector<uint8_t> SettingsMemory() const;  // byte 0 = active slot
    std::vector<uint8_t> ActiveBlock() const;     // the 25 bytes of the active slot
    void SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes);  // clipped to memory
    std::vector<uint8_t> KeyTable() const;                                    // N x 3 bytes
    void SetKeyTable(const std::vector<uint8_t>& table);  // N follows the table's size (at most 512 bytes)
    std::vector<uint8_t> KeyLightPositions() const;       // N bytes
    std::vector<uint8_t> MacroImage() const;              // last accepted image (empty: none)
    std::vector<uint8_t> LightFrame() const;              // N x 3 bytes, black until a frame came
    std::array<uint8_t, kPowerRecordSize> PowerRecord() const;
    void SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record);
    const SimKeyboardModel& Model() const { return model_; }

protected:
    uint8_t Execute(const uint8_t* frame, uint8_t* answer) override;
    std::vector<SimStatePart> StateParts() override;

private:
    void TakeKeyTable(std::vector<uint8_t> table);  // lock held

    const SimKeyboardModel model_;
    std::array<uint8_t, kInfoBlockSize> info_{};
    std::vector<uint8_t> settings_;
    std::vector<uint8_t> keyTable_;
    std::vector<uint8_t> lightPositions_;
    std::vector<uint8_t> lightFrame_;
    std::vector<uint8_t> macroImage_;
    Staging macroStaging_;
    std::array<uint8_t, kPowerRecordSize> power_{};
};
