// Finding controls, option groups and tab binding, items and values.
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include "test_window.h"

TEST(FindControl, ExactNameWinsThenAnyCase) {
    QWidget root;
    auto* upper = new QWidget(&root);
    upper->setObjectName(QStringLiteral("Name"));
    auto* lower = new QWidget(&root);
    lower->setObjectName(QStringLiteral("name"));
    EXPECT_EQ(FindControl(&root, QStringLiteral("name")), lower);
    EXPECT_EQ(FindControl(&root, QStringLiteral("Name")), upper);
    EXPECT_EQ(FindControl(&root, QStringLiteral("NAME")), upper);
    EXPECT_EQ(FindControl(&root, QStringLiteral("other")), nullptr);
    EXPECT_EQ(FindControl(&root, QString()), nullptr);
}

using ControlsTest = ShownWindowTest;

TEST_F(ControlsTest, FindsControlsByClass) {
    const QList<QWidget*> options = FindControlsByClass(&window, QStringLiteral("option"));
    ASSERT_EQ(options.size(), 1);
    EXPECT_EQ(options[0]->objectName(), QStringLiteral("short_option"));
    EXPECT_EQ(FindControlsByClass(&window, QStringLiteral("QSlider")).size(), 1);
}

TEST_F(ControlsTest, DeselectingTheSelectedOptionOfAGroupLeavesNoneSelected) {
    auto* a = Find<QPushButton>("opt_a");
    auto* b = Find<QPushButton>("opt_b");
    SetSelected(a, false);
    EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(b->isChecked());
    SetSelected(b, true);
    EXPECT_TRUE(b->isChecked());
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(a->group()->exclusive()) << "the group stays exclusive";
}

TEST_F(ControlsTest, OptionsSelectedInCodeSwitchTheirTab) {
    auto* tab = Find<QStackedWidget>("tab");
    SetSelected(Find("opt_b"), true);
    EXPECT_EQ(tab->currentIndex(), 1);
    SetSelected(Find("opt_a"), true);
    EXPECT_EQ(tab->currentIndex(), 0);

    auto* button = Find<QPushButton>("short_option");
    BindOptionToTab(button, QStringLiteral("tab"), 1);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(tab->currentIndex(), 1);
}

TEST_F(ControlsTest, OptionGroupsJoinedInCodeAreExclusive) {
    auto* joined = Find<QPushButton>("short_option");
    SetOptionGroup(joined, QStringLiteral("tabs_group"));  // the skin's group, by name
    EXPECT_EQ(joined->group(), Find<QPushButton>("opt_a")->group());
    QTest::mouseClick(joined, Qt::LeftButton);
    EXPECT_TRUE(joined->isChecked());
    EXPECT_FALSE(Find<QPushButton>("opt_a")->isChecked());

    auto* x = new QPushButton(window.Root());
    auto* y = new QPushButton(window.Root());
    x->setCheckable(true);
    SetOptionGroup(x, QStringLiteral("fresh"));
    SetOptionGroup(y, QStringLiteral("fresh"));
    EXPECT_TRUE(y->isCheckable());
    SetSelected(x, true);
    SetSelected(y, true);
    EXPECT_FALSE(x->isChecked());
    SetOptionGroup(y, QString());
    EXPECT_EQ(y->group(), nullptr);
}

TEST_F(ControlsTest, ItemsOfCombosListsAndTabs) {
    auto* combo = Find<QComboBox>("combo");
    auto* list = Find<QListWidget>("list");
    EXPECT_EQ(GetCurSel(list), -1);
    EXPECT_TRUE(SelectItem(list, 2));
    EXPECT_EQ(GetCurSel(list), 2);
    EXPECT_TRUE(SelectItem(list, -1));
    EXPECT_EQ(GetCurSel(list), -1);
    EXPECT_FALSE(SelectItem(combo, 3)) << "out of range";
    EXPECT_FALSE(SelectItem(Find("tab"), 5));
    EXPECT_EQ(AddTextItem(combo, QStringLiteral("three")), 3);
    EXPECT_TRUE(SelectItem(combo, 3));
    EXPECT_EQ(GetText(combo), QStringLiteral("three"));
    RemoveAllItems(list);
    EXPECT_EQ(GetItemCount(list), 0);
    EXPECT_FALSE(ListRemoveAt(list, 0));
}

TEST_F(ControlsTest, ValuesTextsAndUserData) {
    QWidget* slider = Find("slider");
    SetRange(slider, 10, 20);
    SetValue(slider, 99);
    EXPECT_EQ(GetValue(slider), 20) << "clamped to the range";
    SetText(Find("edit"), QStringLiteral("typed"));
    EXPECT_EQ(GetText(Find("edit")), QStringLiteral("typed"));
    SetText(Find("plain_btn"), QStringLiteral("Go"));
    EXPECT_EQ(GetText(Find("plain_btn")), QStringLiteral("Go"));
    SetUserData(Find("plain_btn"), QStringLiteral("http://example.invalid/file"));
    SetTag(Find("plain_btn"), 42);
    EXPECT_EQ(GetUserData(Find("plain_btn")), QStringLiteral("http://example.invalid/file"));
    EXPECT_EQ(GetTag(Find("plain_btn")), 42);
}
