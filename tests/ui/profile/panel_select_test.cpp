// Filling the combo from the list and choosing profiles: from code silently, by the user
// with a notification, and always stored in the list file.
#include <QAbstractItemDelegate>
#include <QLineEdit>
#include <QStyleOptionViewItem>

#include "profile_panel_host.h"

namespace {

TEST_F(ProfilePanelTest, InitFillsTheComboAndShowsTheStoredProfile) {
    Prepare({"Game", "Work", "\xE5\x8A\x9E\xE5\x85\xAC"}, 2);  // 办公
    host.heard.clear();
    Bind();

    EXPECT_EQ(ComboTexts(), (QStringList{"Game", "Work", QString::fromUtf8("\xE5\x8A\x9E\xE5\x85\xAC")}));
    for (int i = 0; i < Combo()->count(); ++i)
        EXPECT_EQ(Combo()->itemData(i).toString(), Combo()->itemText(i));
    const QModelIndex first = Combo()->model()->index(0, 0);
    EXPECT_EQ(Combo()->itemDelegate()->sizeHint(QStyleOptionViewItem(), first).height(), 30);

    EXPECT_EQ(panel->GetSelectedIndex(), 2);
    EXPECT_EQ(Combo()->currentIndex(), 2);
    EXPECT_EQ(panel->GetNameEditText(), QString::fromUtf8("\xE5\x8A\x9E\xE5\x85\xAC"));
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[2]));
    EXPECT_EQ(panel->GetSelectedProfilePath(), QString::fromStdString(userFolder_ + ids_[2] + ".Json"));
    EXPECT_TRUE(host.Heard(NotifyType::kItemSelect).empty());
    EXPECT_TRUE(host.Heard(NotifyType::kTextChanged).empty());
}

TEST_F(ProfilePanelTest, FirstStartShowsTheDefaultProfile) {
    Bind();
    EXPECT_EQ(ComboTexts(), QStringList{"profile1"});
    EXPECT_EQ(panel->GetSelectedIndex(), 0);
    EXPECT_EQ(panel->GetNameEditText(), QStringLiteral("profile1"));
    const Json::Value profile = CJsonFile().ReadJsonFile(panel->GetSelectedProfilePath().toStdString());
    EXPECT_EQ(profile["profilename"], "profile1");
    EXPECT_EQ(profile["profileUUID"].asString(), panel->GetSelectedId().toStdString());
    EXPECT_TRUE(profile["Device"][0].isObject()) << "the shipped defaults";
}

TEST_F(ProfilePanelTest, SelectFromCodeIsSilentAndAUserChoiceIsHeard) {
    Prepare({"A", "B", "C"}, 0);
    Bind();
    host.heard.clear();

    panel->Select(1, false);
    EXPECT_EQ(panel->GetSelectedIndex(), 1);
    EXPECT_EQ(panel->GetNameEditText(), QStringLiteral("B"));
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[1]));
    EXPECT_EQ(ListOnDisk()["profileselect"], 1);
    EXPECT_TRUE(host.Heard(NotifyType::kItemSelect).empty());

    // The user picks the next profile with the keyboard: the window hears "itemselect", and
    // the profile the device uses stays as it is until the routing calls Select.
    Combo()->setFocus();
    QTest::keyClick(Combo(), Qt::Key_Down);
    const auto chosen = host.Heard(NotifyType::kItemSelect);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].sender, QStringLiteral("device_profile_combo"));
    EXPECT_EQ(chosen[0].wParam, 2u);
    EXPECT_EQ(panel->GetSelectedIndex(), 2);
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[1]));
    panel->Select(panel->GetSelectedIndex(), false);
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[2]));
    EXPECT_EQ(host.Heard(NotifyType::kItemSelect).size(), 1u);

    // notify = true raises the event only for a change.
    panel->Select(0, true);
    panel->Select(0, true);
    ASSERT_EQ(host.Heard(NotifyType::kItemSelect).size(), 2u);
    EXPECT_EQ(host.Heard(NotifyType::kItemSelect)[1].wParam, 0u);
}

TEST_F(ProfilePanelTest, StoredOrRequestedSelectionOutsideTheListShowsTheFirstProfile) {
    Prepare({"A", "B"}, 1);
    Json::Value list = ListOnDisk();
    list["profileselect"] = 7;
    CJsonFile().WriteJsonFile(userFolder_ + "ProfileList.ini", list);
    Bind();
    EXPECT_EQ(panel->GetSelectedIndex(), 0);
    EXPECT_EQ(panel->GetNameEditText(), QStringLiteral("A"));
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[0]));
    EXPECT_EQ(ListOnDisk()["profileselect"], 0);

    panel->Select(1, false);
    panel->Select(-3, false);
    EXPECT_EQ(panel->GetSelectedIndex(), 0);
    EXPECT_EQ(panel->GetSelectedId(), QString::fromStdString(ids_[0]));
}

}  // namespace
