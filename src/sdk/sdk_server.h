#pragma once
// The OpenRGB SDK server: listens on a TCP address, serves every client on one thread of its
// own (poll on the sockets and on an eventfd that wakes it to stop or to send notices), and
// hands clients' writes to the host.
//
// Bad input never reaches the host: a wrong magic, a header announcing more than 64 KiB, a
// client that stops in the middle of a packet for longer than the stall time, or one that
// does not read its answers (more than the buffer cap waiting) is disconnected; a packet
// with an unknown id, an unknown device index or short data is ignored. Others go on.
#include <atomic>
#include <functional>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sdk/sdk_controller.h"
#include "sdk/sdk_framing.h"
#include "sdk/sdk_requests.h"

namespace sdk {

struct ServerOptions {
    std::string address = "127.0.0.1";  // IPv4 address to listen on
    std::uint16_t port = 6742;          // 0 picks a free port (tests)
    std::size_t maxClients = 16;
    std::size_t maxBufferedBytes = 1024 * 1024;  // per client, either direction
    int stalledPacketMs = 5000;  // a packet begun and not finished within this closes the client
};

// What the server serves. Both calls come on the server's thread and must not wait on a device.
class IControllerHost {
public:
    virtual ~IControllerHost() = default;
    // The controllers as they are now, in a fixed order (the device index is the position).
    virtual std::vector<Controller> Controllers() = 0;
    // A client's request to controller `index`, already applied to the controller's state
    // as `after` shows it. The host refuses it (false) when it does not hold the lights.
    virtual bool Write(std::uint32_t index, const Request& request, const Controller& after) = 0;
};

class CSdkServer {
public:
    explicit CSdkServer(IControllerHost& host);
    ~CSdkServer();
    CSdkServer(const CSdkServer&) = delete;
    CSdkServer& operator=(const CSdkServer&) = delete;

    // Binds and starts serving. False, with LastError(), when the address is not an IPv4
    // address or cannot be bound; false too when already running.
    bool Start(const ServerOptions& options);
    // Closes every connection and the listener; returns once the thread has ended (at once:
    // the thread waits on nothing but poll, which the stop wakes).
    void Stop();
    bool Running() const { return thread_.joinable(); }

    // Tells every client the device list changed (packet 100). Any thread.
    void NotifyDeviceListChanged();
    std::size_t ClientCount() const { return clients_.load(); }
    // Told the number of connected clients whenever it changed, on the server's thread (0
    // once the server stopped with clients connected). Must not block. Set before Start.
    void SetClientCountListener(std::function<void(std::size_t)> listener) {
        onClientCount_ = std::move(listener);
    }
    std::uint16_t Port() const { return port_; }
    std::string LastError() const;

private:
    struct Connection;
    void Run();
    void Accept(std::vector<Connection>& connections);
    bool ReadFrom(Connection& connection);
    bool WriteTo(Connection& connection);
    void Handle(Connection& connection, const Packet& packet);
    void Reply(Connection& connection, std::uint32_t device, std::uint32_t id,
               std::span<const std::uint8_t> data);
    int PollTimeout(const std::vector<Connection>& connections) const;

    IControllerHost& host_;
    ServerOptions options_;
    int listenFd_ = -1;
    int wakeFd_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> listChanged_{false};
    std::atomic<std::size_t> clients_{0};
    mutable std::mutex errorLock_;
    std::string error_;
    std::function<void(std::size_t)> onClientCount_;
    std::thread thread_;
};

}  // namespace sdk
