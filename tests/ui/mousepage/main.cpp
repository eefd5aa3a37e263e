// Test main: offscreen Qt, the source tree's resources as program folder, and the classes
// the mouse page's skin names.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>

#include "ui/skin_resources.h"
#include "panels/light/light_panel_registration.h"
#include "panels/mousepage/mouse_page.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KVELM_DATA_DIR", KVELM_RESOURCES, 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    CSkinResources::Instance().Load();
    RegisterLightPanelClasses();
    RegisterMousePageClasses();
    return RUN_ALL_TESTS();
}
