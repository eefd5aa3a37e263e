#include "profiles/profile_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

const char kProgramFolderName[] = "KV_ELM Gaming mouse";

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string UserDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    std::string base = home && home[0] ? home : "";
    if (base.empty()) {
        if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) base = pw->pw_dir;
    }
    return base + "/.local/share";
}

std::string DeviceUserFolder(const std::string& deviceFolder) {
    const std::string home = UserDataHome();
    // The data home itself may not exist yet on a fresh account.
    for (size_t pos = 1; pos <= home.size(); ++pos) {
        if (pos == home.size() || home[pos] == '/') mkdir(home.substr(0, pos).c_str(), 0700);
    }
    const std::string root = WithSlash(home) + kProgramFolderName;
    mkdir(root.c_str(), 0755);
    const std::string folder = root + "/" + deviceFolder;
    mkdir(folder.c_str(), 0755);
    return WithSlash(folder);
}

std::string DefaultDataFile(const std::string& programFolder, const std::string& deviceFolder) {
    return WithSlash(programFolder) + "DefaultData/" + deviceFolder + ".Json";
}

std::string ProfileListFile(const std::string& userFolder) {
    return WithSlash(userFolder) + "ProfileList.ini";
}

std::string ProfileFile(const std::string& userFolder, const std::string& profileId) {
    return WithSlash(userFolder) + profileId + ".Json";
}

std::string LightConfigFile(const std::string& userFolder) {
    return WithSlash(userFolder) + "tolva_light.config";
}
