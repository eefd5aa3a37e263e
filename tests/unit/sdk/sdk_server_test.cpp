// The server against raw sockets: what well-behaved clients get, and that hostile ones are
// cut off while the others go on.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "sdk/sdk_bytes.h"
#include "sdk/sdk_packet.h"
#include "sdk/sdk_server.h"

using namespace sdk;

namespace {

constexpr int kWaitMs = 3000;  // generous: nothing here waits that long unless it failed

class FakeHost : public IControllerHost {
public:
    std::vector<Controller> Controllers() override {
        std::lock_guard lock(lock_);
        return controllers_;
    }
    bool Write(std::uint32_t index, const Request& request, const Controller& after) override {
        std::lock_guard lock(lock_);
        writes.push_back({index, request.kind, after.colours});
        controllers_[index] = after;
        return true;
    }
    struct Seen {
        std::uint32_t index;
        RequestKind kind;
        std::vector<std::uint32_t> colours;
    };
    std::vector<Seen> Writes() {
        std::lock_guard lock(lock_);
        return writes;
    }
    std::mutex lock_;
    std::vector<Controller> controllers_ = {
        Controller{.type = DeviceType::Mouse,
                   .name = "Mouse",
                   .zones = {Zone{.name = "M", .ledCount = 1}},
                   .leds = {{"M", 0}},
                   .colours = {0}},
        Controller{.type = DeviceType::Headset,
                   .name = "Headset",
                   .zones = {Zone{.name = "H", .ledCount = 2}},
                   .leds = {{"L", 0}, {"R", 1}},
                   .colours = {0, 0}},
    };
    std::vector<Seen> writes;
};

// A raw TCP client.
class RawClient {
public:
    explicit RawClient(std::uint16_t port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    }
    ~RawClient() { Close(); }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    bool Connected() const { return connected_; }
    void Send(std::span<const std::uint8_t> bytes) {
        ASSERT_EQ(::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL), static_cast<ssize_t>(bytes.size()));
    }
    void Send(std::uint32_t device, std::uint32_t id, std::vector<std::uint8_t> data = {}) {
        Send(EncodePacket(device, id, data));
    }
    // Reads one whole packet; nothing on time-out or when the server closed the connection.
    std::optional<Packet> Read() {
        std::vector<std::uint8_t> header = ReadExactly(kHeaderSize);
        if (header.size() != kHeaderSize) return std::nullopt;
        const auto decoded = DecodeHeader(header);
        if (!decoded) return std::nullopt;
        Packet p{*decoded, ReadExactly(decoded->dataSize)};
        if (p.data.size() != decoded->dataSize) return std::nullopt;
        return p;
    }
    // True when the server closes the connection (without sending more) within the wait.
    bool ClosedByServer() {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, kWaitMs) <= 0) return false;
        std::uint8_t byte;
        return ::recv(fd_, &byte, 1, 0) <= 0;
    }
    std::uint32_t Count() {
        Send(0, packet::kControllerCount);
        const auto p = Read();
        return p && p->data.size() == 4 ? LoadU32(p->data.data()) : 0xFFFFFFFF;
    }

private:
    std::vector<std::uint8_t> ReadExactly(std::size_t n) {
        std::vector<std::uint8_t> out(n);
        std::size_t got = 0;
        while (got < n) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, kWaitMs) <= 0) break;
            const ssize_t r = ::recv(fd_, out.data() + got, n - got, 0);
            if (r <= 0) break;
            got += static_cast<std::size_t>(r);
        }
        out.resize(got);
        return out;
    }
    int fd_ = -1;
    bool connected_ = false;
};

std::vector<std::uint8_t> U32(std::uint32_t v) {
    ByteWriter w;
    w.U32(v);
    return std::move(w.Bytes());
}

class SdkServerTest : public ::testing::Test {
protected:
    void StartWith(ServerOptions options) {
        options.port = 0;
        ASSERT_TRUE(server.Start(options)) << server.LastError();
    }
    void SetUp() override { StartWith({.stalledPacketMs = 300}); }
    FakeHost host;
    CSdkServer server{host};
};

}  // namespace

TEST_F(SdkServerTest, ClientReadsCountVersionAndControllerAtTheAgreedVersion) {
    RawClient client(server.Port());
    ASSERT_TRUE(client.Connected());
    EXPECT_EQ(client.Count(), 2u);
    client.Send(0, packet::kProtocolVersion, U32(9));
    auto version = client.Read();
    ASSERT_TRUE(version);
    EXPECT_EQ(LoadU32(version->data.data()), kServerProtocolVersion);
    client.Send(0, packet::kClientName, {'t', 'e', 's', 't', 0});
    client.Send(1, packet::kControllerData, U32(0));
    const auto block = client.Read();
    ASSERT_TRUE(block);
    EXPECT_EQ(block->header.deviceIndex, 1u);
    EXPECT_EQ(LoadU32(block->data.data()), block->data.size());
    EXPECT_EQ(LoadU32(block->data.data() + 4), 8u) << "headset type";
    // Version 0 has no vendor: the name is followed directly by the description.
    const std::vector<std::uint8_t> name{8, 0, 'H', 'e', 'a', 'd', 's', 'e', 't', 0, 1, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(block->data.begin() + 8, block->data.begin() + 21), name);
}

