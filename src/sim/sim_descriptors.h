#pragma once
// Report descriptors of the simulated devices.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace simdesc {

// Report ids of the second interface.
constexpr uint8_t kKeyboardReportId = 1;
constexpr uint8_t kSystemReportId = 2;
constexpr uint8_t kConsumerReportId = 3;
constexpr uint8_t kCommandReportId = 4;
constexpr size_t kKeyboardOutputSize = 2;  // id + LED bits

// Boot mouse: 5 buttons, X, Y and wheel (-127..127), no report ids.
const std::vector<uint8_t>& BootMouse();
// Boot keyboard: 8 modifier bits, a reserved byte, 6 key usages; 5 LED bits out; no report ids.
const std::vector<uint8_t>& BootKeyboard();
// The second interface of every kind: keyboard (id 1), system control (id 2), consumer
// control (id 3, one usage 0..0x0FFF), command collection 0xFF1C/0x0092 (id 4, 63 bytes in
// and out), in this order, so col03 and col04 are the collections the device table names.
const std::vector<uint8_t>& DeviceControls();

}  // namespace simdesc
