// Downloads over real HTTPS: complete, cancelled, short and refused transfers, and the
// SHA-256 shown before a file runs.
#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include "https_fixture.h"
#include "update/file_digest.h"
#include "update/http_client.h"

namespace {
struct ProgressCall {
    uint64_t total, received;
};

class DownloadTest : public HttpsTest {
protected:
    void SetUp() override {
        HttpsTest::SetUp();
        ASSERT_TRUE(server.Running());
        for (int i = 0; i < kPayloadBytes; ++i) payload += static_cast<char>('a' + i % 26);
        WriteFileBytes(server.Folder().File("payload.bin"), payload);
    }
    void Route(const std::string& path, Json::Value route) {
        route["body_file"] = server.Folder().File("payload.bin");
        Json::Value routes;
        routes[path] = route;
        server.SetRoutes(routes);
    }
    DownloadResult Fetch(const std::string& path, const StopEvent* stop = nullptr,
                         const std::atomic<bool>* cancel = nullptr, const DownloadProgress& extra = {}) {
        return client.Download(
            server.BaseUrl() + path, target,
            [&](uint64_t total, uint64_t received) {
                calls.push_back({total, received});
                if (extra) extra(total, received);
            },
            stop, cancel);
    }

    static constexpr int kPayloadBytes = 200000;
    TestHttpsServer server;
    TempFolder downloads;
    std::string target = downloads.File("firmware.bin");
    std::string payload;
    CHttpClient client;
    std::vector<ProgressCall> calls;
};

TEST_F(DownloadTest, CompleteDownloadShowsProgressAndLandsUnderItsName) {
    Route("/fw.bin", Json::Value(Json::objectValue));
    ASSERT_EQ(Fetch("/fw.bin"), DownloadResult::Complete) << client.LastErrorText();
    EXPECT_EQ(ReadFileBytes(target), payload);
    EXPECT_EQ(downloads.Names(), std::vector<std::string>{"firmware.bin"});
    ASSERT_FALSE(calls.empty());
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].total, static_cast<uint64_t>(kPayloadBytes));
        if (i > 0) {
            EXPECT_GT(calls[i].received, calls[i - 1].received);
        }
    }
    EXPECT_EQ(calls.back().received, static_cast<uint64_t>(kPayloadBytes));
}

TEST_F(DownloadTest, CancelLeavesNoFileBehind) {
    Json::Value slow;
    slow["chunk"] = 4096;
    slow["delay"] = 0.05;
    Route("/slow.bin", slow);
    std::atomic<bool> cancel{false};
    EXPECT_EQ(Fetch("/slow.bin", nullptr, &cancel, [&](uint64_t, uint64_t) { cancel = true; }),
              DownloadResult::Cancelled);
    EXPECT_FALSE(calls.empty());
    EXPECT_TRUE(downloads.Names().empty());

    calls.clear();
    StopEvent stop;
    StopEvent started;
    std::thread stopper([&] {
        started.Wait(-1);
        stop.Set();
    });
    EXPECT_EQ(Fetch("/slow.bin", &stop, nullptr, [&](uint64_t, uint64_t) { started.Set(); }),
              DownloadResult::Cancelled);
    started.Set();
    stop.Set();
    stopper.join();
    EXPECT_TRUE(downloads.Names().empty());
}

TEST_F(DownloadTest, ShorterThanAnnouncedIsAFailureAndKeepsTheOldFile) {
    WriteFileBytes(target, "previous");
    Json::Value shortAnswer;
    shortAnswer["announce"] = kPayloadBytes + 1000;
    Route("/short.bin", shortAnswer);
    EXPECT_EQ(Fetch("/short.bin"), DownloadResult::Failed);
    EXPECT_EQ(ReadFileBytes(target), "previous");
    EXPECT_EQ(downloads.Names(), std::vector<std::string>{"firmware.bin"});
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().total, 0u);
}

// A download never grows past the size it may have: the cap set for it, whether the server
// announced a length or streams until it closes the connection, and never over http.
TEST_F(DownloadTest, DownloadLargerThanItsCapIsRefusedAndLeavesNothing) {
    struct Case {
        const char* what;
        int announce;  // -1: no Content-Length
    };
    const Case cases[] = {{"announced length", kPayloadBytes}, {"no length, streamed", -1}};
    client.SetMaxDownloadBytes(kPayloadBytes / 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Json::Value route;
        route["announce"] = c.announce;
        route["chunk"] = 4096;
        Route("/big.bin", route);
        EXPECT_EQ(Fetch("/big.bin"), DownloadResult::Failed);
        EXPECT_NE(client.LastErrorText().find("larger than"), std::string::npos) << client.LastErrorText();
        EXPECT_TRUE(downloads.Names().empty());
    }
    client.SetMaxDownloadBytes(kPayloadBytes);
    Json::Value streamed;
    streamed["announce"] = -1;
    Route("/fits.bin", streamed);
    EXPECT_EQ(Fetch("/fits.bin"), DownloadResult::Complete);
    EXPECT_EQ(ReadFileBytes(target), payload);

    EXPECT_EQ(client.Download("http://192.0.2.1/fw.bin", target, {}), DownloadResult::Failed);
    EXPECT_NE(client.LastErrorText().find("only https://"), std::string::npos) << client.LastErrorText();
}

TEST_F(DownloadTest, MissingFileOrUntrustedServerFails) {
    Route("/fw.bin", Json::Value(Json::objectValue));
    EXPECT_EQ(Fetch("/missing.bin"), DownloadResult::Failed);
    EXPECT_EQ(client.ResponseCode(), 404);
    setenv("CURL_CA_BUNDLE", TestCertificates().File("stranger-ca.pem").c_str(), 1);
    EXPECT_EQ(Fetch("/fw.bin"), DownloadResult::Failed);
    EXPECT_TRUE(downloads.Names().empty());
}

TEST(FileDigestTest, Sha256OfKnownContents) {
    TempFolder dir;
    WriteFileBytes(dir.File("abc"), "abc");
    WriteFileBytes(dir.File("empty"), "");
    EXPECT_EQ(Sha256OfFile(dir.File("abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256OfFile(dir.File("empty")),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256OfFile(dir.File("missing")), "");
}
}  // namespace
