#pragma once
// Fixture files of the lighting model tests: the shipped default data, a light
// configuration with presets, and a temporary folder for broken or missing files.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

inline std::string ShippedDefaultLight() {
    return std::string(KVELM_DEFAULT_DATA) + "/default_light.json";
}
inline std::string PresetFixture() {
    return std::string(KVELM_LIGHT_TEST_DATA) + "/tolva_light.config";
}

class LightTempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "kvelm_light_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    std::string Put(const std::string& name, const std::string& bytes) const {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }
    std::string Missing() const { return (folder_ / "nothing_here.json").string(); }

    std::filesystem::path folder_;
};
