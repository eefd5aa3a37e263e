// kvelmctl keys and assign: a mouse's button assignments by name, and giving one button a
// new assignment the way the key assignment panel's save does.
#include "ctl/ctl.h"
#include "ctl/ctl_set_kinds.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_profiled_mouse.h"
#include "macros/assignment_words.h"
#include "macros/macro_capacity.h"
#include "macros/macro_store.h"

namespace {

constexpr const char* kLastLeftButtonMessage = "The last left button cannot be given another function.";

std::vector<std::string> MacroNames(const CVornakelMouseDevice& device) {
    macros::CMacroStore store;
    store.SetUserFolder(device.DataFolder());
    store.Load();
    return store.Names();
}

std::vector<macros::Assignment> CurrentAssignments(const CVornakelMouseDevice& device) {
    std::vector<macros::Assignment> current;
    for (const KeyAssignEntry& entry : device.Assignments()) current.push_back(ToAssignment(entry.current));
    return current;
}

}  // namespace

int RunKeys(const std::vector<std::string>& args, CtlContext& context) {
    ProfiledMouse mouse;
    if (const int code = OpenProfiledMouse(args[0], mouse, context); code != kExitOk) return code;
    const std::vector<std::string> names = MacroNames(mouse.device);
    context.out << "profile '" << mouse.profileName << "' on " << mouse.path << "\n";
    const auto& list = mouse.device.Assignments();
    for (std::size_t i = 0; i < list.size() && i < mouse::kLogicalButtonCount; ++i) {
        const macros::Assignment a = ToAssignment(list[i].current);
        std::string word(ButtonWord(i));
        word.resize(std::max<std::size_t>(word.size(), 10), ' ');
        std::string typed = macros::AssignmentWords(a, names);
        typed.resize(std::max<std::size_t>(typed.size(), 24), ' ');
        context.out << word << " " << typed << " " << macros::AssignmentName(a, names)
                    << (list[i].current == list[i].defaults ? " (default)" : "") << "\n";
    }
    return kExitOk;
}

int RunAssign(const std::vector<std::string>& args, CtlContext& context) {
    const int button = FindButton(args[1]);
    if (button < 0)
        return CtlFail(context, kExitUsage,
                       "unknown button '" + args[1] + "' (buttons: " + ButtonWords() + ")");
    ProfiledMouse mouse;
    if (const int code = OpenProfiledMouse(args[0], mouse, context); code != kExitOk) return code;
    CVornakelMouseDevice& device = mouse.device;
    const std::vector<std::string> names = MacroNames(device);
    const macros::ParsedAssignment parsed = macros::ParseAssignment(args[2], names);
    if (!parsed.ok) return CtlFail(context, kExitUsage, parsed.error);
    if (static_cast<std::size_t>(button) >= device.Assignments().size())
        return CtlFail(context, kExitFailure, "the profile has no assignment for button '" + args[1] + "'");

    const KeyAssignEntry& entry = device.Assignments()[static_cast<std::size_t>(button)];
    KeyAssignHalf half = parsed.isDefault ? entry.defaults : entry.current;
    if (!parsed.isDefault) {
        half.type = parsed.assignment.type;
        half.param1 = parsed.assignment.param1;
        half.param2 = parsed.assignment.param2;
    }
    const std::vector<macros::Assignment> current = CurrentAssignments(device);
    if (macros::IsLastLeftButton(current, static_cast<std::size_t>(button)) &&
        ToAssignment(half) != macros::kLeftButton)
        return CtlFail(context, kExitFailure, kLastLeftButtonMessage);

    device.SetAssignment(button, half);
    const bool macro =
        half.type == macros::AssignType::kMacro || half.type == macros::AssignType::kMacroRepeat;
    int code = kExitOk;
    if (macro) {
        const int macros = device.WriteMacros();
        if (macros > 0)
            code = CtlFail(context, kExitFailure, macros::CapacityMessage(macros));
        else if (macros < 0)
            code = CtlFail(context, kExitFailure, "writing the macros failed: " + mouse.path);
    }
    if (const int result = device.WriteCurrentKeyAssignments(); result != kResultOk)
        code = FailCommand(context, "writing the key assignments", result, mouse.path);
    if (device.SaveProfile() != kResultOk)
        code = CtlFail(context, kExitFailure, "the profile cannot be saved");
    if (code == kExitOk)
        context.out << ButtonWord(static_cast<std::size_t>(button)) << ": "
                    << macros::AssignmentName(ToAssignment(half), names) << " (profile '" << mouse.profileName
                    << "')\n";
    return code;
}

int RunHelp(const std::vector<std::string>& args, CtlContext& context) {
    if (!args.empty() && args[0] == "set") {
        PrintSetHelp(context.out);
        return kExitOk;
    }
    if (args.empty() || args[0] != "assign")
        return CtlFail(context, kExitUsage, "help is available for: assign, set (see also kvelmctl --help)");
    context.out << "usage: kvelmctl assign PATH|INDEX BUTTON ASSIGNMENT\n\n"
                << "BUTTON is one of: " << ButtonWords() << " (or its number 0-9)\n"
                << macros::AssignmentWordHelp();
    return kExitOk;
}
