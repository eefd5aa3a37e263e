// kvelmctl bind / unbind: binds a profile to a program (an executable name, a path, or
// "class:NAME" for a window class) or removes the binding, in the device's profile list,
// as the program's profile manager does. The device need not answer: only its files change.
#include "ctl/ctl.h"
#include "ctl/ctl_bindings.h"
#include "ctl/ctl_profiles.h"
#include "profiles/profile_list.h"

namespace {

using BindingChange = int (CProfileList::*)(int, const std::string&);

int ChangeBinding(const std::vector<std::string>& args, CtlContext& context, BindingChange change) {
    CProfileList list;
    if (const int code = OpenProfileListOf(args[0], list, context); code != kExitOk) return code;
    const int index = list.FindByName(args[1]);
    // A name or program the list refuses is a mistake on the command line; a list file that
    // cannot be written is a failure.
    if (index < 0) return CtlFail(context, kExitUsage, "profile not found: '" + args[1] + "'");
    if (const int result = (list.*change)(index, args[2]); result != kProfileDone)
        return CtlFail(context, result == kProfileRefused ? kExitUsage : kExitFailure, list.LastError());
    context.out << list.Entries()[static_cast<size_t>(index)].name << ": " << ProfileBindingsText(list, index)
                << "\n";
    return kExitOk;
}

}  // namespace

std::string ProfileBindingsText(const CProfileList& list, int index) {
    std::string text;
    for (const std::string& program : list.ProgramsAt(index)) text += (text.empty() ? "" : ", ") + program;
    if (index >= 0 && index == list.ReturnIndex())
        text += text.empty() ? "return profile" : ", return profile";
    return text.empty() ? "-" : text;
}

int RunBind(const std::vector<std::string>& args, CtlContext& context) {
    return ChangeBinding(args, context, &CProfileList::BindProgram);
}

int RunUnbind(const std::vector<std::string>& args, CtlContext& context) {
    return ChangeBinding(args, context, &CProfileList::UnbindProgram);
}
