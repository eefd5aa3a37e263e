// Start-up creation of the headset's device slot: the HS6533 device object with its page
// (lighting, voice and equaliser, voice changer), its audio configuration library, a
// device-bar entry and a power panel, all hidden until the headset arrives.
#include <QLayout>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>

#include "devices/audio/headset_audio_source.h"
#include "devices/hs6533_device.h"
#include "hid/protocol/supported_devices.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/gated_schedule.h"
#include "mainwnd/headset_slot.h"
#include "mainwnd/main_wnd.h"
#include "panels/headsetpage/headset_page.h"
#include "panels/light/light_control_ui.h"
#include "panels/power/mp_device_power_ui.h"
#include "ui/window_messages.h"
#include "util/debug_log.h"

namespace {

const QString kPowerXml = QStringLiteral("XML\\CustomControlXML\\MpDevicePower.xml");
constexpr int kConfirmOnly = 0;
// Bit of the output endpoint's feature word 0: the host offers the equaliser.
constexpr int kFeatureEqualiser = 0x1;

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

CHeadsetPage* FindHeadsetPage(QWidget* root) {
    if (auto* page = qobject_cast<CHeadsetPage*>(root)) return page;
    return root->findChild<CHeadsetPage*>();
}

// The library's messages ("ConfLibInit called failed!", ...) in a message box, shown once
// the window is idle: they can come while the window is still being built.
CAudioEndpointControl::MessageSink MessageBoxSink(CMainWnd& wnd) {
    QPointer<CMainWnd> window(&wnd);
    return [window](const std::string& text) {
        if (!window) return;
        const QString shown = ToQString(text);
        QTimer::singleShot(0, window, [window, shown] {
            if (window) window->ShowMessage(shown, false, kConfirmOnly);
        });
    };
}

DeviceOwner MakeOwner(CMainWnd& wnd, int slotIndex) {
    const WindowHandle owner = wnd.GetHWND();
    DeviceOwner ownerWindow;
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
    ownerWindow.schedule = [window](int delayMs, std::function<void()> task) {
        RunGatedLater(
            window, delayMs, [window] { return !window->Asleep(); }, std::move(task));
    };
    return ownerWindow;
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

void ShowHeadsetAudioFeatures(DeviceSlot& slot) {
    if (slot.headset == nullptr) return;
    auto* page = dynamic_cast<CHeadsetPage*>(slot.headset->HeadsetPage());
    if (page == nullptr) return;
    const CAudioEndpointControl& audio = slot.headset->Audio();
    page->ShowAudioFeatures((audio.Microphone().featureWord0 & kFeatureVoiceChanger) != 0,
                            (audio.Output().featureWord0 & kFeatureEqualiser) != 0);
}

void CDevicePart::CreateHeadsetSlot(int row) {
    CMainWnd& wnd = *wnd_;
    const int interfaceRow = deviceTable_.CommandInterfaceOf(row);
    if (interfaceRow < 0) return;
    const DeviceRow& def = deviceTable_.Rows()[static_cast<size_t>(row)];
    const HidDeviceInfo slotInfo = interfaceSlots_->At(interfaceRow);

    auto* power = qobject_cast<CMpDevicePowerUI*>(wnd.BuildSkin(kPowerXml, powerStack_));
    auto* entry = qobject_cast<CDeviceOptionUI*>(wnd.BuildSkin(ToQString(def.entryXml), entryContainer_));
    QWidget* page = wnd.BuildSkin(ToQString(def.pageXml), pageStack_);
    CHeadsetPage* headsetPage = page ? FindHeadsetPage(page) : nullptr;
    if (!power || !entry || !page || !headsetPage) {
        DebugPrintf("device slot \"%s\" not made: a skin file is missing or incomplete\n",
                    def.folder.c_str());
        delete power;
        delete entry;
        delete page;
        return;
    }

    auto slot = std::make_unique<DeviceSlot>();
    const int slotIndex = slots_.Count();
    slot->definitionRow = row;
    slot->interfaceRow = interfaceRow;
    slot->kind = slotInfo.deviceKind;
    slot->deviceName = ToQString(def.folder);
    slot->productName = ToQString(def.name);
    // A row without ids names no sound card: it gets a library only when simulated.
    const bool noIds = def.vendorId == 0 && def.productId == 0;
    if (!noIds || SimulatesHeadset(simulateList_))
        slot->audioLibrary = MakeHeadsetAudioLibrary(simulateList_, def.vendorId, def.productId);
    auto headset = std::make_unique<CVornakelHS6533Device>();
    slot->headset = headset.get();
    slot->device = std::move(headset);
    slot->page = page;
    slot->entry = entry;
    slot->powerPanel = power;
    slot->lightPanel = headsetPage->LightPanel();

    powerStack_->addWidget(power);
    power->SetKind(slot->kind, def.subKind);
    slot->powerIndex = powerStack_->count() - 1;

    CVornakelHS6533Device& device = *slot->headset;
    device.SetLayoutFile(def.pageXml);
    device.SetHeadsetPage(headsetPage);
    device.SetAudioLibrary(slot->audioLibrary.get(), MessageBoxSink(wnd));
    device.SetOwnerWindow(MakeOwner(wnd, slotIndex));
    device.SetKeyControlCount(def.keyCount);
    device.SetLedCount(def.ledCount);
    device.SetPollPeriodically(def.pollPeriodically);
    device.SetFolderTag(def.folder);
    device.SetPowerPanel(power);
    device.SetHidInfo(slotInfo);
    device.SetUserValue(def.typeCode);
    device.SetConfigName(def.lightName);
    device.BindPageControls();
    if (slot->lightPanel) slot->lightPanel->SetDeviceKind(DeviceKind::kHeadsetHs6533);

    pageStack_->addWidget(page);
    slot->pageIndex = pageStack_->count() - 1;

    AppendToLayout(entryContainer_, entry);
    entry->ShowSynchroOption(false);
    entry->SetGroup(ToQString(def.optionGroup));
    entry->BindPage(pageStack_->objectName(), slot->pageIndex);
    entry->SetPowerPanel(ToQString(def.powerContainer), slot->powerIndex);
    entry->SetKind(slot->kind, def.subKind);
    entry->Show(false);

    ShowHeadsetAudioFeatures(*slot);
    slots_.All().push_back(std::move(slot));
}
