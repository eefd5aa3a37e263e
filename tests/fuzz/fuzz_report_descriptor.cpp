// The report descriptor parser and the report items built from what it accepts; the input
// is a descriptor length byte, the descriptor, and then an input report.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "hid/report_descriptor.h"
#include "hid/report_items.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Two length bytes (little-endian) say how much of the rest is the descriptor.
    size_t descriptorLength = size;
    if (size >= 2) {
        descriptorLength = data[0] | static_cast<size_t>(data[1]) << 8;
        data += 2;
        size -= 2;
    }
    if (descriptorLength > size) descriptorLength = size;
    const std::vector<uint8_t> descriptor(data, data + descriptorLength);
    const uint8_t* report = data + descriptorLength;
    const size_t reportLength = size - descriptorLength;
    for (const HidTopCollection& collection : ParseReportDescriptor(descriptor)) {
        for (HidReportType type : {HidReportType::Input, HidReportType::Output, HidReportType::Feature}) {
            std::vector<HidDataItem> items = BuildReportItems(collection, type);
            UnpackReportItems(collection, report, reportLength, items);
        }
    }
    return 0;
}
