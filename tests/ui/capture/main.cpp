// Test main: offscreen Qt with the test skins as the program folder.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>
#include "ui/skin_resources.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KVELM_DATA_DIR", KVELM_UI_TEST_DATA, 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    CSkinResources::Instance().Load();
    return RUN_ALL_TESTS();
}
