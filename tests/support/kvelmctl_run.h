#pragma once
// Runs the built kvelmctl as a user would, with only the environment given.
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "temp_folder.h"

struct KvelmctlOutcome {
    int code = -1;
    std::string out, err;
};

// Runs kvelmctl with `environment` ("NAME=value ..." prefixed through env -i, so nothing of
// the test's own environment leaks in) and the arguments, each single-quoted. A run that
// hangs is ended after a minute (exit code 124), so a hang fails the test instead of
// stopping it. Simulated devices start fresh in every run unless `environment` names the
// folder that keeps them (KVELM_SIM_STATE_DIR), as the runs that share a device do.
inline KvelmctlOutcome RunKvelmctl(const std::string& environment, const std::vector<std::string>& args) {
    const TempFolder dir;
    const std::string freshDevices = environment.find("KVELM_SIM_STATE_DIR=") == std::string::npos
                                         ? "KVELM_SIM_STATE_DIR='" + dir.File("sim") + "' "
                                         : std::string();
    std::string command =
        "env -i PATH=/usr/bin:/bin " + freshDevices + environment + " timeout 60 '" KVELMCTL_PATH "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >'" + dir.File("out") + "' 2>'" + dir.File("err") + "'";
    const int status = std::system(command.c_str());
    KvelmctlOutcome outcome;
    outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.out = dir.Read("out");
    outcome.err = dir.Read("err");
    return outcome;
}

#ifdef KVELM_TEST_PROGRAM_DIR
// The environment of a user whose data and simulated devices live in `home`: the program's
// shipped data, the simulated devices of `simulate`, their memory kept in home/sim so that
// one run sees what the previous one wrote.
inline std::string SimulatedUserEnvironment(const TempFolder& home, const std::string& simulate) {
    return "XDG_DATA_HOME='" + home.File("data") +
           "' KVELM_DATA_DIR='" KVELM_TEST_PROGRAM_DIR "' KVELM_SIMULATE=" + simulate +
           " KVELM_SIM_STATE_DIR='" + home.File("sim") + "'";
}
#endif
