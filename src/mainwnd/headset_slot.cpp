// The headset's part of its device slot: its audio configuration library, and the audio
// features shown on its page.
#include <QPointer>
#include <QTimer>

#include "devices/audio/headset_audio_source.h"
#include "devices/hs6533_device.h"
#include "hid/protocol/supported_devices.h"
#include "devices/discovery/device_table.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/headset_slot.h"
#include "mainwnd/main_wnd.h"
#include "panels/headsetpage/headset_page.h"

namespace {

constexpr int kConfirmOnly = 0;
// Bit of the output endpoint's feature word 0: the host offers the equaliser.
constexpr int kFeatureEqualiser = 0x1;

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
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

}  // namespace

void ShowHeadsetAudioFeatures(DeviceSlot& slot) {
    if (slot.headset == nullptr) return;
    auto* page = dynamic_cast<CHeadsetPage*>(slot.headset->HeadsetPage());
    if (page == nullptr) return;
    const CAudioEndpointControl& audio = slot.headset->Audio();
    page->ShowAudioFeatures((audio.Microphone().featureWord0 & kFeatureVoiceChanger) != 0,
                            (audio.Output().featureWord0 & kFeatureEqualiser) != 0);
}

void GiveHeadsetAudio(DeviceSlot& slot, const DeviceRow& row, const std::string& simulateList,
                      CMainWnd& wnd) {
    if (slot.headset == nullptr) return;
    // A row without ids names no sound card: it gets a library only when simulated.
    const bool noIds = row.vendorId == 0 && row.productId == 0;
    if (!noIds || SimulatesHeadset(simulateList))
        slot.audioLibrary = MakeHeadsetAudioLibrary(simulateList, row.vendorId, row.productId);
    slot.headset->SetAudioLibrary(slot.audioLibrary.get(), MessageBoxSink(wnd));
}
