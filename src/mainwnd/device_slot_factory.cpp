// The device slots: at start, for every device-table row whose kind has a device class, a
// device object, a device-bar entry and a power panel, all hidden; the device's page (the
// largest part by far: a thousand styled widgets) is built when the device first arrives,
// so the window starts small and rows of devices the user does not own cost no page.
#include <QLayout>
#include <QStackedWidget>
#include "ui/controls.h"
#include "ui/window_messages.h"
#include "devices/usb_device.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/device_slot_kinds.h"
#include "mainwnd/gated_schedule.h"
#include "mainwnd/headset_slot.h"
#include "devices/discovery/device_bar_names.h"
#include "devices/discovery/device_kinds.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/profile_keep_part.h"
#include "panels/light/light_control_ui.h"
#include "panels/power/mp_device_power_ui.h"
#include "util/debug_log.h"

namespace {

const QString kPowerXml = QStringLiteral("XML\\CustomControlXML\\MpDevicePower.xml");

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Appends a widget to a container's layout, before a trailing spacer when it has one.
void AppendToLayout(QWidget* container, QWidget* widget) {
    QLayout* layout = container->layout();
    if (!layout) return;
    auto* box = qobject_cast<QBoxLayout*>(layout);
    const int count = layout->count();
    if (box && count > 0 && layout->itemAt(count - 1)->spacerItem())
        box->insertWidget(count - 1, widget);
    else
        layout->addWidget(widget);
}

}  // namespace

void CDevicePart::FindContainers() {
    CMainWnd& wnd = *wnd_;
    entryContainer_ = wnd.FindControl(QStringLiteral("device_select_list"));
    if (!entryContainer_) entryContainer_ = wnd.FindControl(QStringLiteral("device_select_layout"));
    pageStack_ = wnd.FindControl<QStackedWidget>(QStringLiteral("device_switch"));
    powerSwitch_ = wnd.FindControl(QStringLiteral("device_power_switch"));
    powerStack_ = qobject_cast<QStackedWidget*>(powerSwitch_.data());
    if (powerSwitch_ && !powerStack_) {
        // A plain container holds a stack of its own, so the panels still switch by index.
        powerStack_ = new QStackedWidget(powerSwitch_);
        powerStack_->setObjectName(QStringLiteral("device_power_stack"));
        AppendToLayout(powerSwitch_, powerStack_);
    }
}

void CDevicePart::CreateDeviceSlots() {
    FindContainers();
    if (!entryContainer_ || !pageStack_ || !powerStack_) {
        DebugOutput("device bar containers missing in the main window's skin\n");
        return;
    }
    const auto rows = deviceTable_.Rows();
    for (size_t row = 0; row < rows.size(); ++row) {
        // Kinds without a device class have no slot.
        if (!KindHasDeviceClass(rows[row].kind)) continue;
        CreateDeviceSlot(static_cast<int>(row));
    }
    NameEntries();
    AttachDeviceIo();
}

void CDevicePart::NameEntries() {
    // A row without ids never matches a device, so its entry never shows: it keeps its plain
    // name and does not number the entry of a device with the same name (a simulator's row).
    std::vector<std::string> products;
    std::vector<DeviceSlot*> named;
    for (const auto& slot : slots_.All()) {
        const DeviceRow& def = deviceTable_.Rows()[static_cast<size_t>(slot->definitionRow)];
        if (def.vendorId == 0 && def.productId == 0) {
            if (slot->entry) slot->entry->SetName(slot->productName);
            continue;
        }
        products.push_back(slot->productName.toStdString());
        named.push_back(slot.get());
    }
    const std::vector<std::string> names = DeviceBarNames(products);
    for (size_t i = 0; i < names.size(); ++i)
        if (CDeviceOptionUI* entry = named[i]->entry) entry->SetName(QString::fromStdString(names[i]));
}

