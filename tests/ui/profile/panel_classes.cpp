// The profile panel's classes, registered before the tests build their skins.
#include <gtest/gtest.h>

#include "panels/profile/profile_panel_registration.h"

namespace {

class ProfilePanelClasses : public ::testing::Environment {
public:
    void SetUp() override { RegisterProfilePanelClasses(); }
};

const auto* const kClasses = ::testing::AddGlobalTestEnvironment(new ProfilePanelClasses);

}  // namespace
