#include "https_fixture.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
constexpr int kStartTimeoutMs = 10000;

void Run(const std::string& command) {
    const std::string quiet = command + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(quiet.c_str()), 0) << command;
}

void MakeCertificates(const TempFolder& dir) {
    const std::string openssl = KVELM_OPENSSL;
    const std::string d = dir.Path().string() + "/";
    const std::string ecKey = " -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";
    for (const std::string ca : {"ca", "stranger-ca"}) {
        Run(openssl + " req -x509" + ecKey + " -keyout " + d + ca + ".key -out " + d + ca +
            ".pem -days 2 -subj /CN=kvelm-test-" + ca +
            " -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign");
    }
    const std::pair<std::string, std::string> servers[] = {
        {"server", "subjectAltName=DNS:localhost,IP:127.0.0.1"},
        {"otherhost", "subjectAltName=DNS:other.invalid"},
    };
    for (const auto& [name, names] : servers) {
        WriteFileBytes(d + name + ".ext", names + "\n");
        Run(openssl + " req" + ecKey + " -keyout " + d + name + ".key -out " + d + name +
            ".csr -subj /CN=" + name);
        Run(openssl + " x509 -req -in " + d + name + ".csr -CA " + d + "ca.pem -CAkey " + d +
            "ca.key -CAcreateserial -days 2 -out " + d + name + ".pem -extfile " + d + name + ".ext");
    }
}
}  // namespace

const TempFolder& TestCertificates() {
    // Made once per run, and removed with everything in it when the run ends.
    static const TempFolder dir;
    static const bool made = (MakeCertificates(dir), true);
    (void)made;
    return dir;
}

TestHttpsServer::TestHttpsServer(const std::string& certificate) {
    SetRoutes(Json::Value(Json::objectValue));
    WriteFileBytes(folder_.File("record.jsonl"), "");
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string cert = TestCertificates().File(certificate + ".pem");
    const std::string key = TestCertificates().File(certificate + ".key");
    const std::string routes = folder_.File("routes.json");
    const std::string record = folder_.File("record.jsonl");
    std::vector<std::string> args = {KVELM_PYTHON, KVELM_TEST_SERVER, "--cert", cert,       "--key",
                                     key,          "--routes",        routes,   "--record", record};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&pid_, KVELM_PYTHON, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        pid_ = -1;
        close(out[0]);
        return;
    }
    std::string line;
    pollfd readable{out[0], POLLIN, 0};
    char c = 0;
    while (poll(&readable, 1, kStartTimeoutMs) > 0 && read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    port_ = std::atoi(line.c_str());
}

TestHttpsServer::~TestHttpsServer() {
    Stop();
}

void TestHttpsServer::Stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

void TestHttpsServer::SetRoutes(const Json::Value& routes) {
    // Written whole and renamed, so the server never reads half a file.
    const std::string temporary = folder_.File("routes.tmp");
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "";
    WriteFileBytes(temporary, Json::writeString(writer, routes));
    std::rename(temporary.c_str(), folder_.File("routes.json").c_str());
}

void TestHttpsServer::Answer(const std::string& path, const std::string& body) {
    Json::Value routes(Json::objectValue);
    routes[path]["body"] = body;
    SetRoutes(routes);
}

std::vector<RecordedRequest> TestHttpsServer::Requests() const {
    std::vector<RecordedRequest> requests;
    std::istringstream lines(ReadFileBytes(folder_.File("record.jsonl")));
    std::string line;
    while (std::getline(lines, line)) {
        Json::Value entry;
        std::istringstream(line) >> entry;
        std::string body;
        const std::string hex = entry["body_hex"].asString();
        for (size_t i = 0; i + 1 < hex.size(); i += 2)
            body += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        requests.push_back({entry["head"].asString(), body});
    }
    return requests;
}

void HttpsTest::SetUp() {
    setenv("CURL_CA_BUNDLE", TestCertificates().File("ca.pem").c_str(), 1);
    setenv("no_proxy", "127.0.0.1,localhost", 1);
    setenv("NO_PROXY", "127.0.0.1,localhost", 1);
}

void HttpsTest::TearDown() {
    unsetenv("CURL_CA_BUNDLE");
}
