// The gun presets panel of the mouse page, driven as a user does: choosing a preset and a
// bullet, editing it, sending the presets, resetting, importing and exporting. What counts
// is what lands in the preset files and what the simulated mouse receives.
#include <QStackedWidget>
#include <QTemporaryDir>
#include <array>

#include "panels/shoot/shoot_control_ui.h"
#include "ui/language_table.h"
#include "wiring_fixture.h"

namespace {

constexpr uint8_t kWriteShoot = 0x17;
constexpr int kEventsPerBullet = 6;
constexpr size_t kEventBytes = 4;
constexpr uint8_t kDownBit = 0x80;

struct EventSeen {
    int type;
    int button;
    std::string action;
    int delay;
    bool operator==(const EventSeen&) const = default;
};

void PrintTo(const EventSeen& e, std::ostream* os) {
    *os << e.type << '/' << e.button << '/' << e.action << '/' << e.delay;
}

// The events of one preset as the device image holds them (little-endian fields).
std::vector<std::array<uint8_t, kEventBytes>> ImageEntry(const std::vector<uint8_t>& image, int entry) {
    std::vector<std::array<uint8_t, kEventBytes>> events;
    const size_t offsetAt = 16 + 2 * static_cast<size_t>(entry);
    if (image.size() < offsetAt + 2) return events;
    const size_t offset = image[offsetAt] | (image[offsetAt + 1] << 8);
    const size_t count = image.at(offset) | (image.at(offset + 1) << 8);
    for (size_t i = 0; i < count; ++i) {
        std::array<uint8_t, kEventBytes> event{};
        for (size_t b = 0; b < kEventBytes; ++b) event[b] = image.at(offset + 4 + i * kEventBytes + b);
        events.push_back(event);
    }
    return events;
}

}  // namespace

class ShootPanel : public WiringFixture {
protected:
    void SetUp() override {
        WiringFixture::SetUp();
        if (HasFatalFailure()) return;
        shoot = slot->page->findChild<CShootControlUI*>();
        ASSERT_NE(shoot, nullptr);
        // The gun presets tab, as the user opens it.
        Click("mouse_device_seting_option_1");
    }

    std::string PresetPath(int gun) const {
        return InUserFolder("ShootData_" + std::to_string(gun) + ".Shoot");
    }
    std::string DefaultPath(int gun) const {
        return std::string(KVELM_TEST_PROGRAM_DIR) + "/DefaultData/ShootData_" + std::to_string(gun) +
               ".Shoot";
    }
    EventSeen FileEvent(int gun, int index) const {
        const Json::Value event = ReadJson(PresetPath(gun))["Events"][index];
        return {event["Type"].asInt(), event["Button"].asInt(), event["Action"].asString(),
                event["Delay"].asInt()};
    }
    QString Text(const char* name) const { return GetText(PageControl(name)); }
    bool Checked(const char* name) const { return IsSelected(PageControl(name)); }
    void SelectOption(const char* name) const {
        auto* option = qobject_cast<QAbstractButton*>(PageControl(name));
        ASSERT_NE(option, nullptr) << name;
        if (!option->isChecked()) option->click();
    }

    CShootControlUI* shoot = nullptr;
};

TEST_F(ShootPanel, StartsOnTheFirstBulletOfTheFirstPresetWithEveryFileInPlace) {
    for (int gun = 0; gun < 4; ++gun)
        EXPECT_EQ(FileBytes(PresetPath(gun)), FileBytes(DefaultPath(gun))) << gun;
    EXPECT_EQ(shoot->CurrentGun(), 0);
    EXPECT_EQ(shoot->GetBulletIndex(), 0);
    EXPECT_EQ(Text("bullet_select_index"), QStringLiteral("1"));
    EXPECT_TRUE(Checked("shoot_gun_op_0"));
    EXPECT_TRUE(Checked("bullet_op_0"));
    // The edits show the default's first bullet.
    const Json::Value vertical = ReadJson(DefaultPath(0))["Events"][3];
    EXPECT_EQ(Text("bullet_y_eidt"), QString::number(vertical["Button"].asInt()));
    EXPECT_EQ(Text("bullet_delay_eidt"), QString::number(vertical["Delay"].asInt()));
}

