// Arrival (kMsgDeviceArrival) and removal (kMsgDeviceRemoval) of an interface slot, on the user-interface
// thread. The discovery worker waits in its blocking send meanwhile, so the slot reads as the worker left it.
#include "devices/usb_device.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"
#include "util/debug_log.h"

namespace {

bool IsMouseKind(int kind) {
    return kind == DeviceKind::kMouse || kind == DeviceKind::kMouseVariant;
}

void DebugKindLine(int kind, bool arrival) {
    switch (kind) {
    case DeviceKind::kKeyboard:
        DebugOutput(arrival ? "添加一个键盘设备\n" : "删除一个键盘设备\n");
        break;
    case DeviceKind::kMouse:
    case DeviceKind::kMouseVariant:
        DebugOutput(arrival ? "添加一个鼠标设备\n" : "删除一个鼠标设备\n");
        break;
    case DeviceKind::kMousePad:
        DebugOutput(arrival ? "添加一个鼠标垫设备\n" : "删除一个鼠标垫设备\n");
        break;
    default:
        break;
    }
}

// A device matches a secondary slot when vendor id, product id and kind agree.
bool MatchesSecondary(const CVornakelUSBDevice& device, const HidDeviceInfo& slot) {
    const HidDeviceInfo& identity = device.HidInfo();
    return identity.vendorId == slot.vendorId && identity.productId == slot.productId &&
           identity.deviceKind == slot.deviceKind;
}

bool InputOpen(CVornakelUSBDevice& device) {
    return device.InputChannel().opened.load() != 0;
}

}  // namespace

int CDevicePart::IndexOfSlot(const DeviceSlot* slot) const {
    for (int i = 0; i < slots_.Count(); ++i)
        if (slots_.At(i) == slot) return i;
    return -1;
}

std::vector<DeviceSlot*> CDevicePart::SlotsOfKind(int kind) const {
    std::vector<DeviceSlot*> found;
    for (const auto& slot : slots_.All()) {
        const bool same = IsMouseKind(kind) ? IsMouseKind(slot->kind) : slot->kind == kind;
        if (same) found.push_back(slot.get());
    }
    return found;
}

void CDevicePart::OnArrival(int slotIndex) {
    const HidDeviceInfo info = interfaceSlots_->At(slotIndex);
    const int kind = info.deviceKind;
    DebugKindLine(kind, true);

    if (info.deviceSubKind == kSubKindSecondary) {
        OpenSecondary(info);
        return;
    }
    if (info.deviceSubKind == kSubKindCommand && IsMouseKind(kind) &&
        interfaceSlots_->PartnerAttached(slotIndex)) {
        ReopenPaired(info);
        return;
    }
    if (info.deviceSubKind == kSubKindCommand) {
        for (DeviceSlot* slot : SlotsOfKind(kind)) {
            CVornakelUSBDevice& device = *slot->device;
            if (!(device.HidInfo() == info)) continue;
            // The page is built on the first arrival; without it the device stays unused.
            if (!BuildSlotPage(*slot)) break;
            if (device.CommandChannel().opened.load() == 0) {
                // The channel opens under its own lock; the slow link follows the kind.
                device.SetHidInfo(info);
                if (!device.OpenCommandChannel(info.devicePath))
                    DebugPrintf("cannot open the command channel on %s\n", info.devicePath.c_str());
            }
            // The entry shows whether or not the channel opened; it is selected only when
            // no other entry shows (or keeps the selection it has).
            const int index = IndexOfSlot(slot);
            ShowEntry(index, true, !AnyOtherEntryVisible(index) || slot->entry->IsSelected());
            // The device reads itself once it has settled, and polls from then on.
            device.ScheduleFirstRead();
            break;
        }
    }
    if (wnd_) wnd_->BringForward();
}

void CDevicePart::OnRemoval(int slotIndex) {
    const HidDeviceInfo info = interfaceSlots_->At(slotIndex);
    const int kind = info.deviceKind;
    DebugKindLine(kind, false);

    if (info.deviceSubKind == kSubKindSecondary) {
        CloseSecondary(slotIndex, info);
        return;
    }
    if (info.deviceSubKind != kSubKindCommand) return;
    if (IsMouseKind(kind) && interfaceSlots_->PartnerAttached(slotIndex)) {
        ReopenPaired(info);
        return;
    }
    for (int i = 0; i < slots_.Count(); ++i) {
        DeviceSlot* slot = slots_.At(i);
        if (!(IsMouseKind(kind) ? IsMouseKind(slot->kind) : slot->kind == kind)) continue;
        if (!(slot->device->HidInfo() == info)) continue;
        slot->device->CancelScheduled();
        slot->device->CloseCommandChannel();
        HideEntry(i);
        break;
    }
}

