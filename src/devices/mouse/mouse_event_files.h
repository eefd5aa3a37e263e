#pragma once
// Collects the events that go into the device images from the files in the mouse's data
// folder: the macros listed in "macro.config" (each in <Guid>.mac) and the four gun presets
// "ShootData_0.Shoot" .. "ShootData_3.Shoot".
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <json/json.h>

#include "devices/mouse/mouse_images.h"

namespace mouse {

inline constexpr int kShootPresetCount = 4;

using EventEntries = std::vector<std::vector<MacroEventRecord>>;

// "ShootData_" + n + ".Shoot".
std::string ShootFileName(int preset);

// Folder and file name joined with one '/' (the folder may end with one already).
std::string JoinDataPath(const std::string& folder, const std::string& name);

// The events of a macro or preset document's "Events" array, encoded in order
// (EncodeMacroEvent). A null document or a missing array gives no events.
std::vector<MacroEventRecord> EncodeEventList(const Json::Value& document);

// The events of every macro listed in folder + "macro.config", in "MacroInfo" order; entry i
// holds the events of folder + "MacroInfo"[i]."Guid" + ".mac". A macro file that is missing
// or unreadable (a macro never saved), and a Guid that is empty or names another folder
// ('/', '\\', "." or ".."), give an entry with 0 events.
// Returns 1 with `entries` filled; 0 when "macro.config" cannot be read or lists no macro
// (then nothing is to be sent and `entries` is untouched).
int ReadMacroEntries(const std::string& dataFolder, EventEntries* entries);

// The four gun presets' events, preset 0 first; a missing or unreadable preset file gives
// an entry with 0 events. Always 4 entries.
EventEntries ReadShootEntries(const std::string& dataFolder);

enum class ImageStatus {
    Ready,          // the image is built
    NothingToSend,  // no macro list, or no macro in it
    OverCapacity,   // longer than the device's macro memory; see overflowUnits
    TooLong,        // longer than the 65535 bytes an image can describe
};

struct PreparedImage {
    ImageStatus status = ImageStatus::NothingToSend;
    std::vector<std::uint8_t> bytes;  // the image when status is Ready
    std::size_t totalLength = 0;      // computed length (also when refused)
    int overflowUnits = 0;            // OverCapacity: ((total - capacity) / 4) + 1
};

// The macro image for a device with `capacityBytes` of macro memory (MacroCapacityBytes):
// reads the entries (ReadMacroEntries), applies the capacity rule before building anything,
// then builds the image with the entries in "MacroInfo" order.
PreparedImage PrepareMacroImage(const std::string& dataFolder, std::size_t capacityBytes);

// The shoot-data image of the four presets. No capacity rule applies; only an image longer
// than 65535 bytes (a hand-made preset file of many thousand events) is refused as TooLong.
PreparedImage PrepareShootImage(const std::string& dataFolder);

}  // namespace mouse
