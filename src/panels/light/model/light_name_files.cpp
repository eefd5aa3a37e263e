#include "panels/light/model/light_name_files.h"

#include "util/json_file.h"
#include "util/json_value.h"

namespace {

// The row of a key, or a null value when the key, the row or the document is missing.
const Json::Value& RowOf(const Json::Value& document, const char* key, int row) {
    static const Json::Value null;
    if (row < 0) return null;
    return JsonAt(JsonMember(document, key), static_cast<unsigned>(row));
}

}  // namespace

DefaultLightNames ReadDefaultLightNames(const Json::Value& document, int row) {
    DefaultLightNames names;
    const Json::Value& modes = RowOf(document, "DefaultLightName", row);
    for (unsigned i = 0; i < JsonSize(modes); ++i) {
        const Json::Value& element = JsonAt(modes, i);
        names.modes.push_back({JsonStringAt(element, "LightName"), JsonBoolAt(element, "visible")});
    }
    const Json::Value& areas = RowOf(document, "AreaLightName", row);
    for (unsigned i = 0; i < JsonSize(areas); ++i)
        names.areas.push_back(JsonStringAt(JsonAt(areas, i), "LightName"));
    return names;
}

DefaultLightNames LoadDefaultLightNames(const std::string& path, int row) {
    return ReadDefaultLightNames(CJsonFile().ReadJsonFile(path), row);
}

std::vector<LightPreset> ReadLightPresets(const Json::Value& document, int row) {
    std::vector<LightPreset> presets;
    const Json::Value& list = RowOf(document, "LightInfo", row);
    for (unsigned i = 0; i < JsonSize(list); ++i) {
        const Json::Value& element = JsonAt(list, i);
        presets.push_back({JsonStringAt(element, "LightName"), JsonStringAt(element, "Guid")});
    }
    return presets;
}

std::vector<LightPreset> LoadLightPresets(const std::string& path, int row) {
    return ReadLightPresets(CJsonFile().ReadJsonFile(path), row);
}
