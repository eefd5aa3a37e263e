// The update query over real HTTPS: what reaches the server, what comes back, and every
// way the exchange can fail.
#include <gtest/gtest.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <chrono>
#include <thread>
#include "https_fixture.h"
#include "update/http_client.h"
#include "update/update_query.h"

namespace {
constexpr char kMouseKey[] = "KVELM_1_KVM2002A_GamingMouse_1";

class HttpPostTest : public HttpsTest {};

TEST_F(HttpPostTest, RequestCarriesTheFormBodyWithItsZeroByteAndTheThreeHeaders) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    server.Answer("/api/updates", R"({"name":"Mouse","version":"0102"})");
    CHttpClient client;
    QueryUpdate(client, server.BaseUrl() + "/", kMouseKey, 0x0102, true);

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string expectedBody =
        std::string("app_key=") + kMouseKey + "&version=102" + std::string(1, '\0');
    EXPECT_EQ(requests[0].body, expectedBody);
    const std::string& head = requests[0].head;
    EXPECT_TRUE(head.starts_with("POST /api/updates HTTP/1.1\r\n")) << head;
    EXPECT_NE(head.find("\r\nContent-Length: " + std::to_string(expectedBody.size()) + "\r\n"),
              std::string::npos)
        << head;
    EXPECT_NE(head.find("\r\nContent-Type: application/x-www-form-urlencoded\r\n"), std::string::npos)
        << head;
    EXPECT_NE(head.find("\r\nAccept:application/prs.Tolva.v1+json\r\n"), std::string::npos) << head;
    EXPECT_NE(head.find("\r\nUser-Agent: WinHTTP Client/1.0\r\n"), std::string::npos) << head;
    // Each header exactly once: no default Accept or second length beside ours.
    for (const char* name : {"\r\nAccept", "\r\nContent-Length", "\r\nContent-Type"}) {
        const size_t first = head.find(name);
        EXPECT_EQ(head.find(name, first + 1), std::string::npos) << name << " twice in\n" << head;
    }
    EXPECT_EQ(head.find("Expect:"), std::string::npos) << head;
}

TEST_F(HttpPostTest, ServiceAnswerGivesStatusNewerOrCurrent) {
    struct Case {
        const char* answer;
        int32_t installed;
        bool hex;
        int status;
        const char* installedText;
        const char* offeredText;
    };
    const Case cases[] = {
        {R"({"name":"Mouse","version":"0102","path":"https://x/fw.bin"})", 0x0101, true, kStatusNewer,
         "V0101", "V0102"},
        {R"({"name":"Mouse","version":"0102"})", 0x0102, true, kStatusCurrent, "V0102", "V0102"},
        {R"({"name":"AP","version":"101","version_name":"V1.0.1"})", 100, false, kStatusNewer, "V100",
         "V1.0.1"},
        {R"({"name":"AP","version":"100","version_name":"V1.0.0"})", 100, false, kStatusCurrent, "V100",
         "V1.0.0"},
    };
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    CHttpClient client;
    for (const Case& c : cases) {
        server.Answer("/api/updates", c.answer);
        const UpdateAnswer answer = QueryUpdate(client, server.BaseUrl(), kMouseKey, c.installed, c.hex);
        EXPECT_EQ(answer.status, c.status) << c.answer;
        EXPECT_EQ(answer.installedText, c.installedText) << c.answer;
        EXPECT_EQ(answer.offeredText, c.offeredText) << c.answer;
    }
}

TEST_F(HttpPostTest, ServerThatIsDownGivesNoLinkServer) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    const std::string url = server.BaseUrl();
    server.Stop();
    CHttpClient client;
    AnswerBuffer buffer{};
    buffer.fill('x');
    const char body[] = "app_key=NULL&version=0";
    EXPECT_EQ(client.Post("POST", url + "/api/updates", body, sizeof body, buffer), 0);
    EXPECT_EQ(std::string(buffer.data()), kNoLinkServer);
    const UpdateAnswer answer = QueryUpdate(client, url, kMouseKey, 0x0101, true);
    EXPECT_TRUE(answer.ServiceUnreachable());
    EXPECT_EQ(answer.status, kStatusNone);
}

