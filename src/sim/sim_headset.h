#pragma once
// Firmware simulator of the headset's HID side: its lighting settings and power record.
// The audio side is simulated by SimulatedAudioLibrary (devices/audio).
//
// One interface (3) with the four collections of simdesc::DeviceControls (col03 consumer
// control, col04 commands). Command frames as in sim_command_device.h; the headset answers:
//   1/2 begin/end configuration   3 read information block
//   5/6 read/write settings memory: byte 0 the active slot (0-3), 25-byte lighting blocks
//       at slot x 25 (the host writes its 21-byte record at offset 0)
//   18 light frame (accepted, ignored)   26 read power record (6 bytes: battery, power
//   state, 0, 0, owner byte, 0)
// Anything else, or a chunk past the addressed memory, is refused with 0xFF. On its
// consumer-control collection the headset sends the resynchronisation request (0x0401).
#include <array>
#include <cstdint>
#include <string>
#include <vector>
#include "sim/sim_command_device.h"

struct SimHeadsetModel {
    std::string name = "headset";
    // The shipped headset row carries no ids: the simulator brings its own row with these.
    uint16_t vendorId = kSimVendorId;
    uint16_t productId = kSimHeadsetProductId;

    static SimHeadsetModel Headset();
};

class SimHeadset : public SimCommandDevice {
public:
    static constexpr int kCommandInterface = 3;
    static constexpr size_t kInfoBlockSize = 34;
    static constexpr size_t kBlockSize = 25;
    static constexpr size_t kSlotCount = 4;
    static constexpr size_t kSettingsMemorySize = 128;
    static constexpr size_t kPowerRecordSize = 6;

    explicit SimHeadset(SimHeadsetModel model = SimHeadsetModel::Headset());

    std::string Name() const override { return model_.name; }
    uint16_t VendorId() const override { return model_.vendorId; }
    uint16_t ProductId() const override { return model_.productId; }
    std::vector<int> InterfaceNumbers() const override { return {kCommandInterface}; }
    std::vector<uint8_t> ReportDescriptor(int interfaceNumber) const override;

    std::vector<uint8_t> SettingsMemory() const;                              // byte 0 = active slot
    void SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes);  // clipped to memory
    std::array<uint8_t, kPowerRecordSize> PowerRecord() const;
    void SetPowerRecord(const std::array<uint8_t, kPowerRecordSize>& record);

protected:
    uint8_t Execute(const uint8_t* frame, uint8_t* answer) override;

private:
    const SimHeadsetModel model_;
    std::array<uint8_t, kInfoBlockSize> info_{};
    std::vector<uint8_t> settings_;
    std::array<uint8_t, kPowerRecordSize> power_{};
};
