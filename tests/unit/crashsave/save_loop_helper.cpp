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

// The round profile i's list entry names ("p<i>-<n>"), 0 for none. A run killed between a
// profile file and the list leaves the file one round ahead of its entry; numbering each
// profile on from its entry keeps every file at its entry's round or the one after it
// across restarts.
long ListedRound(const CProfileList& list, int i) {
    if (i >= list.Count()) return 0;
    const std::string& name = list.Entries()[static_cast<size_t>(i)].name;
    const size_t dash = name.find('-');
    if (name.empty() || name[0] != 'p' || dash == std::string::npos) return 0;
    return std::strtol(name.c_str() + dash + 1, nullptr, 10);
}

}  // namespace

int main() {
    CProfileList list;
    list.SetDeviceKind(2);
    list.SetDeviceFolder(getenv("KVELM_DATA_DIR"), "mouse");
    if (list.Init() != kProfileDone) return 2;
    while (list.Count() < kProfiles)
        if (list.NewProfile() != kProfileDone) return 3;
    std::puts("ready");
    std::fflush(stdout);
    const std::string pad(kPadBytes, 'x');
    long next[kProfiles];
    for (int i = 0; i < kProfiles; ++i) next[i] = ListedRound(list, i) + 1;
    for (long pass = 1;; ++pass) {
        for (int i = 0; i < kProfiles; ++i) {
            const long round = next[i]++;
            if (list.RenameProfile(i, "p" + std::to_string(i) + "-" + std::to_string(round)) != kProfileDone)
                return 4;
            CBasicProfiledata profile;
            Json::Value device(Json::objectValue);
            device["Round"] = static_cast<Json::Int64>(round);
            device["Pad"] = pad;
            if (profile.SaveDeviceData(device, list.ProfilePathAt(i)) != 0) return 5;
        }
        list.Select(static_cast<int>(pass % kProfiles));
    }
}
