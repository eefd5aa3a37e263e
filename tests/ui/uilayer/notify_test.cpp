// User actions on every standard control kind raise exactly their notification; values set
// from code raise none.
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionSlider>
#include "test_window.h"
#include "ui/control_wiring.h"

namespace {

QPoint RowCentre(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

QPoint HandleCentre(QSlider* slider) {
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.orientation = slider->orientation();
    opt.minimum = slider->minimum();
    opt.maximum = slider->maximum();
    opt.sliderPosition = slider->sliderPosition();
    opt.sliderValue = slider->value();
    opt.singleStep = slider->singleStep();
    opt.pageStep = slider->pageStep();
    opt.subControls = QStyle::SC_All;
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider).center();
}

void MoveWithButton(QWidget* widget, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

using NotifyTest = ShownWindowTest;

TEST_F(NotifyTest, EachUserActionRaisesExactlyItsNotification) {
    struct Case {
        const char* what;
        std::function<void()> act;
        Seen expected;
    };
    const QString click = QStringLiteral("click"), select = QStringLiteral("selectchanged");
    auto* check = Find<QCheckBox>("check_1");
    auto* combo = Find<QComboBox>("combo");
    auto* list = Find<QListWidget>("list");
    const std::vector<Case> cases = {
        {"plain button click",
         [&] { QTest::mouseClick(Find("plain_btn"), Qt::LeftButton); },
         {{click, "plain_btn"}}},
        {"option of a group chosen",
         [&] { QTest::mouseClick(Find("opt_b"), Qt::LeftButton); },
         {{click, "opt_b"}, {select, "opt_b"}}},
        {"selected option clicked again",
         [&] { QTest::mouseClick(Find("opt_b"), Qt::LeftButton); },
         {{click, "opt_b"}}},
        {"check box ticked",
         [&] { QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2)); },
         {{click, "check_1"}, {select, "check_1"}}},
        {"check box unticked by Space",
         [&] {
             check->setFocus();
             QTest::keyClick(check, Qt::Key_Space);
         },
         {{click, "check_1"}, {select, "check_1"}}},
        {"combo: next item by keyboard",
         [&] { QTest::keyClick(combo, Qt::Key_Down); },
         {{"itemselect", "combo"}}},
        {"combo: no next item at the end",
         [&] {
             combo->setCurrentIndex(2);
             QTest::keyClick(combo, Qt::Key_Down);
         },
         {}},
        {"list: click on a row",
         [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 2)); },
         {{"itemselect", "list"}, {"itemclick", "list"}}},
        {"list: click on the current row",
         [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 2)); },
         {{"itemclick", "list"}}},
        {"list: Up key",
         [&] {
             list->setFocus();
             QTest::keyClick(list, Qt::Key_Up);
         },
         {{"itemselect", "list"}}},
        {"list: Return on a row",
         [&] { QTest::keyClick(list, Qt::Key_Return); },
         {{"itemactivate", "list"}, {"return", "list"}}},
        {"edit: focus by click",
         [&] { QTest::mouseClick(Find("edit"), Qt::LeftButton); },
         {{"setfocus", "edit"}}},
        {"edit: typing",
         [&] { QTest::keyClicks(Find("edit"), QStringLiteral("ab")); },
         {{"textchanged", "edit"}, {"textchanged", "edit"}}},
        {"edit: Return", [&] { QTest::keyClick(Find("edit"), Qt::Key_Return); }, {{"return", "edit"}}},
        {"edit: focus moves on",
         [&] { QTest::mouseClick(Find("other_edit"), Qt::LeftButton); },
         {{"killfocus", "edit"}, {"setfocus", "other_edit"}}},
        {"slider: keyboard step",
         [&] {
             Find("slider")->setFocus();
             QTest::keyClick(Find("slider"), Qt::Key_Right);
         },
         {{"killfocus", "other_edit"}, {"valuechanged", "slider"}}},
        {"slider: keyboard at the end",
         [&] {
             SetValue(Find("slider"), 100);
             QTest::keyClick(Find("slider"), Qt::Key_Right);
         },
         {}},
    };
    for (const Case& c : cases) {
        window.notes.clear();
        c.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(window.Seen(), c.expected) << c.what;
    }
}

