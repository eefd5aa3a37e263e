// The capture backends on real sources: an Xvfb server driven by xdotool for the XInput2
// backend, a named pipe standing in for an input event node for the evdev backend.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <vector>

#include "macros/capture/evdev_capture.h"
#include "macros/capture/x11_capture.h"
#include "temp_folder.h"
#include "xvfb_server.h"

namespace capture {
namespace {

using macros::HookKind;
using macros::HookRecord;

constexpr int kWaitMs = 5000;

// Collects what a backend's worker hands over.
class Collector {
public:
    RecordCallback Callback() {
        return [this](const HookRecord& record) {
            std::lock_guard guard(lock_);
            records_.push_back(record);
            changed_.notify_all();
        };
    }
    // Waits until `count` records arrived; returns what arrived.
    std::vector<HookRecord> WaitFor(size_t count) {
        std::unique_lock guard(lock_);
        changed_.wait_for(guard, std::chrono::milliseconds(kWaitMs),
                          [&] { return records_.size() >= count; });
        return records_;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<HookRecord> records_;
};

struct Expected {
    HookKind kind;
    bool down;
    std::uint16_t scanOrMessage;
    bool extended;
    int xButton;
};

// Checks kinds and codes, and that every record is stamped with the monotonic clock between
// `startMs` and the end of the check.
void ExpectRecords(const std::vector<HookRecord>& got, const std::vector<Expected>& expected,
                   std::uint32_t startMs) {
    const std::uint32_t endMs = macros::MonotonicMilliseconds();
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].kind, expected[i].kind);
        EXPECT_EQ(got[i].down, expected[i].down);
        if (expected[i].kind == HookKind::Key) {
            EXPECT_EQ(got[i].scan, expected[i].scanOrMessage);
            EXPECT_EQ(got[i].extended, expected[i].extended);
        } else {
            EXPECT_EQ(got[i].message, expected[i].scanOrMessage);
            EXPECT_EQ(got[i].xButton, expected[i].xButton);
        }
        EXPECT_GE(got[i].timeMs, startMs);
        EXPECT_LE(got[i].timeMs, endMs);
        if (i > 0) {
            EXPECT_LE(got[i - 1].timeMs, got[i].timeMs);
        }
    }
}

constexpr std::uint8_t kScanCtrl = 0x1D;
constexpr std::uint8_t kScanC = 0x2E;

TEST(X11Capture, RawKeysAndButtonsArriveInOrder) {
    XvfbServer server;
    if (server.Display().empty() || !XvfbServer::HaveXdoTool()) GTEST_SKIP() << "no Xvfb or xdotool";
    ASSERT_TRUE(X11CaptureUsable(server.Display()));
    Collector collector;
    const std::uint32_t startMs = macros::MonotonicMilliseconds();
    auto backend = CreateX11Capture(server.Display());
    ASSERT_TRUE(backend->Start(collector.Callback()));
    EXPECT_FALSE(backend->Start(collector.Callback())) << "a running backend does not start twice";
    ASSERT_TRUE(server.XdoTool("mousemove 300 200"));
    // "key ctrl+c" releases Ctrl twice; the explicit steps give an exact sequence.
    ASSERT_TRUE(server.XdoTool("keydown ctrl keydown c keyup c keyup ctrl"));
    ASSERT_TRUE(server.XdoTool("click 8"));
    const auto got = collector.WaitFor(6);
    backend->Stop();
    EXPECT_FALSE(backend->Running());
    ExpectRecords(got,
                  {
                      {HookKind::Key, true, kScanCtrl, false, 0},
                      {HookKind::Key, true, kScanC, false, 0},
                      {HookKind::Key, false, kScanC, false, 0},
                      {HookKind::Key, false, kScanCtrl, false, 0},
                      {HookKind::Button, true, 0x020B, false, 1},
                      {HookKind::Button, false, 0x020C, false, 1},
                  },
                  startMs);
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[4].x, 300);
    EXPECT_EQ(got[4].y, 200);
}

TEST(X11Capture, NoDisplayMeansNotUsable) {
    EXPECT_FALSE(X11CaptureUsable(":4095"));
    EXPECT_FALSE(CreateX11Capture(":4095")->Start([](const HookRecord&) {}));
}

// A folder with one named pipe "event0" that the test writes input events into.
class FakeInputFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.IsValid());
        ASSERT_EQ(mkfifo(folder_.File("event0").c_str(), 0600), 0);
    }
    void TearDown() override {
        if (writer_ >= 0) close(writer_);
    }
    void OpenWriter() { writer_ = open(folder_.File("event0").c_str(), O_WRONLY | O_NONBLOCK); }
    void Write(std::uint16_t type, std::uint16_t code, std::int32_t value) {
        input_event event{};
        event.type = type;
        event.code = code;
        event.value = value;
        ASSERT_EQ(write(writer_, &event, sizeof(event)), static_cast<ssize_t>(sizeof(event)));
    }

    TempFolder folder_;
    int writer_ = -1;
};

TEST_F(FakeInputFolder, KeysAndButtonsOfAnEventNodeBecomeRecords) {
    ASSERT_TRUE(EvdevCaptureUsable(folder_.Path().string()));
    Collector collector;
    const std::uint32_t startMs = macros::MonotonicMilliseconds();
    auto backend = CreateEvdevCapture(folder_.Path().string());
    ASSERT_TRUE(backend->Start(collector.Callback()));
    OpenWriter();
    ASSERT_GE(writer_, 0);
    Write(EV_KEY, KEY_RIGHTCTRL, 1);
    Write(EV_SYN, SYN_REPORT, 0);
    Write(EV_KEY, KEY_RIGHTCTRL, 2);  // auto-repeat comes as a down
    Write(EV_MSC, MSC_SCAN, 0x1D);
    Write(EV_KEY, KEY_RIGHTCTRL, 0);
    Write(EV_KEY, BTN_EXTRA, 1);
    Write(EV_KEY, BTN_TOUCH, 1);  // no record for it
    Write(EV_KEY, BTN_LEFT, 0);
    const auto got = collector.WaitFor(5);
    backend->Stop();
    ExpectRecords(got,
                  {
                      {HookKind::Key, true, kScanCtrl, true, 0},
                      {HookKind::Key, true, kScanCtrl, true, 0},
                      {HookKind::Key, false, kScanCtrl, true, 0},
                      {HookKind::Button, true, 0x020B, false, 2},
                      {HookKind::Button, false, 0x0202, false, 0},
                  },
                  startMs);
}

TEST_F(FakeInputFolder, ANodeThatGoesAwayEndsTheWorkerWhenItWasTheLast) {
    auto backend = CreateEvdevCapture(folder_.Path().string());
    Collector collector;
    ASSERT_TRUE(backend->Start(collector.Callback()));
    OpenWriter();
    Write(EV_KEY, KEY_A, 1);
    ASSERT_EQ(collector.WaitFor(1).size(), 1u);
    close(writer_);
    writer_ = -1;
    for (int i = 0; i < kWaitMs / 10 && backend->Running(); ++i) usleep(10000);
    EXPECT_FALSE(backend->Running());
}

TEST(EvdevCapture, AFolderWithoutReadableNodesIsNotUsable) {
    const TempFolder empty;
    ASSERT_TRUE(empty.IsValid());
    EXPECT_FALSE(EvdevCaptureUsable(empty.Path().string()));
    EXPECT_FALSE(CreateEvdevCapture(empty.Path().string())->Start([](const HookRecord&) {}));
    EXPECT_FALSE(EvdevCaptureUsable(empty.File("missing")));
}

}  // namespace
}  // namespace capture