void CDevicePart::CreateDeviceSlot(int row) {
    CMainWnd& wnd = *wnd_;
    const int interfaceRow = deviceTable_.CommandInterfaceOf(row);
    if (interfaceRow < 0) return;
    const DeviceRow& def = deviceTable_.Rows()[static_cast<size_t>(row)];
    const HidDeviceInfo slotInfo = interfaceSlots_->At(interfaceRow);
    const int kind = slotInfo.deviceKind;
    const int subKind = def.subKind;

    auto slot = std::make_unique<DeviceSlot>();
    slot->kind = kind;
    if (!MakeSlotDevice(*slot)) return;
    // The entry and the power panel; when one fails, the slot does not exist.
    auto* power = qobject_cast<CMpDevicePowerUI*>(wnd.BuildSkin(kPowerXml, powerStack_));
    auto* entry = qobject_cast<CDeviceOptionUI*>(wnd.BuildSkin(ToQString(def.entryXml), entryContainer_));
    if (!power || !entry) {
        DebugPrintf("device slot \"%s\" not made: a skin file is missing or incomplete\n",
                    def.folder.c_str());
        delete power;
        delete entry;
        return;
    }

    const int slotIndex = slots_.Count();
    slot->definitionRow = row;
    slot->interfaceRow = interfaceRow;
    slot->deviceName = ToQString(def.folder);
    slot->productName = ToQString(def.name);
    slot->entry = entry;
    slot->powerPanel = power;

    // The power panel.
    powerStack_->addWidget(power);
    power->SetKind(kind, subKind);
    slot->powerIndex = powerStack_->count() - 1;

    // The device object.
    CVornakelUSBDevice& device = *slot->device;
    device.SetLayoutFile(def.pageXml);
    const WindowHandle owner = wnd.GetHWND();
    DeviceOwner ownerWindow;
    // Called on the input worker's thread: only a message is posted, and a stale handle
    // after the window is gone does nothing.
    ownerWindow.resyncRequested = [owner, slotIndex] {
        PostWindowMessage(owner, kMsgDeviceResync, static_cast<WPARAM>(slotIndex), 0);
    };
    ownerWindow.sendMessage = [owner](unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
        SendWindowMessage(owner, message, wParam, lParam);
    };
    CMainWnd* window = &wnd;
    ownerWindow.screenSize = [window] {
        return std::pair{window->ScreenSize().width(), window->ScreenSize().height()};
    };
    // The device's own timers (first read, power poll, re-read) wait while the system sleeps.
    ownerWindow.schedule = [window](int delayMs, std::function<void()> task) {
        RunGatedLater(
            window, delayMs, [window] { return !window->Asleep(); }, std::move(task));
    };
    // With the user's choice on, a device whose settings differ from its profile gets the
    // profile written after its first read.
    CVornakelUSBDevice* arrived = &device;
    ownerWindow.firstReadDone = [arrived] { KeepSelectedProfile(*arrived); };
    device.SetOwnerWindow(std::move(ownerWindow));
    device.SetKeyControlCount(def.keyCount);
    device.SetLedCount(def.ledCount);
    device.SetPollPeriodically(def.pollPeriodically);
    device.SetFolderTag(def.folder);
    device.SetPowerPanel(power);
    device.SetHidInfo(slotInfo);
    device.SetUserValue(def.typeCode);
    device.SetConfigName(def.lightName);
    // With simulated devices the tray menu may plug the simulated headset later: it gets the
    // simulated audio library whether or not it was on the list at start.
    GiveHeadsetAudio(*slot, def, simulateList_.empty() ? simulateList_ : SimulatedModelList(), wnd);

    // The entry; its page is bound when the page is built.
    AppendToLayout(entryContainer_, entry);
    entry->ShowSynchroOption(false);
    entry->SetGroup(ToQString(def.optionGroup));
    entry->SetPowerPanel(ToQString(def.powerContainer), slot->powerIndex);
    // The wireless variant shows the icons of the mouse it is.
    entry->SetKind(kind == DeviceKind::kMouseVariant ? DeviceKind::kMouse : kind, subKind);
    entry->Show(false);

    slots_.All().push_back(std::move(slot));
}

bool CDevicePart::BuildSlotPage(DeviceSlot& slot) {
    if (slot.page) return true;
    if (!wnd_ || !pageStack_ || !slot.device) return false;
    const DeviceRow& def = deviceTable_.Rows()[static_cast<size_t>(slot.definitionRow)];
    QWidget* page = wnd_->BuildSkin(ToQString(def.pageXml), pageStack_);
    if (!page || !BindSlotPage(slot, page)) {
        DebugPrintf("device page \"%s\" not built: a skin file is missing or incomplete\n",
                    def.folder.c_str());
        delete page;
        return false;
    }
    slot.page = page;
    CVornakelUSBDevice& device = *slot.device;
    device.BindPageControls();
    // (Showing the entry next tells the lighting panel whether synchronisation is offered.)
    if (slot.lightPanel)
        slot.lightPanel->SetDeviceKind(slot.kind == DeviceKind::kMouseVariant ? DeviceKind::kMouse
                                                                              : slot.kind);
    pageStack_->addWidget(page);
    slot.pageIndex = pageStack_->count() - 1;
    slot.entry->BindPage(pageStack_->objectName(), slot.pageIndex);
    ShowHeadsetAudioFeatures(slot);
    wnd_->TellDevicePageBuilt(slot);
    return true;
}
