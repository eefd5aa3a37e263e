// Test main of the tests that run the real main window: offscreen Qt, the program folder
// given by the test target (KVELM_TEST_PROGRAM_DIR), and private data, settings and runtime
// folders for the whole run.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include "ui/skin_resources.h"
#include "ui/skin_style.h"
#include "mainwnd/main_wnd.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KVELM_DATA_DIR", KVELM_TEST_PROGRAM_DIR, 1);
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    for (const char* sub : {"data", "config", "runtime"}) QDir(home.path()).mkpath(QLatin1String(sub));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    CSkinResources::Instance().Load();
    ApplySkinStyleSheet();
    CMainWnd::SetExitProcess([](int) {});  // "closebtn" must not end the run
    return RUN_ALL_TESTS();
}
