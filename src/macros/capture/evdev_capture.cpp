#include "macros/capture/evdev_capture.h"

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <vector>

#include "macros/capture/linux_input_records.h"
#include "util/worker_thread.h"

namespace capture {
namespace {

constexpr std::string_view kNodePrefix = "event";
constexpr int kKeyUp = 0;  // EV_KEY values: 0 up, 1 down, 2 auto-repeat
constexpr long kMsPerSecond = 1000;
constexpr long kUsPerMs = 1000;

// Opens every readable event node, non-blocking, asking for monotonic time stamps (the
// clock MonotonicMilliseconds reads). A node that refuses the clock (not a real input
// device) keeps its stamps unused: the time of reading is taken instead.
struct Node {
    int fd;
    bool monotonic;
};

std::vector<Node> OpenNodes(const std::string& folder) {
    std::vector<Node> nodes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.path().filename().string().starts_with(kNodePrefix)) continue;
        const int fd = open(entry.path().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        int clock = CLOCK_MONOTONIC;
        nodes.push_back({fd, ioctl(fd, EVIOCSCLOCKID, &clock) == 0});
    }
    return nodes;
}

void CloseNodes(std::vector<Node>& nodes) {
    for (const Node& node : nodes) close(node.fd);
    nodes.clear();
}

std::uint32_t EventTime(const Node& node, const input_event& event) {
    if (!node.monotonic) return macros::MonotonicMilliseconds();
    return static_cast<std::uint32_t>(event.input_event_sec * kMsPerSecond +
                                      event.input_event_usec / kUsPerMs);
}

// Reads what the node has; false when the node is gone (end of file or an error other than
// "nothing more now").
bool Drain(const Node& node, ReleaseFilter& filter, const RecordCallback& callback) {
    input_event events[64];
    for (;;) {
        const ssize_t got = read(node.fd, events, sizeof(events));
        if (got < 0) return errno == EAGAIN || errno == EINTR;
        if (got == 0) return false;
        for (size_t i = 0; i < static_cast<size_t>(got) / sizeof(input_event); ++i) {
            const bool down = events[i].value != kKeyUp;
            if (events[i].type != EV_KEY || !filter.Pass(events[i].code, down)) continue;
            const auto record = RecordOfLinuxCode(events[i].code, down, EventTime(node, events[i]));
            if (record) callback(*record);
        }
    }
}

class EvdevCapture : public InputCapture {
public:
    explicit EvdevCapture(std::string folder) : folder_(std::move(folder)) {}
    ~EvdevCapture() override { Stop(); }

    bool Start(RecordCallback callback) override {
        if (worker_.Running()) return false;
        auto nodes = std::make_shared<std::vector<Node>>(OpenNodes(folder_));
        if (nodes->empty()) return false;
        return worker_.Start([nodes, callback = std::move(callback)](const StopEvent& stop) {
            Run(*nodes, callback, stop);
            CloseNodes(*nodes);
        });
    }

    void Stop() override { worker_.Stop(); }
    bool Running() const override { return worker_.Running(); }
    bool KnowsCursorPosition() const override { return false; }
    CaptureKind Kind() const override { return CaptureKind::Evdev; }

private:
    static void Run(std::vector<Node>& nodes, const RecordCallback& callback, const StopEvent& stop) {
        ReleaseFilter filter;
        while (!stop.IsSet() && !nodes.empty()) {
            std::vector<pollfd> fds{{stop.Fd(), POLLIN, 0}};
            for (const Node& node : nodes) fds.push_back({node.fd, POLLIN, 0});
            if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) return;
            for (size_t i = nodes.size(); i-- > 0;) {
                const short seen = fds[i + 1].revents;
                if (seen == 0 || stop.IsSet()) continue;
                if (!Drain(nodes[i], filter, callback) || (seen & (POLLERR | POLLNVAL))) {
                    close(nodes[i].fd);
                    nodes.erase(nodes.begin() + static_cast<std::ptrdiff_t>(i));
                }
            }
        }
    }

    std::string folder_;
    WorkerThread worker_;
};

}  // namespace

std::unique_ptr<InputCapture> CreateEvdevCapture(std::string folder) {
    return std::make_unique<EvdevCapture>(std::move(folder));
}

bool EvdevCaptureUsable(const std::string& folder) {
    std::vector<Node> nodes = OpenNodes(folder);
    const bool usable = !nodes.empty();
    CloseNodes(nodes);
    return usable;
}

}  // namespace capture
