#include <gtest/gtest.h>

#include <string>

#include "util/json_value.h"

namespace {

Json::Value Parse(const std::string& text) {
    Json::Value root;
    Json::Reader reader;
    EXPECT_TRUE(reader.parse(text, root)) << text;
    return root;
}

// Each member of this document has a type; the table says what every accessor reads.
const char* kDocument = R"({
  "int": -5, "big": 4294967295, "real": 2.9, "huge": 1e300, "true": true, "false": false,
  "text": "12", "empty": "", "null": null, "array": [1, 2], "object": {"a": 1}
})";

struct Expectation {
    const char* key;
    int asInt;
    unsigned asUInt;
    bool asBool;
    const char* asString;
};

const Expectation kTable[] = {
    {"int", -5, 0, true, ""},           // negative does not fit unsigned
    {"big", 0, 4294967295u, true, ""},  // does not fit int
    {"real", 2, 2, true, ""},           // truncated toward zero
    {"huge", 0, 0, true, ""},           // out of every integer range
    {"true", 1, 1, true, ""},          {"false", 0, 0, false, ""},
    {"text", 0, 0, false, "12"},  // text never reads as a number
    {"empty", 0, 0, false, ""},        {"null", 0, 0, false, ""},
    {"array", 0, 0, false, ""},        {"object", 0, 0, false, ""},
    {"missing", 0, 0, false, ""},
};

TEST(JsonValue, EveryTypeReadsWithoutThrowing) {
    const Json::Value doc = Parse(kDocument);
    for (const auto& e : kTable) {
        SCOPED_TRACE(e.key);
        const Json::Value& v = JsonMember(doc, e.key);
        EXPECT_NO_THROW({
            EXPECT_EQ(JsonInt(v), e.asInt);
            EXPECT_EQ(JsonUInt(v), e.asUInt);
            EXPECT_EQ(JsonBool(v), e.asBool);
            EXPECT_EQ(JsonString(v), e.asString);
            EXPECT_EQ(JsonIntAt(doc, e.key), e.asInt);
            EXPECT_EQ(JsonBoolAt(doc, e.key), e.asBool);
            EXPECT_EQ(JsonStringAt(doc, e.key), e.asString);
        });
    }
}

TEST(JsonValue, FallbackAppliesToMissingAndWrongTypedValues) {
    const Json::Value doc = Parse(kDocument);
    EXPECT_EQ(JsonIntAt(doc, "missing", 7), 7);
    EXPECT_EQ(JsonIntAt(doc, "text", 7), 7);
    EXPECT_EQ(JsonIntAt(doc, "int", 7), -5);
    EXPECT_TRUE(JsonBoolAt(doc, "object", true));
    EXPECT_EQ(JsonStringAt(doc, "int", "name"), "name");
    EXPECT_DOUBLE_EQ(JsonDouble(JsonMember(doc, "text"), 1.5), 1.5);
    EXPECT_DOUBLE_EQ(JsonDouble(JsonMember(doc, "real")), 2.9);
}

TEST(JsonValue, MemberAndElementAccessNeverCreateOrThrow) {
    Json::Value array = Parse("[10, \"x\", {\"k\": 3}]");
    const Json::Value object = Parse("{\"list\": {\"0\": 1}}");
    const Json::Value scalar = 5;

    EXPECT_NO_THROW({
        EXPECT_TRUE(JsonMember(array, "k").isNull());  // string key on an array
        EXPECT_TRUE(JsonMember(scalar, "k").isNull());
        EXPECT_TRUE(JsonMember(array, nullptr).isNull());
        EXPECT_TRUE(JsonAt(object, 0).isNull());  // index on an object
        EXPECT_TRUE(JsonAt(array, 3).isNull());   // out of range
        EXPECT_EQ(JsonIntAt(JsonAt(array, 2), "k"), 3);
        EXPECT_EQ(JsonInt(JsonAt(array, 1)), 0);
    });
    EXPECT_EQ(array.size(), 3u) << "reading past the end must not grow the array";

    // An object where an array is expected reads as an empty array.
    EXPECT_EQ(JsonSize(JsonMember(object, "list")), 0u);
    EXPECT_FALSE(JsonIsArray(JsonMember(object, "list")));
    EXPECT_TRUE(JsonIsObject(JsonMember(object, "list")));
    EXPECT_EQ(JsonSize(array), 3u);
    EXPECT_EQ(JsonSize(Json::Value()), 0u);
}

}  // namespace

namespace {

TEST(JsonValue, WritableAccessReplacesWrongTypedParentsInsteadOfThrowing) {
    Json::Value doc = Parse(R"({"Device": 5, "List": {"a": 1}, "Keep": [1, 2]})");
    EXPECT_NO_THROW({
        JsonArrayElement(JsonObjectMember(doc, "Device"), 1) = 7;
        JsonObjectMember(JsonArrayElement(JsonObjectMember(doc, "List"), 0), "x") = 1;
        JsonArrayElement(JsonObjectMember(doc, "Keep"), 3) = 4;
    });
    EXPECT_EQ(doc["Device"], Parse("[null, 7]"));
    EXPECT_EQ(doc["List"], Parse(R"([{"x": 1}])"));
    EXPECT_EQ(doc["Keep"], Parse("[1, 2, null, 4]")) << "an array of the right type keeps its elements";

    Json::Value scalar = "text";
    EXPECT_NO_THROW(JsonObjectMember(scalar, "k") = 1);
    EXPECT_EQ(scalar, Parse(R"({"k": 1})"));
}

}  // namespace
