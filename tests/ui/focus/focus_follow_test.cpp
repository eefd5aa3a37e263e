// Profiles that follow the focused program: a simulated mouse whose second profile is bound
// to xcalc gets that profile's settings when xcalc has the focus and its first profile back
// when another program has it; a storm of focus changes ends on the right profile after few
// switches.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QFile>
#include <cstdio>
#include <filesystem>

#include "devices/mouse/mouse_settings_record.h"
#include "discovery_fixture.h"
#include "hid/protocol/protocol_codes.h"
#include "mainwnd/focus_follow_part.h"
#include "mainwnd/settings_part.h"
#include "panels/settings/set_wnd.h"
#include "shell/app_names.h"
#include "shell/focus_follow_settings.h"
#include "panels/profile/device_profile_ui.h"
#include "profiles/profile_list.h"
#include "profiles/profile_paths.h"
#include "ui/tray_icon.h"
#include "temp_folder.h"
#include "util/json_file.h"
#include "x_client.h"
#include "xvfb_server.h"

namespace {

constexpr size_t kDpiByte = mouse::record::kStageXLow;  // the first DPI stage, low byte
constexpr uint8_t kDeskDpi = 6;                         // the default data's first stage
constexpr uint8_t kGameDpi = 20;                        // the bound profile's
constexpr int kSettled = 1500;                          // the arrival read runs 500 ms after arrival

FocusedWindow Program(const char* name, const char* className) {
    return FocusedWindow{true, std::string("/usr/bin/") + name, name, className, {}};
}

// Profile 0 "profile1" (the default data) and profile 1 "Game" bound to xcalc with its own
// first DPI stage, made as the list file and profile files the program reads.
void MakeBoundProfiles() {
    std::filesystem::remove_all(DeviceUserFolder("mouse"));
    CProfileList list;
    list.SetDeviceKind(2);
    list.SetDeviceFolder(getenv("KVELM_DATA_DIR"), "mouse");
    ASSERT_EQ(list.Init(), kProfileDone);
    ASSERT_EQ(list.NewProfile(), kProfileDone);
    ASSERT_EQ(list.RenameProfile(1, "Game"), kProfileDone);
    ASSERT_EQ(list.BindProgram(1, "xcalc"), kProfileDone);
    CJsonFile files;
    Json::Value game = files.ReadJsonFile(list.ProfilePathAt(1));
    game["Device"][0]["DPIStages"]["StageDPIs"][0]["StageDPIX"] = kGameDpi;
    ASSERT_EQ(files.WriteJsonFile(list.ProfilePathAt(1), game), 0);
}

class FocusFollowTest : public ::testing::Test {
protected:
    void StartWindow(bool watch, bool withSettings = false) {
        SimHidBus::Instance().UnplugAll();
        MakeBoundProfiles();
        wnd = std::make_unique<CMainWnd>();
        auto devicePart = std::make_unique<CDevicePart>("mouse");
        devices = devicePart.get();
        wnd->AddPart(std::move(devicePart));
        wnd->AddPart(std::make_unique<CPageWiringPart>());
        if (withSettings) wnd->AddPart(std::make_unique<CSettingsPart>());
        auto followPart = std::make_unique<CFocusFollowPart>(*devices, watch);
        follow = followPart.get();
        wnd->AddPart(std::move(followPart));
        ASSERT_TRUE(wnd->CreateMainWindow());
        ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->Initialised(); }, 3000));
        mouse = PlugMouse(SimMouseModel::Mouse());
        QTest::qWait(kSettled);
        ASSERT_NE(Panel(), nullptr);
        mouse->ClearFrames();
    }
    void TearDown() override {
        if (wnd && wnd->IsCreated()) wnd->Close(0);
        wnd.reset();
        SimHidBus::Instance().UnplugAll();
    }
    CDeviceProfileUI* Panel() const { return devices->Slots().At(0)->profilePanel; }
    // Waits until the mouse holds the profile's DPI and the panel shows the profile.
    bool WaitForProfile(int index, uint8_t dpi, int ms = 3000) const {
        return QTest::qWaitFor(
            [&] { return Panel()->GetSelectedIndex() == index && mouse->ActiveRecord()[kDpiByte] == dpi; },
            ms);
    }
    int SelectedOnDisk() const {
        return CJsonFile().ReadJsonFile(ProfileListFile(DeviceUserFolder("mouse")))["profileselect"].asInt();
    }

    std::unique_ptr<CMainWnd> wnd;
    CDevicePart* devices = nullptr;
    CFocusFollowPart* follow = nullptr;
    std::shared_ptr<SimMouse> mouse;
};

