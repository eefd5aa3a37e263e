// Messages between programs over local sockets.
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include "shell/ipc_endpoint.h"
#include "shell_fixture.h"

namespace {

// A socket file nobody listens on, as a crashed program leaves it.
bool MakeDeadSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= static_cast<int>(sizeof(address.sun_path))) return false;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

class IpcTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(target.Create(nullptr, QStringLiteral("target"), 300, 200)); }
    void TearDown() override {
        if (target.IsCreated()) target.Close(0);
    }
    RecordingWindow target;
};

}  // namespace

TEST(IpcLines, FormatAndParse) {
    struct Case {
        const char* line;
        bool ok;
        WPARAM w;
        LPARAM l;
        const char* name;
    };
    const Case cases[] = {
        {"0 1 KV_ELM Gaming mouse_001", true, 0, 1, "KV_ELM Gaming mouse_001"},
        {"1 -5 {4695579F-999A-41d4-9FAF-EFFCE93EBF17}\r", true, 1, -5,
         "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}"},
        {"18446744073709551615 0 x", true, ~WPARAM(0), 0, "x"},
        {"-1 0 x", false, 0, 0, ""},
        {"1 0", false, 0, 0, ""},
        {"1 0 ", false, 0, 0, ""},
        {"1  0 x", false, 0, 0, ""},
        {"a 0 x", false, 0, 0, ""},
        {"1 2x x", false, 0, 0, ""},
        {"1 - x", false, 0, 0, ""},
        {"", false, 0, 0, ""},
        {"99999999999999999999999 0 x", false, 0, 0, ""},
    };
    for (const Case& c : cases) {
        const std::optional<IpcMessage> m = ParseIpcLine(QByteArray(c.line));
        ASSERT_EQ(m.has_value(), c.ok) << c.line;
        if (!c.ok) continue;
        EXPECT_EQ(m->wParam, c.w) << c.line;
        EXPECT_EQ(m->lParam, c.l) << c.line;
        EXPECT_EQ(m->name, QString::fromUtf8(c.name)) << c.line;
        // What is written reads back the same.
        QByteArray written = FormatIpcLine(*m);
        ASSERT_TRUE(written.endsWith('\n'));
        written.chop(1);
        const std::optional<IpcMessage> again = ParseIpcLine(written);
        ASSERT_TRUE(again.has_value()) << c.line;
        EXPECT_EQ(again->name, m->name);
        EXPECT_EQ(again->lParam, m->lParam);
    }
    EXPECT_TRUE(FormatIpcLine({QStringLiteral("two\nlines"), 0, 0}).isEmpty());
    EXPECT_TRUE(FormatIpcLine({QString(), 0, 0}).isEmpty());
}

TEST_F(IpcTest, OneOwnerPerNameAndDeadNamesAreTakenOver) {
    CIpcEndpoint first;
    ASSERT_EQ(first.Listen(QStringLiteral("ipc_test_owner")), CIpcEndpoint::ListenResult::Listening);
    EXPECT_TRUE(first.FullPath().startsWith(IpcFolder()));
    CIpcEndpoint second;
    EXPECT_EQ(second.Listen(QStringLiteral("ipc_test_owner")), CIpcEndpoint::ListenResult::AlreadyRunning);

    const QString dead = IpcPath(QStringLiteral("ipc_test_dead"));
    ASSERT_TRUE(MakeDeadSocket(dead));
    ASSERT_TRUE(QFileInfo::exists(dead));
    CIpcEndpoint heir;
    EXPECT_EQ(heir.Listen(QStringLiteral("ipc_test_dead")), CIpcEndpoint::ListenResult::Listening);
    IpcMessage ping{QStringLiteral("ping"), 1, 2};
    heir.SetTarget(target.GetHWND());
    heir.AcceptName(ping.name);
    QSignalSpy spy(&heir, &CIpcEndpoint::MessageReceived);
    ASSERT_TRUE(SendIpcMessage(dead, ping));
    EXPECT_TRUE(spy.wait(2000)) << "the name works again after the take-over";
}

