#include "devices/discovery/device_row_fields.h"

#include <cstdlib>
#include <set>
#include "hid/protocol/supported_devices.h"

namespace {

constexpr size_t kMaxNameLength = 64;
constexpr size_t kMaxInterfaces = 8;
constexpr int kMaxControlCount = 512;
constexpr uint16_t kLastKind = DeviceKind::kHeadsetHs6533;

const std::set<std::string> kRowKeys{
    "name",      "folder",     "vendorId", "productId",        "kind",           "subKind",
    "typeCode",  "interfaces", "entryXml", "optionGroup",      "powerContainer", "pageXml",
    "lightName", "ledCount",   "keyCount", "pollPeriodically", "fourthValue"};
const std::set<std::string> kInterfaceKeys{"interface", "collection", "subKind", "usagePage", "usage"};

// An integer, or text holding one ("0x320F" or "12").
bool ReadInt(const Json::Value& value, const char* key, long min, long max, long* out, std::string* error) {
    const Json::Value& v = value[key];
    long number = 0;
    if (v.isInt64()) {
        number = static_cast<long>(v.asInt64());
    } else if (v.isString()) {
        const std::string text = v.asString();
        char* end = nullptr;
        number = std::strtol(text.c_str(), &end, 0);
        if (text.empty() || *end != '\0') {
            *error = std::string("\"") + key + "\" is not a number: \"" + text + "\"";
            return false;
        }
    } else {
        *error = std::string("\"") + key + "\" must be a number";
        return false;
    }
    if (number < min || number > max) {
        *error = std::string("\"") + key + "\" " + std::to_string(number) + " is out of range " +
                 std::to_string(min) + ".." + std::to_string(max);
        return false;
    }
    *out = number;
    return true;
}

template <class T>
bool ReadOptional(const Json::Value& value, const char* key, long min, long max, T* out, std::string* error) {
    if (!value.isMember(key)) return true;
    long number = 0;
    if (!ReadInt(value, key, min, max, &number, error)) return false;
    *out = static_cast<T>(number);
    return true;
}

bool SafeFolder(const std::string& text) {
    if (text.empty() || text.size() > kMaxNameLength || text[0] == '.') return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '.') return false;
    return true;
}

// A skin path below the skin folder: relative, no "..".
bool SafeSkinPath(const std::string& text) {
    return !text.empty() && text[0] != '/' && text[0] != '\\' && text.find("..") == std::string::npos;
}

bool ReadText(const Json::Value& value, const char* key, bool (*valid)(const std::string&), std::string* out,
              std::string* error) {
    if (!value.isMember(key)) return true;
    if (!value[key].isString() || !valid(value[key].asString())) {
        *error = std::string("\"") + key + "\" must be " +
                 (valid == SafeFolder     ? "a folder name of letters, digits, '_', '-' or '.'"
                  : valid == SafeSkinPath ? "a relative path without \"..\""
                                          : "non-empty text of at most 64 characters");
        return false;
    }
    *out = value[key].asString();
    return true;
}

bool PlainText(const std::string& text) {
    return !text.empty() && text.size() <= kMaxNameLength;
}

bool CheckKeys(const Json::Value& value, const std::set<std::string>& known, std::string* error) {
    for (const std::string& key : value.getMemberNames()) {
        if (!known.count(key)) {
            *error = "unknown key \"" + key + "\"";
            return false;
        }
    }
    return true;
}

bool ReadInterface(const Json::Value& value, DeviceInterfaceRow* in, std::string* error) {
    if (!value.isObject()) {
        *error = "an interface must be an object";
        return false;
    }
    if (!CheckKeys(value, kInterfaceKeys, error)) return false;
    for (const char* key : {"interface", "collection", "usagePage", "usage"}) {
        if (!value.isMember(key)) {
            *error = std::string("interface without \"") + key + "\"";
            return false;
        }
    }
    return ReadOptional(value, "interface", 0, 0xFF, &in->interfaceNumber, error) &&
           ReadOptional(value, "collection", 0, 0xFF, &in->collectionNumber, error) &&
           ReadOptional(value, "subKind", 0, 0xFF, &in->subKind, error) &&
           ReadOptional(value, "usagePage", 0, 0xFFFF, &in->usagePage, error) &&
           ReadOptional(value, "usage", 0, 0xFFFF, &in->usage, error);
}

