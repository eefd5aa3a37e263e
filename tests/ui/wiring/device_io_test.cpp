// A device that stalls during its first read or a profile switch: the window's event loop
// keeps turning, the page is busy (disabled, busy cursor) while the transactions run and
// comes back with their result; a device unplugged, or a window closed, meanwhile.
#include <QComboBox>
#include <QStackedWidget>
#include <QTimer>
#include <mutex>
#include <string_view>

#include "hid/protocol/protocol_codes.h"
#include "util/debug_log.h"
#include "wiring_fixture.h"

namespace {

constexpr int kTickMs = 20;
// Long enough for every answer time-out of a switch to a silent device (three of 1 s each).
constexpr int kSwitchEndsMs = 8000;
constexpr int kAnswerDelayMs = 150;

bool PageBusy(const DeviceSlot* slot) {
    return slot && slot->page && !slot->page->isEnabled();
}

bool BusyCursorShows(const DeviceSlot* slot) {
    auto* stack = qobject_cast<QStackedWidget*>(slot->page->parentWidget());
    return stack && stack->testAttribute(Qt::WA_SetCursor) && stack->cursor().shape() == Qt::BusyCursor;
}

// Ticks of a timer on the window's thread counted while the page is busy: a window whose
// thread waits for the device counts none.
class BusyTicker {
public:
    explicit BusyTicker(const DeviceSlot*& slot) {
        timer_.setInterval(kTickMs);
        QObject::connect(&timer_, &QTimer::timeout, [this, &slot] {
            if (PageBusy(slot)) ++ticks_;
        });
        timer_.start();
    }
    int Ticks() const { return ticks_; }

private:
    QTimer timer_;
    int ticks_ = 0;
};

// An event posted to the window while the page is busy is handled while it still is.
bool PostedEventHandledWhileBusy(QObject* window, const DeviceSlot* slot) {
    bool handledWhileBusy = false;
    QTimer::singleShot(0, window, [&] { handledWhileBusy = PageBusy(slot); });
    return QTest::qWaitFor([&] { return handledWhileBusy; }, 500);
}

// Every debug line written while it lives.
class DebugLines {
public:
    DebugLines() : text_(std::make_shared<Shared>()) {
        std::shared_ptr<Shared> shared = text_;
        SetDebugSink([shared](std::string_view line) {
            std::lock_guard<std::mutex> guard(shared->lock);
            shared->text.append(line);
        });
    }
    ~DebugLines() { SetDebugSink({}); }
    bool Contains(const std::string& needle) const {
        std::lock_guard<std::mutex> guard(text_->lock);
        return text_->text.find(needle) != std::string::npos;
    }

private:
    struct Shared {
        std::mutex lock;
        std::string text;
    };
    std::shared_ptr<Shared> text_;
};

constexpr char kWorkerOverran[] = "device I/O worker still busy";

}  // namespace

class DeviceIoSwitch : public WiringFixture {
protected:
    void SetUp() override {
        WiringFixture::SetUp();
        if (HasFatalFailure()) return;
        combo = PageControl("device_profile_combo");
        // A second profile, switched to at once; the tests switch back to the first.
        Click("device_add_btn");
        ASSERT_TRUE(SwitchEnds());
        sim->ClearFrames();
    }

    // The chosen profile's writes have been sent and the page is back.
    bool SwitchEnds(int timeoutMs = 3000) {
        return QTest::qWaitFor(
            [this] { return CountCommand(kWriteKeyBlock) > 0 && !slot->device->IoBusy() && !PageBusy(slot); },
            timeoutMs);
    }

    QWidget* combo = nullptr;
};

TEST_F(DeviceIoSwitch, SilentDeviceLeavesTheWindowTurningUntilEveryWriteTimedOut) {
    sim->SetSilent(true);
    const DeviceSlot* watched = slot;
    BusyTicker ticker(watched);
    ChooseItem(combo, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return PageBusy(slot); }, 2000));
    EXPECT_TRUE(BusyCursorShows(slot));
    EXPECT_TRUE(PostedEventHandledWhileBusy(wnd.get(), slot));
    // The page already shows the chosen profile while its writes go out.
    EXPECT_EQ(GetText(PageControl("device_profile_name_edit")), QStringLiteral("profile1"));

    ASSERT_TRUE(QTest::qWaitFor([this] { return !PageBusy(slot); }, kSwitchEndsMs));
    EXPECT_GT(ticker.Ticks(), 10);
    EXPECT_FALSE(BusyCursorShows(slot));
    // Each write stopped at its first unanswered frame: the settings bracket, then the
    // device information the macros and the key assignments read first.
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{Command::kBeginConfig, Command::kReadDeviceInfo,
                                                Command::kReadDeviceInfo}));
    EXPECT_EQ(slot->device->ProfileName(), panel->ProfileList().Entries()[0].id);
}

TEST_F(DeviceIoSwitch, LateAnswersGiveTheFramesOfAnAnsweredSwitch) {
    // The same switch answered at once, for reference.
    ChooseItem(combo, 0);
    ASSERT_TRUE(SwitchEnds());
    const auto reference = sim->CommandFrames();
    ChooseItem(combo, 1);
    sim->ClearFrames();
    ASSERT_TRUE(SwitchEnds());

    sim->SetAnswerDelay(kAnswerDelayMs);
    sim->ClearFrames();
    const DeviceSlot* watched = slot;
    BusyTicker ticker(watched);
    ChooseItem(combo, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return PageBusy(slot); }, 2000));
    EXPECT_TRUE(PostedEventHandledWhileBusy(wnd.get(), slot));
    ASSERT_TRUE(SwitchEnds(kSwitchEndsMs));
    EXPECT_GT(ticker.Ticks(), 10);
    EXPECT_EQ(sim->CommandFrames(), reference);
    EXPECT_TRUE(slot->page->isEnabled());
}

