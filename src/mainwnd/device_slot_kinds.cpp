#include "mainwnd/device_slot_kinds.h"

#include <QWidget>
#include <memory>

#include "devices/keyboard_device.h"
#include "devices/mouse_device.h"
#include "devices/mousepad_device.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_slots.h"

namespace {

// The page interface P inside a built page skin: its root or the first control below it.
template <typename P>
P* FindPage(QWidget* root) {
    if (auto* page = dynamic_cast<P*>(root)) return page;
    for (QWidget* child : root->findChildren<QWidget*>())
        if (auto* page = dynamic_cast<P*>(child)) return page;
    return nullptr;
}

}  // namespace

bool MakeSlotDevice(DeviceSlot& slot, QWidget* page) {
    if (!page) return false;
    switch (slot.kind) {
    case DeviceKind::kMouse:
    case DeviceKind::kMouseVariant: {
        IMousePage* view = FindPage<IMousePage>(page);
        if (!view) return false;
        auto mouse = std::make_unique<CVornakelMouseDevice>();
        mouse->SetMousePage(view);
        slot.mouse = mouse.get();
        slot.device = std::move(mouse);
        return true;
    }
    case DeviceKind::kKeyboard: {
        IKeyboardPage* view = FindPage<IKeyboardPage>(page);
        if (!view) return false;
        auto keyboard = std::make_unique<CVornakelKeyboardDevice>();
        keyboard->SetKeyboardPage(view);
        slot.keyboard = keyboard.get();
        slot.device = std::move(keyboard);
        return true;
    }
    case DeviceKind::kMousePad: {
        IMousePadPage* view = FindPage<IMousePadPage>(page);
        if (!view) return false;
        auto pad = std::make_unique<CVornakelMousePadDevice>();
        pad->SetMousePadPage(view);
        slot.pad = pad.get();
        slot.device = std::move(pad);
        return true;
    }
    default:
        return false;
    }
}
