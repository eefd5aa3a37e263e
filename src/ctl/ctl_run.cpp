#include <algorithm>
#include <cstdlib>
#include "ctl/ctl.h"
#include "ctl/ctl_commands.h"
#include "devices/discovery/simulated_rows.h"
#include "sim/sim_devices.h"
#include "update/program_version.h"

namespace {
constexpr std::string_view kSimulateOption = "--simulate";
// Options of the commands that take a value; they may stand anywhere after the command.
constexpr std::string_view kValueOptions[] = {"--profile", "--kind",       "--colour",
                                              "--color",   "--brightness", "--speed"};

bool IsValueOption(std::string_view arg) {
    return std::find(std::begin(kValueOptions), std::end(kValueOptions), arg) != std::end(kValueOptions);
}

// The command's own arguments first, then its options with their values in the order
// given ("--name=value" split in two), which is the order the commands read them in.
std::vector<std::string> OptionsLast(const std::vector<std::string>& args) {
    std::vector<std::string> plain, options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const size_t equals = arg.find('=');
        if (arg.starts_with("--") && equals != std::string::npos && IsValueOption(arg.substr(0, equals))) {
            options.push_back(arg.substr(0, equals));
            options.push_back(arg.substr(equals + 1));
        } else if (IsValueOption(arg)) {
            options.push_back(arg);
            if (i + 1 < args.size()) options.push_back(args[++i]);
        } else {
            plain.push_back(arg);
        }
    }
    plain.insert(plain.end(), options.begin(), options.end());
    return plain;
}

void PrintUsage(std::ostream& out) {
    out << "usage: kvelmctl [--simulate LIST] COMMAND [ARGUMENTS]\n"
           "       kvelmctl --help | --version (-v, -V)\n\ncommands:\n";
    for (const CtlCommand& command : CtlCommands()) {
        std::string head = std::string(command.name);
        if (!command.arguments.empty()) head += " " + std::string(command.arguments);
        out << "  " << head << std::string(head.size() < 32 ? 32 - head.size() : 1, ' ') << command.summary
            << "\n";
    }
    out << "\nINDEX counts the supported devices in the order 'list' shows them, from 0.\n"
           "Numbers are decimal or hexadecimal with 0x. DPI stages count from 1.\n"
           "Options may stand anywhere after the command.\n"
           "Exit codes: 0 done, 1 the device or a file failed, 2 the command line is wrong.\n"
           "--simulate LIST (or KVELM_SIMULATE) adds simulated devices; LIST names them with commas:\n"
           "  mouse, mouse3389, mousewl, keyboard, pad, headset.\n"
           "  Their memory is kept per user in $XDG_RUNTIME_DIR/kvelm-sim (or /tmp/kvelm-sim-UID),\n"
           "  so the next kvelmctl and a running kvelm --simulate see what this one wrote.\n"
           "  KVELM_SIM_STATE_DIR=FOLDER keeps it there instead; KVELM_SIM_STATE_DIR=off keeps it\n"
           "  in this run only. To start fresh, delete that folder.\n"
           "KVELM_UPDATE_URL (or Url= in [Update] of kvelm.ini) names the update service.\n"
           "KVELM_DEBUG=1 writes the frames sent and received to standard error.\n";
}
}  // namespace

