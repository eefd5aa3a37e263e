// kvelmctl udev-rules: the udev lines for every device the program knows by ids, the
// shipped rows and the user's own, so that a row added to the user's devices.json can be
// granted too (the installed rule file covers the shipped rows only).
#include <string>
#include "ctl/ctl.h"
#include "ctl/ctl_commands.h"
#include "devices/discovery/device_table_store.h"
#include "devices/discovery/udev_rules.h"
#include "devices/program_paths.h"

int RunUdevRules(const std::vector<std::string>&, CtlContext& context) {
    // Loaded here rather than taken from the process's table: simulated devices add rows
    // that name no real hardware.
    std::vector<DeviceTableProblem> problems;
    const CDeviceTable table = LoadDeviceTable(DeviceProgramFolder(), UserDeviceTablePath(), &problems);
    for (const DeviceTableProblem& problem : problems)
        context.err << "kvelmctl: device table: " << problem.text << "\n";
    context.out << "# Put these lines in " << kUserUdevRulesPath << " (as root), then run:\n"
                << "#   " << kUdevReloadCommand << "\n"
                << UdevRuleLines({&table});
    return kExitOk;
}
