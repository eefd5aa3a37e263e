#include "sdk/sdk_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "sdk/sdk_connection.h"
#include "sdk/sdk_packet.h"
#include "util/debug_log.h"

namespace sdk {

namespace {

constexpr std::size_t kReadChunk = 16 * 1024;

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

CSdkServer::CSdkServer(IControllerHost& host) : host_(host) {}

CSdkServer::~CSdkServer() {
    Stop();
}

std::string CSdkServer::LastError() const {
    std::lock_guard lock(errorLock_);
    return error_;
}

bool CSdkServer::Start(const ServerOptions& options) {
    auto fail = [this](std::string text) {
        std::lock_guard lock(errorLock_);
        error_ = std::move(text);
        CloseFd(listenFd_);
        CloseFd(wakeFd_);
        return false;
    };
    if (Running()) return fail("the server is already running");
    options_ = options;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(options.port);
    if (inet_pton(AF_INET, options.address.c_str(), &address.sin_addr) != 1)
        return fail("'" + options.address + "' is not an IPv4 address");
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) return fail(std::strerror(errno));
    const int yes = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, static_cast<int>(options.maxClients)) != 0)
        return fail(options.address + ":" + std::to_string(options.port) + ": " + std::strerror(errno));
    socklen_t length = sizeof address;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd_ < 0) return fail(std::strerror(errno));
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
    DebugPrintf("SDK server: listening on %s:%u\n", options.address.c_str(), static_cast<unsigned>(port_));
    return true;
}

void CSdkServer::Stop() {
    if (!thread_.joinable()) return;
    stop_ = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
    thread_.join();
    CloseFd(listenFd_);
    CloseFd(wakeFd_);
    clients_ = 0;
    DebugOutput("SDK server: stopped\n");
}

void CSdkServer::NotifyDeviceListChanged() {
    if (!Running()) return;
    listChanged_ = true;
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

int CSdkServer::PollTimeout(const std::vector<Connection>& connections) const {
    int timeout = -1;  // nothing to wait for but sockets and the wake event
    const auto now = Clock::now();
    for (const Connection& c : connections) {
        if (!c.framer.MidPacket()) continue;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            c.packetBegun + std::chrono::milliseconds(options_.stalledPacketMs) - now);
        const int ms = static_cast<int>(std::max<std::int64_t>(0, left.count()) + 1);
        timeout = timeout < 0 ? ms : std::min(timeout, ms);
    }
    return timeout;
}

void CSdkServer::Run() {
    std::vector<Connection> connections;
    std::vector<pollfd> fds;
    while (!stop_) {
        fds.assign({{wakeFd_, POLLIN, 0}, {listenFd_, POLLIN, 0}});
        for (const Connection& c : connections)
            fds.push_back({c.fd, static_cast<short>(POLLIN | (c.out.empty() ? 0 : POLLOUT)), 0});
        if (::poll(fds.data(), fds.size(), PollTimeout(connections)) < 0 && errno != EINTR) break;
        if (fds[0].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const auto got = ::read(wakeFd_, &count, sizeof count);
        }
        if (stop_) break;
        const bool notify = listChanged_.exchange(false);
        const auto now = Clock::now();
        for (std::size_t i = 0; i < connections.size(); ++i) {
            Connection& c = connections[i];
            const short events = fds[i + 2].revents;
            if (events & (POLLIN | POLLHUP | POLLERR)) c.closing = !ReadFrom(c) || c.closing;
            if (notify && !c.closing) Reply(c, 0, packet::kDeviceListUpdated, {});
            if (c.framer.MidPacket() &&
                now - c.packetBegun > std::chrono::milliseconds(options_.stalledPacketMs)) {
                DebugPrintf("SDK server: client '%s' stopped in the middle of a packet; closed\n",
                            c.name.c_str());
                c.closing = true;
            }
            if (!c.closing && !c.out.empty()) c.closing = !WriteTo(c);
        }
        std::erase_if(connections, [](Connection& c) {
            if (c.closing) CloseFd(c.fd);
            return c.fd < 0;
        });
        if (fds[1].revents & POLLIN) Accept(connections);
        if (clients_.exchange(connections.size()) != connections.size() && onClientCount_)
            onClientCount_(connections.size());
    }
    for (Connection& c : connections) CloseFd(c.fd);
    if (!connections.empty() && onClientCount_) onClientCount_(0);
}

void CSdkServer::Accept(std::vector<Connection>& connections) {
    for (;;) {
        int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        if (connections.size() >= options_.maxClients) {
            DebugPrintf("SDK server: %zu clients already; a new one is turned away\n", connections.size());
            CloseFd(fd);
            continue;
        }
        // Colour updates are small and many; waiting to fill a segment only adds latency.
        const int yes = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        Connection c;
        c.fd = fd;
        connections.push_back(std::move(c));
    }
}

bool CSdkServer::ReadFrom(Connection& c) {
    std::uint8_t buffer[kReadChunk];
    const ssize_t got = ::recv(c.fd, buffer, sizeof buffer, 0);
    if (got == 0) return false;  // the client went away, perhaps in the middle of a packet
    if (got < 0) return errno == EAGAIN || errno == EINTR;
    const bool wasMid = c.framer.MidPacket();
    const auto result = c.framer.Feed(std::span(buffer, static_cast<std::size_t>(got)));
    if (result != CPacketFramer::Result::Ok) {
        DebugPrintf("SDK server: client '%s' sent %s; closed\n", c.name.c_str(),
                    result == CPacketFramer::Result::BadMagic ? "a packet without the ORGB magic"
                                                              : "a packet over the size limit");
        return false;
    }
    if (!wasMid || !c.framer.MidPacket()) c.packetBegun = Clock::now();
    Packet packet;
    while (c.framer.Next(packet)) Handle(c, packet);
    return c.out.size() <= options_.maxBufferedBytes;
}

bool CSdkServer::WriteTo(Connection& c) {
    const ssize_t sent = ::send(c.fd, c.out.data(), c.out.size(), MSG_NOSIGNAL);
    if (sent < 0) return errno == EAGAIN || errno == EINTR;
    c.out.erase(c.out.begin(), c.out.begin() + sent);
    if (c.out.size() > options_.maxBufferedBytes) {
        DebugPrintf("SDK server: client '%s' does not read its answers; closed\n", c.name.c_str());
        return false;
    }
    return true;
}

void CSdkServer::Reply(Connection& c, std::uint32_t device, std::uint32_t id,
                       std::span<const std::uint8_t> data) {
    const auto bytes = EncodePacket(device, id, data);
    c.out.insert(c.out.end(), bytes.begin(), bytes.end());
}

}  // namespace sdk
