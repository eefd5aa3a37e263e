#include "mainwnd/device_slot_kinds.h"

#include <QWidget>
#include <memory>

#include "devices/hs6533_device.h"
#include "devices/keyboard_device.h"
#include "devices/mouse_device.h"
#include "devices/mousepad_device.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_slots.h"
#include "panels/headsetpage/headset_page.h"
#include "panels/light/light_control_ui.h"

namespace {

// The page interface P inside a built page skin: its root or the first control below it.
template <typename P>
P* FindPage(QWidget* root) {
    if (auto* page = dynamic_cast<P*>(root)) return page;
    for (QWidget* child : root->findChildren<QWidget*>())
        if (auto* page = dynamic_cast<P*>(child)) return page;
    return nullptr;
}

template <typename Device>
bool Make(DeviceSlot& slot, Device*& typed) {
    auto device = std::make_unique<Device>();
    typed = device.get();
    slot.device = std::move(device);
    return true;
}

}  // namespace

bool MakeSlotDevice(DeviceSlot& slot) {
    switch (slot.kind) {
    case DeviceKind::kMouse:
    case DeviceKind::kMouseVariant:
        return Make(slot, slot.mouse);
    case DeviceKind::kKeyboard:
        return Make(slot, slot.keyboard);
    case DeviceKind::kMousePad:
        return Make(slot, slot.pad);
    case DeviceKind::kHeadsetHs6533:
        return Make(slot, slot.headset);
    default:
        return false;
    }
}

bool BindSlotPage(DeviceSlot& slot, QWidget* page) {
    if (!page || !slot.device) return false;
    if (slot.mouse) {
        IMousePage* view = FindPage<IMousePage>(page);
        if (!view) return false;
        slot.mouse->SetMousePage(view);
    } else if (slot.keyboard) {
        IKeyboardPage* view = FindPage<IKeyboardPage>(page);
        if (!view) return false;
        slot.keyboard->SetKeyboardPage(view);
    } else if (slot.pad) {
        IMousePadPage* view = FindPage<IMousePadPage>(page);
        if (!view) return false;
        slot.pad->SetMousePadPage(view);
    } else if (slot.headset) {
        // The headset page holds a lighting panel of its own besides those of its panels.
        auto* view = qobject_cast<CHeadsetPage*>(page);
        if (!view) view = page->findChild<CHeadsetPage*>();
        if (!view) return false;
        slot.headset->SetHeadsetPage(view);
        slot.lightPanel = view->LightPanel();
        return true;
    } else {
        return false;
    }
    slot.lightPanel = page->findChild<CLightControlUI*>();
    return true;
}
