// kvelmctl macro: the macro files of a mouse's user folder.
//   macro list DEVICE                 names, identifiers and event counts in list order
//   macro show DEVICE NAME            the events of one macro
//   macro import DEVICE FILE          a new macro from a macro file
//   macro export DEVICE NAME FILE     a copy of a macro's file
#include "ctl/ctl.h"
#include "ctl/ctl_mouse.h"
#include "macros/macro_store.h"

namespace {

constexpr const char* kUsage = "usage: kvelmctl macro list|show|import|export PATH|INDEX [NAME|FILE] [FILE]";

int FindMacro(const macros::CMacroStore& store, const std::string& name, CtlContext& context, int* index) {
    *index = store.FindByName(name);
    if (*index >= 0) return kExitOk;
    std::string known;
    for (const std::string& n : store.Names()) known += (known.empty() ? "'" : ", '") + n + "'";
    // A name that is not there is a mistake on the command line, as it is for assign.
    return CtlFail(context, kExitUsage,
                   "no macro named '" + name + "' (macros: " + (known.empty() ? "none" : known) + ")");
}

int List(macros::CMacroStore& store, CtlContext& context) {
    for (int i = 0; i < store.Count(); ++i)
        context.out << i << "  " << store.Macros()[static_cast<size_t>(i)].name << "  ("
                    << store.LoadEvents(i).size() << " events)\n";
    if (store.Count() == 0) context.out << "no macros in " << store.UserFolder() << "\n";
    return kExitOk;
}

int Show(macros::CMacroStore& store, const std::string& name, CtlContext& context) {
    int index = -1;
    if (const int code = FindMacro(store, name, context, &index); code != kExitOk) return code;
    for (const macros::MacroEvent& event : store.LoadEvents(index))
        context.out << macros::DescribeEvent(event) << ", then " << event.delay << " ms\n";
    return kExitOk;
}

}  // namespace

int RunMacro(const std::vector<std::string>& args, CtlContext& context) {
    const std::string& action = args[0];
    const size_t wanted = action == "list" ? 2 : action == "export" ? 4 : 3;
    if ((action != "list" && action != "show" && action != "import" && action != "export") ||
        args.size() != wanted)
        return CtlFail(context, kExitUsage, kUsage);

    CVornakelMouseDevice device;
    std::string path;
    if (const int code = OpenNamedMouse(args[1], device, &path, context); code != kExitOk) return code;
    macros::CMacroStore store;
    store.SetUserFolder(device.DataFolder());
    store.Load();
    if (action == "list") return List(store, context);
    if (action == "show") return Show(store, args[2], context);
    if (action == "import") {
        const int index = store.Import(args[2]);
        if (index < 0)
            return CtlFail(context, kExitFailure,
                           store.LastResult() == macros::MacroResult::ListFull
                               ? "the macro list is full (50 macros)"
                               : "'" + args[2] + "' cannot be imported: not a readable macro file");
        context.out << "imported '" << args[2] << "' as '" << store.Macros()[static_cast<size_t>(index)].name
                    << "'\n";
        return kExitOk;
    }
    int index = -1;
    if (const int code = FindMacro(store, args[2], context, &index); code != kExitOk) return code;
    if (store.Export(index, args[3]) != macros::MacroResult::Done)
        return CtlFail(context, kExitFailure, "'" + args[3] + "' cannot be written");
    context.out << "exported '" << args[2] << "' to '" << args[3] << "'\n";
    return kExitOk;
}
