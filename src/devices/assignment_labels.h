#pragma once
// A short label for a key assignment, as the key assignment list of a device page shows
// it: a language text id, and a literal suffix for the assignments that carry a number
// (macro 3, gun preset 2, a key usage). The page shows the id's text followed by the suffix.
#include <string>

#include "profiles/profile_records.h"

struct AssignmentLabel {
    std::string textId;
    std::string suffix;
    bool operator==(const AssignmentLabel&) const = default;
};

// Assignment codes of the key assignments.
namespace AssignmentType {
constexpr uint8_t kNone = 0x00;
constexpr uint8_t kMouseButton = 0x10;
constexpr uint8_t kHorizontalSwing = 0x11;
constexpr uint8_t kWheel = 0x12;
constexpr uint8_t kDpiAction = 0x13;
constexpr uint8_t kRapidFire = 0x14;
constexpr uint8_t kKeyboardKey = 0x20;
constexpr uint8_t kMediaKey = 0x30;
constexpr uint8_t kSystemKey = 0x40;
constexpr uint8_t kMacro = 0x70;
constexpr uint8_t kMacroRepeated = 0x71;
constexpr uint8_t kGunPreset = 0x72;
constexpr uint8_t kKeyCombination = 0xB0;
}  // namespace AssignmentType

AssignmentLabel DescribeAssignment(const KeyAssignHalf& assignment);

// The English text of a label's text id, shown while the language files have no entry for
// it; the id itself for an id that is not a label's.
const char* AssignmentLabelFallback(const std::string& textId);