TEST_F(IpcTest, AcceptedMessagesArePostedToTheTarget) {
    CIpcEndpoint endpoint;
    ASSERT_EQ(endpoint.Listen(QStringLiteral("ipc_test_target")), CIpcEndpoint::ListenResult::Listening);
    endpoint.SetTarget(target.GetHWND());
    endpoint.AcceptName(QStringLiteral("x msg"));
    const unsigned number = RegisterWindowMessage(QStringLiteral("x msg"));

    ASSERT_TRUE(SendIpcMessage(endpoint.FullPath(), {QStringLiteral("other"), 9, 9}));
    ASSERT_TRUE(SendIpcMessage(endpoint.FullPath(), {QStringLiteral("x msg"), 2, -5}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return target.Saw(number, 2, -5); }, 2000));
    EXPECT_FALSE(target.Saw(RegisterWindowMessage(QStringLiteral("other")), 9, 9))
        << "names not accepted are dropped";
}

TEST_F(IpcTest, GarbageAndOverlongLinesCloseTheConnection) {
    CIpcEndpoint endpoint;
    ASSERT_EQ(endpoint.Listen(QStringLiteral("ipc_test_garbage")), CIpcEndpoint::ListenResult::Listening);
    endpoint.SetTarget(target.GetHWND());
    endpoint.AcceptName(QStringLiteral("ok"));
    const unsigned number = RegisterWindowMessage(QStringLiteral("ok"));

    for (const QByteArray& bad :
         {QByteArray("hello world\n0 1 ok\n"), QByteArray(2000, 'x') + "\n0 1 ok\n"}) {
        QLocalSocket socket;
        socket.connectToServer(endpoint.FullPath());
        ASSERT_TRUE(socket.waitForConnected(1000));
        socket.write(bad);
        socket.waitForBytesWritten(1000);
        EXPECT_TRUE(QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 2000))
            << "the endpoint hangs up on a bad line";
    }
    QTest::qWait(50);
    EXPECT_FALSE(target.Saw(number, 0, 1)) << "nothing after a bad line is taken";
}

// Connections that would hold the program's endpoint for ever: one that never writes, one
// whose line never ends. Both are closed.
TEST_F(IpcTest, IdleAndEndlessConnectionsAreClosed) {
    CIpcEndpoint endpoint;
    ASSERT_EQ(endpoint.Listen(QStringLiteral("ipc_test_idle")), CIpcEndpoint::ListenResult::Listening);
    struct Case {
        const char* what;
        QByteArray bytes;
        int withinMs;
    };
    const Case cases[] = {
        {"never writes", QByteArray(), CIpcEndpoint::kIdleConnectionMs + 2000},
        {"line without end", QByteArray(4000, 'x'), 2000},
    };
    for (const Case& c : cases) {
        QLocalSocket socket;
        socket.connectToServer(endpoint.FullPath());
        ASSERT_TRUE(socket.waitForConnected(1000)) << c.what;
        if (!c.bytes.isEmpty()) {
            socket.write(c.bytes);
            socket.waitForBytesWritten(1000);
        }
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, c.withinMs))
            << c.what;
    }
}

TEST_F(IpcTest, BroadcastReachesEveryEndpointOfTheFolder) {
    CIpcEndpoint a;
    CIpcEndpoint b;
    ASSERT_EQ(a.Listen(QStringLiteral("ipc_test_a")), CIpcEndpoint::ListenResult::Listening);
    ASSERT_EQ(b.Listen(QStringLiteral("ipc_test_b")), CIpcEndpoint::ListenResult::Listening);
    QFile stray(QDir(IpcFolder()).filePath(QStringLiteral("not_a_socket")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    for (CIpcEndpoint* e : {&a, &b}) {
        e->SetTarget(target.GetHWND());
        e->AcceptName(QStringLiteral("hello all"));
    }
    QSignalSpy spyA(&a, &CIpcEndpoint::MessageReceived);
    QSignalSpy spyB(&b, &CIpcEndpoint::MessageReceived);
    EXPECT_GE(BroadcastIpcMessage({QStringLiteral("hello all"), 1, 0}), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spyA.count() == 1 && spyB.count() == 1; }, 2000));
    stray.remove();
}
