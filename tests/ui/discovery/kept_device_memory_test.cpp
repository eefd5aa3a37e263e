// A running window and kvelmctl share one simulated mouse whose memory is kept in a folder,
// as they would share a real one: what the window writes, kvelmctl reads back; what kvelmctl
// writes, the window shows after the device asks to be read again.
#include <sys/stat.h>

#include <QAbstractButton>
#include <filesystem>

#include "kvelmctl_run.h"
#include "devices/mouse/mouse_settings_record.h"
#include "discovery_fixture.h"
#include "temp_folder.h"

namespace {

constexpr int kSettled = 1500;  // the arrival read runs 500 ms after arrival

class KeptDeviceMemory : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(home_.IsValid());
        state_ = home_.Path() / "sim";
        std::filesystem::create_directories(state_ / "mouse");
        chmod(state_.c_str(), 0700);
        chmod((state_ / "mouse").c_str(), 0700);
        mouse_ = std::make_shared<SimMouse>(SimMouseModel::Mouse());
        mouse_->KeepStateIn((state_ / "mouse").string());
        mouse_->Plug();
        QTest::qWait(kSettled);
        slot_ = SlotNamed("mouse");
        ASSERT_NE(slot_, nullptr);
        ASSERT_TRUE(WaitShown(slot_, true));
    }
    // kvelmctl on the same simulated mouse and the same data folder as the window.
    KvelmctlOutcome Ctl(const std::vector<std::string>& args) const {
        const char* data = std::getenv("XDG_DATA_HOME");
        const char* config = std::getenv("XDG_CONFIG_HOME");
        return RunKvelmctl(std::string("KVELM_SIMULATE=mouse KVELM_SIM_STATE_DIR='") + state_.string() +
                               "' XDG_DATA_HOME='" + (data ? data : "") + "' XDG_CONFIG_HOME='" +
                               (config ? config : "") + "' KVELM_DATA_DIR='" KVELM_TEST_PROGRAM_DIR "'",
                           args);
    }
    bool RateOptionChecked(int option) const {
        auto* button = qobject_cast<QAbstractButton*>(
            FindControl(slot_->page, QStringLiteral("polling_rate_option_%1").arg(option)));
        return button && button->isChecked();
    }

    TempFolder home_;
    std::filesystem::path state_;
    std::shared_ptr<SimMouse> mouse_;
    DeviceSlot* slot_ = nullptr;
};

TEST_F(KeptDeviceMemory, WindowAndCommandLineSeeOneDevice) {
    // The window writes 250 Hz (option 1); a separate kvelmctl reads it from the device.
    auto* option =
        qobject_cast<QAbstractButton*>(FindControl(slot_->page, QStringLiteral("polling_rate_option_1")));
    ASSERT_NE(option, nullptr);
    QTest::mouseClick(option, Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return mouse_->ActiveRecord()[mouse::record::kPollingRate] == 1; }, 3000));
    KvelmctlOutcome run = Ctl({"settings", "0"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("polling rate:      250 Hz"), std::string::npos) << run.out;

    // kvelmctl writes 500 Hz; the window shows it once the device asks to be read again.
    run = Ctl({"set", "0", "rate", "500"});
    ASSERT_EQ(run.code, 0) << run.err;
    mouse_->RequestResync();
    EXPECT_TRUE(QTest::qWaitFor([&] { return RateOptionChecked(2); }, 3000))
        << "the page still shows option " << (RateOptionChecked(1) ? 1 : -1);
    EXPECT_EQ(mouse_->ActiveRecord()[mouse::record::kPollingRate], 2);
}

}  // namespace
