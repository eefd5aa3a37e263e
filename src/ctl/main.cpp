#include <iostream>
#include "ctl/ctl.h"
#include "sim/sim_devices.h"
#include "sim/sim_state_files.h"

int main(int argc, char** argv) {
    // Simulated devices outlive this run, as real ones do: the next kvelmctl or a running
    // kvelm sees what this one wrote.
    if (!SimulateListFromArgs(argc, argv).empty()) {
        std::string error;
        if (!KeepSimulatedMemoryIn(SimStateFolderFromEnvironment(), &error))
            std::cerr << "kvelmctl: " << error << "\n";
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    return RunCtl(args, std::cout, std::cerr);
}
