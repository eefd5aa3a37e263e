#include "util/json_parse.h"

#include <memory>

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool Refuse(Json::Value* root, std::string* error, const std::string& why) {
    *root = Json::Value();
    if (error) *error = why;
    return false;
}
}  // namespace

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

bool ParseJsonDocument(std::string_view text, Json::Value* root, std::string* error) {
    text = WithoutByteOrderMark(text);
    try {
        Json::Reader reader;
        if (reader.parse(text.data(), text.data() + text.size(), *root, true)) return true;
        return Refuse(root, error, reader.getFormattedErrorMessages());
    } catch (const std::exception& e) {
        return Refuse(root, error, e.what());
    }
}

bool ParseJsonStrict(std::string_view text, Json::Value* root, std::string* error, bool failIfExtra) {
    text = WithoutByteOrderMark(text);
    try {
        Json::CharReaderBuilder builder;
        builder["collectComments"] = false;
        builder["failIfExtra"] = failIfExtra;
        const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        std::string errors;
        if (reader->parse(text.data(), text.data() + text.size(), root, &errors)) return true;
        return Refuse(root, error, errors);
    } catch (const std::exception& e) {
        return Refuse(root, error, e.what());
    }
}