TEST_F(DeviceIoSwitch, UnpluggedDuringTheSwitchSendsNothingMore) {
    sim->SetSilent(true);
    ChooseItem(combo, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Commands().empty() && PageBusy(slot); }, 2000));
    sim->Unplug();
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !slot->device->IoBusy() && !slot->entry->isVisible(); }, 3000));
    EXPECT_EQ(Commands(), std::vector<uint8_t>{Command::kBeginConfig});
    EXPECT_TRUE(slot->page->isEnabled());
}

TEST_F(DeviceIoSwitch, WindowClosesWhileAWriteWaitsForItsAnswer) {
    sim->SetSilent(true);
    ChooseItem(combo, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Commands().empty() && PageBusy(slot); }, 2000));
    DebugLines debug;
    wnd->Close(0);
    wnd.reset();
    // The worker was released by its stop, not by the answer's time-out.
    EXPECT_FALSE(debug.Contains(kWorkerOverran));
    EXPECT_EQ(Commands(), std::vector<uint8_t>{Command::kBeginConfig});
}

// ---- the first read after an arrival ----

struct ArrivalCase {
    const char* name;
    bool silent;
    int answerDelayMs;
    std::vector<uint8_t> commands;
    bool keyBlockRead;
};

class DeviceIoArrival : public ::testing::TestWithParam<ArrivalCase> {
protected:
    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        QDir(QString::fromLocal8Bit(std::getenv("XDG_DATA_HOME")) + QStringLiteral("/KV_ELM Gaming mouse"))
            .removeRecursively();
        sim = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        sim->SetSilent(GetParam().silent);
        sim->SetAnswerDelay(GetParam().answerDelayMs);
        sim->Plug();
        wnd = std::make_unique<CMainWnd>();
        wnd->AddPart(std::make_unique<CDevicePart>());
        wnd->AddPart(std::make_unique<CPageWiringPart>());
        ticker = std::make_unique<BusyTicker>(slot);
        ASSERT_TRUE(wnd->CreateMainWindow());
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                slot = wnd->SelectedSlot();
                return PageBusy(slot);
            },
            5000));
    }
    void TearDown() override {
        ticker.reset();
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        SimHidBus::Instance().UnplugAll();
    }
    std::vector<uint8_t> Commands() const {
        std::vector<uint8_t> out;
        for (const auto& frame : sim->CommandFrames()) out.push_back(frame.at(3));
        return out;
    }
    QString DpiText() const { return GetText(FindControl(slot->page, QStringLiteral("DPI_edit_2"))); }

    std::shared_ptr<SimMouse> sim;
    std::unique_ptr<CMainWnd> wnd;
    const DeviceSlot* slot = nullptr;
    std::unique_ptr<BusyTicker> ticker;
};

TEST_P(DeviceIoArrival, PageIsBusyWhileTheWindowTurnsThenShowsWhatWasRead) {
    EXPECT_TRUE(BusyCursorShows(slot));
    EXPECT_TRUE(PostedEventHandledWhileBusy(wnd.get(), slot));
    EXPECT_TRUE(DpiText().isEmpty()) << "nothing shown before the read ends";

    ASSERT_TRUE(QTest::qWaitFor([this] { return !PageBusy(slot); }, 5000));
    EXPECT_GT(ticker->Ticks(), 10);
    EXPECT_FALSE(BusyCursorShows(slot));
    EXPECT_EQ(Commands(), GetParam().commands);
    EXPECT_EQ(slot->mouse->KeyBlockRead(), GetParam().keyBlockRead);
    // The profile is loaded and shown either way.
    EXPECT_FALSE(DpiText().isEmpty());
}

TEST_P(DeviceIoArrival, UnpluggedDuringTheReadThenPluggedAgainIsReadAfresh) {
    sim->Unplug();
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !slot->device->IoBusy() && !slot->entry->isVisible(); }, 3000));
    EXPECT_TRUE(slot->page->isEnabled());
    EXPECT_FALSE(BusyCursorShows(slot));

    sim->SetSilent(false);
    sim->SetAnswerDelay(0);
    sim->ClearFrames();
    sim->Plug();
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !slot->device->IoBusy() && slot->mouse->KeyBlockRead() && !DpiText().isEmpty(); },
        5000));
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{Command::kBeginConfig, Command::kReadDeviceInfo,
                                                Command::kReadKeyBlock, Command::kEndConfig}));
}

INSTANTIATE_TEST_SUITE_P(StallingDevices, DeviceIoArrival,
                         ::testing::Values(ArrivalCase{"Silent", true, 0, {Command::kBeginConfig}, false},
                                           ArrivalCase{"LateAnswers",
                                                       false,
                                                       300,
                                                       {Command::kBeginConfig, Command::kReadDeviceInfo,
                                                        Command::kReadKeyBlock, Command::kEndConfig},
                                                       true}),
                         [](const ::testing::TestParamInfo<ArrivalCase>& info) {
                             return std::string(info.param.name);
                         });
