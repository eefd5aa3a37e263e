#include "hid/report_fields.h"

#include <algorithm>

bool FieldHasUsages(const HidField& field) {
    return !field.usages.empty() || field.usageMin != 0 || field.usageMax != 0;
}

uint32_t FieldUsageCount(const HidField& field) {
    if (!field.usages.empty()) return static_cast<uint32_t>(field.usages.size());
    if (!FieldHasUsages(field)) return 0;
    return static_cast<uint32_t>(field.usageMax) - field.usageMin + 1;
}

uint16_t FieldUsageAt(const HidField& field, uint32_t index) {
    if (!field.usages.empty()) return field.usages[index];
    return static_cast<uint16_t>(field.usageMin + index);
}

int64_t FieldUsageIndex(const HidField& field, uint16_t usage) {
    if (!field.usages.empty()) {
        const auto it = std::find(field.usages.begin(), field.usages.end(), usage);
        return it == field.usages.end() ? -1 : it - field.usages.begin();
    }
    if (!FieldHasUsages(field) || usage < field.usageMin || usage > field.usageMax) return -1;
    return usage - field.usageMin;
}

bool FieldIsButton(const HidField& field) {
    return field.isArray || field.reportSize == 1;
}

namespace {

std::vector<HidCapability>* CapabilityList(HidTopCollection& collection, HidReportType type, bool button) {
    switch (type) {
    case HidReportType::Input:
        return button ? &collection.inputButtonCaps : &collection.inputValueCaps;
    case HidReportType::Output:
        return button ? &collection.outputButtonCaps : &collection.outputValueCaps;
    case HidReportType::Feature:
        return button ? &collection.featureButtonCaps : &collection.featureValueCaps;
    }
    return nullptr;
}

}  // namespace

void BuildCapabilities(HidTopCollection& collection) {
    for (const HidField& field : collection.fields) {
        if (!FieldHasUsages(field)) continue;
        const bool button = FieldIsButton(field);
        std::vector<HidCapability>* list = CapabilityList(collection, field.type, button);
        HidCapability capability;
        capability.isButton = button;
        capability.reportId = field.reportId;
        capability.usagePage = field.usagePage;
        if (field.usages.empty()) {
            // A usage range stays one capability.
            capability.isRange = field.usageMin != field.usageMax;
            capability.usageMin = field.usageMin;
            capability.usageMax = field.usageMax;
            list->push_back(capability);
            continue;
        }
        // Usages given one by one get a capability each.
        for (uint16_t usage : field.usages) {
            capability.usageMin = capability.usageMax = usage;
            list->push_back(capability);
        }
    }
    HidCaps& caps = collection.caps;
    caps.numberInputButtonCaps = static_cast<uint16_t>(collection.inputButtonCaps.size());
    caps.numberInputValueCaps = static_cast<uint16_t>(collection.inputValueCaps.size());
    caps.numberOutputButtonCaps = static_cast<uint16_t>(collection.outputButtonCaps.size());
    caps.numberOutputValueCaps = static_cast<uint16_t>(collection.outputValueCaps.size());
    caps.numberFeatureButtonCaps = static_cast<uint16_t>(collection.featureButtonCaps.size());
    caps.numberFeatureValueCaps = static_cast<uint16_t>(collection.featureValueCaps.size());
}

bool ReadReportBits(const uint8_t* data, size_t length, uint64_t bitOffset, uint32_t bitCount,
                    uint32_t& value) {
    value = 0;
    if (bitCount > 32 || bitOffset + bitCount > static_cast<uint64_t>(length) * 8) return false;
    for (uint32_t i = 0; i < bitCount; ++i) {
        const uint64_t bit = bitOffset + i;
        if ((data[bit / 8] >> (bit % 8)) & 1u) value |= 1u << i;
    }
    return true;
}

int64_t FieldElementValue(const HidField& field, uint32_t raw) {
    const uint32_t bits = std::min<uint32_t>(field.reportSize, 32);
    if (field.logicalMin >= 0 || bits == 0 || bits >= 32)
        return field.logicalMin < 0 ? static_cast<int32_t>(raw) : static_cast<int64_t>(raw);
    const uint32_t signBit = 1u << (bits - 1);
    if (raw & signBit) return static_cast<int64_t>(raw) - (static_cast<int64_t>(1) << bits);
    return raw;
}
