#pragma once
// The settings side of the main window: opens the settings window (from "setbtn", the
// tray's "setwnd_menu" and message 3093) and runs the update check after start (thread
// slot 2), which marks "setbtn" and opens the settings window when something newer exists.
//
// The update service is the one of kvelm.ini's "[Update] Url=" (or KVELM_UPDATE_URL); while
// none is set the check sends nothing and the settings window says so.
#include <QString>
#include <string>
#include <vector>
#include "ui/window_messages.h"
#include "update/update_identity.h"
#include "panels/settings/update_workers.h"
#include "mainwnd/main_wnd_part.h"

class StopEvent;
class CSdkPart;
struct SdkServerResult;

// Messages of the update check to the main window (worker -> UI thread).
constexpr unsigned kMsgCollectUpdateRecords = 3110;  // lParam: std::vector<UpdateRecord>* to fill
constexpr unsigned kMsgUpdateFound = 3111;           // mark "setbtn"; 3093 follows
constexpr const char* kUpdateBadgeImage = "sysbtn/haveNewInfo.png";
// Discovery reports the attached devices within its first passes; the check waits for them.
constexpr int kFirstCheckDelayMs = 1500;
constexpr int kUpdateCheckSlot = 2;

class CSettingsPart final : public IMainWndPart {
public:
    // services: how the settings window and the check reach the network (tests replace
    // them); the default is the real client.
    explicit CSettingsPart(UpdateServices services = DefaultUpdateServices());

    void OnWindowInit(CMainWnd& wnd) override;
    bool OnMessage(CMainWnd& wnd, unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OpenSettings(CMainWnd& wnd, bool docked) override;

    // The SDK server the settings window switches (none: its block stays disabled) and the
    // ADDRESS:PORT it shows.
    void SetSdkServer(CSdkPart* sdk, QString address) {
        sdk_ = sdk;
        sdkAddress_ = std::move(address);
    }
    // The settings window's switch or address changed: starts or stops the server and keeps
    // the choice in kvelm.ini once it took effect.
    SdkServerResult ApplySdkServer(bool on, const QString& address);

    // The records of the attached devices and of the program that take part in a check.
    static std::vector<UpdateRecord> RecordsTakingPart(const CMainWnd& wnd);

private:
    UpdateServices services_;
    std::string serviceUrl_;
    bool updateFound_ = false;
    CSdkPart* sdk_ = nullptr;
    QString sdkAddress_;
};

// The update check thread's body: asks once (after the delay) unless no URL is set, then
// waits for its stop event.
void RunUpdateCheck(const StopEvent& stop, WindowHandle window, const std::string& serviceUrl,
                    const UpdateServices& services);
