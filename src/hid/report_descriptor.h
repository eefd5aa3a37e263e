#pragma once
// Our own HID report descriptor parser. It gives, per top-level collection, the usage
// page and usage, the report byte lengths (counting the report id byte when the
// collection uses report ids: report id 4 with 63 data bytes is 64), the button and value
// capabilities; report_items.h builds the report items and fills them from input reports.
#include <cstdint>
#include <vector>

struct HidCaps {
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    uint16_t numberInputButtonCaps = 0, numberInputValueCaps = 0;
    uint16_t numberOutputButtonCaps = 0, numberOutputValueCaps = 0;
    uint16_t numberFeatureButtonCaps = 0, numberFeatureValueCaps = 0;
};

enum class HidReportType { Input, Output, Feature };

// One main item's field as the parser found it (enough to locate its bits in a report).
struct HidField {
    HidReportType type = HidReportType::Input;
    uint8_t reportId = 0;
    uint32_t bitOffset = 0;   // from the first data bit (after the report id byte)
    uint32_t reportSize = 0;  // bits per element
    uint32_t reportCount = 0;
    bool isArray = false;  // array (selector) item rather than variable
    bool isConstant = false;
    uint16_t usagePage = 0;
    uint16_t usageMin = 0, usageMax = 0;  // range of usages (equal for one usage)
    std::vector<uint16_t> usages;         // explicit usage list when given one by one
    int32_t logicalMin = 0, logicalMax = 0;
    int32_t physicalMin = 0, physicalMax = 0;
};

// Capability as the callers see it: a button capability (1-bit variable fields and array
// items) or a value capability.
struct HidCapability {
    bool isButton = false;
    uint8_t reportId = 0;
    uint16_t usagePage = 0;
    bool isRange = false;
    uint16_t usageMin = 0, usageMax = 0;  // equal when not a range
};

struct HidTopCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    bool usesReportIds = false;
    std::vector<uint8_t> reportIds;  // ids of every report of the collection
    HidCaps caps;
    std::vector<HidField> fields;
    std::vector<HidCapability> inputButtonCaps, inputValueCaps;
    std::vector<HidCapability> outputButtonCaps, outputValueCaps;
    std::vector<HidCapability> featureButtonCaps, featureValueCaps;
};

// Top-level collections in descriptor order; empty on a malformed descriptor.
std::vector<HidTopCollection> ParseReportDescriptor(const std::vector<uint8_t>& descriptor);

// One report item filled by UnpackInputReport.
struct HidDataItem {
    bool isButtonData = false;
    uint16_t usagePage = 0;
    uint32_t status = 0;  // 0 success
    uint32_t reportId = 0;
    bool isDataSet = false;
    // button items
    uint32_t usageMin = 0, usageMax = 0, maxUsageListLength = 0;
    std::vector<uint16_t> usageList;  // pressed usages first, then 0
    // value items
    uint16_t usage = 0;
    uint32_t value = 0;
    int32_t scaledValue = 0;
};
