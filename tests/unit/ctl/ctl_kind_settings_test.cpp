// kvelmctl settings for the keyboard and the mouse pad, in-process against simulators: the
// kind comes from the device rows, "--kind" only asserts it.
#include <gtest/gtest.h>

#include <sstream>

#include "ctl/ctl.h"
#include "devices/discovery/simulated_rows.h"
#include "hid/hid_device.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_pad.h"

namespace {

std::string CommandPath(int busId) {
    const std::string prefix = "sim:" + std::to_string(busId) + ":";
    CHidDevice cursor;
    std::string found;
    if (cursor.Enumerate())
        for (const std::string* path = cursor.NextPath(); path != nullptr; path = cursor.NextPath())
            if (path->starts_with(prefix) && path->find("&col04") != std::string::npos) found = *path;
    cursor.ClearPaths();
    return found;
}

TEST(CtlKindSettings, DecodesKeyboardAndPadByName) {
    SimHidBus::Instance().UnplugAll();
    AddSimulatedDeviceRows("keyboard,pad");
    auto keyboard = std::make_shared<SimKeyboard>();
    auto pad = std::make_shared<SimPad>();
    keyboard->SetSettingsBytes(0, {3});  // slot 3: mode 8, speed byte 1, direction 1, colour 10 20 30
    const std::string kbPath = CommandPath(keyboard->Plug());
    const std::string padPath = CommandPath(pad->Plug());
    struct Case {
        std::vector<std::string> args;
        int code;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {{"settings", kbPath, "--kind", "keyboard"},
         kExitOk,
         {"active slot:       3\n", " (8)\n", "speed:             3\n", "colour:            #102030\n",
          "W lock:            on\n"}},
        {{"settings", padPath, "--kind", "pad"},
         kExitOk,
         {" (2)\n", "brightness:        4\n", "colour:            #ff0000\n"}},
        {{"settings", padPath, "--kind", "headset"}, kExitUsage, {}},
        {{"settings", kbPath, "--kind", "pad"}, kExitUsage, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1] + " " + c.args[3]);
        std::ostringstream out, err;
        EXPECT_EQ(RunCtl(c.args, out, err), c.code) << err.str();
        for (const std::string& line : c.lines)
            EXPECT_NE(out.str().find(line), std::string::npos) << out.str();
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCtl({"settings", kbPath}, out, err), kExitOk) << "the kind comes from the device rows";
    EXPECT_NE(out.str().find("#102030"), std::string::npos) << out.str();
    keyboard->Unplug();
    pad->Unplug();
}

}  // namespace
