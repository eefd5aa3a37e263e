#include "sim/sim_mouse_factory.h"

#include "sim/sim_mouse_layout.h"

using namespace simlayout;

namespace {

void PutU16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

// Factory key slots, 3 bytes each. The ten logical buttons sit in an order of the
// model's own, between slots that carry other assignments (wheel, keys, media, none).
const std::vector<uint8_t> kMouseKeys = {
    0x10, 0x04, 0x00,  // middle button
    0x10, 0x01, 0x00,  // left button
    0x10, 0x02, 0x00,  // right button
    0x12, 0x01, 0x00,  // wheel up
    0x10, 0x08, 0x00,  // back
    0x10, 0x10, 0x00,  // forward
    0x13, 0x03, 0x00,  // DPI cycle
    0x13, 0x01, 0x00,  // DPI up
    0x13, 0x02, 0x00,  // DPI down
    0x12, 0xFF, 0x00,  // wheel down
    0x16, 0x90, 0x01,  // lighting key
    0xA0, 0x1B, 0x00,  // profile key
    0x00, 0x00, 0x00,  // unused
    0x20, 0x00, 0x04,  // keyboard key
    0x30, 0xE9, 0x00,  // media: volume up
    0x00, 0x00, 0x00,  // unused
};

const std::vector<uint8_t> kMouse3389Keys = {
    0x10, 0x01, 0x00,  // left button
    0x10, 0x02, 0x00,  // right button
    0x13, 0x01, 0x00,  // DPI up
    0x10, 0x04, 0x00,  // middle button
    0x12, 0x01, 0x00,  // wheel up
    0x12, 0xFF, 0x00,  // wheel down
    0x10, 0x10, 0x00,  // forward
    0x10, 0x08, 0x00,  // back
    0xA0, 0x1B, 0x00,  // profile key
    0x13, 0x02, 0x00,  // DPI down
    0x13, 0x03, 0x00,  // DPI cycle
    0x16, 0x90, 0x01,  // lighting key
    0x40, 0x01, 0x00,  // system function
    0x00, 0x00, 0x00,  // unused
};

}  // namespace

SimMouseModel SimMouseModel::Mouse() {
    SimMouseModel model;
    model.name = "mouse";
    model.vendorId = 0x320F;
    model.productId = 0x2002;
    model.sensor = 0x3327;
    model.largestSliderPosition = 120;  // 12000 DPI at position 118 with step 50
    model.macroMemoryUnits = 16;
    model.factoryKeys = kMouseKeys;
    return model;
}

SimMouseModel SimMouseModel::Mouse3389() {
    SimMouseModel model;
    model.name = "mouse3389";
    model.vendorId = 0x320F;
    model.productId = 0x21FD;
    model.sensor = 0x3389;
    model.largestSliderPosition = 318;  // 16000 DPI with step 50 from 100
    model.macroMemoryUnits = 32;
    model.factoryKeys = kMouse3389Keys;
    return model;
}

SimMouseModel SimMouseModel::MouseWireless() {
    SimMouseModel model = Mouse();
    model.name = "mousewl";
    model.productId = kSimWirelessMouseProductId;
    model.wireless = true;
    return model;
}

std::array<uint8_t, SimMouse::kInfoBlockSize> FactoryInfoBlock(const SimMouseModel& model) {
    std::array<uint8_t, SimMouse::kInfoBlockSize> info{};
    info[kInfoDeviceClass] = kDeviceClassMouse;
    PutU16(&info[kInfoFirmware], kFirmwareVersion);
    info[kInfoKeySlots] = static_cast<uint8_t>(model.factoryKeys.size() / 3);
    info[kInfoMacroUnits] = model.macroMemoryUnits;
    PutU16(&info[kInfoSensor], model.sensor);
    info[kInfoDpiStep] = kDpiStep;
    PutU16(&info[kInfoLargestSlider], model.largestSliderPosition);
    PutU16(&info[kInfoSmallestDpi], kSmallestDpi);
    PutU16(&info[kInfoBuild], kFirmwareBuild);
    return info;
}

std::vector<uint8_t> FactorySettings(const SimMouseModel& model) {
    static const uint16_t k3327Stages[kStageCount] = {8, 16, 32, 60, 70, 90, 118};
    static const uint16_t k3389Stages[kStageCount] = {8, 16, 30, 60, 100, 200, 318};
    static const uint8_t kStageColours[kStageCount][3] = {
        {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}, {0xFF, 0xFF, 0x00},
        {0x00, 0xFF, 0xFF}, {0xFF, 0x00, 0xFF}, {0xFF, 0xFF, 0xFF},
    };
    static const uint8_t kLightModes[SimMouse::kRecordCount] = {2, 0, 5, 7};
    const uint16_t* stages = model.sensor == 0x3389 ? k3389Stages : k3327Stages;

    std::vector<uint8_t> memory(SimMouse::kSettingsMemorySize, 0);
    for (size_t r = 0; r < SimMouse::kRecordCount; ++r) {
        uint8_t* record = &memory[r * SimMouse::kRecordSize];
        record[kRecLightMode] = kLightModes[r];
        record[kRecBrightness] = 3;
        record[kRecSpeed] = 2;  // speed level 2 read either way
        record[kRecColourful] = r == 0 ? 1 : 0;
        record[kRecColour + 0] = static_cast<uint8_t>(0x40 * r);
        record[kRecColour + 1] = 0x80;
        record[kRecColour + 2] = 0xFF;
        record[kRecPollingRate] = 3;
        for (size_t s = 0; s < 4; ++s) PutU16(&record[kRecStagesLow + 2 * s], stages[s]);
        for (size_t s = 4; s < kStageCount; ++s) PutU16(&record[kRecStagesHigh + 2 * (s - 4)], stages[s]);
        record[kRecActiveStage] = 1;
        for (size_t s = 0; s < kStageCount; ++s)
            for (size_t c = 0; c < 3; ++c) record[kRecStageColours + 3 * s + c] = kStageColours[s][c];
    }
    memory[kRecActiveIndex] = 0;
    return memory;
}

std::array<uint8_t, SimMouse::kPowerRecordSize> FactoryPowerRecord(const SimMouseModel& model) {
    std::array<uint8_t, SimMouse::kPowerRecordSize> power{};
    power[kPowerBattery] = model.wireless ? 85 : 100;
    power[kPowerState] = model.wireless ? 0 : 1;
    power[kPowerWireless] = model.wireless ? 1 : 0;
    return power;
}
