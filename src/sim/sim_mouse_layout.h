#pragma once
// Where the mouse firmware keeps its values: the information block and the settings
// record. Offsets only; the simulator's own copy, independent of the host's encoders.
#include <cstddef>
#include <cstdint>

namespace simlayout {

// Information block (34 bytes).
constexpr size_t kInfoDeviceClass = 0;
constexpr size_t kInfoFirmware = 1;  // u16
constexpr size_t kInfoKeySlots = 5;
constexpr size_t kInfoMacroUnits = 6;  // macro memory in 128-byte units
constexpr size_t kInfoSensor = 9;      // u16
constexpr size_t kInfoDpiStep = 11;
constexpr size_t kInfoLargestSlider = 12;  // u16
constexpr size_t kInfoSmallestDpi = 14;    // u16
constexpr size_t kInfoBuild = 32;          // u16
constexpr uint8_t kDeviceClassMouse = 2;
constexpr uint16_t kFirmwareVersion = 0x0105;
constexpr uint16_t kFirmwareBuild = 0x0203;
constexpr uint8_t kDpiStep = 50;
constexpr uint16_t kSmallestDpi = 100;

// Settings record (128 bytes; the first 57 carry values).
constexpr size_t kRecActiveIndex = 0;  // in record 0 only: number of the active record
constexpr size_t kRecLightMode = 1;
constexpr size_t kRecBrightness = 2;
constexpr size_t kRecSpeed = 3;  // wired: 4 - speed level; wireless: the level
constexpr size_t kRecDirection = 4;
constexpr size_t kRecColourful = 5;
constexpr size_t kRecColour = 6;  // R, G, B
constexpr size_t kRecPollingRate = 14;
constexpr size_t kRecStagesLow = 15;  // stages 0-3, u16 each
constexpr size_t kRecActiveStage = 23;
constexpr size_t kRecStagesHigh = 24;    // stages 4-6, u16 each
constexpr size_t kRecStageColours = 31;  // 7 x R, G, B
constexpr size_t kRecAst = 54;
constexpr size_t kRecMsh = 55;
constexpr size_t kRecLogo = 56;
constexpr size_t kStageCount = 7;

// Power record (6 bytes).
constexpr size_t kPowerBattery = 0;
constexpr size_t kPowerState = 1;
constexpr size_t kPowerWireless = 2;

}  // namespace simlayout
