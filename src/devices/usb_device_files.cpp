// The file steps every device kind takes the same way: its profile and its page lists.
#include "devices/usb_device.h"
#include "profiles/basic_profile_data.h"

namespace {

const char kDefaultLightFile[] = "default_light.json";

}  // namespace

std::string CVornakelUSBDevice::LightConfigFile() const {
    return DataFolder() + ConfigName() + ".config";
}

DeviceLists CVornakelUSBDevice::LoadPageLists(const std::string& macroListName,
                                              const std::string& lightConfigFile) {
    DeviceLists lists = LoadDeviceLists(DataFolder() + macroListName, DefaultDataFolder() + kDefaultLightFile,
                                        lightConfigFile, GetUserValue());
    if (IDevicePage* page = Page()) {
        page->ShowMacroNames(lists.macroNames);
        page->ShowLightModes(lists.lightModes, lists.presetNames);
    }
    return lists;
}

void CVornakelUSBDevice::PointProfileAtFiles(CBasicProfiledata& profile) const {
    profile.SetDefaultDataPath(DefaultDataFile());
    if (!ProfileName().empty()) profile.SetProfilePath(DataFolder() + ProfileName() + ".Json");
    profile.SetLightConfigPath(LightConfigFile());
}

bool CVornakelUSBDevice::LoadNamedProfile(CBasicProfiledata& profile) {
    SetFilePaths();
    profileKeptAside_.clear();
    if (ProfileName().empty()) return false;
    const bool loaded = profile.Load(profile.GetProfilePath()).isObject();
    profileKeptAside_ = profile.KeptAsideOnLoad();
    return loaded;
}

int CVornakelUSBDevice::SaveLoadedProfile(CBasicProfiledata& profile) {
    if (profile.GetProfilePath().empty() || profile.Tree().isNull()) return kResultOk;
    return profile.Save() == 0 ? kResultOk : kResultProfileNotSaved;
}