TEST_F(ShootPanel, EditedBulletReachesItsFileAndTheMouse) {
    SelectOption("shoot_gun_op_2");
    SelectOption("bullet_op_3");
    EXPECT_EQ(Text("bullet_select_index"), QStringLiteral("4"));
    auto* pictures = qobject_cast<QStackedWidget*>(PageControl("shoot_image_display_switch"));
    ASSERT_NE(pictures, nullptr);
    EXPECT_EQ(pictures->currentIndex(), 2);

    // Left and up, 12 across, 300 down (more than the device keeps), 45 ms.
    if (!Checked("bullet_x_check")) Click("bullet_x_check");
    if (!Checked("bullet_y_check")) Click("bullet_y_check");
    TypeAndLeave(PageControl("bullet_x_eidt"), QStringLiteral("12"));
    TypeAndLeave(PageControl("bullet_y_eidt"), QStringLiteral("300"));
    TypeAndLeave(PageControl("bullet_delay_eidt"), QStringLiteral("45ms"));
    // The edits show what was kept.
    EXPECT_EQ(Text("bullet_y_eidt"), QStringLiteral("255"));
    EXPECT_EQ(Text("bullet_delay_eidt"), QStringLiteral("45"));
    EXPECT_EQ(GetText(PageControl("bullet_x_check")),
              CLanguageTable::Instance().Text(QStringLiteral("mouse_move_to_left_text")));

    const int first = 3 * kEventsPerBullet;
    const std::vector<EventSeen> expected = {
        {1, 1, "down", 10},   {1, 1, "up", 0},   {4, 12, "down", 5},
        {5, 255, "down", 45}, {4, 0, "down", 0}, {5, 0, "down", 0},
    };
    for (int i = 0; i < kEventsPerBullet; ++i)
        EXPECT_EQ(FileEvent(2, first + i), expected[static_cast<size_t>(i)]) << i;
    // Editing sends nothing; the other presets are untouched.
    EXPECT_EQ(CountCommand(kWriteShoot), 0);
    for (int gun : {0, 1, 3}) EXPECT_EQ(FileBytes(PresetPath(gun)), FileBytes(DefaultPath(gun))) << gun;

    Click("shootdate_save_btn");
    EXPECT_GT(CountCommand(kWriteShoot), 0);
    const auto events = ImageEntry(sim->ShootImage(), 2);
    ASSERT_GE(events.size(), static_cast<size_t>(first + kEventsPerBullet));
    using Bytes = std::array<uint8_t, kEventBytes>;
    EXPECT_EQ(events[first + 2], (Bytes{5, 0, 4 | kDownBit, 12}));
    EXPECT_EQ(events[first + 3], (Bytes{45, 0, 5 | kDownBit, 255}));
    EXPECT_EQ(events[first + 1], (Bytes{0, 0, 1, 1}));
    // The other presets go out as their files hold them.
    EXPECT_EQ(ImageEntry(sim->ShootImage(), 0).size(), ReadJson(DefaultPath(0))["Events"].size());
}

TEST_F(ShootPanel, BulletNavigationStopsAtTheEnds) {
    Click("bullet_selected_prev");
    EXPECT_EQ(shoot->GetBulletIndex(), 0);
    EXPECT_EQ(Text("bullet_select_index"), QStringLiteral("1"));
    SelectOption("bullet_op_29");
    Click("bullet_selected_next");
    EXPECT_EQ(shoot->GetBulletIndex(), 29);
    EXPECT_EQ(Text("bullet_select_index"), QStringLiteral("30"));
    EXPECT_TRUE(Checked("bullet_op_29"));
    Click("bullet_selected_prev");
    EXPECT_EQ(Text("bullet_select_index"), QStringLiteral("29"));
    EXPECT_TRUE(Checked("bullet_op_28"));
}

TEST_F(ShootPanel, ResetAsksFirstAndThenRestoresTheDefault) {
    SelectOption("shoot_gun_op_1");
    TypeAndLeave(PageControl("bullet_x_eidt"), QStringLiteral("77"));
    const QByteArray edited = FileBytes(PresetPath(1));
    ASSERT_NE(edited, FileBytes(DefaultPath(1)));

    CMsgWnd::SetNextAnswer(0);
    Click("shootdate_reset_btn");
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_shoot_reset"));
    EXPECT_TRUE(CMsgWnd::LastShown().cancelVisible);
    EXPECT_EQ(FileBytes(PresetPath(1)), edited);

    CMsgWnd::SetNextAnswer(1);
    Click("shootdate_reset_btn");
    EXPECT_EQ(FileBytes(PresetPath(1)), FileBytes(DefaultPath(1)));
    EXPECT_NE(Text("bullet_x_eidt"), QStringLiteral("77"));  // the default is shown
    EXPECT_EQ(CountCommand(kWriteShoot), 0);
}

