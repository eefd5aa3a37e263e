#include "profiles/basic_profile_data.h"

#include "profiles/profile_document.h"
#include "profiles/profile_json_records.h"
#include "util/json_value.h"

namespace {

// A Guid names a file beside the light configuration; anything that could leave that
// folder is refused.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

void CBasicProfiledata::SetProfilePath(const std::string& path) {
    if (!path.empty()) profilePath_ = path;
}

void CBasicProfiledata::SetDefaultDataPath(const std::string& path) {
    if (!path.empty()) defaultDataPath_ = path;
}

void CBasicProfiledata::SetDeviceIndex(int index) {
    if (index >= 0 && index <= kMaxProfileTableIndex) deviceIndex_ = index;
}

Json::Value CBasicProfiledata::Load(const std::string& path) {
    keptAsideOnLoad_.clear();
    const Json::Value document = jsonFile_.ReadJsonFile(path);
    tree_ = DeviceObjectOf(document, deviceIndex_);
    if (!tree_.isObject()) {
        // Missing, or of a type no value can be read from: the default data stands in.
        tree_ = DeviceObjectOf(jsonFile_.ReadJsonFile(defaultDataPath_), deviceIndex_);
        if (!tree_.isObject()) {
            // A damaged default data file gives no values either; the profile file is left
            // as it is and the caller learns that nothing was loaded.
            tree_ = Json::Value();
            return tree_;
        }
        if (path != defaultDataPath_) {
            Json::Value updated = ReadDocumentForUpdate(jsonFile_, path, &keptAsideOnLoad_);
            PutDeviceObject(updated, deviceIndex_, tree_);
            jsonFile_.WriteJsonFile(path, updated);
        }
    }
    return tree_;
}

int CBasicProfiledata::Save() {
    return SaveDeviceData(tree_, profilePath_);
}

int CBasicProfiledata::SaveDeviceData(Json::Value value, const std::string& path) {
    Json::Value document = ReadDocumentForUpdate(jsonFile_, path);
    PutDeviceObject(document, deviceIndex_, value);
    return jsonFile_.WriteJsonFile(path, document);
}

int CBasicProfiledata::WriteDocument(Json::Value value, const std::string& path) {
    return jsonFile_.WriteJsonFile(path, value);
}

Json::Value& CBasicProfiledata::MutableTree() {
    if (!tree_.isObject()) tree_ = Json::Value(Json::objectValue);
    return tree_;
}

LightInfoRecord CBasicProfiledata::GetLightInfo() {
    const Json::Value& info = JsonMember(tree_, "LightInfo");
    lightInfo_ = info.isNull() ? LightInfoRecord{} : LightInfoFromJson(info);
    return lightInfo_;
}

void CBasicProfiledata::SetLightInfo(const LightInfoRecord& record) {
    lightInfo_ = record;
    JsonObjectMember(MutableTree(), "LightInfo") = LightInfoToJson(record);
}

std::vector<LightListEntry> CBasicProfiledata::GetLightList() {
    const Json::Value& list = JsonMember(tree_, "LightList");
    std::vector<LightListEntry> result;
    result.reserve(JsonSize(list));
    for (unsigned i = 0; i < JsonSize(list); ++i) result.push_back(LightListEntryFromJson(JsonAt(list, i)));
    lightList_ = result;
    return result;
}

void CBasicProfiledata::LoadLightConfig(const std::string& path) {
    lightConfig_ = jsonFile_.ReadJsonFile(path);
    loadedLightConfigPath_ = path;
}

std::vector<LedEffectEntry> CBasicProfiledata::LoadCustomLightEffects() {
    effects_.clear();
    if (lightConfig_.isNull()) return effects_;
    const Json::Value& row =
        JsonAt(JsonMember(lightConfig_, "LightInfo"), static_cast<unsigned>(deviceIndex_));
    const std::string guid = JsonStringAt(JsonAt(row, lightInfo_.selectItem), "Guid");
    if (!IsPlainFileName(guid)) return effects_;
    // The preset's file lies beside the light configuration, not in whatever folder the
    // program happens to run in.
    const Json::Value effectFile = jsonFile_.ReadJsonFile(FolderOf(loadedLightConfigPath_) + guid + ".light");
    const Json::Value& list = JsonMember(effectFile, "LEDEffectList");
    for (unsigned i = 0; i < JsonSize(list); ++i) effects_.push_back(LedEffectFromJson(JsonAt(list, i)));
    return effects_;
}

std::vector<KeyAssignEntry> CBasicProfiledata::GetKeyList() {
    const Json::Value& list = JsonMember(tree_, "KeyList");
    std::vector<KeyAssignEntry> result;
    result.reserve(JsonSize(list));
    for (unsigned i = 0; i < JsonSize(list); ++i)
        result.push_back(KeyAssignFromJson(static_cast<uint16_t>(i), JsonAt(list, i)));
    keyList_ = result;
    return result;
}

void CBasicProfiledata::SetKeyList(const std::vector<KeyAssignEntry>& list) {
    keyList_ = list;
    if (list.empty()) return;
    Json::Value& keys = JsonObjectMember(MutableTree(), "KeyList");
    for (size_t i = 0; i < list.size(); ++i)
        JsonObjectMember(JsonArrayElement(keys, static_cast<unsigned>(i)), "Assignment") =
            PackAssignment(list[i].current);
}
