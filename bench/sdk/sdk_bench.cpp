// The SDK server's figures, measured on a separate kvelm process (offscreen, a simulated
// keyboard, --sdk-server) from a raw-socket client, by what reached the simulator (its
// frame log, KVELM_SIM_FRAME_LOG):
//   KeyboardUpdatesPerSecond  one client sends colour updates of all 126 keys as fast as the
//                             socket takes them, each in a colour of its own; counted are the
//                             updates whose colour arrived in a light frame of the keyboard
//                             (the latest write wins, so the rest are overtaken, not lost)
//   PacketToFrameLatency      one update, and the time until its colour is in a light frame
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "sdk/sdk_bytes.h"
#include "sdk/sdk_packet.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint16_t kPort = 46760;
constexpr std::size_t kKeys = 126;
constexpr auto kPatience = std::chrono::seconds(20);

// kvelm with a simulated keyboard and the server on, in a folder of its own.
class Program {
public:
    Program() {
        char pattern[] = "/tmp/kvelm-sdk-bench-XXXXXX";
        folder_ = mkdtemp(pattern);
        log_ = folder_ + "/frames.log";
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_DATA_HOME", folder_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        setenv("KVELM_SIM_FRAME_LOG", log_.c_str(), 1);
        std::string program = KVELM_BENCH_PROGRAM;
        std::string simulate = "--simulate=keyboard";
        std::string server = "--sdk-server=127.0.0.1:" + std::to_string(kPort);
        char* argv[] = {program.data(), simulate.data(), server.data(), nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", 01, 0);
        if (posix_spawn(&pid_, program.c_str(), &quiet, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&quiet);
    }
    ~Program() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        std::system(("rm -rf '" + folder_ + "'").c_str());
    }
    // Colours (as "rrggbb") seen in the keyboard's light frames (command 0x12) so far.
    std::set<std::string> FrameColours() const {
        std::set<std::string> colours;
        std::ifstream file(log_);
        for (std::string line; std::getline(file, line);) {
            const auto hex = line.substr(line.rfind(' ') + 1);
            if (line.rfind("keyboard ", 0) != 0 || hex.size() < 16 || hex.substr(6, 2) != "12") continue;
            // Frames carry the light frame in chunks at an offset (bytes 5-6), length at byte 4;
            // a chunk may begin inside a key's three bytes.
            const auto byte = [&hex](std::size_t i) { return std::stoul(hex.substr(2 * i, 2), nullptr, 16); };
            const std::size_t offset = byte(5) | byte(6) << 8, length = byte(4);
            const std::size_t end = std::min(hex.size(), 16 + 2 * length);
            for (std::size_t at = 16 + 2 * ((3 - offset % 3) % 3); at + 6 <= end; at += 6)
                colours.insert(hex.substr(at, 6));
        }
        return colours;
    }

private:
    std::string folder_, log_;
    pid_t pid_ = -1;
};

int Connect() {
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(kPort);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
            const int yes = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
            return fd;
        }
        ::close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return -1;
}

void Send(int fd, std::uint32_t id, const std::vector<std::uint8_t>& data = {}) {
    const auto packet = sdk::EncodePacket(0, id, data);
    for (std::size_t sent = 0; sent < packet.size();) {
        const ssize_t n = ::send(fd, packet.data() + sent, packet.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

// Update LEDs: every key in `rgb` (the colour is never black, so it stands out in the frame).
void SendAllKeys(int fd, std::uint32_t rgb) {
    sdk::ByteWriter out;
    out.U32(static_cast<std::uint32_t>(4 + 2 + 4 * kKeys));
    out.U16(kKeys);
    for (std::size_t i = 0; i < kKeys; ++i) out.Colour(rgb);
    Send(fd, sdk::packet::kUpdateLeds, out.Bytes());
}

std::string Hex(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%06x", rgb & 0xFFFFFF);
    return text;
}

// Custom mode and a first colour until the keyboard shows it (its first read may still run).
bool Ready(const Program& program, int fd) {
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
        Send(fd, sdk::packet::kSetCustomMode);
        SendAllKeys(fd, 0x010101);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (program.FrameColours().count("010101")) return true;
    }
    return false;
}

void KeyboardUpdatesPerSecond(benchmark::State& state) {
    Program program;
    const int fd = Connect();
    if (fd < 0 || !Ready(program, fd)) {
        state.SkipWithError("the keyboard never lit through the server");
        return;
    }
    std::uint32_t colour = 0x100000;
    for (auto _ : state) {
        // Three seconds of updates as fast as the socket takes them, then until the last one lit.
        std::vector<std::string> sent;
        const auto start = Clock::now();
        while (Clock::now() - start < std::chrono::seconds(3)) {
            SendAllKeys(fd, ++colour);
            sent.push_back(Hex(colour));
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        std::set<std::string> seen;
        while ((seen = program.FrameColours()).count(sent.back()) == 0 && Clock::now() - start < kPatience)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::size_t arrived = 0;
        for (const auto& c : sent) arrived += seen.count(c);
        state.SetIterationTime(seconds);
        state.counters["sent_per_s"] = static_cast<double>(sent.size()) / seconds;
        state.counters["arrived_per_s"] = static_cast<double>(arrived) / seconds;
        state.counters["last_arrived"] = seen.count(sent.back()) ? 1 : 0;
    }
    ::close(fd);
}
BENCHMARK(KeyboardUpdatesPerSecond)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void PacketToFrameLatency(benchmark::State& state) {
    Program program;
    const int fd = Connect();
    if (fd < 0 || !Ready(program, fd)) {
        state.SkipWithError("the keyboard never lit through the server");
        return;
    }
    std::uint32_t colour = 0x200000;
    for (auto _ : state) {
        const std::string wanted = Hex(++colour);
        const auto sentAt = Clock::now();
        SendAllKeys(fd, colour);
        while (!program.FrameColours().count(wanted) && Clock::now() - sentAt < kPatience)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - sentAt).count());
    }
    ::close(fd);
}
BENCHMARK(PacketToFrameLatency)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
