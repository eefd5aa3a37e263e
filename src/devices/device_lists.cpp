#include "devices/device_lists.h"

#include "util/json_file.h"
#include "util/json_value.h"

namespace {

constexpr int kFirstPresetMode = 12;

// document[key][row] when both exist, else null.
const Json::Value& Row(const Json::Value& document, const char* key, int row) {
    if (row < 0) return Json::Value::nullSingleton();
    return JsonAt(JsonMember(document, key), static_cast<unsigned>(row));
}

std::vector<std::string> NamesOf(const Json::Value& row, const char* key) {
    std::vector<std::string> names;
    for (unsigned i = 0; i < JsonSize(row); ++i) names.push_back(JsonStringAt(JsonAt(row, i), key));
    return names;
}

}  // namespace

DeviceLists LoadDeviceLists(const std::string& macroListFile, const std::string& defaultLightFile,
                            const std::string& lightConfigFile, int row) {
    const CJsonFile files(kMaxMacroFileBytes);
    DeviceLists lists;

    const Json::Value macros = files.ReadJsonFile(macroListFile);
    const Json::Value& macroInfo = JsonMember(macros, "MacroInfo");
    lists.macroNames = NamesOf(macroInfo, "MacroName");
    lists.macroCount = JsonSize(macroInfo);

    const Json::Value defaults = files.ReadJsonFile(defaultLightFile);
    const Json::Value& modes = Row(defaults, "DefaultLightName", row);
    for (unsigned i = 0; i < JsonSize(modes); ++i) {
        const Json::Value& mode = JsonAt(modes, i);
        lists.lightModes.push_back({JsonStringAt(mode, "LightName"), JsonBoolAt(mode, "visible")});
    }
    lists.areaNames = NamesOf(Row(defaults, "AreaLightName", row), "LightName");

    const Json::Value presets = files.ReadJsonFile(lightConfigFile);
    lists.presetNames = NamesOf(Row(presets, "LightInfo", row), "LightName");
    return lists;
}

std::string LightModeNameOf(const DeviceLists& lists, int mode) {
    if (mode < 0) return {};
    if (mode < kFirstPresetMode) {
        const auto index = static_cast<size_t>(mode);
        return index < lists.lightModes.size() ? lists.lightModes[index].name : std::string();
    }
    const auto index = static_cast<size_t>(mode - kFirstPresetMode);
    return index < lists.presetNames.size() ? lists.presetNames[index] : std::string();
}
