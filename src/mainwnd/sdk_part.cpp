#include "mainwnd/sdk_part.h"

#include <QTimer>
#include <cstdio>

#include "devices/device_lists.h"
#include "devices/keyboard/keyboard_led_table.h"
#include "devices/usb_device.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"
#include "panels/light/model/light_device_kinds.h"
#include "sdk/describe/device_controller.h"
#include "shell/app_names.h"
#include "util/debug_log.h"

namespace {

constexpr char kVendor[] = "KV_ELM";
constexpr char kDefaultLightFile[] = "default_light.json";
constexpr std::uint32_t kLedBrightnessMask = 0xFF000000u;

bool Attached(const DeviceSlot& slot) {
    return slot.entry && !slot.entry->isHidden();
}

sdk::Controller DescribeSlot(const DeviceSlot& slot) {
    const CVornakelUSBDevice& device = *slot.device;
    sdk::DeviceLighting d;
    d.kind = slot.kind;
    d.name = slot.productName.toStdString();
    d.vendor = kVendor;
    d.description = d.vendor + " " + d.name;
    d.serial = slot.deviceName.toStdString();
    d.location = device.HidInfo().devicePath;
    const DeviceLists lists =
        LoadDeviceLists({}, device.DefaultDataFolder() + kDefaultLightFile, {}, LightRowOfKind(slot.kind));
    for (const LightModeName& mode : lists.lightModes) d.modeIds.push_back(mode.name);
    d.areaIds = lists.areaNames;
    d.effect = device.GetLightEffect();
    if (slot.keyboard)
        for (std::size_t led = 0; led < keyboard::kLedCount; ++led)
            d.keyColours.push_back(device.GetLedColour(static_cast<int>(led)));
    return sdk::DescribeDevice(d);
}

}  // namespace

// The write on its way to a device and the one that follows it.
struct CSdkPart::Pending {
    bool sending = false;
    bool waiting = false;  // `next` holds a write not sent yet
    bool save = false;
    sdk::Controller next;
};

CSdkPart::CSdkPart(CDevicePart& devices, sdk::ServerOptions options, bool startRunning)
    : devices_(devices),
      options_(std::move(options)),
      host_([this](std::size_t index) {
          // The server's thread: only a queued call to the window's thread.
          QMetaObject::invokeMethod(
              wnd_, [this, index] { Apply(index); }, Qt::QueuedConnection);
      }),
      startRunning_(startRunning) {
    server_.SetClientCountListener([this](std::size_t count) {
        // The server's thread: the window hears of it on its own thread.
        QMetaObject::invokeMethod(
            wnd_,
            [this, count] {
                if (clientCountListener_) clientCountListener_(count);
            },
            Qt::QueuedConnection);
    });
}

CSdkPart::~CSdkPart() {
    server_.Stop();
}

void CSdkPart::OnWindowInit(CMainWnd& wnd) {
    wnd_ = &wnd;
    std::string error;
    if (startRunning_ && !StartServer(&error))
        std::fprintf(stderr, "kvelm: the SDK server cannot listen: %s\n", error.c_str());
}

bool CSdkPart::StartServer(std::string* error) {
    if (!server_.Start(options_)) {
        if (error) *error = server_.LastError();
        return false;
    }
    handedOver_ = true;
    host_.SetHandedOver(true);
    slotOfController_.clear();
    // Other programs drive the lights now; the caption's button says so.
    wnd_->PostMessage(AppMessages().lightControlRequest, 1, 0);
    QTimer::singleShot(0, wnd_, [this] { Publish(); });
    return true;
}

bool CSdkPart::SetRunning(bool on, const sdk::ListenAddress& address, std::string* error) {
    if (!on) {
        if (!server_.Running()) return true;
        server_.Stop();
        // The lights were the clients'; they go back to the profiles and the button says so.
        if (handedOver_) RestoreProfiles();
        wnd_->PostMessage(AppMessages().lightControlRequest, 1, 1);
        return true;
    }
    if (server_.Running()) {
        if (address.address == options_.address && address.port == options_.port) return true;
        SetRunning(false, address, nullptr);
    }
    options_.address = address.address;
    options_.port = address.port;
    return StartServer(error);
}

