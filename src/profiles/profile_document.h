#pragma once
// The envelope of a profile file: a JSON object whose "Device" array holds one device
// object per device index (only index 0 is used; other elements are carried along).
#include <json/json.h>
#include <string>

class CJsonFile;

// Largest device index and table index (custom colour group, custom equaliser) a profile
// accepts; larger ones would make JsonCpp grow arrays to absurd sizes.
constexpr int kMaxProfileTableIndex = 255;

// document["Device"][index], or null when any level is missing or of another type.
const Json::Value& DeviceObjectOf(const Json::Value& document, int index);

// Sets document["Device"][index] = value. A "Device" that is not an array (or a document
// that is not an object) is replaced; other members and elements stay as they are.
void PutDeviceObject(Json::Value& document, int index, const Json::Value& value);

// The document at path for an update: its object, or an empty object when the file is
// missing or is not a JSON object. Anything else at path (bad text, a file over the
// reader's cap, a pipe, a directory; not an empty file) first moves aside to the first
// free name of path + ".bad", ".bad.1", ..., so replacing it never destroys the only copy
// and a copy kept earlier stays. *keptAs (when given) gets that name, else empty.
Json::Value ReadDocumentForUpdate(const CJsonFile& files, const std::string& path,
                                  std::string* keptAs = nullptr);
