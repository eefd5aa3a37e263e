#include "panels/light/model/light_mode_list.h"

#include "panels/light/model/light_device_kinds.h"

namespace {

constexpr int kMouseFirstPresetMode = 12;
constexpr int kKeyboardFirstPresetMode = 25;
constexpr size_t kModeCount = kLastLightMode + 1;

}  // namespace

int FirstPresetMode(int kind) {
    switch (LightTableKind(kind)) {
    case kKindMouse:
        return kMouseFirstPresetMode;
    case kKindKeyboard:
        return kKeyboardFirstPresetMode;
    default:
        return -1;
    }
}

std::vector<LightModeEntry> BuildLightModeList(int kind, const std::vector<BuiltInLightMode>& builtIns,
                                               const std::vector<LightPreset>& presets) {
    std::vector<LightModeEntry> list;
    const int firstPreset = FirstPresetMode(kind);
    const size_t builtInCount = firstPreset < 0 ? builtIns.size() : static_cast<size_t>(firstPreset);
    for (size_t i = 0; i < builtInCount && list.size() < kModeCount; ++i) {
        if (i < builtIns.size())
            list.push_back({builtIns[i].name, builtIns[i].visible, false});
        else
            list.push_back({});
    }
    if (firstPreset < 0) return list;
    for (const LightPreset& preset : presets) {
        if (list.size() >= kModeCount) break;
        list.push_back({preset.name, !preset.name.empty(), true});
    }
    return list;
}

std::vector<LightModeEntry> LoadLightModeList(int kind, const std::string& defaultLightPath,
                                              const std::string& lightConfigPath) {
    const int row = LightRowOfKind(kind);
    if (row < 0) return {};
    return BuildLightModeList(kind, LoadDefaultLightNames(defaultLightPath, row).modes,
                              LoadLightPresets(lightConfigPath, row));
}

int PresetIndexOfMode(int kind, int mode) {
    const int firstPreset = FirstPresetMode(kind);
    if (firstPreset < 0 || mode < firstPreset || mode > kLastLightMode) return -1;
    return mode - firstPreset;
}
