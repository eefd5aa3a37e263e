#pragma once
// Conversions between the JSON objects of a profile and their in-memory records. Readers
// never throw: a missing or wrong-typed key reads as 0 (or false, or empty text), and numbers
// are truncated to the width of their field. Writers put every number as a JSON integer.
#include <json/json.h>

#include "profiles/profile_records.h"

// "LightInfo": the eight keyed fields; the three extra bytes read as 0 and are not written.
LightInfoRecord LightInfoFromJson(const Json::Value& object);
Json::Value LightInfoToJson(const LightInfoRecord& record);

// One "LightList" element; a null element gives zeros with present = 0.
LightListEntry LightListEntryFromJson(const Json::Value& element);

// One "KeyList" element of button or key number index.
KeyAssignEntry KeyAssignFromJson(uint16_t index, const Json::Value& element);

// One stage object of "StageDPIs" / "StageDPIs_3360". The writer sets the seven keys in
// object and keeps any other key it holds.
DpiStage DpiStageFromJson(const Json::Value& object);
void DpiStageToJson(const DpiStage& stage, Json::Value& object);

// One element of "LEDEffectList".
LedEffectEntry LedEffectFromJson(const Json::Value& object);

// One element of "CorrectInfo".
CorrectEntry CorrectEntryFromJson(const Json::Value& object);

// A colour object {"Red", "Green", "Blue", "Alpha"}.
RgbaColor RgbaFromJson(const Json::Value& object);
void RgbaToJson(const RgbaColor& color, Json::Value& object);
