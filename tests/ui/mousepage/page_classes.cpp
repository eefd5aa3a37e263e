// The classes the mouse page's skin names, registered before the tests build it.
#include <gtest/gtest.h>

#include "panels/light/light_panel_registration.h"
#include "panels/mousepage/mouse_page.h"

namespace {

class MousePageClasses : public ::testing::Environment {
public:
    void SetUp() override {
        RegisterLightPanelClasses();
        RegisterMousePageClasses();
    }
};

const auto* const kClasses = ::testing::AddGlobalTestEnvironment(new MousePageClasses);

}  // namespace
