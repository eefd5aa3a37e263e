#pragma once
// The command line of kvelm and the choice of the display (pure logic, no application
// object needed).
//
//   -h, --help          print the usage and end
//   -v, --version       print the program version and end
//   --click NAME        before the screenshot, click the button or option NAME as a user
//                       would ("mouse_device_seting_option_1" shows the gun presets)
//   --simulate LIST     plug simulated devices ("mouse,mouse3389"); the last one given
//                       wins; without it the variable KVELM_SIMULATE is used
//   --screenshot FILE   render the main window once it is ready, save it as PNG, exit;
//                       works without a display (offscreen)
//   --minimized         start in the tray (minimised where there is no tray)
//   --sdk-server[=ADDRESS:PORT]  serve the devices' lighting to OpenRGB-protocol clients for
//                       this run (default 127.0.0.1:6742)
//   --follow-focus      switch profiles with the focused program for this run
// "--opt=value" works as well. Qt's own -platform, -style, -stylesheet and -display are
// passed on to Qt. Anything else is a usage error.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

enum class StartupAction { Run, ShowHelp, ShowVersion, UsageError };

// Exit code of a bad command line.
inline constexpr int kUsageExitCode = 2;
// Exit code when no display can be reached and no screenshot was asked for.
inline constexpr int kNoDisplayExitCode = 1;

struct StartupOptions {
    StartupAction action = StartupAction::Run;
    QString screenshotPath;
    QString clickBeforeScreenshot;  // empty: none
    std::string simulate;           // empty: no simulated devices
    bool minimized = false;
    bool sdkServer = false;  // --sdk-server given
    std::string sdkAddress;  // its address ("127.0.0.1")
    std::uint16_t sdkPort = 0;
    bool followFocus = false;  // follow the focused program whatever the stored choice
    std::string error;         // the usage problem for UsageError
};

// args includes the program name first, as QCoreApplication::arguments() has it.
StartupOptions ParseStartupOptions(const QStringList& args, const char* simulateEnv);
StartupOptions ParseStartupOptions(int argc, const char* const* argv, const char* simulateEnv);

// The texts printed by --help and --version.
QString StartupHelpText();
QString StartupVersionText();

// True when no display can be reached: DISPLAY and WAYLAND_DISPLAY are unset or empty and
// no platform was chosen through QT_QPA_PLATFORM (each argument may be null).
bool NeedsOffscreenFallback(const char* display, const char* waylandDisplay, const char* qpaPlatform);
// True when the command line names a platform itself ("-platform offscreen").
bool ArgumentsChoosePlatform(const QStringList& args);
