// Test main: offscreen Qt, the source tree's resources as program folder (the real skin
// and default data), and the lighting panel's classes registered.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>

#include "ui/skin_resources.h"
#include "panels/light/light_panel_registration.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KVELM_DATA_DIR", KVELM_RESOURCES, 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    CSkinResources::Instance().Load();
    RegisterLightPanelClasses();
    return RUN_ALL_TESTS();
}
