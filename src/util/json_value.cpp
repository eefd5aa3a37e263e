#include "util/json_value.h"

#include <climits>
#include <cmath>

// Every accessor checks the type before it converts, so none of JsonCpp's conversion
// exceptions can be raised. Numbers convert between integer, unsigned and real when the
// value fits (reals are truncated toward zero, as JsonCpp does); booleans read as 0/1 and
// numbers as booleans (non-zero is true), as JsonCpp does. Text, arrays and objects never
// read as numbers or booleans, and only text reads as text.

namespace {

const Json::Value& NullValue() {
    static const Json::Value null;
    return null;
}

}  // namespace

int JsonInt(const Json::Value& v, int fallback) {
    switch (v.type()) {
    case Json::intValue:
        return v.isInt() ? v.asInt() : fallback;
    case Json::uintValue:
        return v.asUInt64() <= static_cast<Json::UInt64>(INT_MAX) ? static_cast<int>(v.asUInt64()) : fallback;
    case Json::realValue: {
        const double d = v.asDouble();
        if (!std::isfinite(d) || d <= static_cast<double>(INT_MIN) - 1.0 ||
            d >= static_cast<double>(INT_MAX) + 1.0)
            return fallback;
        return static_cast<int>(d);
    }
    case Json::booleanValue:
        return v.asBool() ? 1 : 0;
    default:
        return fallback;
    }
}

unsigned JsonUInt(const Json::Value& v, unsigned fallback) {
    switch (v.type()) {
    case Json::intValue: {
        const Json::Int64 i = v.asInt64();
        return i >= 0 && i <= static_cast<Json::Int64>(UINT_MAX) ? static_cast<unsigned>(i) : fallback;
    }
    case Json::uintValue:
        return v.asUInt64() <= UINT_MAX ? static_cast<unsigned>(v.asUInt64()) : fallback;
    case Json::realValue: {
        const double d = v.asDouble();
        if (!std::isfinite(d) || d <= -1.0 || d >= static_cast<double>(UINT_MAX) + 1.0) return fallback;
        return static_cast<unsigned>(d);
    }
    case Json::booleanValue:
        return v.asBool() ? 1u : 0u;
    default:
        return fallback;
    }
}

double JsonDouble(const Json::Value& v, double fallback) {
    switch (v.type()) {
    case Json::intValue:
    case Json::uintValue:
    case Json::realValue:
        return v.asDouble();
    case Json::booleanValue:
        return v.asBool() ? 1.0 : 0.0;
    default:
        return fallback;
    }
}

bool JsonBool(const Json::Value& v, bool fallback) {
    switch (v.type()) {
    case Json::booleanValue:
        return v.asBool();
    case Json::intValue:
    case Json::uintValue:
    case Json::realValue:
        return v.asDouble() != 0.0;
    default:
        return fallback;
    }
}

std::string JsonString(const Json::Value& v, const std::string& fallback) {
    return v.isString() ? v.asString() : fallback;
}

const Json::Value& JsonMember(const Json::Value& object, const char* key) {
    if (!key || !object.isObject()) return NullValue();
    const Json::Value* found = object.find(key, key + std::char_traits<char>::length(key));
    return found ? *found : NullValue();
}

const Json::Value& JsonAt(const Json::Value& array, unsigned index) {
    if (!array.isArray() || index >= array.size()) return NullValue();
    return array[static_cast<Json::ArrayIndex>(index)];
}

unsigned JsonSize(const Json::Value& array) {
    return array.isArray() ? array.size() : 0u;
}

bool JsonIsArray(const Json::Value& v) {
    return v.isArray();
}

bool JsonIsObject(const Json::Value& v) {
    return v.isObject();
}

Json::Value& JsonObjectMember(Json::Value& parent, const char* key) {
    if (!parent.isObject()) parent = Json::Value(Json::objectValue);
    return parent[key ? key : ""];
}

Json::Value& JsonArrayElement(Json::Value& parent, unsigned index) {
    if (!parent.isArray()) parent = Json::Value(Json::arrayValue);
    // JsonCpp stores arrays sparsely and would create only the element asked for; filling
    // the gap keeps the array equal to what reading the written file gives back.
    if (index >= parent.size()) parent.resize(static_cast<Json::ArrayIndex>(index) + 1);
    return parent[static_cast<Json::ArrayIndex>(index)];
}

int JsonIntAt(const Json::Value& object, const char* key, int fallback) {
    return JsonInt(JsonMember(object, key), fallback);
}

bool JsonBoolAt(const Json::Value& object, const char* key, bool fallback) {
    return JsonBool(JsonMember(object, key), fallback);
}

std::string JsonStringAt(const Json::Value& object, const char* key, const std::string& fallback) {
    return JsonString(JsonMember(object, key), fallback);
}
