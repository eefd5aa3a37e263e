#pragma once
// Parsing JSON text that came from outside the program (a user's file, a service's answer).
// JsonCpp throws when text nests deeper than its limit; these never throw and treat such
// text as bad data, like any other text that is not JSON. A leading UTF-8 byte-order mark,
// which some editors write, is skipped.
#include <json/json.h>
#include <string>
#include <string_view>

// The text without a leading UTF-8 byte-order mark (EF BB BF).
std::string_view WithoutByteOrderMark(std::string_view text);

// The program's own files: comments are accepted and kept with the values (so a save
// writes them back). False with *error set (when given) on bad text; *root is then null.
bool ParseJsonDocument(std::string_view text, Json::Value* root, std::string* error = nullptr);

// Strict reading for data that is not a saved document: comments are accepted but dropped,
// and with failIfExtra anything after the value is an error. *root is null on failure.
bool ParseJsonStrict(std::string_view text, Json::Value* root, std::string* error = nullptr,
                     bool failIfExtra = false);
