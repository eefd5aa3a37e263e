#include "profiles/profile_document.h"

#include <cstdio>

#include "util/json_file.h"
#include "util/json_value.h"

const Json::Value& DeviceObjectOf(const Json::Value& document, int index) {
    static const Json::Value null;
    if (index < 0) return null;
    return JsonAt(JsonMember(document, "Device"), static_cast<unsigned>(index));
}

void PutDeviceObject(Json::Value& document, int index, const Json::Value& value) {
    if (index < 0 || index > kMaxProfileTableIndex) return;
    JsonArrayElement(JsonObjectMember(document, "Device"), static_cast<unsigned>(index)) = value;
}

Json::Value ReadDocumentForUpdate(const CJsonFile& files, const std::string& path) {
    Json::Value document = files.ReadJsonFile(path);
    if (document.isObject()) return document;
    if (CJsonFile::IsTooLarge(path)) {
        // Too large to copy through memory: the file itself moves aside.
        std::rename(path.c_str(), (path + ".bad").c_str());
        return Json::Value(Json::objectValue);
    }
    const std::string text = files.ReadTextFile(path);
    if (!text.empty()) WriteFileAtomic(path + ".bad", text);
    return Json::Value(Json::objectValue);
}
