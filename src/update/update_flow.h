#pragma once
// The update page's logic without widgets: the list of items with their states, the check,
// the user's acceptance, downloads and installations, driven step by step by a window (whose
// worker threads post each step to the UI thread) or by a test. Not thread-safe: call it
// from one thread.
//
// Item states: 7 current or no information, 1/2 update offered -> 3 accepted -> 4
// downloading -> 5 downloaded -> 6 installing -> 7 installed, or 8 failed (may be
// downloaded again). Nothing downloaded runs before the user accepted to run it after
// seeing its size and SHA-256.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include "update/update_identity.h"
#include "update/update_query.h"
#include "update/updater_message.h"

namespace ItemState {
constexpr int kNoAnswer = 0;     // "LessUpdateText"
constexpr int kOffered = 1;      // "NeedUpdateText"
constexpr int kOfferedToo = 2;   // "NeedUpdateText"
constexpr int kWaiting = 3;      // "DownloadWaitText"
constexpr int kDownloading = 4;  // "DownloadIngText"
constexpr int kDownloaded = 5;   // "DownloadOkText"
constexpr int kInstalling = 6;   // "UpdateIngText"
constexpr int kCurrent = 7;      // "UpdateOkText"
constexpr int kFailed = 8;       // "UpdateFailText"
}  // namespace ItemState

namespace PageState {
constexpr int kChecking = 0;     // "GetUpdateInfoText"
constexpr int kUpdates = 1;      // "HaveUpdateInfoText"
constexpr int kUnreachable = 2;  // "NoUpdateInfoText"
constexpr int kUpdating = 3;     // "ISUpdateINGText"
constexpr int kAllCurrent = 4;   // "UpdateIsLastText" and the last-check date
constexpr int kNoService = 5;    // no update service is set: nothing was sent
}  // namespace PageState

constexpr const char* kProgramItemName = "AP";

struct UpdateItem {
    std::string name;
    std::string installedText;
    std::string offeredText;  // shown only while not empty
    std::string url;          // download location
    std::string localFile;
    int state = ItemState::kCurrent;
    bool ticked = false;
    bool checkEnabled = false;
    int percent = 0;
    UpdateAnswer answer;
    // Known once downloaded, shown before the file may run.
    uint64_t fileSize = 0;
    std::string sha256;
    // The service gave a SHA-256 and the file matched it (a mismatch fails the download).
    bool digestChecked = false;
    bool runAccepted = false;
};

using UpdateQuery = std::function<UpdateAnswer(const UpdateRecord&)>;

struct DownloadJob {
    size_t index;
    std::string url;
    std::string localFile;
};

class UpdateFlow {
public:
    explicit UpdateFlow(std::string downloadFolder);

    // Check, step 1: one item per record (state 7, installed text, nothing offered); page 0.
    void Begin(std::vector<UpdateRecord> records);
    // Check, step 2, for the item at `index`.
    void TakeAnswer(size_t index, const UpdateAnswer& answer);
    // Check, steps 3 and 4: tick what is offered, choose the page state.
    void FinishCheck();
    // The whole check: Begin, every record through `query`, FinishCheck. With no service
    // URL nothing is asked and the page state is kNoService. afterAnswer runs after each
    // stored answer (the window writes the last-check date there).
    void RunCheck(std::vector<UpdateRecord> records, const std::string& serviceUrl, const UpdateQuery& query,
                  const std::function<void()>& afterAnswer = {});

    // "check_name_select": returns whether "update_fw_and_ap" is shown.
    bool SetTicked(size_t index, bool ticked);
    bool UpdateButtonShown() const { return updateButtonShown_; }
    // "update_OK_btn": ticked offered items are accepted, unticked ones locked; a download
    // is requested.
    void Accept();
    bool DownloadRequested() const { return downloadRequested_; }

    // Download thread: the accepted (or failed) ticked items go to state 4 and are returned;
    // the request is cleared.
    std::vector<DownloadJob> StartDownloads();
    void DownloadProgress(size_t index, uint64_t total, uint64_t received);
    // complete: the file is whole under its local name (state 5, size and SHA-256 read);
    // otherwise state 8.
    void DownloadFinished(size_t index, bool complete);

    // The user's answer after seeing the file's size and SHA-256 (item in state 5).
    void AcceptRun(size_t index);
    // Declined: the file is removed and the item is offered again, unticked.
    void DeclineRun(size_t index);
    // Install thread: the next item to run, which goes to state 6 and becomes the current
    // item; nothing while an earlier item still installs or waits for the user's answer.
    std::optional<size_t> NextInstall();
    // The item waiting for the user's answer to run it, if any.
    std::optional<size_t> AwaitingRunAnswer() const;
    // The file could not be started: state 8 (it may be downloaded and tried again).
    void InstallStartFailed(size_t index);
    // A visible run (device id 1) ended: exit code 0 counts as installed, else failed.
    void VisibleRunEnded(size_t index, int exitCode);
    // A message of the hidden updater, for the current item.
    void HandleUpdaterMessage(const UpdaterMessage& message);

    // Closing is refused while any item is in state 0, 3, 4, 5 or 6.
    bool CanClose() const;
    int PageState() const { return pageState_; }
    const std::vector<UpdateItem>& Items() const { return items_; }
    const std::vector<UpdateRecord>& Records() const { return records_; }
    std::optional<size_t> CurrentItem() const { return current_; }

private:
    bool Valid(size_t index) const { return index < items_.size(); }
    std::string InitialInstalledText(const UpdateRecord& record) const;
    void RefreshUpdateButton();
    void MarkInstalled(size_t index);
    void AfterInstallEnded();

    std::string downloadFolder_;
    std::vector<UpdateRecord> records_;
    std::vector<UpdateItem> items_;
    int pageState_ = PageState::kChecking;
    int failedQueries_ = 0;
    bool updateButtonShown_ = false;
    bool downloadRequested_ = false;
    std::optional<size_t> current_;
};

// An UpdateQuery that asks the service at serviceUrl through client.
UpdateQuery ServiceQuery(CHttpClient& client, const std::string& serviceUrl);
