#pragma once
// CSetWnd: the modal settings window. Two pages: "General" (the language list and the
// way to the about window) and "Updates" (the update list of the attached devices and of
// the program: check, accept, download, consent to run, install).
//
// Skin "setwnd.xml": caption "closebtn", "maxbtn", "restorebtn", "minbtn", "menubtn";
// "Language_combox_info", "about_btn", "set_version_label"; the SDK server block
// "sdk_server_switch", "sdk_address_edit", "sdk_clients_label", "sdk_server_message"; the update page's
// "update_status_ring", "update_status_image", "Update_Status_text",
// "get_update_tab_layout" (0 the list, 1 the confirmation), "device_update_list_info",
// "update_fw_and_ap", "update_OK_btn", "update_cancel_btn"; the banner
// "update_tishi_layout" with "set_in_update_wnd_btn" and "laterbtn".
//
// The caller (the main window) creates it, then calls SetDpi, SetOwner, SetUpdateRecords
// and SetUpdateServiceUrl, places it and shows it modally. The update check, the downloads
// and the runs start at "windowinit" and end on every way out.
//
// Files: set_wnd.cpp (window, language, closing), set_wnd_sdk.cpp (the SDK server block),
// set_wnd_update.cpp (the update page),
// update_workers.cpp (its worker threads).
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <QStringList>
#include "ui/skin_window.h"
#include "update/update_flow.h"
#include "panels/settings/update_workers.h"

class QProcess;

// What became of a change to the SDK server: whether it runs now, and what went wrong as
// a language text id with its arguments (none when the change was made), so the message
// follows a language switch.
struct SdkServerResult {
    bool on = false;
    const char* messageId = nullptr;
    QStringList messageArgs;
};

// What the settings window shows of the SDK server and how it changes it.
struct SdkServerControl {
    bool on = false;
    QString address;
    std::size_t clients = 0;
    // Switches the server on or off at `address` and keeps the choice. Empty: the block
    // stays disabled.
    std::function<SdkServerResult(bool on, const QString& address)> apply;
};

class CSetWnd final : public CSkinWindow {
    Q_OBJECT
public:
    explicit CSetWnd(QWidget* owner = nullptr);
    ~CSetWnd() override;

    QString GetWindowClassName() const override { return QStringLiteral("SetWnd"); }
    QString GetSkinFile() const override { return QStringLiteral("setwnd.xml"); }
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    QWidget* CreateControl(const QString& className, QWidget* parent) override;

    static constexpr int kWidth = 630;
    static constexpr int kHeight = 500;

    // 48, 72, 96, 120, 144, 168 and 192 are taken; another value writes
    // "SET_WND DPI SET ERROR" and takes 96.
    void SetDpi(int dpi);
    // The window that applies a language choice (message 3089) and the current index.
    void SetOwner(WindowHandle owner, int languageIndex);
    // The records taking part in the check (installed version not 0), in table order.
    void SetUpdateRecords(std::vector<UpdateRecord> records) { records_ = std::move(records); }
    // The update service; empty: nothing is asked and the page says so.
    void SetUpdateServiceUrl(std::string url) { serviceUrl_ = std::move(url); }
    // Opened because an update was found: the update page shows with its banner.
    void ShowUpdateBanner();
    // What "about_btn" does (the main window opens its about window).
    void SetShowAbout(std::function<void()> showAbout) { showAbout_ = std::move(showAbout); }
    // How the update page reaches the network and runs files (tests replace them).
    void SetUpdateServices(UpdateServices services) { services_ = std::move(services); }
    // The SDK server block's state and what applies a change to it.
    void SetSdkServer(SdkServerControl control);
    // The number of connected clients changed.
    void ShowSdkClientCount(std::size_t count);

    int LanguageIndex() const { return languageIndex_; }
    const UpdateFlow& Flow() const { return flow_; }
    QString LastCheckDate() const { return lastCheckDate_; }

private:
    // set_wnd.cpp
    void FillLanguageList();
    bool HandleClick(const QString& name);
    void OnLanguageChosen(int index);
    // The follow-focus check box from the stored choice, and why it cannot work here.
    void ShowFollowFocus();
    void ShowMaximisedState();
    // set_wnd_sdk.cpp
    void ShowSdkServer();
    void ApplySdkServer(bool on);
    // set_wnd_update.cpp
    void StartUpdatePage();
    void StopUpdateThreads();
    void ShowPageState();
    void ShowItems();
    void ShowItem(size_t index);
    void OnItemTicked(QWidget* sender);
    void OnAcceptUpdates();
    void OnCheckAnswer(size_t index, const UpdateAnswer& answer);
    void OnCheckDone();
    void OnDownloadProgress(size_t index, uint64_t total, uint64_t received);
    void OnDownloadDone(size_t index, bool complete);
    void AskAndRunNext();
    void RunItem(size_t index);
    void OnUpdaterMessage(WPARAM code, LPARAM value);

    WindowHandle owner_ = 0;
    int languageIndex_ = -1;
    std::function<void()> showAbout_;

    QWidget* closeBtn_ = nullptr;
    QWidget* maxBtn_ = nullptr;
    QWidget* restoreBtn_ = nullptr;
    QWidget* minBtn_ = nullptr;
    QWidget* menuBtn_ = nullptr;
    QWidget* laterBtn_ = nullptr;
    QWidget* languageList_ = nullptr;
    QWidget* updateList_ = nullptr;

    SdkServerControl sdk_;
    SdkServerResult sdkResult_;

    std::vector<UpdateRecord> records_;
    std::string serviceUrl_;
    UpdateServices services_;
    UpdateFlow flow_;
    QString lastCheckDate_;
    std::shared_ptr<UpdateMailbox> mailbox_;
    std::unique_ptr<UpdateWorkers> workers_;
    bool askingRun_ = false;
    bool started_ = false;
    QWidget* busyRing_ = nullptr;
    int busyTimer_ = 0;
};
