#include "macros/shoot_device.h"

namespace shoot {

void UseDeviceFolders(CShootStore& store, const CVornakelUSBDevice& device) {
    store.SetUserFolder(device.DataFolder());
    store.SetDefaultFolder(device.DefaultDataFolder());
}

int SendPresets(CVornakelMouseDevice& device, CShootStore& store) {
    store.Init();
    return device.SendShootData();
}

}  // namespace shoot
