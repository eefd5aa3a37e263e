#include <filesystem>

#include "profile_fixture.h"
#include "profiles/mouse_profile_data.h"

namespace {

const std::string kShippedDefaults = KVELM_SHIPPED_DEFAULT_DATA;

class ShippedMouseDefaults : public ProfileFixture, public ::testing::WithParamInterface<const char*> {};

// A new profile made from the shipped default data reads every section, and writing back
// everything that was read leaves the device object exactly as shipped.
TEST_P(ShippedMouseDefaults, ReadAndWrittenBackUnchanged) {
    const std::string shipped = kShippedDefaults + "/" + GetParam() + ".Json";
    ASSERT_TRUE(std::filesystem::exists(shipped)) << shipped;
    CMouseProfiledata mouse;
    mouse.SetDefaultDataPath(shipped);
    mouse.SetProfilePath(profilePath_);
    const Json::Value device = mouse.Load(profilePath_);
    ASSERT_TRUE(device.isObject());

    const auto stages = mouse.GetDpiStages();
    EXPECT_EQ(stages.size(), 7u);
    EXPECT_LT(mouse.GetActiveStage(), 7u);
    const auto keys = mouse.GetKeyList();
    EXPECT_EQ(keys.size(), 10u);
    EXPECT_EQ(keys[0].defaults.type, 0x10) << "button 0 is a mouse button by default";
    EXPECT_FALSE(mouse.GetLightList().empty());
    const LightInfoRecord light = mouse.GetLightInfo();
    const MouseSystemSettings system = mouse.GetMouseSystem();
    EXPECT_NE(system.MouseSpeed(), 0);

    mouse.SetDpiStages(stages);
    mouse.SetActiveStage(static_cast<int>(mouse.GetActiveStage()));
    mouse.SetKeyList(keys);
    mouse.SetLightInfo(light);
    mouse.SetMouseSystem(system);
    ASSERT_EQ(mouse.Save(), 0);
    EXPECT_EQ(OnDisk(profilePath_)["Device"][0], OnDisk(shipped)["Device"][0]);
}

INSTANTIATE_TEST_SUITE_P(Folders, ShippedMouseDefaults, ::testing::Values("mouse", "mouse3389"));

}  // namespace
