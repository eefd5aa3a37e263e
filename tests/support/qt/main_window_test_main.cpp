// Test main of the tests that run the real main window: offscreen Qt, the program folder
// given by the test target (KVELM_TEST_PROGRAM_DIR), and private data, settings and runtime
// folders for the whole run.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "mainwnd/main_wnd.h"
#include "qt/offscreen_app.h"
#include "temp_folder.h"
#include "ui/skin_resources.h"
#include "ui/skin_style.h"

int main(int argc, char** argv) {
    UseOffscreenPlatformUnlessSet();
    setenv("KVELM_DATA_DIR", KVELM_TEST_PROGRAM_DIR, 1);
    TempFolder home;
    if (!home.IsValid()) return 1;
    home.UseAsUserHome();
    const std::filesystem::path runtime = home.Path() / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    home.SetEnv("XDG_RUNTIME_DIR", runtime.string());

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    CSkinResources::Instance().Load();
    ApplySkinStyleSheet();
    CMainWnd::SetExitProcess([](int) {});  // "closebtn" must not end the run
    return RUN_ALL_TESTS();
}
