#include "ctl/ctl_profiles.h"

#include "ctl/ctl.h"
#include "ctl/ctl_bindings.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_named_device.h"
#include "profiles/profile_list.h"

namespace {

constexpr const char* kProfileUsage =
    "usage: kvelmctl profile PATH|INDEX new | copy NAME | rename NAME NEW | delete NAME | select NAME | "
    "export NAME FILE | import FILE";

struct Action {
    const char* name;
    size_t arguments;  // after the action's name
};
constexpr Action kActions[] = {{"new", 0},    {"copy", 1},   {"rename", 2}, {"delete", 1},
                               {"select", 1}, {"export", 2}, {"import", 1}};

bool KnownAction(const std::vector<std::string>& args) {
    for (const Action& action : kActions)
        if (args[1] == action.name && args.size() == 2 + action.arguments) return true;
    return false;
}

// Index of the profile called `name`; exit 2 after the error line when there is none.
int FindProfile(const CProfileList& list, const std::string& name, int* index, CtlContext& context) {
    *index = list.FindByName(name);
    if (*index >= 0) return kExitOk;
    std::string names;
    for (const ProfileEntry& entry : list.Entries())
        names += (names.empty() ? "'" : ", '") + entry.name + "'";
    return CtlFail(context, kExitUsage, "no profile named '" + name + "' (profiles: " + names + ")");
}

// A refused operation is a mistake on the command line (a name in use, the last profile);
// a file that cannot be written or read is a failure.
int Outcome(const CProfileList& list, int result, const std::string& done, CtlContext& context) {
    if (result == kProfileDone) {
        context.out << done << "\n";
        return kExitOk;
    }
    return CtlFail(context, result == kProfileRefused ? kExitUsage : kExitFailure, list.LastError());
}

std::string NameAt(const CProfileList& list, int index) {
    return list.Entries()[static_cast<size_t>(index)].name;
}

int RunOnList(CProfileList& list, const std::vector<std::string>& args, CtlContext& context) {
    const std::string& action = args[1];
    if (action == "new") {
        const int result = list.NewProfile();
        return Outcome(list, result,
                       result == kProfileDone ? "created '" + NameAt(list, list.Count() - 1) + "'" : "",
                       context);
    }
    if (action == "import") {
        const int result = list.ImportProfile(args[2]);
        if (result == kProfileRefused) return CtlFail(context, kExitFailure, list.LastError());
        return Outcome(list, result,
                       result == kProfileDone ? "imported '" + NameAt(list, list.Count() - 1) + "'" : "",
                       context);
    }
    int index = -1;
    if (const int code = FindProfile(list, args[2], &index, context); code != kExitOk) return code;
    const std::string name = NameAt(list, index);
    if (action == "copy") {
        const int result = list.CopyProfile(index);
        return Outcome(
            list, result,
            result == kProfileDone ? "copied '" + name + "' as '" + NameAt(list, list.Count() - 1) + "'" : "",
            context);
    }
    if (action == "rename")
        return Outcome(list, list.RenameProfile(index, args[3]),
                       "renamed '" + name + "' to '" + args[3] + "'", context);
    if (action == "delete")
        return Outcome(list, list.DeleteProfile(index), "deleted '" + name + "'", context);
    return Outcome(list, list.ExportProfile(index, args[3]), "exported '" + name + "' to " + args[3],
                   context);
}

}  // namespace

int OpenProfileListOf(const std::string& argument, CProfileList& list, CtlContext& context) {
    NamedDevice named;
    if (const int code = ConfigureNamed(argument, named, context); code != kExitOk) return code;
    PointProfileList(list, named);
    return InitProfileList(list, context);
}

void PrintProfileList(const CProfileList& list, std::ostream& out) {
    for (int i = 0; i < list.Count(); ++i) {
        const ProfileEntry& entry = list.Entries()[static_cast<size_t>(i)];
        out << (i == list.SelectedIndex() ? "* " : "  ") << i << "  " << entry.name << "  (" << entry.id
            << ")  programs: " << ProfileBindingsText(list, i) << "\n";
    }
}

int RunProfiles(const std::vector<std::string>& args, CtlContext& context) {
    CProfileList list;
    if (const int code = OpenProfileListOf(args[0], list, context); code != kExitOk) return code;
    PrintProfileList(list, context.out);
    return kExitOk;
}

int RunProfile(const std::vector<std::string>& args, CtlContext& context) {
    if (args.size() < 2 || !KnownAction(args)) return CtlFail(context, kExitUsage, kProfileUsage);
    // A switch writes the device as the window's profile combo does.
    if (args[1] == "select") return ApplyProfileToDevice(args[0], &args[2], context);
    CProfileList list;
    if (const int code = OpenProfileListOf(args[0], list, context); code != kExitOk) return code;
    return RunOnList(list, args, context);
}
