// The check, the user's choice and the downloads of the update page.
#include "update/update_flow.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include "update/download_paths.h"
#include "update/file_digest.h"
#include "update/program_version.h"

namespace {
bool IsOffered(int state) {
    return state == ItemState::kOffered || state == ItemState::kOfferedToo;
}
}  // namespace

UpdateFlow::UpdateFlow(std::string downloadFolder) : downloadFolder_(std::move(downloadFolder)) {}

std::string UpdateFlow::InitialInstalledText(const UpdateRecord& record) const {
    return record.IsProgram() ? record.versionText
                              : FormatHexVersion(static_cast<uint32_t>(record.installedVersion));
}

void UpdateFlow::Begin(std::vector<UpdateRecord> records) {
    records_ = std::move(records);
    items_.clear();
    for (const UpdateRecord& record : records_) {
        UpdateItem item;
        item.name = record.IsProgram() ? kProgramItemName : record.displayName;
        item.installedText = InitialInstalledText(record);
        items_.push_back(std::move(item));
    }
    pageState_ = PageState::kChecking;
    failedQueries_ = 0;
    updateButtonShown_ = false;
    downloadRequested_ = false;
    current_.reset();
}

void UpdateFlow::TakeAnswer(size_t index, const UpdateAnswer& answer) {
    if (!Valid(index)) return;
    const UpdateRecord& record = records_[index];
    UpdateItem& item = items_[index];
    if (answer.ServiceUnreachable()) ++failedQueries_;
    item.name = record.displayName;
    item.answer = answer;
    if (!answer.HasInformation() || answer.ServiceUnreachable()) {
        item.state = ItemState::kCurrent;
        item.installedText = InitialInstalledText(record);
        item.offeredText.clear();
        item.url.clear();
    } else {
        item.state = answer.status;
        // The program row keeps its own version text rather than the bare number.
        item.installedText = record.IsProgram() ? record.versionText : answer.installedText;
        item.offeredText = answer.status != ItemState::kCurrent ? answer.offeredText : "";
        item.url = answer.path;
    }
    item.localFile = LocalUpdateFile(downloadFolder_, record.displayName, item.url);
}

void UpdateFlow::FinishCheck() {
    bool anyTicked = false;
    for (UpdateItem& item : items_) {
        const bool offered = item.state != ItemState::kCurrent && item.state != ItemState::kNoAnswer;
        item.checkEnabled = offered;
        item.ticked = offered;
        anyTicked = anyTicked || offered;
    }
    updateButtonShown_ = anyTicked;
    if (anyTicked)
        pageState_ = PageState::kUpdates;
    else if (!items_.empty() && failedQueries_ == static_cast<int>(items_.size()))
        pageState_ = PageState::kUnreachable;
    else
        pageState_ = PageState::kAllCurrent;
}

void UpdateFlow::RunCheck(std::vector<UpdateRecord> records, const std::string& serviceUrl,
                          const UpdateQuery& query, const std::function<void()>& afterAnswer) {
    Begin(std::move(records));
    if (serviceUrl.empty()) {
        pageState_ = PageState::kNoService;
        return;
    }
    for (size_t i = 0; i < records_.size(); ++i) {
        TakeAnswer(i, query(records_[i]));
        if (afterAnswer) afterAnswer();
    }
    FinishCheck();
}

void UpdateFlow::RefreshUpdateButton() {
    updateButtonShown_ =
        std::any_of(items_.begin(), items_.end(), [](const UpdateItem& i) { return i.ticked; });
}

bool UpdateFlow::SetTicked(size_t index, bool ticked) {
    if (Valid(index) && items_[index].checkEnabled) items_[index].ticked = ticked;
    RefreshUpdateButton();
    return updateButtonShown_;
}

void UpdateFlow::Accept() {
    for (UpdateItem& item : items_) {
        if (!IsOffered(item.state)) continue;
        if (item.ticked) item.state = ItemState::kWaiting;
        item.checkEnabled = false;
    }
    updateButtonShown_ = false;
    downloadRequested_ = true;
}

std::vector<DownloadJob> UpdateFlow::StartDownloads() {
    std::vector<DownloadJob> jobs;
    if (!downloadRequested_) return jobs;
    downloadRequested_ = false;
    for (size_t i = 0; i < items_.size(); ++i) {
        UpdateItem& item = items_[i];
        if (!item.ticked || (item.state != ItemState::kWaiting && item.state != ItemState::kFailed)) continue;
        item.state = ItemState::kDownloading;
        item.checkEnabled = false;
        item.percent = 0;
        item.fileSize = 0;
        item.sha256.clear();
        item.digestChecked = false;
        item.runAccepted = false;
        pageState_ = PageState::kUpdating;
        jobs.push_back({i, item.url, item.localFile});
    }
    return jobs;
}

void UpdateFlow::DownloadProgress(size_t index, uint64_t total, uint64_t received) {
    constexpr uint64_t kPercent = 100;
    if (Valid(index) && total > 0 && items_[index].state == ItemState::kDownloading)
        items_[index].percent = static_cast<int>(std::min(received, total) * kPercent / total);
}

void UpdateFlow::DownloadFinished(size_t index, bool complete) {
    if (!Valid(index) || items_[index].state != ItemState::kDownloading) return;
    UpdateItem& item = items_[index];
    std::error_code error;
    const uintmax_t size = complete ? std::filesystem::file_size(item.localFile, error) : 0;
    item.sha256 = complete && !error ? Sha256OfFile(item.localFile) : "";
    // A file that is not the one the service described never gets as far as running.
    const std::string& offered = item.answer.sha256;
    item.digestChecked = !offered.empty() && item.sha256 == offered;
    if (!item.sha256.empty() && !offered.empty() && !item.digestChecked) {
        std::filesystem::remove(item.localFile, error);
        item.sha256.clear();
    }
    if (item.sha256.empty()) {
        item.state = ItemState::kFailed;
        item.checkEnabled = true;
        return;
    }
    item.fileSize = size;
    item.state = ItemState::kDownloaded;
}

UpdateQuery ServiceQuery(CHttpClient& client, const std::string& serviceUrl) {
    return [&client, serviceUrl](const UpdateRecord& record) {
        return QueryUpdate(client, serviceUrl, BuildAppKey(record), record.installedVersion,
                           record.UsesHexVersions());
    };
}