TEST_F(ShootPanel, ExportThenImportIntoAnotherPresetCopiesItsEvents) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString exported = dir.filePath(QStringLiteral("mine.shoot"));
    SelectOption("shoot_gun_op_3");
    TypeAndLeave(PageControl("bullet_delay_eidt"), QStringLiteral("123"));

    SetNextFileName(exported);
    Click("shootdate_export_btn");
    EXPECT_EQ(LastFileDialog().mode, FileDialogMode::Save);
    EXPECT_EQ(LastFileDialog().filterName, QStringLiteral("Shoot Files(*.shoot)"));
    EXPECT_EQ(FileBytes(exported.toStdString()), FileBytes(PresetPath(3)));

    SelectOption("shoot_gun_op_0");
    // A cancelled dialog, then a refused confirmation, change nothing.
    SetNextFileName(QString());
    Click("shootdate_import_btn");
    SetNextFileName(exported);
    CMsgWnd::SetNextAnswer(0);
    Click("shootdate_import_btn");
    EXPECT_EQ(FileBytes(PresetPath(0)), FileBytes(DefaultPath(0)));

    SetNextFileName(exported);
    CMsgWnd::SetNextAnswer(1);
    Click("shootdate_import_btn");
    EXPECT_EQ(LastFileDialog().mode, FileDialogMode::Open);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_shoot_import"));
    EXPECT_EQ(ReadJson(PresetPath(0))["Events"], ReadJson(PresetPath(3))["Events"]);
    EXPECT_EQ(Text("bullet_delay_eidt"), QStringLiteral("123"));
}

TEST_F(ShootPanel, AFileThatIsNoPresetIsRefusedAndTheUserIsTold) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString broken = dir.filePath(QStringLiteral("broken.shoot"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not json at all");
    file.close();
    const QByteArray before = FileBytes(PresetPath(0));

    SetNextFileName(broken);
    CMsgWnd::SetNextAnswer(1);  // replace: yes
    CMsgWnd::SetNextAnswer(1);  // the message
    Click("shootdate_import_btn");
    EXPECT_EQ(FileBytes(PresetPath(0)), before);
    EXPECT_TRUE(CMsgWnd::LastShown().text.startsWith(
        CLanguageTable::Instance().Text(QStringLiteral("message_text_shoot_file"))));
    EXPECT_EQ(CMsgWnd::PendingAnswers(), 0);
}

// A direction is stored the moment it is switched, with no number edited afterwards: the
// preset file holds it and "Send to mouse" carries it.
TEST_F(ShootPanel, SwitchedDirectionIsStoredAndSentWithoutAnotherEdit) {
    struct Case {
        const char* check;
        int move;      // the bullet's move event (horizontal 2, vertical 3)
        int stop;      // the event that ends that move
        uint8_t type;  // its event type in the device image
    };
    const Case cases[] = {{"bullet_x_check", 2, 4, 4}, {"bullet_y_check", 3, 5, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.check);
        SelectOption("bullet_op_1");
        const int first = 1 * kEventsPerBullet;
        const bool wasDown = FileEvent(0, first + c.move).action == "down";
        sim->ClearFrames();

        Click(c.check);
        const std::string now = wasDown ? "up" : "down";
        EXPECT_EQ(FileEvent(0, first + c.move).action, now);
        EXPECT_EQ(FileEvent(0, first + c.stop).action, now);
        EXPECT_EQ(CountCommand(kWriteShoot), 0);

        Click("shootdate_save_btn");
        const auto events = ImageEntry(sim->ShootImage(), 0);
        ASSERT_GT(events.size(), static_cast<size_t>(first + c.move));
        EXPECT_EQ(events[first + c.move][2], wasDown ? c.type : (c.type | kDownBit));
        // Showing the bullet again reads the direction back from its file.
        SelectOption("bullet_op_0");
        SelectOption("bullet_op_1");
        EXPECT_EQ(Checked(c.check), !wasDown);
    }
}
