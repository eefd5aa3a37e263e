#pragma once
// Report descriptors of the simulated mice.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace simdesc {

// Report ids of the second interface.
constexpr uint8_t kKeyboardReportId = 1;
constexpr uint8_t kSystemReportId = 2;
constexpr uint8_t kConsumerReportId = 3;
constexpr uint8_t kCommandReportId = 4;
constexpr size_t kKeyboardOutputSize = 2;   // id + LED bits

// Boot mouse: 5 buttons, X, Y and wheel (-127..127), no report ids.
const std::vector<uint8_t>& BootMouse();
// Keyboard (id 1), system control (id 2), consumer control (id 3, one usage 0..0x0FFF),
// command collection 0xFF1C/0x0092 (id 4, 63 bytes in and out), in this order.
const std::vector<uint8_t>& MouseControls();

}  // namespace simdesc
