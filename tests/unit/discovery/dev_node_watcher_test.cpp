// The watch of /dev that wakes discovery where no udev daemon runs, on a folder of its own:
// which changes of which names wake it, and that a taken change does not wake it again.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include "devices/discovery/dev_node_watcher.h"
#include "temp_folder.h"

namespace {

bool Readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

void Touch(const std::string& path) {
    std::ofstream(path) << "";
}

struct NodeChange {
    const char* what;
    std::function<void(const std::string& folder)> prepare;  // before the watch's events count
    std::function<void(const std::string& folder)> change;
    bool wakes;
};

}  // namespace

TEST(DevNodeWatcherTest, WakesOnHidrawNodesOnly) {
    const NodeChange cases[] = {
        {"a hidraw node appears", [](const std::string&) {},
         [](const std::string& f) { Touch(f + "/hidraw3"); }, true},
        {"a hidraw node goes", [](const std::string& f) { Touch(f + "/hidraw3"); },
         [](const std::string& f) { std::remove((f + "/hidraw3").c_str()); }, true},
        {"a hidraw node is given rights", [](const std::string& f) { Touch(f + "/hidraw3"); },
         [](const std::string& f) { chmod((f + "/hidraw3").c_str(), 0666); }, true},
        {"a hidraw node is renamed in", [](const std::string& f) { Touch(f + "/tmpnode"); },
         [](const std::string& f) { std::rename((f + "/tmpnode").c_str(), (f + "/hidraw4").c_str()); }, true},
        {"another node appears", [](const std::string&) {}, [](const std::string& f) { Touch(f + "/ttyS0"); },
         false},
        {"another node goes", [](const std::string& f) { Touch(f + "/input5"); },
         [](const std::string& f) { std::remove((f + "/input5").c_str()); }, false},
    };
    for (const NodeChange& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.Path().string();
        c.prepare(path);
        CDevNodeWatcher watcher(path);
        ASSERT_TRUE(watcher.Open());
        EXPECT_FALSE(Readable(watcher.Fd())) << "nothing changed since the watch began";
        EXPECT_FALSE(watcher.TakeChanges());

        c.change(path);
        EXPECT_TRUE(Readable(watcher.Fd())) << "the kernel queued the event";
        EXPECT_EQ(watcher.TakeChanges(), c.wakes);
        EXPECT_FALSE(Readable(watcher.Fd())) << "taking the changes drains them";
        EXPECT_FALSE(watcher.TakeChanges()) << "a change is told once";
    }
}

TEST(DevNodeWatcherTest, ManyChangesAtOnceAreTakenInOneCall) {
    TempFolder folder;
    const std::string path = folder.Path().string();
    CDevNodeWatcher watcher(path);
    ASSERT_TRUE(watcher.Open());
    // More events than one read of the watcher's buffer holds, the hidraw one last.
    for (int i = 0; i < 200; ++i) Touch(path + "/some_other_node_with_a_long_name_" + std::to_string(i));
    Touch(path + "/hidraw9");
    EXPECT_TRUE(watcher.TakeChanges());
    EXPECT_FALSE(Readable(watcher.Fd()));
}

TEST(DevNodeWatcherTest, RefusesAFolderItCannotWatch) {
    TempFolder folder;
    const std::string file = folder.Path().string() + "/plain";
    Touch(file);
    for (const std::string& path : {folder.Path().string() + "/missing", file}) {
        SCOPED_TRACE(path);
        CDevNodeWatcher watcher(path);
        EXPECT_FALSE(watcher.Open());
        EXPECT_FALSE(watcher.IsOpen());
        EXPECT_EQ(watcher.Fd(), -1) << "no descriptor for discovery to wait on in vain";
        EXPECT_FALSE(watcher.TakeChanges());
    }
}