bool ReadInterfaces(const Json::Value& value, DeviceRow* row, std::string* error) {
    if (!value.isMember("interfaces")) return true;
    const Json::Value& list = value["interfaces"];
    if (!list.isArray() || list.empty() || list.size() > kMaxInterfaces) {
        *error = "\"interfaces\" must be a list of 1 to " + std::to_string(kMaxInterfaces) + " interfaces";
        return false;
    }
    std::vector<DeviceInterfaceRow> interfaces(list.size());
    for (Json::ArrayIndex i = 0; i < list.size(); ++i)
        if (!ReadInterface(list[i], &interfaces[i], error)) return false;
    row->interfaces = std::move(interfaces);
    return true;
}

}  // namespace

DeviceRow DefaultDeviceRow() {
    DeviceRow row;
    row.entryXml = "XML\\CustomControlXML\\DeviceOption.xml";
    row.optionGroup = "tab_header_device";
    row.powerContainer = "device_power_switch";
    row.lightName = "tolva_light";
    row.interfaces = {{1, 4, kSubKindCommand, kCommandUsagePage, kCommandUsage},
                      {1, 3, kSubKindSecondary, kConsumerUsagePage, kConsumerUsage}};
    return row;
}

bool ReadRowKeys(const Json::Value& value, DeviceRow* keys, std::string* error) {
    if (!value.isObject()) {
        *error = "a row must be an object";
        return false;
    }
    for (const char* key : {"vendorId", "productId"}) {
        if (!value.isMember(key)) {
            *error = std::string("\"") + key + "\" missing";
            return false;
        }
    }
    return ReadOptional(value, "vendorId", 0, 0xFFFF, &keys->vendorId, error) &&
           ReadOptional(value, "productId", 0, 0xFFFF, &keys->productId, error) &&
           ReadOptional(value, "kind", 1, kLastKind, &keys->kind, error) &&
           ReadOptional(value, "subKind", 0, 0xFF, &keys->subKind, error);
}

bool ReadRowFields(const Json::Value& value, const DeviceRow& keys, DeviceRow* row, std::string* error) {
    if (!CheckKeys(value, kRowKeys, error)) return false;
    if (keys.kind == 0 && row->kind == 0) {
        *error = "\"kind\" missing (needed for a new device)";
        return false;
    }
    row->vendorId = keys.vendorId;
    row->productId = keys.productId;
    if (keys.kind != 0) row->kind = keys.kind;
    if (value.isMember("subKind")) row->subKind = keys.subKind;
    const bool ok = ReadText(value, "name", PlainText, &row->name, error) &&
                    ReadText(value, "folder", SafeFolder, &row->folder, error) &&
                    ReadText(value, "entryXml", SafeSkinPath, &row->entryXml, error) &&
                    ReadText(value, "pageXml", SafeSkinPath, &row->pageXml, error) &&
                    ReadText(value, "optionGroup", PlainText, &row->optionGroup, error) &&
                    ReadText(value, "powerContainer", PlainText, &row->powerContainer, error) &&
                    ReadText(value, "lightName", SafeFolder, &row->lightName, error) &&
                    ReadOptional(value, "typeCode", 0, 0xFF, &row->typeCode, error) &&
                    ReadOptional(value, "ledCount", 0, kMaxControlCount, &row->ledCount, error) &&
                    ReadOptional(value, "keyCount", 0, kMaxControlCount, &row->keyCount, error) &&
                    ReadOptional(value, "pollPeriodically", 0, 1, &row->pollPeriodically, error) &&
                    ReadOptional(value, "fourthValue", -0x8000, 0x7FFF, &row->fourthValue, error) &&
                    ReadInterfaces(value, row, error);
    if (!ok) return false;
    if (row->name.empty() || row->folder.empty()) {
        *error = "\"name\" and \"folder\" are needed for a new device";
        return false;
    }
    for (const DeviceInterfaceRow& in : row->interfaces)
        if (in.subKind == row->subKind) return true;
    *error = "no interface has the device's sub-kind " + std::to_string(row->subKind);
    return false;
}
