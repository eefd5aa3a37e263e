#include "devices/discovery/device_table_store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include "devices/program_paths.h"
#include "util/debug_log.h"
#include "util/regular_file.h"

namespace {

constexpr const char* kTableFile = "devices.json";

FileRead ReadSmallFile(const std::string& path, std::string* text) {
    return ReadRegularFile(path, static_cast<long long>(kMaxDeviceTableBytes), text);
}

// Reads one file into the table; false when it could not be read (missing is not a problem).
bool AddFile(CDeviceTable& table, const std::string& path, DeviceRowSource source,
             std::vector<DeviceTableProblem>* problems) {
    std::string text;
    switch (ReadSmallFile(path, &text)) {
    case FileRead::Missing:
        return false;
    case FileRead::TooLarge:
        problems->push_back(
            {path + ": larger than " + std::to_string(kMaxDeviceTableBytes / 1024) + " KiB; not read"});
        return false;
    case FileRead::Failed:
        problems->push_back({path + ": cannot be read"});
        return false;
    case FileRead::NotRegular:
        problems->push_back({path + ": not a regular file; not read"});
        return false;
    case FileRead::Read:
        break;
    }
    return AddDeviceRowsJson(table, text, source, path, problems) > 0;
}

struct ActiveTable {
    std::mutex lock;
    std::optional<CDeviceTable> table;
    std::vector<DeviceTableProblem> problems;
};

ActiveTable& Active() {
    static ActiveTable active;
    return active;
}

void Tell(const std::vector<DeviceTableProblem>& problems, size_t from) {
    for (size_t i = from; i < problems.size(); ++i)
        DebugPrintf("device table: %s\n", problems[i].text.c_str());
}

CDeviceTable& LoadedLocked(ActiveTable& active) {
    if (!active.table) {
        active.problems.clear();
        active.table = LoadDeviceTable(DeviceProgramFolder(), UserDeviceTablePath(), &active.problems);
        Tell(active.problems, 0);
    }
    return *active.table;
}

}  // namespace

CDeviceTable ShippedDeviceTable() {
    CDeviceTable table;
    AddDeviceRowsJson(table, EmbeddedDeviceTableText(), DeviceRowSource::Shipped, "built-in device table",
                      nullptr);
    return table;
}

std::string UserDeviceTablePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.config";
    }
    return base + "/kvelm/" + kTableFile;
}

CDeviceTable LoadDeviceTable(const std::string& programFolder, const std::string& userFile,
                             std::vector<DeviceTableProblem>* problems) {
    std::vector<DeviceTableProblem> ignored;
    if (!problems) problems = &ignored;
    CDeviceTable table;
    const std::string shipped = programFolder + "/DefaultData/" + kTableFile;
    if (!AddFile(table, shipped, DeviceRowSource::Shipped, problems)) {
        // A program folder without its table (or with a broken one) still drives the
        // devices the program was built for.
        table = CDeviceTable();
        AddDeviceRowsJson(table, EmbeddedDeviceTableText(), DeviceRowSource::Shipped, "built-in device table",
                          problems);
    }
    if (!userFile.empty()) AddFile(table, userFile, DeviceRowSource::User, problems);
    return table;
}

CDeviceTable ActiveDeviceTable() {
    ActiveTable& active = Active();
    std::lock_guard<std::mutex> guard(active.lock);
    return LoadedLocked(active);
}

int AddActiveDeviceRows(const std::string& text, DeviceRowSource source, const std::string& origin) {
    ActiveTable& active = Active();
    std::lock_guard<std::mutex> guard(active.lock);
    CDeviceTable& table = LoadedLocked(active);
    const size_t before = active.problems.size();
    const int taken = AddDeviceRowsJson(table, text, source, origin, &active.problems);
    Tell(active.problems, before);
    return taken;
}

std::vector<DeviceTableProblem> DeviceTableProblems() {
    ActiveTable& active = Active();
    std::lock_guard<std::mutex> guard(active.lock);
    LoadedLocked(active);
    return active.problems;
}

void ResetActiveDeviceTable() {
    ActiveTable& active = Active();
    std::lock_guard<std::mutex> guard(active.lock);
    active.table.reset();
    active.problems.clear();
}
