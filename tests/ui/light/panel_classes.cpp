// The lighting panel's classes, registered before the tests build their skins.
#include <gtest/gtest.h>

#include "panels/light/light_panel_registration.h"

namespace {

class LightPanelClasses : public ::testing::Environment {
public:
    void SetUp() override { RegisterLightPanelClasses(); }
};

const auto* const kClasses = ::testing::AddGlobalTestEnvironment(new LightPanelClasses);

}  // namespace
