#pragma once
// The command line of kvelm and the choice of the display (pure logic).
//
//   --screenshot FILE   render the main window once it is ready, save it as PNG, exit
//   --click NAME        before the screenshot, click the button or option NAME as a user
//                       would ("mouse_device_seting_option_1" shows the gun presets)
//   --simulate LIST     plug simulated devices ("mouse,mouse3389"); the last one given
//                       wins; without it the variable KVELM_SIMULATE is used
// "--opt=value" works as well. Anything else is left to Qt (-platform, -style, ...).
#include <QString>
#include <string>

struct StartupOptions {
    QString screenshotPath;
    QString clickBeforeScreenshot;  // empty: none
    std::string simulate;  // empty: no simulated devices
    std::string error;     // a usage problem, for standard error; empty when fine
};

StartupOptions ParseStartupOptions(int argc, const char* const* argv, const char* simulateEnv);

// True when no display can be reached: DISPLAY and WAYLAND_DISPLAY are unset or empty and
// no platform was chosen through QT_QPA_PLATFORM (each argument may be null).
bool NeedsOffscreenFallback(const char* display, const char* waylandDisplay, const char* qpaPlatform);
