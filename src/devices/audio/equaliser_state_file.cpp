#include "devices/audio/equaliser_state_file.h"

#include "profiles/profile_paths.h"
#include "util/json_file.h"
#include "util/json_value.h"

namespace {

constexpr char kFileName[] = "host_equaliser.json";
constexpr char kHeadsetFolder[] = "HD";
constexpr char kEnabled[] = "Enabled";
constexpr char kBands[] = "Bands";

}  // namespace

std::string HostEqualiserStateFile() {
    return DeviceUserFolder(kHeadsetFolder) + kFileName;
}

EqualiserState ReadEqualiserState(const std::string& path) {
    const Json::Value root = CJsonFile(kMaxListFileBytes).ReadJsonFile(path);
    EqualiserState state;
    state.enabled = JsonBoolAt(root, kEnabled);
    const Json::Value& bands = JsonMember(root, kBands);
    for (unsigned i = 0; i < state.bands.size(); ++i) state.bands[i] = JsonInt(JsonAt(bands, i));
    return state;
}

bool WriteEqualiserState(const std::string& path, const EqualiserState& state) {
    Json::Value root(Json::objectValue);
    root[kEnabled] = state.enabled;
    Json::Value& bands = root[kBands] = Json::Value(Json::arrayValue);
    for (const int band : state.bands) bands.append(band);
    return CJsonFile().WriteJsonFile(path, root) == 0;
}
