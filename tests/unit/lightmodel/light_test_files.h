#pragma once
// Fixture files of the lighting model tests: the shipped default data, a light
// configuration with presets, and a temporary folder for broken or missing files.
#include <gtest/gtest.h>

#include <string>

#include "temp_folder.h"

inline std::string ShippedDefaultLight() {
    return std::string(KVELM_DEFAULT_DATA) + "/default_light.json";
}
inline std::string PresetFixture() {
    return std::string(KVELM_LIGHT_TEST_DATA) + "/tolva_light.config";
}

class LightTempFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }
    std::string Put(const std::string& name, const std::string& bytes) const {
        return folder_.Put(name, bytes);
    }
    std::string Missing() const { return folder_.File("nothing_here.json"); }

    TempFolder folder_;
};
