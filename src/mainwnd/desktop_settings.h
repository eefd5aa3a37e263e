#pragma once
// "windowdeviceset_" n: the page's buttons that open the system's own mouse settings.
//
// On this platform the desktop environment owns those settings: the program starts the
// desktop's settings tool on its mouse page, detached, and never waits for it. Buttons 0
// (pointer) and 1 (buttons) both open that page, since the desktops keep pointer speed and
// button settings together; any other number, an unknown desktop or a tool that is not
// installed opens nothing.
#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>
#include <vector>

struct DesktopCommand {
    QString program;
    QStringList arguments;
    bool operator==(const DesktopCommand&) const = default;
};

// The tools that can open the mouse settings for button n on the desktops named in
// `currentDesktops` (XDG_CURRENT_DESKTOP: names separated by ":", case ignored), in the
// order to try them. Empty for another n or a desktop without a known tool.
std::vector<DesktopCommand> DesktopMouseSettingsCommands(std::string_view currentDesktops, int n);

// Starts the first of those commands whose program is installed. True when one was started.
bool OpenDesktopMouseSettings(int n);

// ---- test seams ----
// Replaces the lookup of installed programs and the detached start (both run on the
// caller's thread). Empty functions restore the real ones.
using ProgramFinder = std::function<bool(const QString& program)>;
using ProgramStarter = std::function<bool(const DesktopCommand& command)>;
void SetDesktopLauncherForTest(ProgramFinder finder, ProgramStarter starter);