TEST_F(SdkServerTest, WritesReachTheHostAndUnknownDevicesAreIgnored) {
    RawClient client(server.Port());
    client.Send(0, packet::kProtocolVersion, U32(4));
    ASSERT_TRUE(client.Read());
    client.Send(7, packet::kUpdateSingleLed, {0, 0, 0, 0, 1, 2, 3, 0});  // no device 7
    client.Send(1, packet::kUpdateSingleLed, {9, 0, 0, 0, 1, 2, 3, 0});  // no LED 9
    client.Send(1, packet::kUpdateSingleLed, {1, 0, 0, 0, 1, 2});        // short
    client.Send(1, 4242);                                                // unknown packet
    client.Send(1, packet::kResizeZone, {0, 0, 0, 0, 5, 0, 0, 0});       // fixed zones
    client.Send(1, packet::kUpdateSingleLed, {1, 0, 0, 0, 1, 2, 3, 0});
    EXPECT_EQ(client.Count(), 2u) << "the connection survives what it ignored";
    const auto writes = host.Writes();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].index, 1u);
    EXPECT_EQ(writes[0].colours, (std::vector<std::uint32_t>{0, 0x010203}));
}

TEST_F(SdkServerTest, HostileClientsAreClosedAndOthersGoOn) {
    const auto oversize = EncodeHeader({0, packet::kUpdateLeds, kMaxRequestData + 1});
    const std::vector<std::uint8_t> cases[] = {
        {'G', 'E', 'T', ' ', '/', ' ', 'H', 'T', 'T', 'P', '/', '1', '.', '1', '\r', '\n'},
        std::vector<std::uint8_t>(oversize.begin(), oversize.end()),
        {'O', 'R', 'G', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 1, 2},  // then silence mid-packet
    };
    RawClient bystander(server.Port());
    ASSERT_EQ(bystander.Count(), 2u);
    for (const auto& bytes : cases) {
        RawClient hostile(server.Port());
        hostile.Send(bytes);
        EXPECT_TRUE(hostile.ClosedByServer()) << "case of " << bytes.size() << " bytes";
        EXPECT_EQ(bystander.Count(), 2u);
    }
    {
        RawClient leaver(server.Port());
        const std::vector<std::uint8_t> part{'O', 'R', 'G', 'B', 1, 0, 0, 0, 0x1A, 4, 0, 0};
        leaver.Send(part);  // leaves in the middle of a header
    }
    EXPECT_EQ(bystander.Count(), 2u);
    EXPECT_TRUE(host.Writes().empty());
}

TEST(SdkServerLimits, ClientsOverTheLimitAreTurnedAway) {
    FakeHost host;
    CSdkServer server(host);
    ASSERT_TRUE(server.Start({.port = 0, .maxClients = 2}));
    RawClient a(server.Port()), b(server.Port());
    ASSERT_EQ(a.Count(), 2u);
    ASSERT_EQ(b.Count(), 2u);
    RawClient c(server.Port());
    EXPECT_TRUE(c.ClosedByServer());
    a.Close();
    // The freed place is given to the next client once the server has seen the first leave.
    for (int attempt = 0; attempt < 50 && server.ClientCount() != 1; ++attempt) ::usleep(20000);
    RawClient d(server.Port());
    EXPECT_EQ(d.Count(), 2u);
}

TEST_F(SdkServerTest, DeviceListChangeIsToldToEveryClient) {
    RawClient a(server.Port()), b(server.Port());
    ASSERT_EQ(a.Count(), 2u);
    ASSERT_EQ(b.Count(), 2u);
    server.NotifyDeviceListChanged();
    for (RawClient* client : {&a, &b}) {
        const auto p = client->Read();
        ASSERT_TRUE(p);
        EXPECT_EQ(p->header.packetId, packet::kDeviceListUpdated);
        EXPECT_EQ(p->header.dataSize, 0u);
    }
}

TEST_F(SdkServerTest, StopClosesClientsAndFreesThePort) {
    RawClient a(server.Port());
    ASSERT_EQ(a.Count(), 2u);
    const std::uint16_t port = server.Port();
    server.Stop();
    EXPECT_TRUE(a.ClosedByServer());
    ASSERT_TRUE(server.Start({.port = port})) << server.LastError();
    RawClient again(port);
    EXPECT_EQ(again.Count(), 2u);
}

// The window shows the number of clients from these reports alone: every change is told,
// and a stop with clients connected ends at 0.
TEST(SdkServerClients, EveryChangeOfTheClientCountIsTold) {
    FakeHost host;
    CSdkServer server{host};
    std::mutex lock;
    std::condition_variable changed;
    std::vector<std::size_t> told;
    server.SetClientCountListener([&](std::size_t count) {
        std::lock_guard<std::mutex> guard(lock);
        told.push_back(count);
        changed.notify_all();
    });
    const auto waitFor = [&](std::vector<std::size_t> expected) {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, std::chrono::seconds(2), [&] { return told == expected; });
    };
    ASSERT_TRUE(server.Start({.port = 0})) << server.LastError();
    RawClient a(server.Port());
    ASSERT_EQ(a.Count(), 2u);
    RawClient b(server.Port());
    ASSERT_EQ(b.Count(), 2u);
    EXPECT_TRUE(waitFor({1, 2}));
    a.Close();
    EXPECT_TRUE(waitFor({1, 2, 1}));
    server.Stop();
    EXPECT_TRUE(waitFor({1, 2, 1, 0}));
    EXPECT_EQ(server.ClientCount(), 0u);
}

TEST(SdkServerStart, BadAddressIsRefusedWithAReason) {
    FakeHost host;
    CSdkServer server(host);
    EXPECT_FALSE(server.Start({.address = "localhost:x"}));
    EXPECT_NE(server.LastError().find("localhost:x"), std::string::npos);
    EXPECT_FALSE(server.Running());
}