bool CSdkPart::OnMessage(CMainWnd& wnd, unsigned msg, WPARAM, LPARAM, LRESULT*) {
    // The device part handles arrivals and removals; the list is read once it has.
    if (server_.Running() && (msg == kMsgDeviceArrival || msg == kMsgDeviceRemoval))
        QTimer::singleShot(0, &wnd, [this] { Publish(); });
    return false;
}

void CSdkPart::OnDeviceFlag(CMainWnd&, DeviceFlag flag, int value) {
    if (flag != DeviceFlag::LightControl || !server_.Running()) return;
    const bool handedOver = value == 0;
    if (handedOver == handedOver_) return;
    handedOver_ = handedOver;
    host_.SetHandedOver(handedOver);
    DebugPrintf("SDK server: lights %s\n", handedOver ? "handed over to other programs" : "taken back");
    if (!handedOver) RestoreProfiles();
}

void CSdkPart::OnDestroy(CMainWnd&) {
    server_.Stop();
}

void CSdkPart::Publish() {
    std::vector<sdk::Controller> controllers;
    std::vector<int> slotIndexes;
    CDeviceSlots& all = devices_.Slots();
    for (int i = 0; i < all.Count(); ++i) {
        const DeviceSlot& slot = *all.At(i);
        if (!Attached(slot)) continue;
        controllers.push_back(DescribeSlot(slot));
        slotIndexes.push_back(i);
    }
    pending_.resize(static_cast<std::size_t>(all.Count()));
    const bool changed = slotIndexes != slotOfController_;
    slotOfController_ = slotIndexes;
    host_.Publish(std::move(controllers));
    if (changed) server_.NotifyDeviceListChanged();
}

void CSdkPart::Apply(std::size_t index) {
    sdk::Controller after;
    bool save = false;
    if (!host_.TakeWrite(index, &after, &save)) return;
    if (!handedOver_ || index >= slotOfController_.size()) return;
    const int slotIndex = slotOfController_[index];
    DeviceSlot* slot = devices_.Slots().At(slotIndex);
    // The list changed between the client's write and now: the index names another device.
    if (!slot || slot->productName.toStdString() != after.name) return;
    auto& pending = pending_[static_cast<std::size_t>(slotIndex)];
    if (!pending) pending = std::make_unique<Pending>();
    pending->next = after;
    pending->save = pending->save || save;
    pending->waiting = true;
    if (!pending->sending) Send(slotIndex);
}

void CSdkPart::Send(int slotIndex) {
    DeviceSlot* slot = devices_.Slots().At(slotIndex);
    Pending& pending = *pending_[static_cast<std::size_t>(slotIndex)];
    if (!slot || !pending.waiting) return;
    pending.waiting = false;
    CVornakelUSBDevice* device = slot->device.get();
    // The device's state changes only while no write of it is on the worker.
    device->SetLightEffect(sdk::EffectOf(pending.next, device->GetLightEffect()));
    if (slot->keyboard) {
        const auto colours = sdk::KeyColoursOf(pending.next);
        for (std::size_t led = 0; led < colours.size(); ++led) {
            const int i = static_cast<int>(led);
            device->SetLedColour(i, (device->GetLedColour(i) & kLedBrightnessMask) | colours[led]);
        }
    }
    if (pending.save) {
        // Kept as the window keeps its own lighting edits: in the selected profile.
        device->SaveProfile();
        pending.save = false;
    }
    pending.sending = true;
    const SettingsWrite request = device->PageSettingsWrite();
    device->RunIo([device, request] { device->WriteSettings(request); },
                  [this, slotIndex] {
                      pending_[static_cast<std::size_t>(slotIndex)]->sending = false;
                      Send(slotIndex);
                  });
}

void CSdkPart::RestoreProfiles() {
    CDeviceSlots& all = devices_.Slots();
    for (int i = 0; i < all.Count(); ++i) {
        DeviceSlot* slot = all.At(i);
        if (!Attached(*slot)) continue;
        if (i < static_cast<int>(pending_.size()) && pending_[static_cast<std::size_t>(i)])
            pending_[static_cast<std::size_t>(i)]->waiting = false;
        CVornakelUSBDevice* device = slot->device.get();
        device->WhenIoIdle([device] {
            device->LoadProfile();
            device->ApplyProfileLighting();
            const SettingsWrite request = device->PageSettingsWrite();
            device->RunIo([device, request] { device->WriteSettings(request); }, {});
        });
    }
    QTimer::singleShot(0, wnd_, [this] { Publish(); });
}
