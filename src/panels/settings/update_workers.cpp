#include "panels/settings/update_workers.h"

#include <QFile>
#include <QProcess>
#include <algorithm>
#include "update/update_identity.h"
#include "update/update_query.h"
#include "util/debug_log.h"

namespace {
constexpr uint64_t kPercent = 100;
}  // namespace

UpdateServices DefaultUpdateServices() {
    UpdateServices services;
    services.query = [](const std::string& url, const UpdateRecord& record, const StopEvent& stop) {
        CHttpClient client;
        client.SetStopEvent(&stop);
        return QueryUpdate(client, url, BuildAppKey(record), record.installedVersion,
                           record.UsesHexVersions());
    };
    services.download = [](const std::string& url, const std::string& path, const DownloadProgress& progress,
                           const StopEvent& stop) {
        CHttpClient client;
        return client.Download(url, path, progress, &stop);
    };
    services.run = [](const QString& file, std::function<void(int)> onExit) {
        // The file is the user's own download, in a folder only the user can write.
        QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ExeOwner);
        auto* process = new QProcess;
        QObject::connect(process, &QProcess::finished, process,
                         [process, onExit](int code, QProcess::ExitStatus status) {
                             if (onExit) onExit(status == QProcess::NormalExit ? code : -1);
                             process->deleteLater();
                         });
        process->setProgram(file);
        process->start();
        if (!process->waitForStarted()) {
            delete process;
            return false;
        }
        return true;
    };
    return services;
}

void UpdateMailbox::Post(std::function<void()> fn) {
    std::lock_guard<std::mutex> guard(lock_);
    if (target_) QMetaObject::invokeMethod(target_, std::move(fn), Qt::QueuedConnection);
}

void UpdateMailbox::Close() {
    std::lock_guard<std::mutex> guard(lock_);
    target_ = nullptr;
}

UpdateWorkers::UpdateWorkers(UpdateServices services, std::shared_ptr<UpdateMailbox> mailbox,
                             UpdateEvents events)
    : services_(std::move(services)),
      mailbox_(std::move(mailbox)),
      events_(std::make_shared<UpdateEvents>(std::move(events))) {}

UpdateWorkers::~UpdateWorkers() {
    Stop();
}

void UpdateWorkers::StartCheck(std::vector<UpdateRecord> records, std::string url) {
    check_.Start([query = services_.query, mailbox = mailbox_, events = events_, records = std::move(records),
                  url = std::move(url)](const StopEvent& stop) {
        for (size_t i = 0; i < records.size(); ++i) {
            if (stop.IsSet()) return;
            const UpdateAnswer answer = query(url, records[i], stop);
            if (stop.IsSet()) return;
            mailbox->Post([events, i, answer] { events->answer(i, answer); });
        }
        mailbox->Post([events] { events->checkDone(); });
    });
}

void UpdateWorkers::StartDownloads() {
    // The worker keeps what it uses alive itself: one that outlives Stop's wait must not
    // reach into this object.
    download_.Start([download = services_.download, mailbox = mailbox_, events = events_,
                     jobsLock = jobsLock_, queued = jobs_](const StopEvent& stop) {
        DownloadLoop(stop, download, mailbox, events, jobsLock, queued);
    });
}

void UpdateWorkers::QueueDownloads(std::vector<DownloadJob> jobs) {
    std::lock_guard<std::mutex> guard(*jobsLock_);
    for (DownloadJob& job : jobs) jobs_->push_back(std::move(job));
}

void UpdateWorkers::DownloadLoop(const StopEvent& stop, const DownloadFunction& download,
                                 const std::shared_ptr<UpdateMailbox>& mailbox,
                                 const std::shared_ptr<UpdateEvents>& events,
                                 const std::shared_ptr<std::mutex>& jobsLock,
                                 const std::shared_ptr<std::vector<DownloadJob>>& queued) {
    while (!stop.Wait(kDownloadPollMs)) {
        std::vector<DownloadJob> jobs;
        {
            std::lock_guard<std::mutex> guard(*jobsLock);
            jobs.swap(*queued);
        }
        for (const DownloadJob& job : jobs) {
            if (stop.IsSet()) return;
            uint64_t shownPercent = kPercent + 1;
            const size_t index = job.index;
            const DownloadProgress progress = [&](uint64_t total, uint64_t received) {
                const uint64_t percent = total > 0 ? std::min(received, total) * kPercent / total : 0;
                if (total > 0 && percent == shownPercent) return;
                shownPercent = percent;
                mailbox->Post([events, index, total, received] { events->progress(index, total, received); });
            };
            const DownloadResult result = download(job.url, job.localFile, progress, stop);
            if (stop.IsSet()) return;
            mailbox->Post(
                [events, index, result] { events->downloadDone(index, result == DownloadResult::Complete); });
        }
    }
}

void UpdateWorkers::Stop() {
    check_.Stop();
    download_.Stop();
}
