#pragma once
// The worker threads of the update page: the check (one query per record) and the
// downloads. Workers never touch a window: each result goes through a mailbox that hands
// it to the window's thread while the window is open, and is dropped after that.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "update/http_client.h"
#include "update/update_flow.h"
#include "util/stop_event.h"
#include "util/worker_thread.h"

// How the update page reaches the network and runs files.
struct UpdateServices {
    // One query to the service at url; the stop event ends it within a second.
    std::function<UpdateAnswer(const std::string& url, const UpdateRecord&, const StopEvent&)> query;
    // Fetches url to path (nothing is left at path unless Complete).
    using DownloadFunction = std::function<DownloadResult(const std::string& url, const std::string& path,
                                                          const DownloadProgress&, const StopEvent&)>;
    DownloadFunction download;
    // Starts a downloaded file on the UI thread; onExit gets its exit code when it ends.
    // False when it cannot be started.
    std::function<bool(const QString& file, std::function<void(int exitCode)> onExit)> run;
};
// The real ones: libcurl for the network, the file started as a program.
UpdateServices DefaultUpdateServices();

class UpdateMailbox {
public:
    explicit UpdateMailbox(QObject* target) : target_(target) {}
    // Queues fn to run on the target's thread; nothing once closed.
    void Post(std::function<void()> fn);
    void Close();

private:
    std::mutex lock_;
    QObject* target_;
};

// What the workers report, called on the window's thread.
struct UpdateEvents {
    std::function<void(size_t index, const UpdateAnswer& answer)> answer;
    std::function<void()> checkDone;
    std::function<void(size_t index, uint64_t total, uint64_t received)> progress;
    std::function<void(size_t index, bool complete)> downloadDone;
};

constexpr int kDownloadPollMs = 200;

class UpdateWorkers {
public:
    UpdateWorkers(UpdateServices services, std::shared_ptr<UpdateMailbox> mailbox, UpdateEvents events);
    ~UpdateWorkers();

    // Asks about each record in order, then reports the end of the check.
    void StartCheck(std::vector<UpdateRecord> records, std::string url);
    // The download worker: looks for queued jobs every 200 ms.
    void StartDownloads();
    void QueueDownloads(std::vector<DownloadJob> jobs);
    // Stops both workers, each waited for up to 1000 ms.
    void Stop();

private:
    using DownloadFunction = UpdateServices::DownloadFunction;
    static void DownloadLoop(const StopEvent& stop, const DownloadFunction& download,
                             const std::shared_ptr<UpdateMailbox>& mailbox,
                             const std::shared_ptr<UpdateEvents>& events,
                             const std::shared_ptr<std::mutex>& jobsLock,
                             const std::shared_ptr<std::vector<DownloadJob>>& queued);

    UpdateServices services_;
    std::shared_ptr<UpdateMailbox> mailbox_;
    std::shared_ptr<UpdateEvents> events_;
    std::shared_ptr<std::mutex> jobsLock_ = std::make_shared<std::mutex>();
    std::shared_ptr<std::vector<DownloadJob>> jobs_ = std::make_shared<std::vector<DownloadJob>>();
    WorkerThread check_;
    WorkerThread download_;
};