TEST_F(NotifyTest, NotificationsCarryTheNewStateAndIndex) {
    QTest::mouseClick(Find("opt_b"), Qt::LeftButton);
    ASSERT_EQ(window.notes.size(), 2u);
    EXPECT_EQ(window.notes[1].wParam, 1u);
    EXPECT_EQ(Find<QStackedWidget>("tab")->currentIndex(), 1) << "the option is bound to page 1";
    EXPECT_FALSE(IsSelected(Find("opt_a"))) << "exclusive group";

    window.notes.clear();
    QTest::keyClick(Find("combo"), Qt::Key_Down);
    ASSERT_EQ(window.notes.size(), 1u);
    EXPECT_EQ(window.notes[0].wParam, 1u);
    EXPECT_EQ(window.notes[0].lParam, 0);

    auto* list = Find<QListWidget>("list");
    window.notes.clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
    ASSERT_EQ(window.notes.size(), 2u);
    EXPECT_EQ(window.notes[0].wParam, 1u);
    EXPECT_EQ(window.notes[0].lParam, -1) << "no row was current before";
    EXPECT_EQ(window.notes[1].wParam, 1u);
}

TEST_F(NotifyTest, SliderDragReportsMovesThenTheReleasedValue) {
    auto* slider = Find<QSlider>("slider");
    const QPoint start = HandleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    for (int dx : {30, 60, 90}) MoveWithButton(slider, start + QPoint(dx, 0));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, start + QPoint(90, 0));
    QCoreApplication::processEvents();

    ASSERT_GE(window.notes.size(), 2u);
    const SeenNotify& last = window.notes.back();
    EXPECT_EQ(last.type, QStringLiteral("valuechanged"));
    EXPECT_GT(slider->value(), 0);
    EXPECT_EQ(static_cast<int>(last.wParam), slider->value());
    int moves = 0;
    for (size_t i = 0; i + 1 < window.notes.size(); ++i) {
        const SeenNotify& n = window.notes[i];
        EXPECT_EQ(n.type, QStringLiteral("movevaluechanged"));
        EXPECT_EQ(static_cast<int>(n.wParam), n.valueAtNotify) << "the slider holds the value it reports";
        ++moves;
    }
    EXPECT_EQ(moves, 3);
}

TEST_F(NotifyTest, ValueIsInPlaceWhenTheHandlerReadsIt) {
    auto* slider = Find<QSlider>("slider");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    ASSERT_EQ(window.notes.size(), 1u);
    EXPECT_EQ(window.notes[0].valueAtNotify, slider->value());
    EXPECT_EQ(static_cast<int>(window.notes[0].wParam), slider->value());
}

