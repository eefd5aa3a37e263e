#pragma once
// The report items of an open collection: built from its capabilities (one item per button
// capability, then one value item per usage of every value capability) and filled from
// input reports.
#include <cstddef>
#include <cstdint>
#include <vector>
#include "hid/report_descriptor.h"

// Values of HidDataItem::status.
constexpr uint32_t kHidStatusSuccess = 0;
constexpr uint32_t kHidStatusNull = 1;                 // value outside its logical range
constexpr uint32_t kHidStatusBadLogicalRange = 2;      // logical maximum not above the minimum
constexpr uint32_t kHidStatusBufferTooSmall = 3;       // more usages on than the list holds
constexpr uint32_t kHidStatusInvalidReportLength = 4;  // the report ends before the value
constexpr uint32_t kHidStatusUsageNotFound = 5;        // no field of the report names the usage

// The most usages of usagePage (0: every page) that one report of the type can turn on.
uint32_t MaxUsageListLength(const HidTopCollection& collection, HidReportType type, uint16_t usagePage);

// Entries BuildReportItems would spell out for the type: one per usage of every value
// capability, and for every button capability a usage list of MaxUsageListLength entries.
uint64_t ReportItemSlots(const HidTopCollection& collection, HidReportType type);

// Button items first (usage list zeroed, as long as MaxUsageListLength), then value items.
std::vector<HidDataItem> BuildReportItems(const HidTopCollection& collection, HidReportType type);

// Fills the items whose report id equals report[0] (every item when the collection uses no
// report ids). A button item receives the usages of its page that are on in the report and
// lie in its usage range, in report order, followed by zeros. A value item receives the
// value (sign-extended when the logical minimum is negative) and the value scaled to the
// physical range. False as soon as a value item cannot be read; the items before it keep
// what they received.
bool UnpackReportItems(const HidTopCollection& collection, const uint8_t* report, size_t length,
                       std::vector<HidDataItem>& items);
