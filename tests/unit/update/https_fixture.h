#pragma once
// A local HTTPS server for the update tests: a throw-away certificate authority and server
// certificates made with openssl, and tests/unit/update/https_test_server.py run on
// 127.0.0.1 with canned answers. libcurl trusts the authority through CURL_CA_BUNDLE.
#include <gtest/gtest.h>
#include <json/json.h>
#include <string>
#include <sys/types.h>
#include <vector>
#include "temp_folder.h"

// Made once per test program: "ca.pem" (trusted), "server.pem"/"server.key" for 127.0.0.1
// and localhost, "otherhost.pem"/"otherhost.key" for another host name (same authority),
// "stranger-ca.pem" an authority that signed nothing here.
const TempFolder& TestCertificates();

struct RecordedRequest {
    std::string head;  // request line and headers, as received
    std::string body;
};

class TestHttpsServer {
public:
    // certificate: base name in TestCertificates() ("server" or "otherhost").
    explicit TestHttpsServer(const std::string& certificate = "server");
    ~TestHttpsServer();
    TestHttpsServer(const TestHttpsServer&) = delete;
    TestHttpsServer& operator=(const TestHttpsServer&) = delete;

    bool Running() const { return port_ > 0; }
    int Port() const { return port_; }
    std::string BaseUrl() const { return "https://127.0.0.1:" + std::to_string(port_); }
    // Replaces the canned answers (see the script for the fields of a route).
    void SetRoutes(const Json::Value& routes);
    void Answer(const std::string& path, const std::string& body);
    std::vector<RecordedRequest> Requests() const;
    const TempFolder& Folder() const { return folder_; }
    void Stop();

private:
    TempFolder folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

// Sets CURL_CA_BUNDLE to the trusted authority and keeps proxies away from 127.0.0.1.
class HttpsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
