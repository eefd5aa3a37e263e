// Keeping devices on their selected profile: a simulated mouse whose settings were changed
// behind the program's back gets its profile written again on arrival and after the
// computer wakes, and a pad and a headset get theirs written, only while the user turned
// that on; and the login entry follows its choice.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "discovery_fixture.h"
#include "devices/mouse/mouse_settings_record.h"
#include "hid/protocol/protocol_codes.h"
#include "mainwnd/profile_keep_part.h"
#include "sim/sim_headset.h"
#include "sim/sim_pad.h"
#include "shell/app_names.h"
#include "shell/profile_keep_settings.h"

namespace {

constexpr size_t kChangedByte = mouse::record::kStageXLow;  // the first DPI stage, low byte
constexpr int kSettled = 1500;                              // the arrival read runs 500 ms after arrival

struct KeepCase {
    const char* name;
    bool on;
};

class ProfileKeepTest : public ::testing::TestWithParam<KeepCase> {
protected:
    void SetUp() override {
        SimHidBus::Instance().UnplugAll();
        ASSERT_TRUE(StoreApplyOnArrivalAndResume(GetParam().on));
        wnd = std::make_unique<CMainWnd>();
        auto devicePart = std::make_unique<CDevicePart>("mouse");
        CDevicePart& devices = *devicePart;
        wnd->AddPart(std::move(devicePart));
        wnd->AddPart(std::make_unique<CPageWiringPart>());
        wnd->AddPart(std::make_unique<CProfileKeepPart>(devices));
        ASSERT_TRUE(wnd->CreateMainWindow());
        ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->Initialised(); }, 3000));
    }
    void TearDown() override {
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        SimHidBus::Instance().UnplugAll();
        StoreApplyOnArrivalAndResume(false);
    }
    // Sets the active record's first DPI byte away from the profile's, as another program would.
    static void ChangeBehindTheProgram(SimMouse& mouse, const std::vector<uint8_t>& profileRecord) {
        mouse.SetSettingsBytes(kChangedByte, {static_cast<uint8_t>(profileRecord[kChangedByte] ^ 0x5A)});
    }

    std::unique_ptr<CMainWnd> wnd;
};

TEST_P(ProfileKeepTest, WritesTheProfileAgainOnArrivalAndAfterWakingOnlyWhenOn) {
    const bool on = GetParam().on;
    // First arrival: with the choice on the mouse now holds the program's profile; off, it
    // keeps what it held.
    auto mouse = PlugMouse(SimMouseModel::Mouse());
    QTest::qWait(kSettled);
    const std::vector<uint8_t> heldRecord = mouse->ActiveRecord();

    // Arrival: unplugged, changed elsewhere, plugged again.
    mouse->Unplug();
    QTest::qWait(kSettled);
    ChangeBehindTheProgram(*mouse, heldRecord);
    mouse->ClearFrames();
    mouse->Plug();
    QTest::qWait(kSettled);
    EXPECT_EQ(CountCommand(*mouse, Command::kWriteMemory) > 0, on);
    EXPECT_EQ(mouse->ActiveRecord()[kChangedByte] == heldRecord[kChangedByte], on);

    // Sleep: changed while asleep, then the window hears suspend and resume.
    wnd->HandleMessage(WM_POWERBROADCAST, PBT_APMSUSPEND);
    ChangeBehindTheProgram(*mouse, heldRecord);
    mouse->ClearFrames();
    wnd->HandleMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
    QTest::qWait(100);
    EXPECT_EQ(CountCommand(*mouse, Command::kWriteMemory) > 0, on);
    EXPECT_EQ(mouse->ActiveRecord() == heldRecord, on) << "the profile's record is back only when on";

    // Nothing to do when the mouse already holds its profile.
    if (on) {
        mouse->ClearFrames();
        wnd->HandleMessage(WM_POWERBROADCAST, PBT_APMSUSPEND);
        wnd->HandleMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
        EXPECT_EQ(CountCommand(*mouse, Command::kWriteMemory), 0) << "read, compared, nothing written";
        EXPECT_GT(CountCommand(*mouse, Command::kReadMemory), 0);
    }
}

// A mouse pad and a headset hold one lighting record and cannot be compared with their
// profile: with the choice on, their arrival and a wake-up write their profile's record.
TEST_P(ProfileKeepTest, LightingDevicesGetTheirProfileWrittenOnArrivalAndAfterWaking) {
    const bool on = GetParam().on;
    std::vector<std::shared_ptr<SimLightingDevice>> devices{std::make_shared<SimPad>(),
                                                            std::make_shared<SimHeadset>()};
    for (const auto& device : devices) {
        SCOPED_TRACE(device->Name());
        device->Plug();
        QTest::qWait(kSettled);
        EXPECT_EQ(CountCommand(*device, Command::kWriteMemory) > 0, on) << "after the first read";

        device->ClearFrames();
        wnd->HandleMessage(WM_POWERBROADCAST, PBT_APMSUSPEND);
        wnd->HandleMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
        QTest::qWait(300);
        EXPECT_EQ(CountCommand(*device, Command::kWriteMemory) > 0, on) << "after waking";
    }
}

INSTANTIATE_TEST_SUITE_P(Choice, ProfileKeepTest,
                         testing::Values(KeepCase{"on", true}, KeepCase{"off", false}),
                         [](const testing::TestParamInfo<KeepCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(LoginApplyEntryTest, ExistsExactlyWhileTheChoiceIsOn) {
    const QString path = LoginApplyEntryPath();
    EXPECT_FALSE(ReadApplyAtLogin()) << "off by default";
    ASSERT_TRUE(StoreApplyAtLogin(true));
    EXPECT_TRUE(ReadApplyAtLogin());
    QFile entry(path);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray text = entry.readAll();
    entry.close();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    const QString program = LoginApplyProgram(QCoreApplication::applicationDirPath());
    EXPECT_TRUE(program.startsWith(u'/')) << program.toStdString();
    EXPECT_TRUE(text.contains("\nExec=\"" + program.toUtf8() + "\" apply --all\n")) << text.toStdString();
    EXPECT_TRUE(path.endsWith(QLatin1String("/autostart/kvelm-apply.desktop")));

    ASSERT_TRUE(StoreApplyAtLogin(false));
    EXPECT_FALSE(ReadApplyAtLogin());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(StoreApplyAtLogin(false)) << "turning off twice is no error";
}

}  // namespace

TEST(LoginApplyEntryTest, NamesTheKvelmctlBesideTheProgramQuotedForTheEntry) {
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/odd $name`XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const QString ctl = dir.filePath(QStringLiteral("kvelmctl"));
    QFile file(ctl);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_NE(LoginApplyProgram(dir.path()), ctl) << "not executable: not taken";
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(LoginApplyProgram(dir.path()), ctl);
    QString escaped = ctl;
    escaped.replace(QStringLiteral("$"), QStringLiteral("\\$"))
        .replace(QStringLiteral("`"), QStringLiteral("\\`"));
    EXPECT_TRUE(LoginApplyEntryText(ctl).contains("\nExec=\"" + escaped.toUtf8() + "\" apply --all\n"))
        << LoginApplyEntryText(ctl).toStdString();
}
