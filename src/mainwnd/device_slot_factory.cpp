// Start-up creation of the device slots: for every device-definition row whose kind has a
// device class, a device object with its page, a device-bar entry and a power panel, all
// hidden. Arrival only opens and shows what is made here.
#include <QLayout>
#include <QStackedWidget>
#include "ui/controls.h"
#include "ui/window_messages.h"
#include "devices/mouse_device.h"
#include "devices/mouse_page_view.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/gated_schedule.h"
#include "devices/discovery/device_tables.h"
#include "mainwnd/main_wnd.h"
#include "panels/light/light_control_ui.h"
#include "panels/power/mp_device_power_ui.h"
#include "util/debug_log.h"

namespace {

const QString kPowerXml = QStringLiteral("XML\\CustomControlXML\\MpDevicePower.xml");

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// The mouse page inside a built page skin: its root or the first control below it.
IMousePage* FindMousePage(QWidget* root) {
    if (auto* page = dynamic_cast<IMousePage*>(root)) return page;
    for (QWidget* child : root->findChildren<QWidget*>())
        if (auto* page = dynamic_cast<IMousePage*>(child)) return page;
    return nullptr;
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
    for (const DeviceDefinitionRow& row : DeviceDefinitionTable()) {
        const int interfaceRow = InterfaceRowOfDefinition(row);
        if (interfaceRow < 0) continue;
        // Keyboards, mouse pads and headsets have no device class yet; their rows carry no
        // ids and never match, so nothing is missed.
        if (!KindHasDeviceClass(row.deviceKind)) continue;
        CreateDeviceSlot(interfaceRow, row.deviceSubKind);
    }
}

void CDevicePart::CreateDeviceSlot(int interfaceRow, int subKind) {
    CMainWnd& wnd = *wnd_;
    HidDeviceInfo slotInfo = interfaceSlots_->At(interfaceRow);
    const int kind = slotInfo.deviceKind;
    uint16_t vendorId = slotInfo.vendorId;
    uint16_t productId = slotInfo.productId;
    uint16_t lookupKind = slotInfo.deviceKind;
    if (kind == DeviceKind::kMouseVariant) {
        // The wireless variant uses the definition of the wired mouse it pairs with.
        lookupKind = DeviceKind::kMouse;
        if (slotInfo.hasPartner) {
            const HidDeviceInfo partner = interfaceSlots_->At(slotInfo.partnerIndex);
            vendorId = partner.vendorId;
            productId = partner.productId;
        }
    }
    const int row = FindDefinitionRow(vendorId, productId, lookupKind, static_cast<uint16_t>(subKind));
    if (row < 0) return;
    const DeviceDefinitionRow& def = DeviceDefinitionTable()[static_cast<size_t>(row)];
    const DevicePageRow& pageRow = DevicePageTable()[static_cast<size_t>(row)];

    // Build the three controls; when one fails, the slot does not exist.
    auto* power = qobject_cast<CMpDevicePowerUI*>(wnd.BuildSkin(kPowerXml, powerStack_));
    auto* entry = qobject_cast<CDeviceOptionUI*>(wnd.BuildSkin(ToQString(def.entryXml), entryContainer_));
    QWidget* page = wnd.BuildSkin(ToQString(pageRow.pageXml), pageStack_);
    IMousePage* mousePage = page ? FindMousePage(page) : nullptr;
    if (!power || !entry || !page || !mousePage) {
        DebugPrintf("device slot \"%s\" not made: a skin file is missing or incomplete\n", def.deviceName.data());
        delete power;
        delete entry;
        delete page;
        return;
    }

    auto slot = std::make_unique<DeviceSlot>();
    const int slotIndex = slots_.Count();
    slot->definitionRow = row;
    slot->interfaceRow = interfaceRow;
    slot->kind = kind;
    slot->deviceName = ToQString(def.deviceName);
    auto mouse = std::make_unique<CVornakelMouseDevice>();
    slot->mouse = mouse.get();
    slot->device = std::move(mouse);
    slot->page = page;
    slot->entry = entry;
    slot->powerPanel = power;
    slot->lightPanel = page->findChild<CLightControlUI*>();

    // The power panel.
    powerStack_->addWidget(power);
    power->SetKind(kind, subKind);
    slot->powerIndex = powerStack_->count() - 1;

    // The device object.
    CVornakelMouseDevice& device = *slot->mouse;
    device.SetLayoutFile(std::string(pageRow.pageXml));
    device.SetMousePage(mousePage);
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
    ownerWindow.screenSize = [window] { return std::pair{window->ScreenSize().width(), window->ScreenSize().height()}; };
    // The device's own timers (first read, power poll, re-read) wait while the system sleeps.
    ownerWindow.schedule = [window](int delayMs, std::function<void()> task) {
        RunGatedLater(window, delayMs, [window] { return !window->Asleep(); }, std::move(task));
    };
    device.SetOwnerWindow(std::move(ownerWindow));
    device.SetKeyControlCount(pageRow.keyCount);
    device.SetLedCount(pageRow.ledCount);
    device.SetPollPeriodically(pageRow.pollPeriodically);
    device.SetFolderTag(std::string(def.deviceName));
    device.SetPowerPanel(power);
    device.SetHidInfo(slotInfo);
    device.SetUserValue(def.typeCode);
    device.SetConfigName(std::string(pageRow.lightName));
    device.BindPageControls();
    if (slot->lightPanel) slot->lightPanel->SetDeviceKind(kind == DeviceKind::kMouseVariant ? DeviceKind::kMouse : kind);

    // The page.
    pageStack_->addWidget(page);
    slot->pageIndex = pageStack_->count() - 1;

    // The entry.
    AppendToLayout(entryContainer_, entry);
    entry->ShowSynchroOption(false);
    entry->SetGroup(ToQString(def.optionGroup));
    entry->BindPage(pageStack_->objectName(), slot->pageIndex);
    entry->SetPowerPanel(ToQString(def.powerContainer), slot->powerIndex);
    entry->SetKind(def.deviceKind, def.deviceSubKind);
    entry->Show(false);
    entry->SetName(slot->deviceName);

    slots_.All().push_back(std::move(slot));
}