TEST_F(NotifyTest, ValuesSetFromCodeRaiseNothing) {
    auto* list = Find<QListWidget>("list");
    const std::vector<std::pair<const char*, std::function<void()>>> setters = {
        {"SetSelected option", [&] { SetSelected(Find("opt_b"), true); }},
        {"SetSelected check", [&] { SetSelected(Find("check_1"), true); }},
        {"SelectItem combo", [&] { SelectItem(Find("combo"), 2); }},
        {"SelectItem list", [&] { SelectItem(list, 1); }},
        {"SelectItem tab", [&] { SelectItem(Find("tab"), 1); }},
        {"SetValue slider", [&] { SetValue(Find("slider"), 40); }},
        {"SetValue progress", [&] { SetValue(Find("progress"), 40); }},
        {"SetText edit", [&] { SetText(Find("edit"), QStringLiteral("x")); }},
        {"Qt setChecked", [&] { Find<QCheckBox>("check_1")->setChecked(false); }},
        {"Qt click option group change", [&] { Find<QPushButton>("opt_a")->setChecked(true); }},
        {"Qt setCurrentIndex", [&] { Find<QComboBox>("combo")->setCurrentIndex(0); }},
        {"Qt setCurrentRow", [&] { list->setCurrentRow(2); }},
        {"Qt setValue", [&] { Find<QSlider>("slider")->setValue(70); }},
        {"Qt setText", [&] { Find<QLineEdit>("edit")->setText(QStringLiteral("y")); }},
        {"AddTextItem", [&] { AddTextItem(list, QStringLiteral("new row")); }},
        {"RemoveAllItems", [&] { RemoveAllItems(Find("combo")); }},
    };
    for (const auto& [what, set] : setters) {
        window.notes.clear();
        set();
        QTest::qWait(5);
        EXPECT_TRUE(window.notes.empty()) << what << " raised " << window.notes.front().type.toStdString();
    }
    // A code change must not make a later user action that changes nothing look like one.
    auto* combo = Find<QComboBox>("combo");
    AddTextItem(combo, QStringLiteral("a"));
    AddTextItem(combo, QStringLiteral("b"));
    combo->setCurrentIndex(1);
    window.notes.clear();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_TRUE(window.notes.empty());
}

TEST_F(NotifyTest, SettersCanNotifyOnRequest) {
    SetSelected(Find("check_1"), true, true);
    SetSelected(Find("check_1"), true, true);  // no change: nothing
    SelectItem(Find("combo"), 2, true);
    EXPECT_EQ(window.Seen(), (Seen{{"selectchanged", "check_1"}, {"itemselect", "combo"}}));
    EXPECT_EQ(window.notes[1].wParam, 2u);
}

TEST_F(NotifyTest, ListRowsBuiltFromASkinAreTheSender) {
    auto* list = Find<QListWidget>("list");
    RemoveAllItems(list);
    QWidget* first = ListAddRowFromSkin(list, QStringLiteral("XML_ROW"));
    QWidget* second = ListAddRowFromSkin(list, QStringLiteral("XML\\test\\row.xml"));
    ASSERT_TRUE(first && second);
    first->setObjectName(QStringLiteral("first_row"));
    QCoreApplication::processEvents();
    EXPECT_EQ(ListRowWidget(list, 1), second);
    QListWidget* owner = nullptr;
    EXPECT_EQ(ListRowIndexOf(FindControl(second, QStringLiteral("row_label")), &owner), 1);
    EXPECT_EQ(owner, list);

    window.notes.clear();
    QWidget* label = FindControl(second, QStringLiteral("row_label"));
    // What the window system delivers for a double click: press, release, double click, release.
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, 3));
    Seen activations;
    for (const auto& seen : window.Seen())
        if (seen.first == QLatin1String("itemactivate")) activations.push_back(seen);
    EXPECT_EQ(activations, (Seen{{"itemactivate", "macro_action"}}))
        << ::testing::PrintToString(window.Seen());

    window.notes.clear();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, RowCentre(list, 0),
                           list->viewport()->mapToGlobal(RowCentre(list, 0)));
    QApplication::sendEvent(list->viewport(), &menu);
    EXPECT_EQ(window.Seen(), (Seen{{"menu", "first_row"}}));
}

TEST_F(NotifyTest, NotificationsFromControlsOfASubtreeReachTheWindow) {
    QTest::mouseClick(Find("panel_btn"), Qt::LeftButton);
    EXPECT_EQ(window.Seen(), (Seen{{"click", "panel_btn"}}));
}

TEST(NotifyTarget, ControlsOutsideAnyReceiverNotifyNobody) {
    QWidget lonely;
    auto* button = new QPushButton(&lonely);
    WireControls(&lonely);
    EXPECT_FALSE(SendNotify(button, QStringLiteral("click")));
    QTest::mouseClick(button, Qt::LeftButton);  // must not crash
}
