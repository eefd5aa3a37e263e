#include "hid/protocol/device_protocol.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include "util/debug_log.h"

namespace {
// A hidraw node keeps at most 64 waiting reports per reader; more stale answers than that
// cannot be queued.
constexpr int kMaxStaleAnswers = 64;

// An answer that carries our command byte but names another chunk (its length or offset
// differ from the request's) is a late answer to an earlier request of the same command.
// An answer that leaves bytes 4-6 zero does not echo them and cannot be told apart.
bool AnswersAnotherChunk(const Frame& request, const Frame& reply) {
    const bool echoes = reply[FrameByte::kLength] != 0 || reply[FrameByte::kOffsetLow] != 0 ||
                        reply[FrameByte::kOffsetHigh] != 0;
    return echoes && (reply[FrameByte::kLength] != request[FrameByte::kLength] ||
                      reply[FrameByte::kOffsetLow] != request[FrameByte::kOffsetLow] ||
                      reply[FrameByte::kOffsetHigh] != request[FrameByte::kOffsetHigh]);
}

int MillisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}
}  // namespace

CDeviceProtocol::CallGuard::CallGuard(CDeviceProtocol& owner) : owner_(owner) {
    std::lock_guard<std::mutex> lock(owner_.callsLock_);
    ++owner_.callsInside_;
}

CDeviceProtocol::CallGuard::~CallGuard() {
    std::lock_guard<std::mutex> lock(owner_.callsLock_);
    if (--owner_.callsInside_ == 0) owner_.callsDone_.notify_all();
}

CDeviceProtocol::CDeviceProtocol() = default;

CDeviceProtocol::~CDeviceProtocol() {
    opened = 0;
    hid.Close();
    // A thread still inside an operation returns promptly now (its reads and writes fail at
    // once); the members must outlive it.
    std::unique_lock<std::mutex> lock(callsLock_);
    callsDone_.wait(lock, [this] { return callsInside_ == 0; });
}

bool CDeviceProtocol::Open(const std::string& path) {
    std::lock_guard<std::mutex> lock(ioLock);
    if (!hid.Open(path, true, true, true, false)) return false;
    outOfStep_ = false;  // a fresh start: nothing is owed from before
    opened = 1;
    return true;
}

void CDeviceProtocol::Close() {
    opened = 0;
    // Not under ioLock: a read blocked while holding it must be released by this call.
    hid.Close();
}

int CDeviceProtocol::SetDataLength(int length) {
    if (length < 0 || length > kDefaultDataLength) return 0;
    dataLength = static_cast<uint16_t>(length);
    return 1;
}

void CDeviceProtocol::DropStaleAnswers() {
    // An answer that arrived after its transaction timed out would otherwise be taken as
    // the answer to the next request carrying the same command byte.
    uint8_t scratch[kFrameSize];
    for (int i = 0; i < kMaxStaleAnswers && hid.ReadReport(scratch, sizeof scratch, 0) != 0; ++i) {}
}

bool CDeviceProtocol::CatchUp(int timeoutMs) {
    Frame marker;
    StartFrame(marker, Command::kReadDeviceInfo);
    Chunk whole;
    whole.length = static_cast<uint8_t>(kDeviceInfoSize);
    PlaceChunk(marker, whole, nullptr);
    if (hid.WriteReport(marker.data(), kFrameSize, timeoutMs) == 0) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    Frame reply{};
    // Every answer before the marker's belongs to a request that gave up on it. Should an
    // owed request itself have read the information block, its answer holds the same
    // constant block and taking it for the marker's is harmless.
    for (int drained = 0; drained <= kMaxStaleAnswers; ++drained) {
        if (hid.ReadReport(reply.data(), kFrameSize, MillisecondsLeft(deadline)) == 0) return false;
        if (reply[FrameByte::kCommand] == Command::kReadDeviceInfo) return true;
    }
    return false;
}

int CDeviceProtocol::ReadAnswer(const Frame& request, Frame& reply, int timeoutMs, size_t& transferred) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool skippedWrongCommand = false;
    for (int stale = 0; stale <= kMaxStaleAnswers; ++stale) {
        // A read that failed is not repeated: the time-out passed or the channel was closed.
        if (hid.ReadReport(reply.data(), kFrameSize, MillisecondsLeft(deadline), &transferred) == 0)
            return kResultNoAnswer;
        if (reply[FrameByte::kCommand] != request[FrameByte::kCommand]) {
            // One answer that does not echo our command is skipped; the next one is taken
            // whatever command it echoes.
            if (skippedWrongCommand) return kResultOk;
            skippedWrongCommand = true;
            continue;
        }
        if (!AnswersAnotherChunk(request, reply)) return kResultOk;
        // A late answer of an earlier chunk of this command: its data belongs elsewhere.
    }
    return kResultNoAnswer;
}

int CDeviceProtocol::Transact(const uint8_t* request, size_t requestLength, uint8_t* answer,
                              size_t answerLength, size_t* bytesRead) {
    CallGuard guard(*this);
    if (bytesRead != nullptr) *bytesRead = 0;
    if (opened == 0) return kResultNoAnswer;

    Frame frame{};
    if (request != nullptr) std::memcpy(frame.data(), request, std::min(requestLength, kFrameSize));
    if (DebugEnabled()) DebugOutput(FormatFrameDump("命令", frame.data()));

    const int timeoutMs = slowLink != 0 ? kSlowLinkTimeoutMs : kAnswerTimeoutMs;
    Frame reply{};
    size_t transferred = 0;
    int result;
    {
        // One hold of ioLock covers the write and its read: a thread that is not under
        // commandLock (WriteShootData, direct callers) cannot then slip its request between
        // ours and our answer and take the answer meant for us.
        std::lock_guard<std::mutex> lock(ioLock);
        DropStaleAnswers();
        if (outOfStep_ && !CatchUp(timeoutMs)) {
            result = kResultNoAnswer;
        } else {
            outOfStep_ = false;
            DropStaleAnswers();
            if (hid.WriteReport(frame.data(), kFrameSize, timeoutMs) == 0) return kResultWriteFailed;
            result = ReadAnswer(frame, reply, timeoutMs, transferred);
            if (result == kResultNoAnswer) outOfStep_ = true;
        }
    }
    if (result == kResultOk) {
        if (answer != nullptr) std::memcpy(answer, reply.data(), std::min(answerLength, kFrameSize));
        if (bytesRead != nullptr) *bytesRead = transferred;
    }

    if (DebugEnabled()) {
        Frame shown{};
        if (answer != nullptr) std::memcpy(shown.data(), answer, std::min(answerLength, kFrameSize));
        DebugOutput(FormatFrameDump("返回", shown.data()));
    }
    return result;
}
