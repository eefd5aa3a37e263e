#pragma once
// A simulated device's memory kept in files, so that the firmware state outlives the process
// that plugged it: every program started with --simulate sees the device as the last one
// left it, as it would a real device. One file per memory region in the device's own
// folder; a lock file serialises the processes that talk to the same device.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One memory region of a device and what a file must look like to be taken back.
struct SimStatePart {
    const char* name;             // file name in the device's folder
    std::vector<uint8_t>* bytes;  // the region in the simulator
    bool fixedSize = true;        // a file of another size is ignored (else: up to `capacity`)
    size_t capacity = 0;          // largest size of a region that is not fixed
    uint8_t firstByteBelow = 0;   // when not 0: byte 0 (the active slot) must stay below it
};

// Creates `folder` (and missing parents) readable by the user only; false when it cannot
// be made or is not a folder owned by the user with mode 0700.
bool MakePrivateFolder(const std::string& folder);

// Reads every part whose file exists and passes its checks; the others keep their bytes.
// Only regular files are opened.
void LoadSimState(const std::string& folder, const std::vector<SimStatePart>& parts);
// Writes every part to a temporary file and renames it over its file.
void SaveSimState(const std::string& folder, const std::vector<SimStatePart>& parts);

// An exclusive lock on the folder's lock file for the life of the object (no lock when the
// file cannot be opened: the device then works on its own memory only).
class SimStateLock {
public:
    explicit SimStateLock(const std::string& folder);
    ~SimStateLock();
    SimStateLock(const SimStateLock&) = delete;
    SimStateLock& operator=(const SimStateLock&) = delete;

private:
    int fd_ = -1;
};

// The folder where programs keep their simulated devices: KVELM_SIM_STATE_DIR when set
// ("off": nowhere, each process has its own devices), else "kvelm-sim" in XDG_RUNTIME_DIR,
// else /tmp/kvelm-sim-<uid>. "" for nowhere.
std::string SimStateFolderFromEnvironment();
