// The device part's entry points: window init, messages, notifications, flags.
#include "mainwnd/device_part.h"

#include "shell/app_names.h"
#include "ui/control_names.h"
#include "ui/control_timers.h"
#include "ui/language_table.h"
#include "devices/mouse_device.h"
#include "devices/usb_device.h"
#include "hid/protocol/supported_devices.h"
#include "devices/discovery/device_table_store.h"
#include "devices/discovery/simulated_rows.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/main_wnd.h"
#include "panels/headsetpage/headset_page.h"
#include "panels/light/light_panel_registration.h"
#include "panels/keyboardpage/keyboard_page.h"
#include "panels/mousepage/mouse_page.h"
#include "panels/padpage/mousepad_page.h"
#include "panels/power/power_panel_registration.h"

namespace {

bool SenderIs(const TNotifyUI& msg, const char* name) {
    return NameEquals(msg.SenderName(), QLatin1String(name));
}

// The entry a control belongs to, or nullptr.
CDeviceOptionUI* EntryOf(QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* entry = qobject_cast<CDeviceOptionUI*>(w)) return entry;
    return nullptr;
}

}  // namespace

CDevicePart::CDevicePart(std::string simulateList)
    : simulateList_(std::move(simulateList)), interfaceSlots_(std::make_shared<CInterfaceSlots>()) {
    // The classes of the skins this part builds: the entry, the power panel, the device pages
    // and their lighting panel.
    RegisterDeviceOptionClass();
    RegisterPowerPanelClasses();
    RegisterLightPanelClasses();
    RegisterMousePageClasses();
    RegisterKeyboardPageClasses();
    RegisterMousePadPageClasses();
    RegisterHeadsetPageClasses();
}

CDevicePart::~CDevicePart() {
    // The devices go before the widgets that show them: no device may call a page that
    // is being destroyed, and the devices' workers stop here. (The window itself is being
    // destroyed when this runs; it is not touched.)
    StopDeviceIo();
    for (const auto& slot : slots_.All()) slot->device.reset();
}

void CDevicePart::OnDestroy(CMainWnd& wnd) {
    (void)wnd;
    // A transaction in progress is released: the window closes within a second.
    StopDeviceIo();
}

void CDevicePart::OnWindowInit(CMainWnd& wnd) {
    wnd_ = &wnd;
    if (!simulateList_.empty()) {
        // The simulation menu can plug every simulated model later; their rows must be in
        // the table before the slots are made.
        AddSimulatedDeviceRows(SimulatedModelList());
    }
    deviceTable_ = ActiveDeviceTable();
    interfaceSlots_->Load(deviceTable_.Interfaces());
    CreateDeviceSlots();
    wnd.SetDeviceSlots(&slots_);
    StartWorkers();
}

bool CDevicePart::OnMessage(CMainWnd& wnd, unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    (void)lParam;
    switch (msg) {
    case kMsgDeviceArrival:
        OnArrival(static_cast<int>(wParam));
        *result = 1;  // the discovery worker learns that the report was taken
        return true;
    case kMsgDeviceRemoval:
        OnRemoval(static_cast<int>(wParam));
        *result = 1;
        return true;
    case kMsgDeviceResync:
        if (DeviceSlot* slot = slots_.At(static_cast<int>(wParam)); slot && slot->device)
            slot->device->ScheduleResync();
        return true;
    case kMsgDeviceAccessDenied:
        // A supported device is there but unreadable: the no-device panel names the cure.
        SetResourceText(wnd.FindControl(QStringLiteral("nodevice_access_text")),
                        QStringLiteral("nodevice_access_denied_text"));
        return true;
    default:
        return false;
    }
}

bool CDevicePart::OnNotify(CMainWnd& wnd, TNotifyUI& msg) {
    (void)wnd;
    if (msg.Is(NotifyType::kSelectChanged)) {
        if (SenderIs(msg, "device_select")) {
            OnUserSelection();
            return true;
        }
        if (SenderIs(msg, "synchro_device_select")) {
            // The entry shows the synchronised pair of images while it is marked.
            if (CDeviceOptionUI* entry = EntryOf(msg.sender)) entry->RefreshImages();
            return true;
        }
        return false;
    }
    if (msg.Is(NotifyType::kClick)) {
        if (SenderIs(msg, "device_select_prev")) {
            SelectPrevious();
            return true;
        }
        if (SenderIs(msg, "device_select_next")) {
            SelectNext();
            return true;
        }
    }
    return false;
}

bool CDevicePart::OnMenuCommand(CMainWnd& wnd, const QString& item) {
    (void)wnd;
    return OnSimulationCommand(item);
}

void CDevicePart::OnDeviceFlag(CMainWnd& wnd, DeviceFlag flag, int value) {
    (void)wnd;
    // Mice, mouse pads and keyboards are told, in that order; headsets are not.
    for (int kind : {int(DeviceKind::kMouse), int(DeviceKind::kMousePad), int(DeviceKind::kKeyboard)}) {
        for (DeviceSlot* slot : SlotsOfKind(kind)) {
            if (flag == DeviceFlag::LightControl)
                slot->lightControl = value;
            else
                slot->attention = value;
        }
    }
    if (flag == DeviceFlag::LightControl) {
        // The program drives the lights again: the synchronised devices are brought in step.
        if (value == 1 && lightControl_ != 1) {
            for (int i = 0; i < slots_.Count(); ++i) {
                if (slots_.At(i)->lightSync && slots_.At(i)->entry->IsShown()) {
                    slots_.LightSyncRequests()->Post(i);
                    break;
                }
            }
        }
        lightControl_ = value;
    } else {
        attention_ = value;
    }
}

void CDevicePart::OnLanguageApplied(CMainWnd& wnd, int index) {
    (void)wnd, (void)index;
    // The texts a mouse composes in code (key assignment rows, the lighting hint) follow
    // the language when the page is shown again.
    for (DeviceSlot* slot : SlotsOfKind(DeviceKind::kMouse)) {
        CVornakelUSBDevice* device = slot->device.get();
        // A device busy with I/O is refreshed once it is done with it.
        device->WhenIoIdle([device] {
            if (device->Page() && device->CommandChannel().opened.load() != 0) device->RefreshPage();
        });
    }
}

bool CDevicePart::AnyDeviceEntryVisible(const CMainWnd& wnd) const {
    (void)wnd;
    return slots_.AnyVisible();
}
