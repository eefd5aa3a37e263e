// The X11 watcher on a private X server with a window manager that keeps
// _NET_ACTIVE_WINDOW: two programs of different kinds take the focus in turn.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <vector>

#include "focus/focus_watcher.h"
#include "temp_folder.h"
#include "x_client.h"
#include "xvfb_server.h"

namespace {

using namespace std::chrono_literals;

// What the watcher reported, for the test thread to wait on.
class FocusLog {
public:
    void Add(const FocusedWindow& window) {
        std::lock_guard lock(mutex_);
        windows_.push_back(window);
        changed_.notify_all();
    }
    // Waits until the last report is a window of this WM_CLASS class.
    bool WaitForClass(const std::string& className, std::chrono::milliseconds limit = 5s) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, limit,
                                 [&] { return !windows_.empty() && windows_.back().className == className; });
    }
    FocusedWindow Last() {
        std::lock_guard lock(mutex_);
        return windows_.empty() ? FocusedWindow{} : windows_.back();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<FocusedWindow> windows_;
};

// The first window of this class, as xdotool prints it; empty when none showed up.
std::string FindWindow(const XvfbServer& x, const std::string& className) {
    const std::string command =
        "DISPLAY=" + x.Display() + " timeout 10 xdotool search --sync --onlyvisible --class " + className;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    char line[64] = {};
    const bool got = fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    std::string id = got ? line : "";
    while (!id.empty() && (id.back() == '\n' || id.back() == '\r')) id.pop_back();
    return id;
}

class X11FocusWatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* program : {"Xvfb", "openbox", "xcalc", "xmessage", "xdotool"}) {
            if (!XClient::Have(program)) GTEST_SKIP() << program << " is not installed";
        }
        ASSERT_FALSE(x_.Display().empty());
        temp_.SetEnv("DISPLAY", x_.Display());
        wm_ = std::make_unique<XClient>(x_.Display(), std::vector<std::string>{"openbox", "--sm-disable"});
        // Clients mapped before the window manager runs would never be managed.
        ASSERT_TRUE(
            x_.Run("timeout 10 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q \"window id\"; "
                   "do sleep 0.05; done'"));
        xcalc_ = std::make_unique<XClient>(x_.Display(), std::vector<std::string>{"xcalc"});
        xmessage_ =
            std::make_unique<XClient>(x_.Display(), std::vector<std::string>{"xmessage", "-center", "hello"});
        xcalcWindow_ = FindWindow(x_, "XCalc");
        xmessageWindow_ = FindWindow(x_, "Xmessage");
        ASSERT_FALSE(xcalcWindow_.empty());
        ASSERT_FALSE(xmessageWindow_.empty());
    }

    TempFolder temp_;
    XvfbServer x_;
    std::unique_ptr<XClient> wm_, xcalc_, xmessage_;
    std::string xcalcWindow_, xmessageWindow_;
};

TEST_F(X11FocusWatcherTest, ReportsClassAndExecutableOfEachFocusedProgram) {
    ASSERT_EQ(ChooseFocusBackend(x_.Display().c_str(), nullptr), FocusBackend::X11);
    auto watcher = MakeFocusWatcher(FocusBackend::X11);
    ASSERT_NE(watcher, nullptr);
    FocusLog log;
    ASSERT_TRUE(watcher->Start([&](const FocusedWindow& window) { log.Add(window); }))
        << watcher->LastError();

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(x_.XdoTool("windowactivate --sync " + xcalcWindow_));
        ASSERT_TRUE(log.WaitForClass("XCalc"));
        // xcalc sets no _NET_WM_PID: its process comes from the X Resource extension.
        EXPECT_EQ(log.Last().exePath.substr(log.Last().exePath.rfind('/') + 1), "xcalc");
        EXPECT_EQ(log.Last().classInstance, "xcalc");

        ASSERT_TRUE(x_.XdoTool("windowactivate --sync " + xmessageWindow_));
        ASSERT_TRUE(log.WaitForClass("Xmessage"));
        EXPECT_EQ(log.Last().exePath.substr(log.Last().exePath.rfind('/') + 1), "xmessage");
    }

    const auto before = std::chrono::steady_clock::now();
    watcher->Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);
}

TEST(X11FocusWatcher, NoDisplayIsAnErrorNotAHang) {
    TempFolder temp;
    temp.SetEnv("DISPLAY", ":987");
    auto watcher = MakeFocusWatcher(FocusBackend::X11);
    EXPECT_FALSE(watcher->Start([](const FocusedWindow&) {}));
    EXPECT_FALSE(watcher->LastError().empty());
}

}  // namespace
