#pragma once
// The device slots of the main window: one per row of the device table whose
// kind has a device class (mice, keyboards, mouse pads, headsets). A slot is made once at window init
// and lives as long as the window; its page is built on the device's first arrival and kept,
// and arrival and removal only open/close its device and show/hide its entry.
//
// Everything here belongs to the user-interface thread.
#include <QString>
#include <memory>
#include <vector>

#include "devices/audio/audio_config_library.h"
#include "devices/light_sync_requests.h"

class CVornakelUSBDevice;
class CVornakelMouseDevice;
class CVornakelKeyboardDevice;
class CVornakelMousePadDevice;
class CVornakelHS6533Device;
class CDeviceOptionUI;
class CMpDevicePowerUI;
class CDeviceProfileUI;
class CLightControlUI;
class QWidget;

struct DeviceSlot {
    int definitionRow = -1;  // row of the device table (devices/discovery/device_table.h)
    int interfaceRow = -1;   // first interface row tied to it (its command collection)
    int kind = 0;            // device kind of that interface row (2 mouse, 6 wireless mouse, ...)
    QString deviceName;      // "mouse", "mouse3389", ... (the data folder tag)
    QString productName;     // the row's product name; the entry shows it (told apart when repeated)

    // The headset's audio configuration library (nullptr: none); outlives the device.
    std::unique_ptr<IAudioConfigLibrary> audioLibrary;
    std::unique_ptr<CVornakelUSBDevice> device;   // owned; never null in a made slot
    CVornakelMouseDevice* mouse = nullptr;        // the device as a mouse (kinds 2, 6), else nullptr
    CVornakelKeyboardDevice* keyboard = nullptr;  // the device as a keyboard (kind 1), else nullptr
    CVornakelMousePadDevice* pad = nullptr;       // the device as a mouse pad (kind 3), else nullptr
    CVornakelHS6533Device* headset = nullptr;     // the device as a headset (kind 7), else nullptr

    // Widgets, owned by their containers in the main window's skin.
    QWidget* page = nullptr;                   // the device page, a tab of "device_switch" (from the
                                               // device's first arrival; nullptr before)
    CDeviceOptionUI* entry = nullptr;          // the device-bar entry in "device_select_layout"
    CMpDevicePowerUI* powerPanel = nullptr;    // a tab of "device_power_switch"
    CDeviceProfileUI* profilePanel = nullptr;  // inside the page; nullptr when the page has none
    CLightControlUI* lightPanel = nullptr;     // inside the page; nullptr when there is none (yet)

    int pageIndex = -1;   // index of the page in "device_switch" (pages are added as devices first arrive)
    int powerIndex = -1;  // index of the power panel in "device_power_switch"

    // Values the main window tells the device (the device classes keep none of them yet).
    bool lightSync = false;  // set by light synchronisation; cleared while fewer than two entries show
    int lightControl = 1;    // 1: the program drives the device's lights
    int attention = 0;       // 1: the window is active or under the pointer
};

// The slots in creation order (entry i of "device_select_layout" is slot i's entry).
class CDeviceSlots {
public:
    std::vector<std::unique_ptr<DeviceSlot>>& All() { return slots_; }
    const std::vector<std::unique_ptr<DeviceSlot>>& All() const { return slots_; }
    int Count() const { return static_cast<int>(slots_.size()); }
    DeviceSlot* At(int index) const;
    // The slot whose device object is device, or nullptr.
    DeviceSlot* OfDevice(const CVornakelUSBDevice* device) const;
    // The slot of the first visible entry whose "device_select" is selected, or nullptr.
    DeviceSlot* Selected() const;
    // Index of Selected() in All(), or -1.
    int SelectedIndex() const;
    // Whether any entry is visible.
    bool AnyVisible() const;

    // Lighting changes of synchronised devices, for the light-sync worker (shared with it,
    // so a worker that outlives the slots still has its queue).
    const std::shared_ptr<CLightSyncRequests>& LightSyncRequests() const { return lightSyncRequests_; }

private:
    std::vector<std::unique_ptr<DeviceSlot>> slots_;
    std::shared_ptr<CLightSyncRequests> lightSyncRequests_ = std::make_shared<CLightSyncRequests>();
};
