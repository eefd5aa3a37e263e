#pragma once
// The items the update service knows: a fixed identity table (five device slots, in the
// order of the device bar, and the program itself) and the update records built from it
// each time a check starts.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr int kProgramType = 0;  // the program row: decimal version numbers
constexpr std::string_view kProgramModelCode = "ALL";
constexpr std::string_view kNullAppKey = "NULL";  // the key of an item with version 0

struct UpdateIdentityRow {
    int type;       // 1 or 2 device firmware (hexadecimal versions), 0 the program
    int keyNumber;  // one decimal digit, used only in the application key
    std::string_view brand;
    std::string_view modelCode;  // "ALL" marks the program row
    std::string_view productName;
    std::string_view displayName;  // shown in the update list; base of the downloaded file
    std::string_view versionText;  // the program row's version text
    uint16_t vendorId;             // the device slot's ids; 0 for slots without ids yet
    uint16_t productId;
};

// Six rows: mouse 0x2002, keyboard, mouse pad, headset, mouse 0x21FD, the program.
std::span<const UpdateIdentityRow> UpdateIdentityTable();

struct UpdateRecord {
    int type = 0;
    int keyNumber = 0;
    int32_t installedVersion = 0;  // 0: not attached (devices), never asked about
    std::string brand, modelCode, productName, displayName, versionText;

    bool UsesHexVersions() const { return type != kProgramType; }
    bool IsProgram() const { return modelCode == kProgramModelCode; }
};

// A device the machine has now: its ids and the version number of its HID attributes.
struct AttachedDevice {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

// One record per table row, in table order. A device row takes the version of the first
// attached device with its ids (0 when none); the program row takes programVersion.
std::vector<UpdateRecord> BuildUpdateRecords(std::span<const AttachedDevice> attached,
                                             int32_t programVersion);
// The records that take part in a check: those whose installed version is not 0.
std::vector<UpdateRecord> RecordsTakingPart(const std::vector<UpdateRecord>& records);

// brand "_" type "_" model code "_" product name "_" key number; "NULL" when the installed
// version is 0.
std::string BuildAppKey(const UpdateRecord& record);
