#include "devices/mouse/mouse_event_files.h"

#include "util/json_file.h"
#include "util/json_value.h"

namespace mouse {
namespace {

const char kMacroListFile[] = "macro.config";
const char kMacroFileSuffix[] = ".mac";
const char kShootFilePrefix[] = "ShootData_";
const char kShootFileSuffix[] = ".Shoot";

// A Guid names a file inside the data folder; anything that would leave it is not followed.
bool IsPlainFileStem(const std::string& stem) {
    if (stem.empty() || stem == "." || stem == "..") return false;
    return stem.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::vector<std::size_t> EventCounts(const EventEntries& entries) {
    std::vector<std::size_t> counts;
    counts.reserve(entries.size());
    for (const auto& entry : entries) counts.push_back(entry.size());
    return counts;
}

PreparedImage Build(const EventEntries& entries, std::size_t total) {
    PreparedImage prepared;
    prepared.totalLength = total;
    prepared.status =
        BuildDeviceImage(entries, &prepared.bytes) == 1 ? ImageStatus::Ready : ImageStatus::TooLong;
    return prepared;
}

}  // namespace

std::string ShootFileName(int preset) {
    return kShootFilePrefix + std::to_string(preset) + kShootFileSuffix;
}

std::string JoinDataPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::vector<MacroEventRecord> EncodeEventList(const Json::Value& document) {
    const Json::Value& events = JsonMember(document, "Events");
    std::vector<MacroEventRecord> records;
    const unsigned count = JsonSize(events);
    records.reserve(count);
    for (unsigned i = 0; i < count; ++i) records.push_back(EncodeMacroEvent(JsonAt(events, i)));
    return records;
}

int ReadMacroEntries(const std::string& dataFolder, EventEntries* entries) {
    if (entries == nullptr) return 0;
    const CJsonFile files(kMaxMacroFileBytes);
    const Json::Value list = files.ReadJsonFile(JoinDataPath(dataFolder, kMacroListFile));
    if (list.isNull()) return 0;
    const Json::Value& info = JsonMember(list, "MacroInfo");
    const unsigned count = JsonSize(info);
    if (count == 0) return 0;

    EventEntries collected;
    collected.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        const std::string guid = JsonStringAt(JsonAt(info, i), "Guid");
        if (!IsPlainFileStem(guid)) {
            collected.emplace_back();
            continue;
        }
        collected.push_back(
            EncodeEventList(files.ReadJsonFile(JoinDataPath(dataFolder, guid + kMacroFileSuffix))));
    }
    *entries = std::move(collected);
    return 1;
}

EventEntries ReadShootEntries(const std::string& dataFolder) {
    const CJsonFile files(kMaxMacroFileBytes);
    EventEntries entries;
    entries.reserve(kShootPresetCount);
    for (int n = 0; n < kShootPresetCount; ++n)
        entries.push_back(EncodeEventList(files.ReadJsonFile(JoinDataPath(dataFolder, ShootFileName(n)))));
    return entries;
}

PreparedImage PrepareMacroImage(const std::string& dataFolder, std::size_t capacityBytes) {
    EventEntries entries;
    if (ReadMacroEntries(dataFolder, &entries) != 1) return PreparedImage{};
    const std::size_t total = DeviceImageLength(EventCounts(entries));
    if (const int over = MacroOverflowUnits(total, capacityBytes); over > 0) {
        PreparedImage refused;
        refused.status = ImageStatus::OverCapacity;
        refused.totalLength = total;
        refused.overflowUnits = over;
        return refused;
    }
    return Build(entries, total);
}

PreparedImage PrepareShootImage(const std::string& dataFolder) {
    const EventEntries entries = ReadShootEntries(dataFolder);
    return Build(entries, DeviceImageLength(EventCounts(entries)));
}

}  // namespace mouse
