#pragma once
// The firmware both the lighted mouse pad and the headset run on their HID side: one
// interface with the four collections of simdesc::DeviceControls (col03 consumer control,
// col04 commands). Command frames as in sim_command_device.h; the device answers:
//   1/2 begin/end configuration   3 read information block (byte 0 the device class)
//   5/6 read/write settings memory: byte 0 the active slot (0-3), 25-byte lighting blocks
//       at slot x 25 (the host writes its 21-byte record at offset 0)
//   18 light frame (accepted, ignored)   26 read power record (6 bytes: battery, power
//   state, 0, 0, owner byte, phone lying on the charger)
// Anything else, or a chunk past the addressed memory, is refused with 0xFF. On its
// consumer-control collection the device sends the resynchronisation request (0x0401).
#include <array>
#include <cstdint>
#include <vector>

#include "sim/sim_command_device.h"

class SimLightingDevice : public SimCommandDevice {
public:
    static constexpr size_t kInfoBlockSize = 34;
    static constexpr size_t kBlockSize = 25;
    static constexpr size_t kSlotCount = 4;
    static constexpr size_t kSettingsMemorySize = 128;
    static constexpr size_t kPowerRecordSize = 6;
    // A slot's factory lighting: mode, brightness, device speed byte, direction, colourful,
    // R, G, B, then a further byte that only the device interprets.
    using FactorySlot = std::array<uint8_t, 9>;
    using PowerRecordBytes = std::array<uint8_t, kPowerRecordSize>;

    std::vector<int> InterfaceNumbers() const override { return {commandInterface_}; }
    std::vector<uint8_t> ReportDescriptor(int interfaceNumber) const override;

    std::array<uint8_t, kInfoBlockSize> InfoBlock() const;
    std::vector<uint8_t> SettingsMemory() const;                              // byte 0 = active slot
    void SetSettingsBytes(size_t offset, const std::vector<uint8_t>& bytes);  // clipped to memory
    PowerRecordBytes PowerRecord() const;
    void SetPowerRecord(const PowerRecordBytes& record);

protected:
    // Slot 0 active, the factory slots in their blocks.
    SimLightingDevice(int commandInterface, uint8_t deviceClass,
                      const std::array<FactorySlot, kSlotCount>& factorySlots, const PowerRecordBytes& power);

    uint8_t Execute(const uint8_t* frame, uint8_t* answer) override;
    std::vector<SimStatePart> StateParts() override;

private:
    const int commandInterface_;
    std::array<uint8_t, kInfoBlockSize> info_{};
    std::vector<uint8_t> settings_;
    PowerRecordBytes power_{};
};
