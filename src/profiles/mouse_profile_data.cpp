#include "profiles/mouse_profile_data.h"

#include "profiles/profile_json_records.h"
#include "util/json_value.h"

const char* StageArrayKey(uint32_t sensorModel) {
    switch (sensorModel) {
    case kSensor3327:
    case kSensor3389:
        return "StageDPIs";
    case kSensor3360:
        return "StageDPIs_3360";
    default:
        return nullptr;
    }
}

std::vector<DpiStage> CMouseProfiledata::GetDpiStages() {
    const Json::Value& dpi = JsonMember(Tree(), "DPIStages");
    std::vector<DpiStage> read;
    if (!dpi.isNull()) {
        activeStage_ = static_cast<uint32_t>(JsonIntAt(dpi, "StageActive"));
        if (const char* key = StageArrayKey(sensorModel_)) {
            const Json::Value& array = JsonMember(dpi, key);
            for (unsigned i = 0; i < JsonSize(array); ++i) read.push_back(DpiStageFromJson(JsonAt(array, i)));
        }
    }
    for (size_t k = 0; k < read.size(); ++k) {
        if (k < stages_.size())
            stages_[k] = read[k];
        else
            stages_.push_back(read[k]);
    }
    return stages_;
}

void CMouseProfiledata::SetDpiStages(const std::vector<DpiStage>& stages) {
    stages_ = stages;
    const char* key = StageArrayKey(sensorModel_);
    if (!key || stages.empty()) return;
    Json::Value& array = JsonObjectMember(JsonObjectMember(MutableTree(), "DPIStages"), key);
    for (size_t i = 0; i < stages.size(); ++i)
        DpiStageToJson(stages[i], JsonArrayElement(array, static_cast<unsigned>(i)));
}

void CMouseProfiledata::SetActiveStage(int stage) {
    activeStage_ = static_cast<uint32_t>(stage);
    JsonObjectMember(JsonObjectMember(MutableTree(), "DPIStages"), "StageActive") = stage;
}

MouseSystemSettings CMouseProfiledata::GetMouseSystem() {
    const Json::Value& sys = JsonMember(Tree(), "SystemStages");
    MouseSystemSettings s;
    if (!sys.isNull()) {
        auto half = [](const Json::Value& o, const char* key) {
            return static_cast<uint16_t>(JsonIntAt(o, key));
        };
        const Json::Value& report = JsonMember(Tree(), "ReportStages");
        s.words[0] = PackHalves(half(sys, "DoubleClickTime"), half(sys, "MouseSpeed"));
        s.words[1] = PackHalves(half(sys, "PointerPrecision"), half(sys, "ScorllPage"));
        s.words[2] = PackHalves(half(sys, "WheelScorlllinse"), half(report, "StageActive"));
        s.words[3] = PackHalves(half(sys, "ASTSelectItem"), half(sys, "MSHSelectItem"));
        s.words[4] = PackHalves(half(sys, "LOGOSelectItem"), 0);
    }
    system_ = s;
    return s;
}

void CMouseProfiledata::SetMouseSystem(const MouseSystemSettings& s) {
    system_ = s;
    Json::Value& sys = JsonObjectMember(MutableTree(), "SystemStages");
    JsonObjectMember(sys, "DoubleClickTime") = int(s.DoubleClickTime());
    JsonObjectMember(sys, "MouseSpeed") = int(s.MouseSpeed());
    JsonObjectMember(sys, "PointerPrecision") = int(s.PointerPrecision());
    JsonObjectMember(sys, "ScorllPage") = int(s.ScrollPage());
    JsonObjectMember(sys, "WheelScorlllinse") = int(s.WheelScrollLines());
    JsonObjectMember(sys, "ASTSelectItem") = int(s.AstItem());
    JsonObjectMember(sys, "MSHSelectItem") = int(s.MshItem());
    JsonObjectMember(sys, "LOGOSelectItem") = int(s.LogoItem());
    JsonObjectMember(JsonObjectMember(MutableTree(), "ReportStages"), "StageActive") = int(s.ReportRate());
}

std::vector<CorrectEntry> CMouseProfiledata::GetCorrectInfo() {
    const Json::Value& list = JsonMember(Tree(), "CorrectInfo");
    correct_.clear();
    for (unsigned i = 0; i < JsonSize(list); ++i) correct_.push_back(CorrectEntryFromJson(JsonAt(list, i)));
    return correct_;
}
