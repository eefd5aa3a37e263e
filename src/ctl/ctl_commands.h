#pragma once
// The command table of kvelmctl. Each command lives in its own file; adding one means one
// new file and one row in CtlCommands().
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CtlContext {
    std::ostream& out;
    std::ostream& err;
};

struct CtlCommand {
    std::string_view name;
    std::string_view arguments;  // as shown in the usage text
    std::string_view summary;
    size_t argumentCount;  // number of arguments after the name
    int (*run)(const std::vector<std::string>& args, CtlContext& context);
    size_t optionalArguments = 0;  // further arguments the command may take (its options)
};

std::span<const CtlCommand> CtlCommands();

// The simulated devices of this run ("--simulate LIST" or KVELM_SIMULATE); the headset's
// audio library follows it as the window's does.
const std::string& CtlSimulateList();

// Writes "kvelmctl: <text>" as one line on the error stream and returns `code`.
int CtlFail(CtlContext& context, int code, const std::string& text);

int RunList(const std::vector<std::string>& args, CtlContext& context);
int RunInfo(const std::vector<std::string>& args, CtlContext& context);
int RunRead(const std::vector<std::string>& args, CtlContext& context);
int RunSettings(const std::vector<std::string>& args, CtlContext& context);
int RunApply(const std::vector<std::string>& args, CtlContext& context);
int RunUpdates(const std::vector<std::string>& args, CtlContext& context);
int RunGun(const std::vector<std::string>& args, CtlContext& context);
int RunKeys(const std::vector<std::string>& args, CtlContext& context);
int RunAssign(const std::vector<std::string>& args, CtlContext& context);
int RunMacro(const std::vector<std::string>& args, CtlContext& context);
int RunSet(const std::vector<std::string>& args, CtlContext& context);
int RunProfiles(const std::vector<std::string>& args, CtlContext& context);
int RunProfile(const std::vector<std::string>& args, CtlContext& context);
int RunHelp(const std::vector<std::string>& args, CtlContext& context);
int RunBind(const std::vector<std::string>& args, CtlContext& context);
int RunUnbind(const std::vector<std::string>& args, CtlContext& context);
int RunUdevRules(const std::vector<std::string>& args, CtlContext& context);
