// Start-up creation of the device slots: for every device-table row whose kind has a
// device class, a device object with its page, a device-bar entry and a power panel, all
// hidden. Arrival only opens and shows what is made here.
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
        if (rows[row].kind == DeviceKind::kHeadsetHs6533)
            CreateHeadsetSlot(static_cast<int>(row));
        else
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

    // Build the three controls; when one fails, the slot does not exist.
    auto* power = qobject_cast<CMpDevicePowerUI*>(wnd.BuildSkin(kPowerXml, powerStack_));
    auto* entry = qobject_cast<CDeviceOptionUI*>(wnd.BuildSkin(ToQString(def.entryXml), entryContainer_));
    QWidget* page = wnd.BuildSkin(ToQString(def.pageXml), pageStack_);
    auto slot = std::make_unique<DeviceSlot>();
    slot->kind = kind;
    if (!power || !entry || !page || !MakeSlotDevice(*slot, page)) {
        DebugPrintf("device slot \"%s\" not made: a skin file is missing or incomplete\n",
                    def.folder.c_str());
        delete power;
        delete entry;
        delete page;
        return;
    }

    const int slotIndex = slots_.Count();
    slot->definitionRow = row;
    slot->interfaceRow = interfaceRow;
    slot->deviceName = ToQString(def.folder);
    slot->productName = ToQString(def.name);
    slot->page = page;
    slot->entry = entry;
    slot->powerPanel = power;
    slot->lightPanel = page->findChild<CLightControlUI*>();

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
    device.BindPageControls();
    if (slot->lightPanel)
        slot->lightPanel->SetDeviceKind(kind == DeviceKind::kMouseVariant ? DeviceKind::kMouse : kind);

    // The page.
    pageStack_->addWidget(page);
    slot->pageIndex = pageStack_->count() - 1;

    // The entry.
    AppendToLayout(entryContainer_, entry);
    entry->ShowSynchroOption(false);
    entry->SetGroup(ToQString(def.optionGroup));
    entry->BindPage(pageStack_->objectName(), slot->pageIndex);
    entry->SetPowerPanel(ToQString(def.powerContainer), slot->powerIndex);
    // The wireless variant shows the icons of the mouse it is.
    entry->SetKind(kind == DeviceKind::kMouseVariant ? DeviceKind::kMouse : kind, subKind);
    entry->Show(false);

    slots_.All().push_back(std::move(slot));
}
