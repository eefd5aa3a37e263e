#include "profiles/profile_json_records.h"

#include "util/json_value.h"

namespace {

uint8_t Byte(const Json::Value& object, const char* key) {
    return static_cast<uint8_t>(JsonIntAt(object, key));
}
uint8_t Flag(const Json::Value& object, const char* key) {
    return JsonBoolAt(object, key) ? 1 : 0;
}
uint16_t Word(const Json::Value& object, const char* key) {
    return static_cast<uint16_t>(JsonIntAt(object, key));
}

}  // namespace

LightInfoRecord LightInfoFromJson(const Json::Value& object) {
    LightInfoRecord r;
    r.selectItem = Byte(object, "SelectItem");
    r.light = Byte(object, "Light");
    r.speed = Byte(object, "Speed");
    r.fx = Byte(object, "Fx");
    r.multiColor = Flag(object, "MultiColor");
    r.red = Byte(object, "Red");
    r.green = Byte(object, "Green");
    r.blue = Byte(object, "Blue");
    return r;
}

Json::Value LightInfoToJson(const LightInfoRecord& r) {
    Json::Value o(Json::objectValue);
    o["SelectItem"] = int(r.selectItem);
    o["Light"] = int(r.light);
    o["Speed"] = int(r.speed);
    o["Fx"] = int(r.fx);
    o["MultiColor"] = int(r.multiColor);
    o["Red"] = int(r.red);
    o["Green"] = int(r.green);
    o["Blue"] = int(r.blue);
    return o;
}

LightListEntry LightListEntryFromJson(const Json::Value& e) {
    LightListEntry entry;
    if (e.isNull()) return entry;
    entry.mode = Byte(e, "LEDREGMode");
    entry.brightness = Byte(e, "LEDBrightness");
    entry.speed = Byte(e, "LEDSpeed");
    entry.direction = Flag(e, "LEDDirection");
    entry.multiColor = Flag(e, "LEDMultiColor");
    entry.red = Byte(e, "red");
    entry.green = Byte(e, "green");
    entry.blue = Byte(e, "blue");
    entry.present = 1;
    return entry;
}

KeyAssignEntry KeyAssignFromJson(uint16_t index, const Json::Value& element) {
    return KeyAssignEntry{UnpackAssignment(index, JsonIntAt(element, "Assignment")),
                          UnpackAssignment(index, JsonIntAt(element, "DefaultAssignment"))};
}

DpiStage DpiStageFromJson(const Json::Value& o) {
    DpiStage s;
    s.stageActive = Byte(o, "StageActive");
    s.stageXY = Byte(o, "StageXY");
    s.SetX(Word(o, "StageDPIX"));
    s.SetY(Word(o, "StageDPIY"));
    s.red = Byte(o, "StageColorR");
    s.green = Byte(o, "StageColorG");
    s.blue = Byte(o, "StageColorB");
    return s;
}

void DpiStageToJson(const DpiStage& s, Json::Value& o) {
    JsonObjectMember(o, "StageActive") = int(s.stageActive);
    JsonObjectMember(o, "StageXY") = int(s.stageXY);
    JsonObjectMember(o, "StageDPIX") = int(s.X());
    JsonObjectMember(o, "StageDPIY") = int(s.Y());
    JsonObjectMember(o, "StageColorR") = int(s.red);
    JsonObjectMember(o, "StageColorG") = int(s.green);
    JsonObjectMember(o, "StageColorB") = int(s.blue);
}

LedEffectEntry LedEffectFromJson(const Json::Value& o) {
    LedEffectEntry e;
    e.mode = Byte(o, "LEDREGMode");
    e.brightness = Byte(o, "LEDBrightness");
    e.speed = Byte(o, "LEDSpeed");
    e.direction = Byte(o, "LEDDirection");
    e.multiColor = Byte(o, "LEDMultiColor");
    e.red = Byte(o, "red");
    e.green = Byte(o, "green");
    e.blue = Byte(o, "blue");
    e.time = JsonIntAt(o, "Time");
    e.cycles = JsonIntAt(o, "Cyle");
    return e;
}

CorrectEntry CorrectEntryFromJson(const Json::Value& o) {
    CorrectEntry c;
    c.pixThresh = Byte(o, "CorrectPixThresh");
    c.minSq = Byte(o, "CorrectMinSq");
    c.select = Byte(o, "CorrectSelect");
    c.name = JsonStringAt(o, "CorrectName");
    return c;
}

RgbaColor RgbaFromJson(const Json::Value& o) {
    return RgbaColor{Byte(o, "Red"), Byte(o, "Green"), Byte(o, "Blue"), Byte(o, "Alpha")};
}

void RgbaToJson(const RgbaColor& c, Json::Value& o) {
    JsonObjectMember(o, "Red") = int(c.red);
    JsonObjectMember(o, "Green") = int(c.green);
    JsonObjectMember(o, "Blue") = int(c.blue);
    JsonObjectMember(o, "Alpha") = int(c.alpha);
}
