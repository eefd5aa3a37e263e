#pragma once
// Non-throwing access to JSON values. JsonCpp throws when a value of one type is read as
// another; these never do: a value of the wrong type reads as 0, false or empty text,
// a missing member as the same, and an object where an array is expected as an empty array.
#include <json/json.h>
#include <string>

int JsonInt(const Json::Value& v, int fallback = 0);
unsigned JsonUInt(const Json::Value& v, unsigned fallback = 0);
double JsonDouble(const Json::Value& v, double fallback = 0.0);
bool JsonBool(const Json::Value& v, bool fallback = false);
std::string JsonString(const Json::Value& v, const std::string& fallback = std::string());

// Member access that never creates members and never throws (null for non-objects).
const Json::Value& JsonMember(const Json::Value& object, const char* key);
// Element access that never throws (null for non-arrays and out of range).
const Json::Value& JsonAt(const Json::Value& array, unsigned index);
// Number of elements of an array; 0 for anything else.
unsigned JsonSize(const Json::Value& array);
bool JsonIsArray(const Json::Value& v);
bool JsonIsObject(const Json::Value& v);

// Writable access that never throws: the parent is turned into an object (or an array)
// first when it is anything else, then the member (or element) is created as JsonCpp does.
// An element index grows the array with nulls up to it; callers keep indexes small.
Json::Value& JsonObjectMember(Json::Value& parent, const char* key);
Json::Value& JsonArrayElement(Json::Value& parent, unsigned index);

// Shorthands: JsonInt(JsonMember(o, key)) and so on.
int JsonIntAt(const Json::Value& object, const char* key, int fallback = 0);
bool JsonBoolAt(const Json::Value& object, const char* key, bool fallback = false);
std::string JsonStringAt(const Json::Value& object, const char* key,
                         const std::string& fallback = std::string());
