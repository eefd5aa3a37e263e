// Saves the profile list and its profiles in an endless loop, for the test that kills it
// at random points. Round n renames profile i to "p<i>-<n>" (profile file first, then the
// list) and stores the device object {"Round": n, "Pad": ...} of every profile.
// Usage: save_loop_helper (XDG_DATA_HOME and KVELM_DATA_DIR name the folders).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "profiles/basic_profile_data.h"
#include "profiles/profile_list.h"

namespace {

constexpr int kProfiles = 3;
// Large enough that a write takes several system calls' worth of bytes.
constexpr size_t kPadBytes = 48 * 1024;

}  // namespace

int main()
{
    CProfileList list;
    list.SetDeviceKind(2);
    list.SetDeviceFolder(getenv("KVELM_DATA_DIR"), "mouse");
    if (list.Init() != kProfileDone)
        return 2;
    while (list.Count() < kProfiles)
        if (list.NewProfile() != kProfileDone)
            return 3;
    std::puts("ready");
    std::fflush(stdout);
    const std::string pad(kPadBytes, 'x');
    for (long round = 1;; ++round) {
        for (int i = 0; i < kProfiles; ++i) {
            if (list.RenameProfile(i, "p" + std::to_string(i) + "-" + std::to_string(round)) != kProfileDone)
                return 4;
            CBasicProfiledata profile;
            Json::Value device(Json::objectValue);
            device["Round"] = static_cast<Json::Int64>(round);
            device["Pad"] = pad;
            if (profile.SaveDeviceData(device, list.ProfilePathAt(i)) != 0)
                return 5;
        }
        list.Select(static_cast<int>(round % kProfiles));
    }
}