std::span<const CtlCommand> CtlCommands() {
    static const CtlCommand kCommands[] = {
        {"list", "", "list every HID interface and mark the supported ones", 0, RunList},
        {"info", "PATH|INDEX", "read and decode the device information block", 1, RunInfo},
        {"read", "PATH|INDEX OFFSET LENGTH", "hex-dump LENGTH bytes of device memory at OFFSET", 3, RunRead},
        {"settings", "PATH|INDEX [--kind KIND]",
         "read and decode the active settings of a device (--kind checks its kind)", 1, RunSettings, 2},
        {"apply", "PATH|INDEX [--profile NAME] | --all",
         "send the selected (or named) profile to a device, or to every attached device", 1, RunApply, 2},
        {"updates", "", "ask the update service about the attached devices and the program", 0, RunUpdates},
        {"gun", "PATH|INDEX ACTION [N [FILE]]",
         "a mouse's gun presets 1-4: list, show N, import N FILE, export N FILE, send", 2, RunGun, 2},
        {"keys", "PATH|INDEX", "show each button's assignment in the selected profile", 1, RunKeys},
        {"assign", "PATH|INDEX BUTTON ASSIGNMENT", "give a button a new assignment (kvelmctl help assign)", 3,
         RunAssign},
        {"macro", "list|show|import|export PATH|INDEX [NAME|FILE] [FILE]", "the mouse's macro files", 2,
         RunMacro, 2},
        {"set",
         "PATH|INDEX dpi STAGE VALUE | rate HZ | lighting MODE [--colour RRGGBB] [--brightness N] [--speed "
         "N] | wlock|winlock|rollover on|off | repeat-delay MS",
         "change a setting in the selected profile and write it to the device (kvelmctl help set)", 3, RunSet,
         7},
        {"profiles", "PATH|INDEX", "list the device's profiles, the selected one marked with '*'", 1,
         RunProfiles},
        {"profile", "PATH|INDEX new|copy|rename|delete|select|export|import [NAME|FILE] [NEW|FILE]",
         "manage the device's profiles as the window's profile manager does", 2, RunProfile, 2},
        {"help", "assign|set", "the words of an assignment, or which setting each kind has", 1, RunHelp},
        {"bind", "PATH|INDEX PROFILE PROGRAM",
         "switch to PROFILE when PROGRAM (name, path, class:NAME) has the focus", 3, RunBind},
        {"unbind", "PATH|INDEX PROFILE PROGRAM", "remove a program from a profile", 3, RunUnbind},
        {"udev-rules", "", "print the udev lines that let you open every known device without root", 0,
         RunUdevRules},
    };
    return kCommands;
}

namespace {
std::string& SimulateList() {
    static std::string list;
    return list;
}
}  // namespace

const std::string& CtlSimulateList() {
    return SimulateList();
}

int CtlFail(CtlContext& context, int code, const std::string& text) {
    context.err << "kvelmctl: " << text << "\n";
    return code;
}

int RunCtl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CtlContext context{out, err};
    std::vector<std::string> rest;
    std::string simulate;
    bool simulateGiven = false;
    bool help = false;
    bool version = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version" || arg == "-V" || arg == "-v") {
            version = true;
        } else if (arg == kSimulateOption) {
            if (i + 1 >= args.size())
                return CtlFail(context, kExitUsage, "--simulate needs a list of device names");
            simulate = args[++i];
            simulateGiven = true;
        } else if (arg.starts_with(std::string(kSimulateOption) + "=")) {
            simulate = arg.substr(kSimulateOption.size() + 1);
            simulateGiven = true;
        } else {
            rest.push_back(arg);
        }
    }
    if (help) {
        PrintUsage(out);
        return kExitOk;
    }
    if (version) {
        out << "kvelmctl " << ProgramVersionDotted() << "\n";
        return kExitOk;
    }
    if (rest.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    if (!simulateGiven) {
        const char* fromEnvironment = std::getenv("KVELM_SIMULATE");
        simulate = fromEnvironment != nullptr ? fromEnvironment : "";
    }
    SimulateList() = simulate;
    std::string error;
    if (PlugSimulatedDevicesWithRows(simulate, &error) < 0) return CtlFail(context, kExitUsage, error);

    const auto commands = CtlCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const CtlCommand& c) { return c.name == rest[0]; });
    if (found == commands.end())
        return CtlFail(context, kExitUsage, "unknown command '" + rest[0] + "' (see kvelmctl --help)");
    const std::vector<std::string> commandArgs = OptionsLast({rest.begin() + 1, rest.end()});
    if (commandArgs.size() < found->argumentCount ||
        commandArgs.size() > found->argumentCount + found->optionalArguments) {
        std::string usage = "usage: kvelmctl " + std::string(found->name);
        if (!found->arguments.empty()) usage += " " + std::string(found->arguments);
        return CtlFail(context, kExitUsage, usage);
    }
    return found->run(commandArgs, context);
}
