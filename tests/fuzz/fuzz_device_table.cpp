// The user's supported-device table: the fuzzer's bytes as the user file, merged over the
// compiled-in rows, then every lookup the discovery and the window make on the result.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "devices/discovery/device_table_store.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string userFile = FuzzFolder() + "devices.json";
    PutFuzzFile(userFile, data, size);
    std::vector<DeviceTableProblem> problems;
    // No shipped file in this folder: the compiled-in rows are the base.
    const CDeviceTable table = LoadDeviceTable(FuzzFolder() + "no-program", userFile, &problems);
    const auto& interfaces = table.Interfaces();
    for (size_t i = 0; i < interfaces.size(); ++i) {
        const int device = table.DeviceOfInterface(static_cast<int>(i));
        if (device < 0 || device >= static_cast<int>(table.Rows().size())) abort();
    }
    for (size_t d = 0; d < table.Rows().size(); ++d) {
        const DeviceRow& row = table.Rows()[d];
        table.CommandInterfaceOf(static_cast<int>(d));
        if (const DeviceRow* found = table.FindByIds(row.vendorId, row.productId))
            if (found->vendorId != row.vendorId || found->productId != row.productId) abort();
        for (const DeviceInterfaceRow& iface : row.interfaces) {
            table.MatchInterface(row.vendorId, row.productId, iface.interfaceNumber, iface.collectionNumber,
                                 iface.usagePage, iface.usage);
            table.MatchPath(row.vendorId, row.productId, iface.interfaceNumber, iface.collectionNumber);
        }
    }
    return 0;
}
