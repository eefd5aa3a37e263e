#include <filesystem>

#include "profile_fixture.h"

namespace {

using ProfilePaths = ProfileFixture;

TEST_F(ProfilePaths, UserFolderLivesUnderTheDataHomeAndIsCreated) {
    const std::string expected = (root_ / "data" / "KV_ELM Gaming mouse" / "keyboard").string() + "/";
    std::filesystem::remove_all(root_ / "data");
    EXPECT_EQ(DeviceUserFolder("keyboard"), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    EXPECT_EQ(ProfileListFile(expected), expected + "ProfileList.ini");
    EXPECT_EQ(ProfileFile(expected, "2024_03_07_09_05_02_045"), expected + "2024_03_07_09_05_02_045.Json");
    EXPECT_EQ(LightConfigFile(expected), expected + "tolva_light.config");
    EXPECT_EQ(DefaultDataFile("/opt/kvelm", "mouse3389"), "/opt/kvelm/DefaultData/mouse3389.Json");
}

TEST_F(ProfilePaths, RelativeDataHomeIsIgnored) {
    setenv("XDG_DATA_HOME", "relative/dir", 1);
    const char* home = getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(UserDataHome(), std::string(home) + "/.local/share");
}

}  // namespace
