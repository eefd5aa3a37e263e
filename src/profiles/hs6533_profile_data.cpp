#include "profiles/hs6533_profile_data.h"

#include <algorithm>

#include "profiles/profile_document.h"
#include "util/json_value.h"

namespace {

struct HeadsetKey {
    const char* key;
    int32_t HeadsetSettings::*field;
};

const HeadsetKey kHeadsetKeys[] = {
    {"MagicEnable", &HeadsetSettings::magicEnable},
    {"MagicType", &HeadsetSettings::magicType},
    {"EqType", &HeadsetSettings::eqType},
    {"CustomEqSeletIndex", &HeadsetSettings::customEqSelect},
    {"MicInSelect", &HeadsetSettings::micInSelect},
    {"MicInValue", &HeadsetSettings::micInValue},
    {"MicMoniterSelect", &HeadsetSettings::micMonitorSelect},
    {"MicMoniterValue", &HeadsetSettings::micMonitorValue},
    {"CustomEqEdited", &HeadsetSettings::customEqEdited},
};

constexpr int kNoPresetTable = 13;

}  // namespace

int EqTableIndex(int type) {
    if (type == kNoPresetTable) return -1;
    if (type <= 0 || type > kNoPresetTable) return 1;
    return type;
}

HeadsetSettings CHs6533Profiledata::GetHeadsetSettings() {
    const Json::Value& sys = JsonMember(Tree(), "SystemSetStages");
    HeadsetSettings s;
    for (const auto& k : kHeadsetKeys) s.*k.field = JsonIntAt(sys, k.key);
    settings_ = s;
    return s;
}

void CHs6533Profiledata::SetHeadsetSettings(const HeadsetSettings& s) {
    Json::Value& sys = JsonObjectMember(MutableTree(), "SystemSetStages");
    for (const auto& k : kHeadsetKeys) JsonObjectMember(sys, k.key) = s.*k.field;
    settings_ = s;
}

std::vector<int> CHs6533Profiledata::ReadBands(const char* key, int index) {
    std::vector<int> bands(kEqBandCount, 0);
    if (index < 0 || index > kMaxProfileTableIndex) return bands;
    const Json::Value& table = JsonAt(JsonMember(Tree(), key), static_cast<unsigned>(index));
    if (table.isNull()) {
        // A missing table is completed with zero bands, so the next Save stores it whole.
        Json::Value& created =
            JsonArrayElement(JsonObjectMember(MutableTree(), key), static_cast<unsigned>(index));
        for (int i = 0; i < kEqBandCount; ++i)
            JsonObjectMember(JsonArrayElement(created, static_cast<unsigned>(i)), "value") = 0;
        return bands;
    }
    for (int i = 0; i < kEqBandCount; ++i)
        bands[i] = JsonIntAt(JsonAt(table, static_cast<unsigned>(i)), "value");
    return bands;
}

void CHs6533Profiledata::WriteBands(const char* key, int index, const std::vector<int>& values) {
    if (index < 0 || index > kMaxProfileTableIndex || values.empty()) return;
    Json::Value& table = JsonArrayElement(JsonObjectMember(MutableTree(), key), static_cast<unsigned>(index));
    const size_t count = std::min(values.size(), static_cast<size_t>(kEqBandCount));
    for (size_t i = 0; i < count; ++i)
        JsonObjectMember(JsonArrayElement(table, static_cast<unsigned>(i)), "value") = values[i];
}

std::vector<int> CHs6533Profiledata::GetEqValues(int type) {
    const int table = EqTableIndex(type);
    if (table < 0) return {};
    return ReadBands("EQHzValueInfo", table);
}

void CHs6533Profiledata::SetEqValues(int type, const std::vector<int>& values) {
    const int table = EqTableIndex(type);
    if (table < 0) return;
    WriteBands("EQHzValueInfo", table, values);
}

std::vector<int> CHs6533Profiledata::GetCustomEqValues(int index) {
    return ReadBands("CustomEQHzValueInfo", index);
}

void CHs6533Profiledata::SetCustomEqValues(int index, const std::vector<int>& values) {
    WriteBands("CustomEQHzValueInfo", index, values);
}

std::vector<int> CHs6533Profiledata::GetUnnamedCustomEqValues() {
    return ReadBands("EQHzValueInfo", kNoPresetTable);
}

void CHs6533Profiledata::SetUnnamedCustomEqValues(const std::vector<int>& values) {
    WriteBands("EQHzValueInfo", kNoPresetTable, values);
}

std::vector<std::string> CHs6533Profiledata::GetCustomEqNames() {
    const Json::Value& list = JsonMember(Tree(), "CustomEQNameInfo");
    std::vector<std::string> names;
    for (unsigned i = 0; i < JsonSize(list); ++i) names.push_back(JsonStringAt(JsonAt(list, i), "Name"));
    return names;
}

void CHs6533Profiledata::SetCustomEqNames(const std::vector<std::string>& names) {
    Json::Value list(Json::arrayValue);
    for (const auto& name : names) {
        Json::Value entry(Json::objectValue);
        entry["Name"] = name;
        list.append(entry);
    }
    JsonObjectMember(MutableTree(), "CustomEQNameInfo") = list;
}
