#include "sim/sim_devices.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include "sim/sim_command_device.h"
#include "sim/sim_frame_log.h"
#include "sim/sim_headset.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_mouse.h"
#include "sim/sim_pad.h"

namespace {

const char kNone[] = "none";

struct KnownDevice {
    const char* name;
    std::shared_ptr<ISimDevice> (*make)();
};

template <class Device, class Model, Model (*model)()>
std::shared_ptr<ISimDevice> Make() {
    return std::make_shared<Device>(model());
}

const KnownDevice kKnownDevices[] = {
    {"mouse", &Make<SimMouse, SimMouseModel, &SimMouseModel::Mouse>},
    {"mouse3389", &Make<SimMouse, SimMouseModel, &SimMouseModel::Mouse3389>},
    {"mousewl", &Make<SimMouse, SimMouseModel, &SimMouseModel::MouseWireless>},
    {"keyboard", &Make<SimKeyboard, SimKeyboardModel, &SimKeyboardModel::Keyboard>},
    {"pad", &Make<SimPad, SimPadModel, &SimPadModel::Pad>},
    {"headset", &Make<SimHeadset, SimHeadsetModel, &SimHeadsetModel::Headset>},
};

std::string& KeptMemoryFolder() {
    static std::string folder;
    return folder;
}

// The folder of the `occurrence`-th device (from 1) of that name in a list.
std::string DeviceStateFolder(const std::string& name, int occurrence) {
    return KeptMemoryFolder() + "/" + name + (occurrence > 1 ? "-" + std::to_string(occurrence) : "");
}

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

std::vector<std::string> SimulatedDeviceNames(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        if (std::string name = Trim(list.substr(start, comma - start)); !name.empty())
            names.push_back(std::move(name));
        start = comma + 1;
    }
    return names;
}

namespace {

const KnownDevice* FindKnown(const std::string& name) {
    for (const KnownDevice& known : kKnownDevices)
        if (name == known.name) return &known;
    return nullptr;
}

std::string KnownNames() {
    std::string names;
    for (const KnownDevice& known : kKnownDevices) names += std::string(known.name) + ", ";
    return names + kNone;
}

}  // namespace

std::shared_ptr<ISimDevice> MakeSimulatedDevice(const std::string& name) {
    const KnownDevice* known = FindKnown(name);
    return known ? known->make() : nullptr;
}

bool CheckSimulatedDeviceList(const std::string& list, std::string* error) {
    for (const std::string& name : SimulatedDeviceNames(list)) {
        if (name != kNone && !FindKnown(name)) {
            if (error) *error = "unknown simulated device \"" + name + "\" (known: " + KnownNames() + ")";
            return false;
        }
    }
    return true;
}

int PlugSimulatedDevices(const std::string& list, std::string* error) {
    if (!CheckSimulatedDeviceList(list, error)) return -1;
    const std::vector<std::string> names = SimulatedDeviceNames(list);
    const char* frameLog = std::getenv(kSimFrameLogVariable);
    if (frameLog && *frameLog) SetSimFrameLog(frameLog);
    int plugged = 0;
    std::map<std::string, int> occurrences;
    for (const std::string& name : names) {
        auto device = MakeSimulatedDevice(name);
        if (!device) continue;
        const int occurrence = ++occurrences[name];
        if (auto command = std::dynamic_pointer_cast<SimCommandDevice>(device)) {
            if (!KeptMemoryFolder().empty()) {
                const std::string folder = DeviceStateFolder(name, occurrence);
                if (MakePrivateFolder(folder)) command->KeepStateIn(folder);
            }
            if (frameLog && *frameLog) command->SetLogName(name);
        }
        if (SimHidBus::Instance().Plug(device) >= 0) ++plugged;
    }
    return plugged;
}

std::string SimulatedMemoryFolder() {
    return KeptMemoryFolder();
}

bool KeepSimulatedMemoryIn(const std::string& folder, std::string* error) {
    KeptMemoryFolder().clear();
    if (folder.empty()) return true;
    if (!MakePrivateFolder(folder)) {
        if (error)
            *error =
                "cannot keep the simulated devices in " + folder + " (not a folder private to this user)";
        return false;
    }
    KeptMemoryFolder() = folder;
    return true;
}

std::string SimulateListFromArgs(int argc, const char* const* argv) {
    static const char kOption[] = "--simulate";
    const size_t optionLength = std::strlen(kOption);
    std::string list;
    bool found = false;
    for (int i = 1; i < argc && argv && argv[i]; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, kOption) == 0) {
            found = true;
            list = i + 1 < argc && argv[i + 1] ? argv[++i] : "";
        } else if (std::strncmp(arg, kOption, optionLength) == 0 && arg[optionLength] == '=') {
            found = true;
            list = arg + optionLength + 1;
        }
    }
    if (found) return list;
    const char* variable = std::getenv("KVELM_SIMULATE");
    return variable ? variable : "";
}
