// Test main of the UI tests: offscreen Qt, private data, settings and runtime folders for
// the whole run and, when the test target names one (KVELM_TEST_PROGRAM_DIR), that program
// folder with its skin resources loaded. A test program registers the control classes its
// skins name with a GoogleTest environment.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>

#include "qt/offscreen_app.h"
#include "temp_folder.h"
#include "ui/skin_resources.h"

int main(int argc, char** argv) {
    UseOffscreenPlatformUnlessSet();
#ifdef KVELM_TEST_PROGRAM_DIR
    setenv("KVELM_DATA_DIR", KVELM_TEST_PROGRAM_DIR, 1);
#endif
    // Without XDG_RUNTIME_DIR Qt makes a runtime folder of its own in the system's temporary
    // folder and leaves it there.
    TempFolder home;
    if (!home.IsValid()) return 1;
    home.UseAsUserHome();
    home.SetEnv("XDG_RUNTIME_DIR", home.Path().string());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
#ifdef KVELM_TEST_PROGRAM_DIR
    CSkinResources::Instance().Load();
#endif
    return RUN_ALL_TESTS();
}
