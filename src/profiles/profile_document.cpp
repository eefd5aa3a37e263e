#include "profiles/profile_document.h"

#include <sys/stat.h>

#include "util/file_aside.h"

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

Json::Value ReadDocumentForUpdate(const CJsonFile& files, const std::string& path, std::string* keptAs) {
    if (keptAs) keptAs->clear();
    Json::Value document = files.ReadJsonFile(path);
    if (document.isObject()) return document;
    // Whatever is there moves aside under a name of its own: bad text, a file too large,
    // a pipe or a directory. An empty file holds nothing worth keeping.
    struct stat st {};
    const bool present = lstat(path.c_str(), &st) == 0;
    if (present && !(S_ISREG(st.st_mode) && st.st_size == 0)) {
        const std::string aside = KeepFileAside(path);
        if (keptAs) *keptAs = aside;
    }
    return Json::Value(Json::objectValue);
}
