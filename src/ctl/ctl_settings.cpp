// kvelmctl settings: the mouse's active settings record, decoded.
#include <cstdio>

#include "ctl/ctl.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_mouse.h"
#include "ctl/ctl_numbers.h"
#include "ctl/ctl_kind_settings.h"

namespace {

void PrintSettings(std::ostream& out, const std::string& path, const mouse::MouseRecordReadBack& read)
{
    char colour[32];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", read.red, read.green, read.blue);
    out << "device:            " << path << "\n";
    out << "active record:     " << unsigned(read.activeRecord) << "\n";
    out << "lighting mode:     " << unsigned(read.mode) << "\n";
    out << "brightness:        " << unsigned(read.brightness) << "\n";
    out << "speed:             " << unsigned(read.speed) << "\n";
    out << "colourful:         " << (read.colourful != 0 ? "yes" : "no") << "\n";
    out << "colour:            " << colour << "\n";
    out << "polling rate:      " << unsigned(read.pollingRateIndex) << "\n";
    out << "active DPI stage:  " << unsigned(read.activeStage) << "\n";
    out << "record:\n" << FormatHexDump(read.bytes.data(), read.bytes.size(), 0);
}

}  // namespace

int RunSettings(const std::vector<std::string>& args, CtlContext& context)
{
    if (args.size() != 1)
        return RunKindSettings(args, context);
    CVornakelMouseDevice device;
    std::string path;
    if (const int code = OpenNamedMouse(args[0], device, &path, context); code != kExitOk)
        return code;
    if (const int result = device.ReadSettingsRecord(); result != kResultOk)
        return FailCommand(context, "reading the settings record", result, path);
    PrintSettings(context.out, path, device.LastSettingsRead());
    return kExitOk;
}
