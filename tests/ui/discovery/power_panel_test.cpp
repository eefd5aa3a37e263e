// The power panel: what a power status record shows (pure view) and the panel built from
// its skin.
#include <gtest/gtest.h>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <memory>
#include "ui/controls.h"
#include "ui/ui_types.h"
#include "ui/skin_builder.h"
#include "panels/power/mp_device_power_ui.h"
#include "panels/power/power_panel_registration.h"
#include "panels/power/power_status_view.h"

TEST(PowerStatusView, RecordsByKind) {
    struct Case {
        const char* what;
        std::array<uint8_t, 6> record;
        int kind;
        const char* text;
        int progress;
        ShowState progressShown;
        ShowState logo;
        const char* image;
        const char* phone;  // "" when the phone is left alone
    };
    const Case cases[] = {
        {"wireless mouse charging",
         {37, 1, 0, 1, 0, 0},
         2,
         "37%",
         63,
         ShowState::Hidden,
         ShowState::Shown,
         "file='power/wuxian_powering.png'",
         ""},
        {"keyboard, same record: logo untouched",
         {37, 1, 0, 1, 0, 0},
         1,
         "37%",
         63,
         ShowState::Hidden,
         ShowState::Unchanged,
         "file='power/wuxian_powering.png'",
         ""},
        {"wired mouse charging",
         {80, 1, 0, 0, 0, 0},
         2,
         "80%",
         20,
         ShowState::Shown,
         ShowState::Hidden,
         "file='power/powering.png'",
         ""},
        {"powered",
         {100, 0, 0, 0, 0, 0},
         2,
         "100%",
         0,
         ShowState::Shown,
         ShowState::Hidden,
         "file='power/powered.png'",
         ""},
        {"on battery",
         {5, 2, 0, 1, 0, 0},
         2,
         "5%",
         95,
         ShowState::Shown,
         ShowState::Shown,
         "file='power/power.png'",
         ""},
        {"unknown state leaves gauge and picture",
         {50, 7, 0, 0, 0, 0},
         2,
         "50%",
         50,
         ShowState::Unchanged,
         ShowState::Hidden,
         "",
         ""},
        {"pad without phone",
         {60, 0, 0, 0, 0, 0},
         3,
         "60%",
         40,
         ShowState::Shown,
         ShowState::Unchanged,
         "file='power/powered.png'",
         "Phone_type_no_device"},
        {"pad with iphone",
         {60, 0, 0, 0, 0, 1},
         3,
         "60%",
         40,
         ShowState::Shown,
         ShowState::Unchanged,
         "file='power/powered.png'",
         "Phone_type_iphone"},
        {"pad with samsung",
         {60, 0, 0, 0, 0, 2},
         3,
         "60%",
         40,
         ShowState::Shown,
         ShowState::Unchanged,
         "file='power/powered.png'",
         "Phone_type_samsung"},
        {"pad with another phone",
         {60, 0, 0, 0, 0, 3},
         3,
         "60%",
         40,
         ShowState::Shown,
         ShowState::Unchanged,
         "file='power/powered.png'",
         "Phone_type_other"},
        {"pad with an unknown code",
         {60, 0, 0, 0, 0, 9},
         3,
         "60%",
         40,
         ShowState::Shown,
         ShowState::Unchanged,
         "file='power/powered.png'",
         "Phone_type_no_device"},
        {"a level above 100 keeps the gauge in range",
         {200, 0, 0, 0, 0, 0},
         2,
         "200%",
         0,
         ShowState::Shown,
         ShowState::Hidden,
         "file='power/powered.png'",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PowerStatusView view = MakePowerStatusView(c.record.data(), c.record.size(), c.kind);
        EXPECT_EQ(view.valueText, c.text);
        EXPECT_EQ(view.progressValue, c.progress);
        EXPECT_EQ(view.progress, c.progressShown);
        EXPECT_EQ(view.wirelessLogo, c.logo);
        EXPECT_EQ(view.statusImage, c.image);
        EXPECT_EQ(view.phoneToolTip, c.phone);
        if (*c.phone) {
            EXPECT_EQ(view.phoneImage, std::string("file='power/") + c.phone + ".png'");
        }
    }
}

TEST(PowerStatusView, MissingBytesReadAsZero) {
    const uint8_t shortPad[] = {42, 1};  // no wireless byte, no phone byte
    const PowerStatusView pad = MakePowerStatusView(shortPad, sizeof shortPad, 3);
    EXPECT_EQ(pad.valueText, "42%");
    EXPECT_EQ(pad.statusImage, "file='power/powering.png'") << "byte 3 missing: not wireless";
    EXPECT_EQ(pad.phoneToolTip, "Phone_type_no_device");
    const PowerStatusView none = MakePowerStatusView(nullptr, 6, 2);
    EXPECT_EQ(none.valueText, "0%");
    EXPECT_EQ(none.progressValue, 100);
}

class PowerPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterPowerPanelClasses();
        root.reset(CSkinBuilder::Build(QStringLiteral("XML\\CustomControlXML\\MpDevicePower.xml"), nullptr));
        panel = qobject_cast<CMpDevicePowerUI*>(root.get());
        ASSERT_NE(panel, nullptr) << CSkinBuilder::LastError().toStdString();
        panel->show();
    }
    QWidget* Control(const char* name) const { return FindControl(panel, QLatin1String(name)); }

    std::unique_ptr<QWidget> root;
    CMpDevicePowerUI* panel = nullptr;
};

