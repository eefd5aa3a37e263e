#pragma once
// Readers of the two files the lighting mode names come from. Both hold arrays of rows,
// one row per device (see LightRowOfKind); texts are UTF-8 and stay UTF-8 here.
//
//   "default_light.json" (default-data folder):
//     "DefaultLightName"[row][i] = {"LightName": text id of built-in mode i, "visible": bool}
//     "AreaLightName"[row][i]    = {"LightName": name of light area i}
//   "tolva_light.config" (the device's user folder):
//     "LightInfo"[row][i] = {"LightName": preset name typed by the user, "Guid": effect file stem}
//
// A missing or broken file, a missing row or a row that is not an array gives an empty
// list. An element that is not an object keeps its place (mode numbers are positions) and
// reads as an empty, hidden entry.
#include <json/json.h>

#include <string>
#include <vector>

struct BuiltInLightMode {
    std::string name;      // "LightName": a language text id
    bool visible = false;  // "visible": shown in the mode list
    bool operator==(const BuiltInLightMode&) const = default;
};

struct DefaultLightNames {
    std::vector<BuiltInLightMode> modes;  // in mode order
    std::vector<std::string> areas;       // names of the device's light areas
};

struct LightPreset {
    std::string name;  // "LightName"
    std::string guid;  // "Guid": the effect file is guid + ".light"
    bool operator==(const LightPreset&) const = default;
};

DefaultLightNames ReadDefaultLightNames(const Json::Value& document, int row);
DefaultLightNames LoadDefaultLightNames(const std::string& path, int row);

std::vector<LightPreset> ReadLightPresets(const Json::Value& document, int row);
std::vector<LightPreset> LoadLightPresets(const std::string& path, int row);
