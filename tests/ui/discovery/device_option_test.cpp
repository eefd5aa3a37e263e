// The device-bar entry built from its skin: images and tool tip per kind, the synchro
// option; and the scheduler the window hands its devices.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QTest>
#include <memory>
#include "ui/controls.h"
#include "ui/language_table.h"
#include "ui/skin_builder.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/gated_schedule.h"

namespace {

class DeviceOptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterDeviceOptionClass();
        root.reset(CSkinBuilder::Build(QStringLiteral("XML\\CustomControlXML\\DeviceOption.xml"), nullptr));
        entry = qobject_cast<CDeviceOptionUI*>(root.get());
        ASSERT_NE(entry, nullptr) << CSkinBuilder::LastError().toStdString();
    }

    std::unique_ptr<QWidget> root;
    CDeviceOptionUI* entry = nullptr;
};

}  // namespace

TEST_F(DeviceOptionTest, ImagesAndToolTipFollowTheKind) {
    EXPECT_EQ(entry->NormalImage(), QStringLiteral("common/device_ico/unknow_device_normal.png"));
    struct Case {
        int kind, subKind;
        const char* set;
    };
    const Case cases[] = {{2, 0, "ms"}, {1, 0, "kb"}, {3, 1, "soft_mp"}, {7, 0, "hd"}};
    for (const Case& c : cases) {
        entry->SetKind(c.kind, c.subKind);
        const QString set = QLatin1String(c.set);
        EXPECT_EQ(entry->NormalImage(), QStringLiteral("common/device_ico/%1_device_normal.png").arg(set));
        EXPECT_EQ(entry->SelectedImage(),
                  QStringLiteral("common/device_ico/%1_device_selected.png").arg(set));
        EXPECT_EQ(entry->SynchroSelectedImage(),
                  QStringLiteral("common/device_ico/%1_device_synchro_selected.png").arg(set));
        EXPECT_EQ(entry->SelectOption()->property("toolTipId").toString(),
                  set + QStringLiteral("_device_name_text"));
        EXPECT_TRUE(
            entry->SelectOption()->styleSheet().contains(QStringLiteral("%1_device_normal.png").arg(set)));
        EXPECT_EQ(entry->Kind(), c.kind);
    }
    entry->SetKind(3, 5);  // a mouse pad of no known sub-kind changes nothing
    EXPECT_EQ(entry->Kind(), 7);
    EXPECT_EQ(entry->NormalImage(), QStringLiteral("common/device_ico/hd_device_normal.png"));
}

TEST_F(DeviceOptionTest, TheSynchroMarkSwitchesTheImagePair) {
    entry->SetKind(2, 0);
    entry->ShowSynchroOption(true);
    entry->SetSynchro(true);
    EXPECT_TRUE(entry->IsSynchro());
    EXPECT_TRUE(entry->SelectOption()->styleSheet().contains(QStringLiteral("ms_device_synchro_normal.png")));
    entry->SetSynchro(false);
    EXPECT_FALSE(entry->SelectOption()->styleSheet().contains(QStringLiteral("synchro")));
}

TEST_F(DeviceOptionTest, NameGroupPageAndPowerBindings) {
    entry->SetName(QStringLiteral("mouse3389"));
    EXPECT_EQ(GetText(FindControl(entry, QStringLiteral("device_select_name"))), QStringLiteral("mouse3389"));
    EXPECT_EQ(entry->PageIndex(), -1);
    entry->BindPage(QStringLiteral("device_switch"), 3);
    EXPECT_EQ(entry->PageIndex(), 3);
    EXPECT_EQ(entry->PageContainer(), QStringLiteral("device_switch"));
    entry->SetPowerPanel(QStringLiteral("device_power_switch"), 2);
    entry->SetPowerPanel(QStringLiteral("device_power_switch"), -1);
    EXPECT_EQ(entry->PowerIndex(), 2) << "a negative index keeps the stored one";
    entry->Show(false);
    EXPECT_FALSE(entry->IsShown());
}

// The window's scheduler for its devices: a task runs once after its delay, and a closed
// gate (the system sleeps) holds it until the gate opens.
TEST(GatedSchedule, RunsOnceAndWaitsForAnOpenGate) {
    QObject context;
    bool awake = false;
    int runs = 0;
    RunGatedLater(
        &context, 10, [&awake] { return awake; }, [&runs] { ++runs; });
    QTest::qWait(80);
    EXPECT_EQ(runs, 0) << "asleep: held back";
    awake = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs == 1; }, 1000));
    QTest::qWait(40);
    EXPECT_EQ(runs, 1);

    auto gone = std::make_unique<QObject>();
    RunGatedLater(gone.get(), 10, {}, [&runs] { ++runs; });
    gone.reset();
    QTest::qWait(40);
    EXPECT_EQ(runs, 1) << "nothing runs once the window is gone";
}