TEST_F(FocusFollowTest, SwitchesToTheBoundProfileAndBack) {
    StartWindow(false);
    EXPECT_FALSE(follow->Watching()) << "nothing is watched while the choice is off";
    const struct {
        FocusedWindow window;
        int profile;
        uint8_t dpi;
        bool switches;
    } steps[] = {
        {Program("xterm", "XTerm"), 0, mouse->ActiveRecord()[kDpiByte], false},  // unbound: nothing
        {Program("xcalc", "XCalc"), 1, kGameDpi, true},
        {Program("xcalc", "XCalc"), 1, kGameDpi, false},  // the same program again
        {Program("xmessage", "Xmessage"), 0, kDeskDpi, true},
        {FocusedWindow{}, 0, kDeskDpi, false},  // the desktop: already back
        {Program("xcalc", "XCalc"), 1, kGameDpi, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.window.classInstance);
        mouse->ClearFrames();
        follow->OnFocus(*wnd, step.window);
        ASSERT_TRUE(WaitForProfile(step.profile, step.dpi));
        QTest::qWait(100);
        EXPECT_EQ(CountCommand(*mouse, Command::kWriteMemory) > 0, step.switches);
        EXPECT_EQ(SelectedOnDisk(), step.profile);
    }
    // Why the profile is active shows in the profile list and the tray tool tip.
    auto* combo = qobject_cast<QComboBox*>(FindControl(Panel(), QStringLiteral("device_profile_combo")));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Game (for xcalc)"));
    ASSERT_NE(wnd->Tray(), nullptr);
    EXPECT_TRUE(wnd->Tray()->TrayIcon()->toolTip().contains(QStringLiteral("Game (for xcalc)")));
    // Back to the first profile by focus: the names alone.
    follow->OnFocus(*wnd, Program("xmessage", "Xmessage"));
    ASSERT_TRUE(WaitForProfile(0, kDeskDpi));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Game"));
    EXPECT_FALSE(wnd->Tray()->TrayIcon()->toolTip().contains(QStringLiteral("(for")));
}

TEST_F(FocusFollowTest, StormEndsOnTheLastProgramsProfileWithFewSwitches) {
    StartWindow(false);
    follow->OnFocus(*wnd, Program("xcalc", "XCalc"));
    ASSERT_TRUE(WaitForProfile(1, kGameDpi));
    QTest::qWait(200);
    const int writesPerSwitch = CountCommand(*mouse, Command::kWriteMemory);
    ASSERT_GT(writesPerSwitch, 0);

    mouse->ClearFrames();
    constexpr int kMoves = 60;
    for (int i = 0; i < kMoves; ++i) {
        follow->OnFocus(*wnd, i % 2 ? Program("xcalc", "XCalc") : Program("xmessage", "Xmessage"));
        QTest::qWait(15);  // about a second in all, with the window's events running between
    }
    ASSERT_TRUE(WaitForProfile(1, kGameDpi));
    QTest::qWait(500);
    EXPECT_EQ(Panel()->GetSelectedIndex(), 1);
    EXPECT_EQ(mouse->ActiveRecord()[kDpiByte], kGameDpi);
    const int switches = CountCommand(*mouse, Command::kWriteMemory) / writesPerSwitch;
    EXPECT_LE(switches, kMoves / 3) << "switches were not coalesced";
}

