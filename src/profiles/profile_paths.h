#pragma once
// Where the profiles of a device kind live. The user folder is
// <XDG data home>/KV_ELM Gaming mouse/<device folder>/ (with the trailing slash); the
// default data of a kind is <program folder>/DefaultData/<device folder>.Json.
#include <string>

// XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share.
std::string UserDataHome();
// The user folder of a device kind ("mouse", "keyboard", "MousePad", "HD", "mouse3389"),
// ending in '/'. Both folder levels are created when missing (an error creating them only
// shows later, when a file cannot be written).
std::string DeviceUserFolder(const std::string& deviceFolder);
std::string DefaultDataFile(const std::string& programFolder, const std::string& deviceFolder);
std::string ProfileListFile(const std::string& userFolder);  // "ProfileList.ini" (JSON)
std::string ProfileFile(const std::string& userFolder, const std::string& profileId);  // id + ".Json"
std::string LightConfigFile(const std::string& userFolder);                            // "tolva_light.config"
