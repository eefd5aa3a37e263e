#include "hid/report_items.h"

#include <algorithm>
#include <limits>

#include "hid/report_fields.h"

namespace {

const std::vector<HidCapability>& ButtonCaps(const HidTopCollection& collection, HidReportType type) {
    switch (type) {
    case HidReportType::Output:
        return collection.outputButtonCaps;
    case HidReportType::Feature:
        return collection.featureButtonCaps;
    default:
        return collection.inputButtonCaps;
    }
}

const std::vector<HidCapability>& ValueCaps(const HidTopCollection& collection, HidReportType type) {
    switch (type) {
    case HidReportType::Output:
        return collection.outputValueCaps;
    case HidReportType::Feature:
        return collection.featureValueCaps;
    default:
        return collection.inputValueCaps;
    }
}

bool FieldInReport(const HidField& field, uint8_t reportId) {
    return field.type == HidReportType::Input && field.reportId == reportId && FieldHasUsages(field);
}

// Usages of the page that are on in the report data, in field and element order.
void CollectUsages(const HidTopCollection& collection, uint8_t reportId, uint16_t usagePage,
                   const uint8_t* data, size_t length, std::vector<uint16_t>& on) {
    for (const HidField& field : collection.fields) {
        if (!FieldInReport(field, reportId) || !FieldIsButton(field) || field.usagePage != usagePage)
            continue;
        const uint32_t usageCount = FieldUsageCount(field);
        const uint32_t elementBits = std::min<uint32_t>(field.reportSize, 32);
        for (uint32_t element = 0; element < field.reportCount; ++element) {
            uint32_t raw = 0;
            const uint64_t offset = field.bitOffset + static_cast<uint64_t>(element) * field.reportSize;
            if (!ReadReportBits(data, length, offset, elementBits, raw))
                break;  // a short report: the rest of the field is absent
            if (!field.isArray) {
                // One bit per usage; surplus elements repeat the last usage.
                if (raw != 0) on.push_back(FieldUsageAt(field, std::min(element, usageCount - 1)));
                continue;
            }
            // An array element selects a usage by its index above the logical minimum.
            const int64_t value = FieldElementValue(field, raw);
            if (value < field.logicalMin || value > field.logicalMax) continue;
            const int64_t index = value - field.logicalMin;
            if (index >= usageCount) continue;
            const uint16_t usage = FieldUsageAt(field, static_cast<uint32_t>(index));
            if (usage != 0) on.push_back(usage);
        }
    }
}

void FillButtonItem(const HidTopCollection& collection, uint8_t reportId, const uint8_t* data, size_t length,
                    HidDataItem& item) {
    std::vector<uint16_t> on;
    CollectUsages(collection, reportId, item.usagePage, data, length, on);
    item.status = kHidStatusSuccess;
    if (on.size() > item.usageList.size()) {
        item.status = kHidStatusBufferTooSmall;
        on.resize(item.usageList.size());
    }
    size_t kept = 0;
    for (uint16_t usage : on) {
        if (usage >= item.usageMin && usage <= item.usageMax) item.usageList[kept++] = usage;
    }
    std::fill(item.usageList.begin() + static_cast<std::ptrdiff_t>(kept), item.usageList.end(), 0);
}

int32_t ScaleValue(const HidField& field, int64_t value, uint32_t& status) {
    status = kHidStatusSuccess;
    if (field.logicalMax <= field.logicalMin) {
        status = kHidStatusBadLogicalRange;
        return 0;
    }
    if (value < field.logicalMin || value > field.logicalMax) {
        status = kHidStatusNull;
        return 0;
    }
    int64_t physicalMin = field.physicalMin, physicalMax = field.physicalMax;
    if (physicalMin == 0 && physicalMax == 0) {
        // No physical extent given: the logical one stands for it.
        physicalMin = field.logicalMin;
        physicalMax = field.logicalMax;
    }
    // Both spans reach 2^32 with 32-bit extremes, so their product needs more than 64 bits.
    const __int128 product = static_cast<__int128>(value - field.logicalMin) * (physicalMax - physicalMin);
    const int64_t scaled =
        physicalMin + static_cast<int64_t>(product / (int64_t{field.logicalMax} - field.logicalMin));
    return static_cast<int32_t>(std::clamp<int64_t>(scaled, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

bool FillValueItem(const HidTopCollection& collection, uint8_t reportId, const uint8_t* data, size_t length,
                   HidDataItem& item) {
    for (const HidField& field : collection.fields) {
        if (!FieldInReport(field, reportId) || FieldIsButton(field) || field.usagePage != item.usagePage)
            continue;
        const int64_t index = FieldUsageIndex(field, item.usage);
        if (index < 0) continue;
        // A usage names its own element; a value array under one usage gives its first.
        const uint32_t element = std::min<uint32_t>(static_cast<uint32_t>(index), field.reportCount - 1);
        uint32_t raw = 0;
        const uint64_t offset = field.bitOffset + static_cast<uint64_t>(element) * field.reportSize;
        if (!ReadReportBits(data, length, offset, std::min<uint32_t>(field.reportSize, 32), raw)) {
            item.status = kHidStatusInvalidReportLength;
            return false;
        }
        const int64_t value = FieldElementValue(field, raw);
        item.value = static_cast<uint32_t>(value);
        item.scaledValue = ScaleValue(field, value, item.status);
        return true;
    }
    item.status = kHidStatusUsageNotFound;
    return false;
}

}  // namespace

uint32_t MaxUsageListLength(const HidTopCollection& collection, HidReportType type, uint16_t usagePage) {
    uint32_t total = 0;
    for (const HidField& field : collection.fields) {
        if (field.type != type || !FieldHasUsages(field) || !FieldIsButton(field)) continue;
        if (usagePage != 0 && field.usagePage != usagePage) continue;
        total += field.isArray ? field.reportCount : std::min(FieldUsageCount(field), field.reportCount);
    }
    return total;
}

uint64_t ReportItemSlots(const HidTopCollection& collection, HidReportType type) {
    uint64_t slots = 0;
    for (const HidCapability& capability : ButtonCaps(collection, type))
        slots += MaxUsageListLength(collection, type, capability.usagePage);
    for (const HidCapability& capability : ValueCaps(collection, type))
        slots += uint64_t{capability.usageMax} - capability.usageMin + 1;
    return slots;
}

std::vector<HidDataItem> BuildReportItems(const HidTopCollection& collection, HidReportType type) {
    std::vector<HidDataItem> items;
    for (const HidCapability& capability : ButtonCaps(collection, type)) {
        HidDataItem item;
        item.isButtonData = true;
        item.usagePage = capability.usagePage;
        item.reportId = capability.reportId;
        item.usageMin = capability.usageMin;
        item.usageMax = capability.usageMax;
        item.maxUsageListLength = MaxUsageListLength(collection, type, capability.usagePage);
        item.usageList.assign(item.maxUsageListLength, 0);
        items.push_back(std::move(item));
    }
    for (const HidCapability& capability : ValueCaps(collection, type)) {
        for (uint32_t usage = capability.usageMin; usage <= capability.usageMax; ++usage) {
            HidDataItem item;
            item.usagePage = capability.usagePage;
            item.reportId = capability.reportId;
            item.usage = static_cast<uint16_t>(usage);
            items.push_back(std::move(item));
        }
    }
    return items;
}

bool UnpackReportItems(const HidTopCollection& collection, const uint8_t* report, size_t length,
                       std::vector<HidDataItem>& items) {
    if (report == nullptr) length = 0;
    const uint8_t* data = report;
    size_t dataLength = length;
    uint8_t reportId = 0;
    if (collection.usesReportIds) {
        if (length == 0) return true;  // no report id: no item belongs to it
        reportId = report[0];
        data = report + 1;
        dataLength = length - 1;
    }
    for (HidDataItem& item : items) {
        if (item.reportId != reportId) continue;
        if (item.isButtonData) {
            FillButtonItem(collection, reportId, data, dataLength, item);
        } else if (!FillValueItem(collection, reportId, data, dataLength, item)) {
            return false;
        }
        item.isDataSet = true;
    }
    return true;
}
