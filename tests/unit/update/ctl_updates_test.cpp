// kvelmctl updates against a simulated mouse and the HTTPS test service.
#include <gtest/gtest.h>
#include <sstream>
#include "ctl/ctl.h"
#include "https_fixture.h"
#include "sim/sim_bus.h"
#include "util/debug_log.h"

namespace {
struct CtlRun {
    int code;
    std::string out, err;
};

CtlRun Ctl(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCtl(args, out, err);
    return {code, out.str(), err.str()};
}

class CtlUpdatesTest : public HttpsTest {
protected:
    void SetUp() override {
        HttpsTest::SetUp();
        SetDebugSink([](std::string_view) {});
        unsetenv("KVELM_SIMULATE");
        setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    }
    void TearDown() override {
        SimHidBus::Instance().UnplugAll();
        unsetenv("KVELM_UPDATE_URL");
        unsetenv("XDG_CONFIG_HOME");
        SetDebugSink({});
        HttpsTest::TearDown();
    }
    TempFolder config;
};

TEST_F(CtlUpdatesTest, PrintsOneLinePerAttachedDeviceAndTheProgram) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    Json::Value routes;
    routes["/api/updates"]["body"] = R"({"name":"x","version":"1ff","version_name":"V1.0.0"})";
    server.SetRoutes(routes);
    // The URL comes from kvelm.ini here.
    std::filesystem::create_directories(config.Path() / "kvelm");
    WriteFileBytes(config.File("kvelm/kvelm.ini"), "[Update]\nUrl=" + server.BaseUrl() + "\n");

    const CtlRun run = Ctl({"--simulate", "mouse", "updates"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    std::istringstream lines(run.out);
    std::string header, mouse, program, extra;
    std::getline(lines, header);
    std::getline(lines, mouse);
    std::getline(lines, program);
    EXPECT_FALSE(std::getline(lines, extra)) << run.out;
    EXPECT_TRUE(header.starts_with("ITEM")) << run.out;
    // The simulated mouse reports version 0x0100 in its HID attributes.
    EXPECT_EQ(mouse, "KV_ELM Gaming Mouse          V0100      V1ff       update available");
    EXPECT_EQ(program, "KV_ELM Gaming mouse          V1.0.0     -          current");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].body, std::string("app_key=KVELM_1_KVM2002A_GamingMouse_1&version=100") + '\0');
    EXPECT_EQ(requests[1].body, std::string("app_key=KVELM_0_ALL_Configurator_6&version=100") + '\0');
}

TEST_F(CtlUpdatesTest, UnreachableServiceIsAnErrorAndNoUrlSendsNothing) {
    TestHttpsServer server;
    ASSERT_TRUE(server.Running());
    const std::string url = server.BaseUrl();
    server.Stop();
    setenv("KVELM_UPDATE_URL", url.c_str(), 1);
    CtlRun run = Ctl({"updates"});
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_NE(run.err.find("kvelmctl: cannot reach the update service at " + url), std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");

    unsetenv("KVELM_UPDATE_URL");
    run = Ctl({"updates"});
    EXPECT_EQ(run.code, kExitOk);
    EXPECT_EQ(run.out,
              "no update service is set (set Url= in the [Update] group of kvelm.ini or KVELM_UPDATE_URL)\n");
}
}  // namespace
