#include "mainwnd/desktop_settings.h"

#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "mainwnd/rules/name_match.h"

namespace {

struct DesktopTool {
    std::string_view desktop;  // a name as it appears in XDG_CURRENT_DESKTOP
    const char* program;
    std::array<const char*, 2> arguments;  // unused ones are nullptr
};

// The mouse settings page of each desktop's settings tool.
constexpr std::array<DesktopTool, 12> kTools = {{
    {"GNOME", "gnome-control-center", {"mouse", nullptr}},
    {"Unity", "gnome-control-center", {"mouse", nullptr}},
    {"Budgie", "budgie-control-center", {"mouse", nullptr}},
    {"Budgie", "gnome-control-center", {"mouse", nullptr}},
    {"KDE", "systemsettings", {"kcm_mouse", nullptr}},
    {"KDE", "systemsettings5", {"mouse", nullptr}},
    {"XFCE", "xfce4-mouse-settings", {nullptr, nullptr}},
    {"X-Cinnamon", "cinnamon-settings", {"mouse", nullptr}},
    {"Cinnamon", "cinnamon-settings", {"mouse", nullptr}},
    {"MATE", "mate-mouse-properties", {nullptr, nullptr}},
    {"LXQt", "lxqt-config-input", {nullptr, nullptr}},
    {"LXDE", "lxinput", {nullptr, nullptr}},
}};

ProgramFinder& Finder() {
    static ProgramFinder finder;
    return finder;
}

ProgramStarter& Starter() {
    static ProgramStarter starter;
    return starter;
}

bool IsInstalled(const QString& program) {
    if (Finder()) return Finder()(program);
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool Start(const DesktopCommand& command) {
    if (Starter()) return Starter()(command);
    return QProcess::startDetached(command.program, command.arguments);
}

}  // namespace

std::vector<DesktopCommand> DesktopMouseSettingsCommands(std::string_view currentDesktops, int n) {
    std::vector<DesktopCommand> commands;
    if (n != 0 && n != 1) return commands;
    size_t start = 0;
    while (start <= currentDesktops.size()) {
        const size_t end = std::min(currentDesktops.find(':', start), currentDesktops.size());
        const std::string_view desktop = currentDesktops.substr(start, end - start);
        for (const DesktopTool& tool : kTools) {
            if (!wiring::SameIgnoringCase(desktop, tool.desktop)) continue;
            DesktopCommand command{QString::fromLatin1(tool.program), {}};
            for (const char* argument : tool.arguments)
                if (argument) command.arguments << QString::fromLatin1(argument);
            bool known = false;
            for (const DesktopCommand& c : commands) known = known || c == command;
            if (!known) commands.push_back(command);
        }
        start = end + 1;
    }
    return commands;
}

bool OpenDesktopMouseSettings(int n) {
    const char* desktops = std::getenv("XDG_CURRENT_DESKTOP");
    for (const DesktopCommand& command : DesktopMouseSettingsCommands(desktops ? desktops : "", n)) {
        if (IsInstalled(command.program)) return Start(command);
    }
    return false;
}

void SetDesktopLauncherForTest(ProgramFinder finder, ProgramStarter starter) {
    Finder() = std::move(finder);
    Starter() = std::move(starter);
}