// The profile menu binds the selected profile to a typed program, removes it again and marks
// the return profile; each step is in the list file at once.
TEST_F(FocusFollowTest, ProfileMenuBindsAndMarksTheSelectedProfile) {
    StartWindow(false);
    Panel()->Select(0, false);
    auto button = [this](const char* name) {
        auto* found = qobject_cast<QAbstractButton*>(FindControl(Panel(), QLatin1String(name)));
        EXPECT_NE(found, nullptr) << name;
        return found;
    };
    auto* edit = qobject_cast<QLineEdit*>(FindControl(Panel(), QStringLiteral("profile_program_edit")));
    auto* programs = qobject_cast<QListWidget*>(FindControl(Panel(), QStringLiteral("profile_program_list")));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(programs, nullptr);
    auto onDisk = [] { return CJsonFile().ReadJsonFile(ProfileListFile(DeviceUserFolder("mouse"))); };

    edit->setText(QStringLiteral(" class:XTerm "));
    button("profile_program_add_btn")->click();
    EXPECT_EQ(onDisk()["profilelist"][0]["profileprograms"][0].asString(), "class:XTerm");
    ASSERT_EQ(programs->count(), 1);
    EXPECT_EQ(programs->item(0)->text(), QStringLiteral("class:XTerm"));
    EXPECT_TRUE(edit->text().isEmpty());

    button("profile_return_check")->click();
    EXPECT_EQ(onDisk()["profilereturn"].asString(), Panel()->ProfileList().Entries()[0].id);
    EXPECT_TRUE(button("profile_return_check")->isChecked());

    // The other profile shows its own program and no return mark.
    Panel()->Select(1, false);
    ASSERT_EQ(programs->count(), 1);
    EXPECT_EQ(programs->item(0)->text(), QStringLiteral("xcalc"));
    EXPECT_FALSE(button("profile_return_check")->isChecked());

    Panel()->Select(0, false);
    programs->setCurrentRow(0);
    button("profile_program_remove_btn")->click();
    EXPECT_FALSE(onDisk()["profilelist"][0].isMember("profileprograms"));
    EXPECT_EQ(programs->count(), 0);
    button("profile_return_check")->click();
    EXPECT_FALSE(onDisk().isMember("profilereturn"));
}

// Runs body in the settings window once it shows (it is modal), then closes it.
void InSettingsWindow(CMainWnd& wnd, const std::function<void(CSetWnd&)>& body) {
    bool ran = false;
    QTimer::singleShot(300, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* settings = qobject_cast<CSetWnd*>(top);
            if (!settings || !settings->isVisible()) continue;
            body(*settings);
            ran = true;
            settings->FindControl<QAbstractButton>(QStringLiteral("closebtn"))->click();
        }
    });
    wnd.SendMessage(kMsgOpenSettings);
    EXPECT_TRUE(ran);
}

