// The update page of the settings window: the check, the user's acceptance, downloads,
// the user's consent to run each downloaded file (after seeing its size and SHA-256),
// runs one at a time, and the updater's messages.
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include "shell/app_names.h"
#include "shell/msg_wnd.h"
#include "shell/user_settings.h"
#include "ui/controls.h"
#include "ui/language_table.h"
#include "ui/skin_resources.h"
#include "update/last_check_file.h"
#include "panels/settings/circle_progress_ui.h"
#include "panels/settings/set_wnd.h"
#include "panels/settings/update_item_view.h"

namespace {
constexpr int kTimerBusyRing = 1;
constexpr int kBusyRingStepMs = 50;
constexpr int kListPage = 0;
constexpr int kConfirmPage = 1;

QString Text(const char* id) {
    return CLanguageTable::Instance().Text(QLatin1String(id));
}
}  // namespace

void CSetWnd::StartUpdatePage() {
    if (started_) return;
    started_ = true;
    const std::string dataFolder = UserDataFolder().toStdString();
    lastCheckDate_ = QString::fromStdString(LastCheckDateAtStart(dataFolder));
    busyRing_ = FindControl(QStringLiteral("update_status_ring"));
    busyTimer_ = kTimerBusyRing;
    if (serviceUrl_.empty()) {
        // Nothing is asked; the page says why.
        flow_.RunCheck(records_, std::string(), UpdateQuery());
        ShowPageState();
        return;
    }
    mailbox_ = std::make_shared<UpdateMailbox>(this);
    UpdateEvents events;
    events.answer = [this](size_t index, const UpdateAnswer& answer) { OnCheckAnswer(index, answer); };
    events.checkDone = [this] { OnCheckDone(); };
    events.progress = [this](size_t index, uint64_t total, uint64_t received) {
        OnDownloadProgress(index, total, received);
    };
    events.downloadDone = [this](size_t index, bool complete) { OnDownloadDone(index, complete); };
    workers_ = std::make_unique<UpdateWorkers>(services_, mailbox_, std::move(events));
    flow_.Begin(records_);
    ShowItems();
    ShowPageState();
    SetTimer(kTimerBusyRing, kBusyRingStepMs);
    workers_->StartCheck(records_, serviceUrl_);
    workers_->StartDownloads();
}

void CSetWnd::StopUpdateThreads() {
    if (mailbox_) mailbox_->Close();
    if (workers_) workers_->Stop();
    KillTimer(kTimerBusyRing);
}

