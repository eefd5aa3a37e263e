#include "profiles/keyboard_profile_data.h"

#include "profiles/profile_document.h"
#include "profiles/profile_json_records.h"
#include "util/json_value.h"

KeyboardSystemSettings CKeyboardProfiledata::GetKeyboardSystem() {
    const Json::Value& sys = JsonMember(Tree(), "SystemStages");
    KeyboardSystemSettings s;
    if (!sys.isNull()) {
        auto half = [&sys](const char* key) { return static_cast<uint16_t>(JsonIntAt(sys, key)); };
        s.words[0] = PackHalves(half("Repeat"), half("RepeatDelay"));
        s.words[1] = PackHalves(half("Key6Flag"), half("PollingRate"));
        s.words[2] = PackHalves(half("WFlag"), half("WinFlag"));
    }
    system_ = s;
    return s;
}

void CKeyboardProfiledata::SetKeyboardSystem(const KeyboardSystemSettings& s) {
    system_ = s;
    Json::Value& sys = JsonObjectMember(MutableTree(), "SystemStages");
    JsonObjectMember(sys, "Repeat") = int(s.Repeat());
    JsonObjectMember(sys, "RepeatDelay") = int(s.RepeatDelay());
    JsonObjectMember(sys, "Key6Flag") = int(s.Key6Flag());
    JsonObjectMember(sys, "PollingRate") = int(s.PollingRate());
    JsonObjectMember(sys, "WFlag") = int(s.WFlag());
    JsonObjectMember(sys, "WinFlag") = int(s.WinFlag());
}

std::vector<RgbaColor> CKeyboardProfiledata::GetCustomLightColors(int group, int count) {
    std::vector<RgbaColor> result(count > 0 ? static_cast<size_t>(count) : 0u);
    if (group < 0 || group > kMaxProfileTableIndex) return result;
    const Json::Value& stored = JsonAt(JsonMember(JsonMember(Tree(), "CustomLightMode"), "LightColorInfo"),
                                       static_cast<unsigned>(group));
    Json::Value* groupArray = nullptr;  // created on the first missing colour only
    for (size_t i = 0; i < result.size(); ++i) {
        const Json::Value& color = JsonAt(stored, static_cast<unsigned>(i));
        if (!color.isNull()) {
            result[i] = RgbaFromJson(color);
            continue;
        }
        if (!groupArray) {
            Json::Value& mode = JsonObjectMember(MutableTree(), "CustomLightMode");
            groupArray =
                &JsonArrayElement(JsonObjectMember(mode, "LightColorInfo"), static_cast<unsigned>(group));
        }
        RgbaToJson(RgbaColor{}, JsonArrayElement(*groupArray, static_cast<unsigned>(i)));
    }
    colors_ = result;
    return result;
}

void CKeyboardProfiledata::SetCustomLightColors(const std::vector<RgbaColor>& colors, int group) {
    colors_ = colors;
    if (group < 0 || group > kMaxProfileTableIndex || colors.empty()) return;
    Json::Value& mode = JsonObjectMember(MutableTree(), "CustomLightMode");
    Json::Value& groupArray =
        JsonArrayElement(JsonObjectMember(mode, "LightColorInfo"), static_cast<unsigned>(group));
    for (size_t i = 0; i < colors.size(); ++i)
        RgbaToJson(colors[i], JsonArrayElement(groupArray, static_cast<unsigned>(i)));
}

int CKeyboardProfiledata::GetCustomLightGroup() {
    customGroup_ = JsonIntAt(JsonMember(Tree(), "CustomLightMode"), "CustomLightModeGroupIndex");
    return customGroup_;
}

void CKeyboardProfiledata::SetCustomLightGroup(int group) {
    customGroup_ = group;
    JsonObjectMember(JsonObjectMember(MutableTree(), "CustomLightMode"), "CustomLightModeGroupIndex") = group;
}
