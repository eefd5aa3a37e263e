#pragma once
// Helpers over the fields the descriptor parser found: which usages a field names, how its
// capabilities look, and reading its bits out of a report.
#include <cstddef>
#include <cstdint>
#include "hid/report_descriptor.h"

// False for padding and other fields that name no usage.
bool FieldHasUsages(const HidField& field);
// Number of usages the field names (a range counts each usage of the range).
uint32_t FieldUsageCount(const HidField& field);
// The usage at index (< FieldUsageCount) in declaration order.
uint16_t FieldUsageAt(const HidField& field, uint32_t index);
// Index of usage in the field's usages, or -1 when the field does not name it.
int64_t FieldUsageIndex(const HidField& field, uint16_t usage);
// Button fields report usages (arrays and one-bit variables); the others report values.
bool FieldIsButton(const HidField& field);

// Fills the button and value capability lists and their counts in collection.caps.
void BuildCapabilities(HidTopCollection& collection);

// Reads bitCount (at most 32) bits starting at bitOffset of data, least significant bit
// first. False when they do not all lie inside the length bytes of data.
bool ReadReportBits(const uint8_t* data, size_t length, uint64_t bitOffset, uint32_t bitCount,
                    uint32_t& value);
// The element read as a signed number when the field's logical minimum is negative.
int64_t FieldElementValue(const HidField& field, uint32_t raw);
