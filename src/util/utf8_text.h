#pragma once
// Text typed under another encoding (an 8-bit code page) can reach the JSON files. JsonCpp
// passes such bytes through when reading but garbles them when writing, so text that is not
// UTF-8 is re-encoded before it is written.
#include <json/json.h>

#include <string>

// True when text is well-formed UTF-8 (no overlong forms, surrogates or values above
// U+10FFFF).
bool IsValidUtf8(const std::string& text);

// text unchanged when it is valid UTF-8; otherwise every byte that is not part of a
// well-formed sequence is taken as the Latin-1 character of the same value (U+0080-U+00FF)
// and encoded as UTF-8, so no character is lost and the result is valid UTF-8.
std::string RepairUtf8(const std::string& text);

// True when some string or member name anywhere in value is not valid UTF-8.
bool JsonNeedsUtf8Repair(const Json::Value& value);
// A copy of value whose strings and member names have gone through RepairUtf8.
Json::Value RepairJsonUtf8(const Json::Value& value);