TEST_F(HttpPostTest, UntrustedCertificateIsRefusedBeforeAnythingIsSent) {
    struct Case {
        const char* what;
        const char* serverCertificate;
        const char* trustedAuthority;
    };
    const Case cases[] = {
        {"unknown authority", "server", "stranger-ca.pem"},
        {"another host name", "otherhost", "ca.pem"},
    };
    for (const Case& c : cases) {
        TestHttpsServer server(c.serverCertificate);
        ASSERT_TRUE(server.Running());
        server.Answer("/api/updates", R"({"name":"Mouse","version":"0102"})");
        setenv("CURL_CA_BUNDLE", TestCertificates().File(c.trustedAuthority).c_str(), 1);
        CHttpClient client;
        const UpdateAnswer answer = QueryUpdate(client, server.BaseUrl(), kMouseKey, 0x0101, true);
        EXPECT_TRUE(answer.ServiceUnreachable()) << c.what;
        EXPECT_NE(client.LastError(), kHttpErrorNone) << c.what;
        EXPECT_TRUE(server.Requests().empty()) << c.what;
    }
}

TEST_F(HttpPostTest, AnswersThatAreNotUsableGiveNoInformation) {
    struct Case {
        const char* what;
        Json::Value route;
        int count;  // what Post returns
        int lastError;
    };
    Json::Value notJson;
    notJson["body"] = "<html>maintenance</html>";
    Json::Value oversized;
    oversized["body"] = "x";
    oversized["repeat"] = static_cast<int>(kAnswerBufferSize) + 1;
    Json::Value serverError;
    serverError["body"] = R"({"name":"Mouse","version":"0102"})";
    serverError["status"] = 500;
    Json::Value noName;
    noName["body"] = R"({"version":"0102"})";
    const Case cases[] = {
        {"not JSON", notJson, 24, kHttpErrorNone},
        {"longer than the buffer", oversized, -1, kHttpErrorAnswerTooLong},
        {"error status", serverError, -1, kHttpErrorStatus},
        {"no name", noName, 18, kHttpErrorNone},
    };
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    CHttpClient client;
    for (const Case& c : cases) {
        Json::Value routes;
        routes["/api/updates"] = c.route;
        server.SetRoutes(routes);
        AnswerBuffer buffer{};
        const char body[] = "app_key=NULL&version=0";
        EXPECT_EQ(client.Post("POST", server.BaseUrl() + "/api/updates", body, sizeof body, buffer), c.count)
            << c.what;
        EXPECT_EQ(client.LastError(), c.lastError) << c.what;
        const UpdateAnswer answer = QueryUpdate(client, server.BaseUrl(), kMouseKey, 0x0101, true);
        EXPECT_FALSE(answer.HasInformation()) << c.what;
        EXPECT_EQ(answer.status, kStatusNone) << c.what;
    }
}

// The query goes out over https and stays on the first URL's origin: a redirect to http or
// to another host is not followed (the body never reaches it), one within the origin is.
TEST_F(HttpPostTest, RedirectsLeaveNeitherHttpsNorTheHost) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    const std::string port = std::to_string(server.Port());
    struct Case {
        const char* what;
        std::string location;
        size_t requests;  // that reached the server
        bool answered;
    };
    const Case cases[] = {
        {"to http", "http://127.0.0.1:" + port + "/moved", 1, false},
        {"to another host name", "https://localhost:" + port + "/moved", 1, false},
        {"to another port", "https://127.0.0.1:1/moved", 1, false},
        {"within the origin", "https://127.0.0.1:" + port + "/moved", 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Json::Value routes;
        routes["/api/updates"]["status"] = 307;
        routes["/api/updates"]["location"] = c.location;
        routes["/moved"]["body"] = R"({"name":"Mouse","version":"0102"})";
        server.SetRoutes(routes);
        const size_t before = server.Requests().size();
        CHttpClient client;
        const UpdateAnswer answer = QueryUpdate(client, server.BaseUrl(), kMouseKey, 0x0101, true);
        const auto requests = server.Requests();
        EXPECT_EQ(requests.size() - before, c.requests);
        EXPECT_EQ(answer.HasInformation(), c.answered) << client.LastErrorText();
        EXPECT_FALSE(answer.ServiceUnreachable());
        if (c.answered) {
            EXPECT_EQ(requests.back().body, requests[before].body) << "the body went along";
        }
    }

    // A plain http service is refused before anything is sent (the loopback address aside).
    CHttpClient client;
    AnswerBuffer buffer{};
    EXPECT_EQ(client.Post("POST", "http://192.0.2.1/api/updates", "a=1", 3, buffer), 0);
    EXPECT_EQ(std::string(buffer.data()), kNoLinkServer);
    EXPECT_NE(client.LastErrorText().find("only https://"), std::string::npos) << client.LastErrorText();
}