void CSetWnd::ShowPageState() {
    const PageStateView view = ViewOfPageState(flow_.PageState());
    if (busyRing_) busyRing_->setVisible(view.ringShown);
    if (!view.ringShown) KillTimer(kTimerBusyRing);
    if (auto* image = FindControl<QLabel>(QStringLiteral("update_status_image"))) {
        image->setVisible(!view.ringShown);
        const QPixmap picture(CSkinResources::Instance().PathOf(QLatin1String(view.image)));
        if (!picture.isNull())
            image->setPixmap(
                picture.scaled(image->maximumSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    QString text = Text(view.textId);
    if (flow_.PageState() == PageState::kAllCurrent) {
        text += lastCheckDate_;
        if (owner_) PostWindowMessage(owner_, kMsgClearUpdateBadge, 0, 0);
    }
    SetText(FindControl(QStringLiteral("Update_Status_text")), text);
    // Without a service there is nothing to list.
    if (QWidget* listPages = FindControl(QStringLiteral("get_update_tab_layout")))
        listPages->setVisible(flow_.PageState() != PageState::kNoService);
    QWidget* updateButton = FindControl(QStringLiteral("update_fw_and_ap"));
    if (updateButton) {
        updateButton->setVisible(flow_.UpdateButtonShown());
        updateButton->setEnabled(flow_.UpdateButtonShown());
    }
}

void CSetWnd::ShowItems() {
    auto* list = qobject_cast<QListWidget*>(updateList_);
    if (!list) return;
    const std::vector<UpdateItem>& items = flow_.Items();
    if (GetItemCount(list) != static_cast<int>(items.size())) {
        RemoveAllItems(list);
        const CreateCallback create = [this](const QString& className, QWidget* parent) {
            return CreateControl(className, parent);
        };
        for (size_t i = 0; i < items.size(); ++i)
            ListAddRowFromSkin(list, QLatin1String(kUpdateItemSkin), create);
    }
    for (size_t i = 0; i < items.size(); ++i) ShowItem(i);
}

void CSetWnd::ShowItem(size_t index) {
    auto* list = qobject_cast<QListWidget*>(updateList_);
    if (!list || index >= flow_.Items().size()) return;
    ShowUpdateItem(ListRowWidget(list, static_cast<int>(index)), flow_.Items()[index]);
}

void CSetWnd::OnItemTicked(QWidget* sender) {
    const int index = ListRowIndexOf(sender);
    if (index < 0) return;
    flow_.SetTicked(static_cast<size_t>(index), IsSelected(sender));
    ShowItem(static_cast<size_t>(index));
    ShowPageState();
}

void CSetWnd::OnCheckAnswer(size_t index, const UpdateAnswer& answer) {
    flow_.TakeAnswer(index, answer);
    ShowItem(index);
    // Only an answer of the service counts as a check.
    if (!answer.ServiceUnreachable()) {
        const std::string today = TodayCheckDate();
        if (WriteLastCheckDate(UserDataFolder().toStdString(), today) == 0)
            lastCheckDate_ = QString::fromStdString(today);
    }
}

void CSetWnd::OnCheckDone() {
    flow_.FinishCheck();
    ShowItems();
    ShowPageState();
}

void CSetWnd::OnAcceptUpdates() {
    flow_.Accept();
    if (workers_) workers_->QueueDownloads(flow_.StartDownloads());
    SelectItem(FindControl(QStringLiteral("get_update_tab_layout")), kListPage);
    ShowItems();
    ShowPageState();
    if (QWidget* updateButton = FindControl(QStringLiteral("update_fw_and_ap")))
        updateButton->setEnabled(false);
}

void CSetWnd::OnDownloadProgress(size_t index, uint64_t total, uint64_t received) {
    flow_.DownloadProgress(index, total, received);
    ShowItem(index);
}

void CSetWnd::OnDownloadDone(size_t index, bool complete) {
    flow_.DownloadFinished(index, complete);
    ShowItem(index);
    ShowPageState();
    AskAndRunNext();
}

void CSetWnd::AskAndRunNext() {
    if (askingRun_) return;
    askingRun_ = true;
    while (const std::optional<size_t> waiting = flow_.AwaitingRunAnswer()) {
        const UpdateItem& item = flow_.Items()[*waiting];
        const QString question =
            Text("update_run_question_text")
                .arg(QString::fromStdString(item.name))
                .arg(static_cast<qulonglong>(item.fileSize))
                .arg(QString::fromStdString(item.sha256)) +
            QStringLiteral("\n\n") +
            Text(item.digestChecked ? "update_digest_checked_text" : "update_no_digest_text");
        if (ShowMessageBox(this, Text("update_run_title_text"), question, GetDpi(), false, 1) == 1)
            flow_.AcceptRun(*waiting);
        else
            flow_.DeclineRun(*waiting);
        ShowItem(*waiting);
    }
    if (const std::optional<size_t> next = flow_.NextInstall()) RunItem(*next);
    askingRun_ = false;
    ShowItems();
    ShowPageState();
}

void CSetWnd::RunItem(size_t index) {
    const UpdateItem& item = flow_.Items()[index];
    const bool visible = item.answer.deviceId == kDeviceIdVisible;
    QPointer<CSetWnd> self(this);
    auto onExit = [self, index, visible](int exitCode) {
        // A hidden run reports through the updater's messages; a visible one by its end.
        if (!self || !visible) return;
        self->flow_.VisibleRunEnded(index, exitCode);
        self->ShowItems();
        self->ShowPageState();
        self->AskAndRunNext();
    };
    ShowItem(index);
    if (services_.run && services_.run(QString::fromStdString(item.localFile), onExit)) return;
    flow_.InstallStartFailed(index);
    ShowMessageBox(this, QString(), Text("update_run_failed_text"), GetDpi(), false, 0);
}

void CSetWnd::OnUpdaterMessage(WPARAM code, LPARAM value) {
    flow_.HandleUpdaterMessage(UpdaterMessage{static_cast<int>(code), static_cast<int>(value)});
    ShowItems();
    ShowPageState();
    if (!askingRun_) AskAndRunNext();
}
