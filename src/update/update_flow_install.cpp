// Running downloaded files: only after the user's consent, one at a time, finished by the
// updater's messages or by the end of a visible run.
#include "update/update_flow.h"

#include <filesystem>
#include <system_error>

void UpdateFlow::AcceptRun(size_t index) {
    if (Valid(index) && items_[index].state == ItemState::kDownloaded) items_[index].runAccepted = true;
}

void UpdateFlow::DeclineRun(size_t index) {
    if (!Valid(index) || items_[index].state != ItemState::kDownloaded) return;
    UpdateItem& item = items_[index];
    std::error_code error;
    std::filesystem::remove(item.localFile, error);
    item.state = ItemState::kOffered;
    item.ticked = false;
    item.checkEnabled = true;
    item.runAccepted = false;
    item.fileSize = 0;
    item.sha256.clear();
}

std::optional<size_t> UpdateFlow::AwaitingRunAnswer() const {
    for (size_t i = 0; i < items_.size(); ++i) {
        const UpdateItem& item = items_[i];
        if (item.ticked && item.state == ItemState::kInstalling) return std::nullopt;
        if (item.ticked && item.state == ItemState::kDownloaded && !item.runAccepted) return i;
    }
    return std::nullopt;
}

std::optional<size_t> UpdateFlow::NextInstall() {
    for (size_t i = 0; i < items_.size(); ++i) {
        UpdateItem& item = items_[i];
        if (!item.ticked) continue;
        if (item.state == ItemState::kInstalling) return std::nullopt;
        if (item.state != ItemState::kDownloaded) continue;
        if (!item.runAccepted) return std::nullopt;
        item.state = ItemState::kInstalling;
        item.percent = 0;
        pageState_ = PageState::kUpdating;
        current_ = i;
        return i;
    }
    return std::nullopt;
}

void UpdateFlow::InstallStartFailed(size_t index) {
    if (!Valid(index) || items_[index].state != ItemState::kInstalling) return;
    items_[index].state = ItemState::kFailed;
    items_[index].checkEnabled = true;
    if (current_ == index) current_.reset();
}

void UpdateFlow::MarkInstalled(size_t index) {
    UpdateItem& item = items_[index];
    item.installedText = item.offeredText;
    item.offeredText.clear();
    item.state = ItemState::kCurrent;
    item.ticked = false;
    item.checkEnabled = false;
    current_.reset();
    AfterInstallEnded();
}

void UpdateFlow::AfterInstallEnded() {
    for (const UpdateItem& other : items_) {
        if (other.ticked && other.state != ItemState::kCurrent) return;
    }
    bool anyLeft = false;
    for (UpdateItem& other : items_) {
        if (other.state != ItemState::kCurrent) {
            other.checkEnabled = true;
            anyLeft = true;
        }
    }
    pageState_ = anyLeft ? PageState::kUpdates : PageState::kAllCurrent;
}

void UpdateFlow::VisibleRunEnded(size_t index, int exitCode) {
    if (!Valid(index) || items_[index].state != ItemState::kInstalling) return;
    if (exitCode == 0) {
        MarkInstalled(index);
        return;
    }
    items_[index].state = ItemState::kFailed;
    items_[index].checkEnabled = true;
    if (current_ == index) current_.reset();
}

void UpdateFlow::HandleUpdaterMessage(const UpdaterMessage& message) {
    if (!current_ || items_[*current_].state != ItemState::kInstalling) return;
    const size_t index = *current_;
    switch (message.code) {
    case kUpdaterFinished:
        MarkInstalled(index);
        break;
    case kUpdaterFailed:
    case kUpdaterFailedToo:
        items_[index].state = ItemState::kFailed;
        items_[index].checkEnabled = true;
        current_.reset();
        break;
    case kUpdaterProgress:
        items_[index].percent = message.value;
        break;
    default:
        break;
    }
}

bool UpdateFlow::CanClose() const {
    for (const UpdateItem& item : items_) {
        switch (item.state) {
        case ItemState::kNoAnswer:
        case ItemState::kWaiting:
        case ItemState::kDownloading:
        case ItemState::kDownloaded:
        case ItemState::kInstalling:
            return false;
        default:
            break;
        }
    }
    return true;
}
