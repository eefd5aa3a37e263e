// The file download of the update flow: streamed into a temporary file beside the target
// and renamed only when complete, so a broken or cancelled download never leaves a file
// that looks finished.
#include <algorithm>
#include <cstdio>
#include <curl/curl.h>
#include <filesystem>
#include <unistd.h>
#include "update/curl_session.h"
#include "update/http_client.h"

namespace {
constexpr const char* kPartSuffix = ".part-XXXXXX";

struct DownloadState {
    FILE* file = nullptr;
    const DownloadProgress* progress = nullptr;
    const StopEvent* stop = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    const CurlSession* session = nullptr;
    uint64_t received = 0;
    uint64_t maxBytes = kMaxDownloadBytes;
    bool tooLarge = false;
    bool writeFailed = false;
    bool cancelled = false;
};

uint64_t AnnouncedLength(const CurlSession& session) {
    curl_off_t length = -1;
    session.Info(CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    return length > 0 ? static_cast<uint64_t>(length) : 0;
}

size_t WriteChunk(char* data, size_t size, size_t count, void* user) {
    auto* state = static_cast<DownloadState*>(user);
    const size_t bytes = size * count;
    const uint64_t announced = AnnouncedLength(*state->session);
    const uint64_t limit = announced > 0 ? std::min(announced, state->maxBytes) : state->maxBytes;
    if (state->received + bytes > limit) {
        state->tooLarge = true;
        return 0;  // makes libcurl stop the transfer
    }
    if (std::fwrite(data, 1, bytes, state->file) != bytes) {
        state->writeFailed = true;
        return 0;
    }
    state->received += bytes;
    if (*state->progress) (*state->progress)(AnnouncedLength(*state->session), state->received);
    return bytes;
}

// libcurl calls this at least once a second, also while no data moves.
int CheckCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* state = static_cast<DownloadState*>(user);
    if ((state->cancel != nullptr && state->cancel->load()) ||
        (state->stop != nullptr && state->stop->IsSet())) {
        state->cancelled = true;
        return 1;
    }
    return 0;
}

// A temporary file in the target's folder (so the final rename stays on one file system).
FILE* OpenPartFile(const std::string& path, std::string* partPath) {
    std::string pattern = path + kPartSuffix;
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return nullptr;
    *partPath = pattern;
    FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        close(fd);
        unlink(pattern.c_str());
    }
    return file;
}
}  // namespace

DownloadResult CHttpClient::Download(const std::string& url, const std::string& path,
                                     const DownloadProgress& progress, const StopEvent* stop,
                                     const std::atomic<bool>* cancel) {
    responseCode_ = 0;
    SetError(kHttpErrorNone, "");
    std::string partPath;
    DownloadState state;
    state.progress = &progress;
    state.stop = stop;
    state.cancel = cancel;
    state.maxBytes = maxDownloadBytes_;
    state.file = OpenPartFile(path, &partPath);
    if (state.file == nullptr) {
        SetError(CURLE_WRITE_ERROR, "cannot create a file beside " + path);
        return DownloadResult::Failed;
    }
    CurlSession session(url);
    CURLcode result = CURLE_FAILED_INIT;
    if (session.Valid()) {
        state.session = &session;
        session.Set(CURLOPT_HTTPGET, 1L);
        session.Set(CURLOPT_FAILONERROR, 1L);
        session.Set(CURLOPT_WRITEFUNCTION, WriteChunk);
        session.Set(CURLOPT_WRITEDATA, &state);
        session.Set(CURLOPT_NOPROGRESS, 0L);
        session.Set(CURLOPT_XFERINFOFUNCTION, CheckCancel);
        session.Set(CURLOPT_XFERINFODATA, &state);
        result = session.Perform();
        responseCode_ = session.ResponseCode();
    }
    const uint64_t announced = session.Valid() ? AnnouncedLength(session) : 0;
    const bool flushed = std::fflush(state.file) == 0 && fsync(fileno(state.file)) == 0;
    const bool closed = std::fclose(state.file) == 0;

    DownloadResult outcome = DownloadResult::Failed;
    if (state.cancelled) {
        SetError(CURLE_ABORTED_BY_CALLBACK, "the download was cancelled");
        outcome = DownloadResult::Cancelled;
    } else if (result != CURLE_OK) {
        if (state.tooLarge)
            SetError(CURLE_FILESIZE_EXCEEDED,
                     "the download is larger than " +
                         std::to_string(announced > 0 ? std::min(announced, maxDownloadBytes_)
                                                      : maxDownloadBytes_) +
                         " bytes and was refused");
        else if (state.writeFailed)
            SetError(result, "cannot write " + partPath);
        else
            SetError(result, session.Valid() ? session.ErrorText(result) : session.StartError());
    } else if (announced > 0 && state.received != announced) {
        SetError(CURLE_PARTIAL_FILE, "received " + std::to_string(state.received) + " of " +
                                         std::to_string(announced) + " announced bytes");
    } else if (!flushed || !closed) {
        SetError(CURLE_WRITE_ERROR, "cannot write " + partPath);
    } else if (std::rename(partPath.c_str(), path.c_str()) != 0) {
        SetError(CURLE_WRITE_ERROR, "cannot rename the download to " + path);
    } else {
        return DownloadResult::Complete;
    }
    std::remove(partPath.c_str());
    if (outcome == DownloadResult::Failed && progress) progress(0, state.received);
    return outcome;
}
