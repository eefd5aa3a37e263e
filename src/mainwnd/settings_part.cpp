#include "mainwnd/settings_part.h"

#include <QAbstractButton>
#include "shell/app_names.h"
#include "shell/language_manager.h"
#include "ui/skin_style.h"
#include "update/background_check.h"
#include "update/program_version.h"
#include "update/service_url.h"
#include "devices/usb_device.h"
#include "panels/settings/set_wnd.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/sdk_part.h"
#include "sdk/sdk_address.h"
#include "shell/sdk_server_settings.h"
#include "util/debug_log.h"

namespace {
constexpr int kDockRightGap = 30;
constexpr int kDockTopGap = 60;
}  // namespace

CSettingsPart::CSettingsPart(UpdateServices services) : services_(std::move(services)) {}

void CSettingsPart::OnWindowInit(CMainWnd& wnd) {
    const UpdateServiceSetting setting = ResolveUpdateServiceUrl(UpdateUrlFromUserIni());
    if (!setting.problem.empty()) DebugPrintf("update: %s\n", setting.problem.c_str());
    serviceUrl_ = setting.url;
    const WindowHandle window = wnd.GetHWND();
    wnd.StartThread(kUpdateCheckSlot,
                    [window, url = serviceUrl_, services = services_](const StopEvent& stop) {
                        RunUpdateCheck(stop, window, url, services);
                    });
}

std::vector<UpdateRecord> CSettingsPart::RecordsTakingPart(const CMainWnd& wnd) {
    std::vector<AttachedDevice> attached;
    if (const CDeviceSlots* deviceSlots = wnd.DeviceSlots()) {
        for (const auto& slot : deviceSlots->All()) {
            if (!slot || !slot->device) continue;
            const CHidDevice& hid = slot->device->CommandChannel().hid;
            if (!hid.IsOpen()) continue;
            const HidAttributes& ids = hid.Attributes();
            attached.push_back({ids.vendorId, ids.productId, ids.versionNumber});
        }
    }
    return ::RecordsTakingPart(BuildUpdateRecords(attached, ProgramVersionNumber()));
}

bool CSettingsPart::OnMessage(CMainWnd& wnd, unsigned msg, WPARAM, LPARAM lParam, LRESULT* result) {
    *result = 0;
    switch (msg) {
    case kMsgCollectUpdateRecords:
        if (lParam) *reinterpret_cast<std::vector<UpdateRecord>*>(lParam) = RecordsTakingPart(wnd);
        *result = 1;
        return true;
    case kMsgUpdateFound:
        updateFound_ = true;
        SetForegroundImage(wnd.FindControl<QAbstractButton>(QStringLiteral("setbtn")),
                           QString::fromLatin1(kUpdateBadgeImage));
        return true;
    default:
        return false;
    }
}

bool CSettingsPart::OpenSettings(CMainWnd& wnd, bool docked) {
    CSetWnd settings(&wnd);
    // The services first: the window starts its update page as soon as it is shown.
    settings.SetUpdateServices(services_);
    if (!settings.Create(&wnd, QStringLiteral("SetWnd"), CSetWnd::kWidth, CSetWnd::kHeight,
                         Qt::Tool | Qt::FramelessWindowHint))
        return true;
    settings.SetDpi(wnd.UiDpi());
    settings.SetOwner(wnd.GetHWND(), CLanguageManager::Instance().CurrentIndex());
    settings.SetUpdateRecords(RecordsTakingPart(wnd));
    settings.SetUpdateServiceUrl(serviceUrl_);
    settings.SetShowAbout([&wnd] { wnd.ShowAbout(); });
    if (updateFound_) settings.ShowUpdateBanner();
    if (sdk_) {
        settings.SetSdkServer(
            {.on = sdk_->Running(),
             .address = sdkAddress_,
             .clients = sdk_->ClientCount(),
             .apply = [this](bool on, const QString& address) { return ApplySdkServer(on, address); }});
        sdk_->SetClientCountListener([&settings](std::size_t count) { settings.ShowSdkClientCount(count); });
    }
    if (docked && wnd.isVisible()) {
        const QRect frame = wnd.geometry();
        settings.move(frame.right() - CSetWnd::kWidth - wnd.Scale(kDockRightGap),
                      frame.top() + wnd.Scale(kDockTopGap));
    } else {
        settings.CenterWindow();
    }
    wnd.SetSettingsWindow(settings.GetHWND());
    settings.ShowModal();
    wnd.SetSettingsWindow(0);
    if (sdk_) sdk_->SetClientCountListener({});
    return true;
}

SdkServerResult CSettingsPart::ApplySdkServer(bool on, const QString& address) {
    SdkServerResult result;
    const std::optional<sdk::ListenAddress> parsed = sdk::ParseListenAddress(address.toStdString());
    std::string error;
    if (!parsed) {
        // Switching off needs no address; the bad one is not kept.
        if (!on) sdk_->SetRunning(false, {}, nullptr);
        result.messageId = "sdk_address_bad_text";
        result.messageArgs = {address};
    } else if (!sdk_->SetRunning(on, *parsed, &error)) {
        result.messageId = "sdk_listen_failed_text";
        result.messageArgs = {address, QString::fromStdString(error)};
    } else {
        sdkAddress_ = address;
    }
    result.on = sdk_->Running();
    // What runs now is what is kept; a failed start is not remembered as on.
    if (!StoreSdkServerSetting({.enabled = result.on, .address = sdkAddress_}))
        DebugOutput("SDK server: the choice could not be written to kvelm.ini\n");
    return result;
}

void RunUpdateCheck(const StopEvent& stop, WindowHandle window, const std::string& serviceUrl,
                    const UpdateServices& services) {
    // Without a service nothing is sent; with one, discovery gets a moment to find devices.
    if (!serviceUrl.empty() && !stop.Wait(kFirstCheckDelayMs)) {
        std::vector<UpdateRecord> records;
        SendWindowMessage(window, kMsgCollectUpdateRecords, 0, reinterpret_cast<LPARAM>(&records), &stop);
        const UpdateQuery query = [&](const UpdateRecord& record) {
            if (!stop.IsSet()) return services.query(serviceUrl, record, stop);
            UpdateAnswer stopped;  // ends the check without asking any further
            stopped.name = std::string(kNoLinkServer);
            return stopped;
        };
        const BackgroundCheckResult result =
            stop.IsSet() ? BackgroundCheckResult::NoUpdate : RunBackgroundCheck(records, serviceUrl, query);
        if (!stop.IsSet()) {
            if (result == BackgroundCheckResult::UpdateAvailable) {
                PostWindowMessage(window, kMsgUpdateFound, 0, 0);
                PostWindowMessage(window, kMsgOpenSettings, 0, 0);
                DebugOutput("获取更新线程退出\n");
                return;
            }
            if (result == BackgroundCheckResult::NoUpdate)
                PostWindowMessage(window, kMsgClearUpdateBadge, 0, 0);
        }
    }
    stop.Wait(-1);
    DebugOutput("获取更新线程退出\n");
}
