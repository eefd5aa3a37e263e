#include "mainwnd/device_slots.h"

#include "devices/usb_device.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/main_wnd.h"

DeviceSlot* CDeviceSlots::At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return slots_[static_cast<size_t>(index)].get();
}

DeviceSlot* CDeviceSlots::OfDevice(const CVornakelUSBDevice* device) const {
    for (const auto& slot : slots_)
        if (device && slot->device.get() == device) return slot.get();
    return nullptr;
}

int CDeviceSlots::SelectedIndex() const {
    for (int i = 0; i < Count(); ++i) {
        const CDeviceOptionUI* entry = slots_[static_cast<size_t>(i)]->entry;
        if (entry && entry->IsShown() && entry->IsSelected()) return i;
    }
    return -1;
}

DeviceSlot* CDeviceSlots::Selected() const {
    return At(SelectedIndex());
}

bool CDeviceSlots::AnyVisible() const {
    for (const auto& slot : slots_)
        if (slot->entry && slot->entry->IsShown()) return true;
    return false;
}

DeviceSlot* CMainWnd::SelectedSlot() const {
    return deviceSlots_ ? deviceSlots_->Selected() : nullptr;
}