void CDevicePart::OpenSecondary(const HidDeviceInfo& info) {
    const int kind = info.deviceKind;
    if (kind == DeviceKind::kMouse) {
        for (DeviceSlot* slot : SlotsOfKind(kind)) {
            CVornakelUSBDevice& device = *slot->device;
            if (!InputOpen(device)) {
                if (MatchesSecondary(device, info)) device.OpenInputChannel(info.devicePath);
                continue;
            }
            // A mouse of a paired row follows its partner's consumer collection.
            const HidDeviceInfo& identity = device.HidInfo();
            if (identity.hasPartner) {
                const HidDeviceInfo partner = interfaceSlots_->At(identity.partnerIndex);
                if (partner.vendorId == info.vendorId && partner.productId == info.productId &&
                    partner.deviceKind == info.deviceKind) {
                    device.CloseInputChannel();
                    device.OpenInputChannel(info.devicePath);
                }
            }
        }
        return;
    }
    if (kind == DeviceKind::kMouseVariant) {
        for (DeviceSlot* slot : SlotsOfKind(kind))
            if (!InputOpen(*slot->device) && MatchesSecondary(*slot->device, info))
                slot->device->OpenInputChannel(info.devicePath);
        return;
    }
    // Keyboards, mouse pads, headsets: the first matching device without one.
    for (DeviceSlot* slot : SlotsOfKind(kind)) {
        if (!InputOpen(*slot->device) && MatchesSecondary(*slot->device, info)) {
            slot->device->OpenInputChannel(info.devicePath);
            return;
        }
    }
}

void CDevicePart::CloseSecondary(int slotIndex, const HidDeviceInfo& info) {
    const int kind = info.deviceKind;
    if (kind == DeviceKind::kMouse || kind == DeviceKind::kMouseVariant) {
        const bool partnerAttached =
            kind == DeviceKind::kMouse && interfaceSlots_->PartnerAttached(slotIndex);
        const HidDeviceInfo partner =
            partnerAttached ? interfaceSlots_->At(info.partnerIndex) : HidDeviceInfo{};
        for (DeviceSlot* slot : SlotsOfKind(kind)) {
            CVornakelUSBDevice& device = *slot->device;
            if (!InputOpen(device) || !MatchesSecondary(device, info)) continue;
            device.CloseInputChannel();
            if (partnerAttached) device.OpenInputChannel(partner.devicePath);
        }
        return;
    }
    for (DeviceSlot* slot : SlotsOfKind(kind)) {
        if (InputOpen(*slot->device) && MatchesSecondary(*slot->device, info)) {
            slot->device->CloseInputChannel();
            return;
        }
    }
}

void CDevicePart::ReopenPaired(const HidDeviceInfo& info) {
    // Both rows of a pair lead to one device; each event re-opens it on the other of the
    // two paths (the one still there when the other is gone).
    const HidDeviceInfo partner = interfaceSlots_->At(info.partnerIndex);
    pairedToggle_ = !pairedToggle_;
    std::string path = pairedToggle_ ? partner.devicePath : info.devicePath;
    if (path.empty()) path = pairedToggle_ ? info.devicePath : partner.devicePath;
    for (DeviceSlot* slot : SlotsOfKind(info.deviceKind)) {
        CVornakelUSBDevice& device = *slot->device;
        if (!(device.HidInfo() == info) && !(device.HidInfo() == partner)) continue;
        device.CloseCommandChannel();
        if (path.empty() || !device.OpenCommandChannel(path)) break;
        // The secondary channel follows to the attached consumer collection of the device.
        for (const HidDeviceInfo& other : interfaceSlots_->All()) {
            if (other.deviceSubKind != kSubKindSecondary || other.attached == 0) continue;
            if (other.vendorId != device.HidInfo().vendorId ||
                other.productId != device.HidInfo().productId ||
                other.deviceKind != device.HidInfo().deviceKind)
                continue;
            device.CloseInputChannel();
            device.OpenInputChannel(other.devicePath);
        }
        break;
    }
}