// A server that takes the query and then trickles or stays silent: the deadline ends the
// wait and the service counts as not reached.
TEST_F(HttpPostTest, DeadlineEndsASlowAnswerAsNotReached) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    Json::Value routes;
    routes["/api/updates"]["body"] = R"({"name":"Mouse","version":"0102"})";
    routes["/api/updates"]["chunk"] = 1;
    routes["/api/updates"]["delay"] = 5.0;
    server.SetRoutes(routes);
    CHttpClient client;
    client.SetDeadline(std::chrono::steady_clock::now() + std::chrono::seconds(2));
    const auto started = std::chrono::steady_clock::now();
    const UpdateAnswer answer = QueryUpdate(client, server.BaseUrl(), kMouseKey, 0x0101, true);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_FALSE(answer.HasInformation() && !answer.ServiceUnreachable());
    // Past the deadline nothing more is sent.
    const size_t sent = server.Requests().size();
    EXPECT_TRUE(QueryUpdate(client, server.BaseUrl(), kMouseKey, 0x0101, true).ServiceUnreachable());
    EXPECT_EQ(server.Requests().size(), sent);
}

TEST_F(HttpPostTest, AnswerThatFillsTheBufferExactlyIsKept) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    Json::Value routes;
    routes["/big"]["body"] = "y";
    routes["/big"]["repeat"] = static_cast<int>(kAnswerBufferSize);
    server.SetRoutes(routes);
    CHttpClient client;
    AnswerBuffer buffer{};
    EXPECT_EQ(client.Post("POST", server.BaseUrl() + "/big", "", 0, buffer),
              static_cast<int>(kAnswerBufferSize));
    EXPECT_EQ(buffer.back(), 'y');
}

TEST_F(HttpPostTest, VerbOtherThanGetOrPostIsRefusedWithoutSending) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    CHttpClient client;
    AnswerBuffer buffer{};
    EXPECT_EQ(client.Post("DELETE", server.BaseUrl() + "/api/updates", "", 0, buffer), -1);
    EXPECT_EQ(client.LastError(), kHttpErrorBadVerb);
    server.Answer("/api/updates", "{}");
    EXPECT_EQ(client.Post("post", server.BaseUrl() + "/api/updates", "", 0, buffer), 2);
    EXPECT_EQ(server.Requests().size(), 1u);
}
}  // namespace

namespace {
// A listener on a loopback port that takes connections (the kernel's queue does) and never
// sends a byte. Its URL, or empty when no port could be had.
struct SilentListener {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    std::string Url(const char* scheme) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(fd, 4) != 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return {};
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    }
    ~SilentListener() {
        if (fd >= 0) close(fd);
    }
};
}  // namespace

// A service that takes the query and never says a word (not even the TLS greeting): when
// the deadline ends the wait, the service was not reached; it did not answer "no update".
TEST(HttpPostDeadline, SilentServiceEndsAsNotReachedAtTheDeadline) {
    SilentListener silent;
    const std::string base = silent.Url("https");
    ASSERT_FALSE(base.empty());
    CHttpClient client;
    client.SetDeadline(std::chrono::steady_clock::now() + std::chrono::seconds(2));
    const auto started = std::chrono::steady_clock::now();
    const UpdateAnswer answer = QueryUpdate(client, base, kMouseKey, 0x0101, true);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_TRUE(answer.ServiceUnreachable()) << answer.name;
}

// A server that takes the connection and never answers: only the stop event ends the wait
// (well before libcurl's own stall limit would).
TEST(HttpPostStop, StopEventEndsARequestTheServerNeverAnswers) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    socklen_t length = sizeof address;
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/api/updates";

    StopEvent stop;
    CHttpClient client;
    client.SetStopEvent(&stop);
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop.Set();
    });
    AnswerBuffer answer;
    const auto started = std::chrono::steady_clock::now();
    const int count = client.Post("POST", url, "a=1", 3, answer);
    const auto waited = std::chrono::steady_clock::now() - started;
    stopper.join();
    close(listener);
    EXPECT_LE(count, 0) << "a stopped request brings no answer";
    EXPECT_LT(waited, std::chrono::seconds(kTransferStallSeconds))
        << "ended by the stop, not by the stall limit";
}