TEST_F(PowerPanelTest, ShowsAWirelessMouseCharging) {
    panel->SetKind(2, 0);
    panel->ShowPowerLayout(1);
    EXPECT_TRUE(Control("device_power_Layout")->isVisible());
    const PowerStatusRecord record{37, 1, 0, 1, 0, 0};
    static_cast<IPowerPanel*>(panel)->ShowPowerStatus(record);
    EXPECT_EQ(GetText(Control("device_power_value")), QStringLiteral("37%"));
    EXPECT_EQ(GetValue(Control("device_Power_progress")), 63);
    EXPECT_FALSE(Control("device_Power_progress")->isVisible());
    EXPECT_TRUE(Control("device_wuxian_logo")->isVisible());
    EXPECT_EQ(Control("device_power_status")->property("bkimage").toString(),
              QStringLiteral("file='power/wuxian_powering.png'"));
    EXPECT_TRUE(
        Control("device_power_status")->styleSheet().contains(QStringLiteral("power/wuxian_powering.png")));

    static_cast<IPowerPanel*>(panel)->SetPollPeriodically(0);
    EXPECT_FALSE(Control("device_power_Layout")->isVisible())
        << "devices that do not poll show no power display";
}

TEST_F(PowerPanelTest, AKeyboardLeavesTheWirelessLogoAsItWas) {
    panel->SetKind(1, 0);
    panel->ShowPowerLayout(1);
    Control("device_wuxian_logo")->setVisible(true);
    const uint8_t record[] = {37, 1, 0, 1, 0, 0};
    panel->ShowPowerStatus(record, sizeof record);
    EXPECT_TRUE(Control("device_wuxian_logo")->isVisible());
    EXPECT_FALSE(Control("device_Power_progress")->isVisible());
    EXPECT_EQ(Control("device_power_status")->property("bkimage").toString(),
              QStringLiteral("file='power/wuxian_powering.png'"));
}

TEST_F(PowerPanelTest, AMousePadShowsItsPhone) {
    panel->SetKind(3, 0);
    panel->ShowPowerLayout(1);
    const uint8_t record[] = {60, 0, 0, 0, 0, 2};
    panel->ShowPowerStatus(record, sizeof record);
    EXPECT_EQ(Control("device_phone_type")->toolTip(), QStringLiteral("Phone_type_samsung"));
    EXPECT_EQ(Control("device_phone_type")->property("bkimage").toString(),
              QStringLiteral("file='power/Phone_type_samsung.png'"));
    EXPECT_TRUE(Control("device_phone_type")->isVisible());
}

TEST_F(PowerPanelTest, APressOnThePanelRaisesSelectChanged) {
    struct Receiver : QWidget, INotifyUI {
        QStringList seen;
        void Notify(TNotifyUI& msg) override { seen << msg.type + QLatin1Char(' ') + msg.SenderName(); }
    } receiver;
    root->setParent(&receiver);
    panel->resize(120, 30);
    receiver.show();
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_EQ(receiver.seen, QStringList{QStringLiteral("selectchanged device_power_panel")});
    root->setParent(nullptr);
}

TEST(PowerPanelSkinless, APanelWithoutThePhoneControlShowsNothing) {
    RegisterPowerPanelClasses();
    const QByteArray xml =
        R"(<ui version="4.0"><widget class="MpDevicePower" name="p"><layout class="QHBoxLayout">
        <item><widget class="QLabel" name="device_power_value"><property name="text"><string>old</string></property></widget></item>
        <item><widget class="QLabel" name="device_wuxian_logo"/></item>
        <item><widget class="QProgressBar" name="device_Power_progress"><property name="value"><number>10</number></property></widget></item>
        <item><widget class="QLabel" name="device_power_status"/></item>
        </layout></widget></ui>)";
    std::unique_ptr<QWidget> root(CSkinBuilder::BuildFromData(xml, nullptr));
    auto* panel = qobject_cast<CMpDevicePowerUI*>(root.get());
    ASSERT_NE(panel, nullptr);
    panel->SetKind(2, 0);
    const uint8_t record[] = {37, 1, 0, 1, 0, 0};
    panel->ShowPowerStatus(record, sizeof record);
    EXPECT_EQ(GetText(FindControl(panel, QStringLiteral("device_power_value"))), QStringLiteral("old"));
    EXPECT_EQ(GetValue(FindControl(panel, QStringLiteral("device_Power_progress"))), 10);
    EXPECT_TRUE(FindControl(panel, QStringLiteral("device_power_status"))->property("bkimage").isNull());
}
