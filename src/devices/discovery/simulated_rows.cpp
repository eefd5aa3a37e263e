#include "devices/discovery/simulated_rows.h"

#include "devices/discovery/device_table_store.h"
#include "sim/sim_devices.h"

void AddSimulatedDeviceRows(const std::string& list) {
    for (const std::string& name : SimulatedDeviceNames(list)) {
        const std::string rows = SimulatedDeviceRowsJson(name);
        if (!rows.empty()) AddActiveDeviceRows(rows, DeviceRowSource::Simulator, "simulated " + name);
    }
}

int PlugSimulatedDevicesWithRows(const std::string& list, std::string* error) {
    if (!CheckSimulatedDeviceList(list, error)) return -1;
    AddSimulatedDeviceRows(list);
    return PlugSimulatedDevices(list, error);
}
