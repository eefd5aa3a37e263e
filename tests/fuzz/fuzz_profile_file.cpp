// A profile file read by the profile data of every device kind, with its light
// configuration and effect file, then saved.
#include <cstddef>
#include <cstdint>

#include "fuzz_files.h"
#include "profiles/hs6533_profile_data.h"
#include "profiles/keyboard_profile_data.h"
#include "profiles/mouse_profile_data.h"

namespace {

template <typename Profile>
Profile Loaded(const std::string& path) {
    Profile profile;
    profile.SetDefaultDataPath(FuzzFolder() + "default.Json");
    profile.SetProfilePath(path);
    profile.Load(path);
    profile.GetLightInfo();
    profile.GetLightList();
    profile.GetKeyList();
    profile.LoadLightConfig(path);
    profile.LoadCustomLightEffects();
    return profile;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzFolder() + "profile.Json";
    // The same bytes serve as profile, default data, light configuration and effect file.
    PutFuzzFile(FuzzFolder() + "default.Json", data, size);
    for (int sensor : {0x3327, 0x3360, 0x3389}) {
        PutFuzzFile(path, data, size);
        CMouseProfiledata mouse = Loaded<CMouseProfiledata>(path);
        mouse.SetSensorModel(static_cast<uint32_t>(sensor));
        mouse.GetDpiStages();
        mouse.GetMouseSystem();
        mouse.GetCorrectInfo();
        mouse.Save();
    }
    PutFuzzFile(path, data, size);
    CKeyboardProfiledata keyboard = Loaded<CKeyboardProfiledata>(path);
    keyboard.GetKeyboardSystem();
    const int group = keyboard.GetCustomLightGroup();
    keyboard.GetCustomLightColors(group, 126);
    keyboard.Save();

    PutFuzzFile(path, data, size);
    CHs6533Profiledata headset = Loaded<CHs6533Profiledata>(path);
    headset.GetHeadsetSettings();
    for (int type = -1; type < 12; ++type) headset.GetEqValues(type);
    const auto names = headset.GetCustomEqNames();
    for (int i = 0; i <= static_cast<int>(names.size()); ++i) headset.GetCustomEqValues(i);
    headset.Save();
    return 0;
}