// The settings window's check box turns watching on and off and keeps the choice; under a
// Wayland session without X it says why the focus cannot be followed.
TEST_F(FocusFollowTest, SettingsCheckBoxStartsAndStopsWatching) {
    if (!XClient::Have("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
    XvfbServer x;
    ASSERT_FALSE(x.Display().empty());
    TempFolder env;
    env.SetEnv("DISPLAY", x.Display());
    StartWindow(false, true);
    ASSERT_FALSE(ReadFollowFocus()) << "off by default";
    for (const bool on : {true, false}) {
        InSettingsWindow(*wnd, [&](CSetWnd& settings) {
            auto* check = settings.FindControl<QAbstractButton>(QStringLiteral("follow_focus_check"));
            ASSERT_NE(check, nullptr);
            EXPECT_EQ(check->isChecked(), !on);
            EXPECT_FALSE(settings.FindControl(QStringLiteral("follow_focus_hint"))->isVisible());
            check->click();
            EXPECT_EQ(check->isChecked(), on);
        });
        EXPECT_EQ(ReadFollowFocus(), on);
        EXPECT_EQ(follow->Watching(), on) << "nothing is watched while the choice is off";
    }

    env.SetEnv("DISPLAY", "");
    env.SetEnv("WAYLAND_DISPLAY", "wayland-0");
    InSettingsWindow(*wnd, [&](CSetWnd& settings) {
        QWidget* hint = settings.FindControl(QStringLiteral("follow_focus_hint"));
        EXPECT_TRUE(hint->isVisible());
        EXPECT_TRUE(GetText(hint).contains(QStringLiteral("Wayland")));
        EXPECT_TRUE(GetText(hint).contains(QStringLiteral("no substitute")));
    });
}

// The whole way: a real X server with a window manager, two programs that take the focus,
// and the program's own watcher, switched on for this run.
TEST_F(FocusFollowTest, FollowsFocusMovedBetweenRealWindows) {
    for (const char* program : {"Xvfb", "openbox", "xcalc", "xmessage", "xdotool", "xprop"}) {
        if (!XClient::Have(program)) GTEST_SKIP() << program << " is not installed";
    }
    XvfbServer x;
    ASSERT_FALSE(x.Display().empty());
    TempFolder env;
    env.SetEnv("DISPLAY", x.Display());
    XClient manager(x.Display(), {"openbox", "--sm-disable"});
    ASSERT_TRUE(
        x.Run("timeout 10 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q \"window id\"; "
              "do sleep 0.05; done'"));
    XClient xcalc(x.Display(), {"xcalc"});
    XClient xmessage(x.Display(), {"xmessage", "-center", "hello"});
    ASSERT_TRUE(x.Run("xdotool search --sync --onlyvisible --class XCalc"));
    ASSERT_TRUE(x.Run("xdotool search --sync --onlyvisible --class Xmessage"));

    StartWindow(true);
    ASSERT_TRUE(follow->Watching()) << follow->Unavailable().toStdString();
    const struct {
        const char* className;
        int profile;
        uint8_t dpi;
    } moves[] = {{"XCalc", 1, kGameDpi}, {"Xmessage", 0, kDeskDpi}, {"XCalc", 1, kGameDpi}};
    int writesPerSwitch = 0;
    for (const auto& move : moves) {
        SCOPED_TRACE(move.className);
        mouse->ClearFrames();
        ASSERT_TRUE(x.XdoTool(std::string("search --onlyvisible --class ") + move.className +
                              " windowactivate --sync"));
        ASSERT_TRUE(WaitForProfile(move.profile, move.dpi));
        QTest::qWait(200);
        writesPerSwitch = CountCommand(*mouse, Command::kWriteMemory);
        EXPECT_GT(writesPerSwitch, 0);
        EXPECT_EQ(SelectedOnDisk(), move.profile);
    }

    // A storm: dozens of moves in about a second, ending on xmessage.
    mouse->ClearFrames();
    ASSERT_TRUE(
        x.Run("sh -c 'c=$(xdotool search --onlyvisible --class XCalc | head -1); "
              "m=$(xdotool search --onlyvisible --class Xmessage | head -1); "
              "for i in $(seq 20); do xdotool windowactivate $c windowactivate $m; done'"));
    ASSERT_TRUE(WaitForProfile(0, kDeskDpi));
    QTest::qWait(500);
    EXPECT_EQ(Panel()->GetSelectedIndex(), 0);
    EXPECT_EQ(mouse->ActiveRecord()[kDpiByte], kDeskDpi);
    // 40 focus changes; each switch that ran sent writesPerSwitch writes.
    EXPECT_LE(CountCommand(*mouse, Command::kWriteMemory), 20 * writesPerSwitch);
}

}  // namespace
