#pragma once
// The settings of a device's current profile, held twice: as the JSON device object of the
// profile file (the tree) and as typed records. Readers (Get...) fill the records from the
// tree; writers (Set...) change both; Save writes the tree back into the profile file.
// Paths and names are UTF-8 text. Nothing here throws: wrong-typed or missing keys read as
// 0, false or empty text. The class has no lock; its device object serialises the calls.
#include <json/json.h>

#include <string>
#include <vector>

#include "profiles/profile_records.h"
#include "util/json_file.h"

class CBasicProfiledata {
public:
    CBasicProfiledata() = default;
    virtual ~CBasicProfiledata() = default;

    // Set the profile file path unless path is empty.
    void SetProfilePath(const std::string& path);
    const std::string& GetProfilePath() const { return profilePath_; }
    // The default data file (read only) that a new or empty profile starts from; an empty
    // path is ignored.
    void SetDefaultDataPath(const std::string& path);
    const std::string& GetDefaultDataPath() const { return defaultDataPath_; }
    // The light configuration file of the device kind (set as given, even when empty).
    void SetLightConfigPath(const std::string& path) { lightConfigPath_ = path; }
    const std::string& GetLightConfigPath() const { return lightConfigPath_; }
    // Which element of "Device" this profile object uses (0..255; others are ignored).
    void SetDeviceIndex(int index);
    int GetDeviceIndex() const { return deviceIndex_; }

    // Makes "Device"[device index] of the file at path the tree and returns a copy of it.
    // When the file has no such device object (missing, empty or broken file, or an element
    // that is not an object), the tree is taken from the default data file and written into
    // the file at path, which is created as {"Device": [default device object]} when needed
    // (other keys of a readable file are kept). The default data file itself is never
    // written. When the default data has no device object either, the tree becomes null,
    // nothing is written, and null is returned.
    Json::Value Load(const std::string& path);
    // Where the last Load kept the profile file it could not read before writing the
    // default data in its place; empty when nothing was set aside.
    const std::string& KeptAsideOnLoad() const { return keptAsideOnLoad_; }
    // SaveDeviceData(tree, profile path). 0 when written, 1 on failure.
    virtual int Save();
    // Reads the document at path, sets its "Device"[device index] to value and writes the
    // whole document back atomically. 0 when written, 1 on failure (the file is unchanged).
    virtual int SaveDeviceData(Json::Value value, const std::string& path);
    // Writes value as the whole document of path. 0 when written, 1 on failure.
    virtual int WriteDocument(Json::Value value, const std::string& path);

    // The tree (the device object of the profile); null before the first Load.
    const Json::Value& Tree() const { return tree_; }

    // Reads "LightInfo" into the current record (all zero when it is missing) and returns it.
    LightInfoRecord GetLightInfo();
    // Stores the whole record and replaces "LightInfo" with its eight keyed fields.
    void SetLightInfo(const LightInfoRecord& record);
    // The current record as last read or set (the extra bytes included).
    const LightInfoRecord& CurrentLightInfo() const { return lightInfo_; }

    // One entry per "LightList" element (empty when the list is missing).
    std::vector<LightListEntry> GetLightList();

    // The light configuration document becomes the content of the file (null when missing).
    void LoadLightConfig(const std::string& path);
    // The effect list of the light preset the current record's select item names in row
    // device index of the light configuration's "LightInfo": its "Guid" + ".light", looked
    // up in the folder of the light configuration file. Empty when any step finds nothing
    // or the Guid is not a plain file name.
    std::vector<LedEffectEntry> LoadCustomLightEffects();
    const std::vector<LedEffectEntry>& CustomLightEffects() const { return effects_; }

    // One entry per "KeyList" element (empty when the list is missing).
    std::vector<KeyAssignEntry> GetKeyList();
    // Stores the list and writes "KeyList"[i]."Assignment" for every entry i (the array grows
    // as needed; "DefaultAssignment" is left as it is).
    void SetKeyList(const std::vector<KeyAssignEntry>& list);

protected:
    // The tree for writing; it is made an object first when it is anything else.
    Json::Value& MutableTree();
    const CJsonFile& Files() const { return jsonFile_; }

private:
    std::string keptAsideOnLoad_;
    std::string profilePath_;
    std::string defaultDataPath_;
    LightInfoRecord lightInfo_;
    std::vector<LightListEntry> lightList_;
    Json::Value tree_;
    CJsonFile jsonFile_;
    std::string lightConfigPath_;
    std::string loadedLightConfigPath_;  // the file LoadLightConfig read
    std::vector<LedEffectEntry> effects_;
    Json::Value lightConfig_;
    std::vector<KeyAssignEntry> keyList_;
    int deviceIndex_ = 0;
};
