// Offscreen Qt for the control tests, with the program's own skin folder (the list rows
// build their content from skin files).
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>

#include "ui/skin_resources.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KVELM_DATA_DIR", KVELM_TEST_PROGRAM_DIR, 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    CSkinResources::Instance().Load();
    return RUN_ALL_TESTS();
}
