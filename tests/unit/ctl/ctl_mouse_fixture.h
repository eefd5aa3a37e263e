#pragma once
// kvelmctl run in this process on one simulated mouse, with the program's data beside the
// sources and a private user folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ctl/ctl.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "temp_folder.h"
#include "util/debug_log.h"

struct CtlOutcome {
    int code;
    std::string out, err;
};

inline CtlOutcome Ctl(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCtl(args, out, err);
    return {code, out.str(), err.str()};
}

class CtlMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.IsValid());
        home.SetEnv("XDG_DATA_HOME", home.Path().string());
        home.SetEnv("KVELM_DATA_DIR", KVELM_TEST_PROGRAM_DIR);
        unsetenv("KVELM_SIMULATE");
        SetDebugSink([](std::string_view) {});
        SimHidBus::Instance().UnplugAll();
        mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        mouse->Plug();
    }
    void TearDown() override {
        SimHidBus::Instance().UnplugAll();
        SetDebugSink({});
    }

    TempFolder home;
    std::shared_ptr<SimMouse> mouse;
};
