// The list rows of the skins: the row built from its own skin file and the row with the
// hover frame, in a list of a window that records notifications.
#include <gtest/gtest.h>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "panels/customcontrols/cloud_share_list_item_ui.h"
#include "panels/customcontrols/combo_edit_element_ui.h"
#include "panels/customcontrols/custom_controls_registration.h"
#include "ui/control_factory.h"
#include "ui/control_timers.h"
#include "ui/control_wiring.h"
#include "ui/controls.h"
#include "ui/skin_builder.h"
#include "ui/ui_types.h"

namespace {

struct Seen {
    QString type;
    QWidget* sender;
    WPARAM wParam;
    LPARAM lParam;
};

class Receiver : public QWidget, public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override { seen.push_back({msg.type, msg.sender, msg.wParam, msg.lParam}); }
    std::vector<Seen> Of(const char* type) const {
        std::vector<Seen> out;
        for (const Seen& s : seen)
            if (s.type == QLatin1String(type)) out.push_back(s);
        return out;
    }
    std::vector<QString> Types() const {
        std::vector<QString> out;
        for (const Seen& s : seen) out.push_back(s.type);
        return out;
    }
    std::vector<Seen> seen;
};

// Counts the button presses that reach a widget.
class PressCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) ++presses;
        return false;
    }
    int presses = 0;
};

void Enter(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w, &enter);
}
void Leave(QWidget* w) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w, &leave);
}

// A window with a list of three rows of type T, each 200 x 30.
template <class T>
class ListRowTest : public ::testing::Test {
protected:
    void SetUp() override {
        receiver = std::make_unique<Receiver>();
        receiver->resize(260, 160);
        list = new QListWidget(receiver.get());
        list->setObjectName(QStringLiteral("row_list"));
        list->setGeometry(0, 0, 240, 140);
        for (int i = 0; i < 3; ++i) {
            auto* row = new T;
            row->setObjectName(QStringLiteral("row_%1").arg(i));
            row->setMinimumSize(200, 30);
            ListAddRow(list, row);
            rows.push_back(row);
        }
        receiver->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(receiver.get()));
        receiver->seen.clear();
    }

    std::unique_ptr<Receiver> receiver;
    QListWidget* list = nullptr;
    std::vector<T*> rows;
};

using ComboEditRowTest = ListRowTest<CComboEditContainerElementUI>;
using CloudShareRowTest = ListRowTest<CCloudShareListItemUI>;

const QPoint kInRow(20, 15);

}  // namespace

TEST_F(ComboEditRowTest, ContentComesFromItsSkinFile) {
    CComboEditContainerElementUI* row = rows[1];
    ASSERT_NE(row->Text1(), nullptr) << CSkinBuilder::LastError().toStdString();
    ASSERT_NE(row->Text2(), nullptr);
    ASSERT_NE(row->DelayEdit(), nullptr);
    EXPECT_TRUE(row->isAncestorOf(row->Text1()));
    EXPECT_TRUE(row->isAncestorOf(row->DelayEdit()));
    row->Text1()->setText(QStringLiteral("Left Ctrl"));
    row->Text2()->setText(QStringLiteral("Press"));
    EXPECT_EQ(FindControl<QLabel>(list, QStringLiteral("text1"))->text(), QString())
        << "each row holds its own children";
    EXPECT_EQ(GetText(FindControl(row, QStringLiteral("text1"))), QStringLiteral("Left Ctrl"));
    EXPECT_EQ(GetText(FindControl(row, QStringLiteral("text2"))), QStringLiteral("Press"));
}

TEST_F(ComboEditRowTest, ClickSelectsTheRowAndRaisesItemClickOnRelease) {
    QTest::mousePress(rows[2], Qt::LeftButton, Qt::NoModifier, kInRow);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(rows[2]->IsSelected());
    ASSERT_EQ(receiver->Of(NotifyType::kItemSelect).size(), 1u);
    EXPECT_EQ(receiver->Of(NotifyType::kItemSelect)[0].sender, list);
    EXPECT_EQ(receiver->Of(NotifyType::kItemSelect)[0].wParam, 2u);
    EXPECT_TRUE(receiver->Of(NotifyType::kItemClick).empty()) << "itemclick waits for the release";

    QTest::mouseRelease(rows[2], Qt::LeftButton, Qt::NoModifier, kInRow);
    const auto clicks = receiver->Of(NotifyType::kItemClick);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].sender, rows[2]);
    EXPECT_EQ(clicks[0].wParam, 2u);

    // Pressing the selected row again selects nothing new.
    receiver->seen.clear();
    QTest::mouseClick(rows[2], Qt::LeftButton, Qt::NoModifier, kInRow);
    EXPECT_TRUE(receiver->Of(NotifyType::kItemSelect).empty());
    EXPECT_EQ(receiver->Of(NotifyType::kItemClick).size(), 1u);
}

TEST_F(ComboEditRowTest, CtrlPressTogglesTheSelection) {
    QTest::mouseClick(rows[0], Qt::LeftButton, Qt::NoModifier, kInRow);
    ASSERT_TRUE(rows[0]->IsSelected());
    QTest::mouseClick(rows[0], Qt::LeftButton, Qt::ControlModifier, kInRow);
    EXPECT_FALSE(rows[0]->IsSelected());
    QTest::mouseClick(rows[0], Qt::LeftButton, Qt::ControlModifier, kInRow);
    EXPECT_TRUE(rows[0]->IsSelected());
}

TEST_F(ComboEditRowTest, DoubleClickActivatesAndReturnActivatesThenRaisesReturn) {
    QTest::mouseDClick(rows[1], Qt::LeftButton, Qt::NoModifier, kInRow);
    auto activations = receiver->Of(NotifyType::kItemActivate);
    ASSERT_EQ(activations.size(), 1u);
    EXPECT_EQ(activations[0].sender, rows[1]);
    EXPECT_EQ(activations[0].wParam, 1u);

    receiver->seen.clear();
    QTest::keyClick(rows[1], Qt::Key_Return);
    EXPECT_EQ(receiver->Types(), (std::vector<QString>{QLatin1String(NotifyType::kItemActivate),
                                                       QLatin1String(NotifyType::kReturn)}));
    EXPECT_EQ(receiver->Of(NotifyType::kReturn)[0].sender, rows[1]);
    EXPECT_EQ(receiver->Of(NotifyType::kReturn)[0].wParam, 1u);
}

TEST_F(ComboEditRowTest, ADisabledRowRaisesNothing) {
    rows[1]->setEnabled(false);
    QTest::mouseClick(rows[1], Qt::LeftButton, Qt::NoModifier, kInRow);
    QTest::mouseDClick(rows[1], Qt::LeftButton, Qt::NoModifier, kInRow);
    QTest::keyClick(rows[1], Qt::Key_Return);
    EXPECT_TRUE(receiver->seen.empty());
    EXPECT_FALSE(rows[1]->IsSelected());
}

TEST_F(ComboEditRowTest, WithMouseInputDisabledTheListGetsThePointer) {
    PressCounter counter;
    list->viewport()->installEventFilter(&counter);
    rows[1]->SetMouseEnabled(false);
    const QPoint inList = rows[1]->mapTo(list->viewport(), kInRow);
    // Pointer events are delivered where the pointer is: with the row transparent, that
    // is the list's viewport beneath it.
    QWidget* target = list->viewport()->childAt(inList);
    EXPECT_NE(target, rows[1]);
    EXPECT_FALSE(rows[1]->isAncestorOf(target));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, inList);
    EXPECT_EQ(counter.presses, 1);
    EXPECT_EQ(list->currentRow(), 1) << "the list selects the row under the pointer itself";

    rows[1]->SetMouseEnabled(true);
    QWidget* again = list->viewport()->childAt(inList);
    EXPECT_TRUE(again == rows[1] || rows[1]->isAncestorOf(again))
        << "enabled again, the row takes the pointer";
}

TEST_F(ComboEditRowTest, RightClickRaisesMenuOnlyWithTheMenuEnabled) {
    const QPoint global = rows[0]->mapToGlobal(kInRow);
    QContextMenuEvent off(QContextMenuEvent::Mouse, kInRow, global);
    QApplication::sendEvent(rows[0], &off);
    EXPECT_TRUE(receiver->Of(NotifyType::kMenu).empty());

    // The skin's "menu" attribute, and the generic wiring on top: still one notification.
    ASSERT_TRUE(rows[0]->setProperty("menu", true));
    WireControls(rows[0]);
    QContextMenuEvent on(QContextMenuEvent::Mouse, kInRow, global);
    QApplication::sendEvent(rows[0], &on);
    const auto menus = receiver->Of(NotifyType::kMenu);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].sender, rows[0]);
    EXPECT_EQ(menus[0].wParam, static_cast<WPARAM>(global.x()));
    EXPECT_EQ(menus[0].lParam, global.y());
}

TEST_F(ComboEditRowTest, ItsTimersRaiseTimer) {
    ASSERT_TRUE(SetTimer(rows[2], 7, 1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !receiver->Of(NotifyType::kTimer).empty(); }, 1000));
    KillTimer(rows[2], 7);
    const auto timers = receiver->Of(NotifyType::kTimer);
    ASSERT_FALSE(timers.empty());
    EXPECT_EQ(timers[0].sender, rows[2]);
    EXPECT_EQ(timers[0].wParam, 7u);
}

TEST_F(ComboEditRowTest, HotStateFollowsThePointerAndImagesAreIgnored) {
    const QImage before = rows[0]->grab().toImage();
    for (const char* attribute : {"normalimage", "hotimage", "selectedimage"})
        EXPECT_TRUE(rows[0]->setProperty(attribute, QStringLiteral("common/background.png"))) << attribute;
    EXPECT_EQ(rows[0]->grab().toImage(), before) << "the images are accepted and not painted";
    Enter(rows[0]);
    EXPECT_TRUE(rows[0]->IsHot());
    Leave(rows[0]);
    EXPECT_FALSE(rows[0]->IsHot());
}

TEST_F(CloudShareRowTest, ActivationAndMenuAreItsOnlyNotifications) {
    QTest::mouseDClick(rows[2], Qt::LeftButton, Qt::NoModifier, kInRow);
    QTest::keyClick(rows[2], Qt::Key_Return);
    rows[2]->SetContextMenuEnabled(true);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, kInRow, rows[2]->mapToGlobal(kInRow));
    QApplication::sendEvent(rows[2], &menu);
    std::vector<QString> ownTypes;
    for (const Seen& s : receiver->seen)
        if (s.sender == rows[2]) ownTypes.push_back(s.type);
    EXPECT_EQ(ownTypes, (std::vector<QString>{QLatin1String(NotifyType::kItemActivate),
                                              QLatin1String(NotifyType::kItemActivate),
                                              QLatin1String(NotifyType::kMenu)}));
    EXPECT_EQ(receiver->Of(NotifyType::kItemActivate)[0].wParam, 2u);
}

TEST_F(CloudShareRowTest, HoverFrameIsDrawnOnlyWhileHotAndNotSelected) {
    const QColor frame(0x22, 0xa7, 0xff);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Highlight, frame);
    list->setPalette(palette);
    CCloudShareListItemUI* row = rows[1];
    const auto edgePixels = [row] {
        const QImage image = row->grab().toImage();
        return std::vector<QColor>{image.pixelColor(0, 0), image.pixelColor(image.width() - 1, 0),
                                   image.pixelColor(0, image.height() - 1),
                                   image.pixelColor(image.width() / 2, image.height() - 1)};
    };
    const auto middle = [row] {
        const QImage image = row->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    };

    for (const QColor& c : edgePixels()) EXPECT_NE(c, frame) << "no frame while the pointer is away";
    Enter(row);
    for (const QColor& c : edgePixels()) EXPECT_EQ(c, frame) << "a frame while the pointer is over it";
    EXPECT_NE(middle(), frame) << "the frame is one pixel, not a fill";

    QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, kInRow);
    ASSERT_TRUE(row->IsSelected());
    Enter(row);
    for (const QColor& c : edgePixels()) EXPECT_NE(c, frame) << "a selected row has no hover frame";

    Leave(row);
    EXPECT_FALSE(row->IsHot());
}

TEST(ListRowRegistration, SkinsNameBothRowClasses) {
    RegisterCustomControls();
    QWidget parent;
    const QByteArray skin = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>QWidget</class>
 <widget class="QWidget" name="root">
  <layout class="QVBoxLayout" name="root_layout">
   <item><widget class="ComboEditContainerElement" name="combo_row"/></item>
   <item><widget class="CloudShareListItemUI" name="share_row"/></item>
  </layout>
 </widget>
</ui>)";
    QWidget* root = CSkinBuilder::BuildFromData(skin, &parent);
    ASSERT_NE(root, nullptr) << CSkinBuilder::LastError().toStdString();
    auto* combo = qobject_cast<CComboEditContainerElementUI*>(FindControl(root, QStringLiteral("combo_row")));
    ASSERT_NE(combo, nullptr);
    EXPECT_NE(combo->DelayEdit(), nullptr);
    EXPECT_NE(qobject_cast<CCloudShareListItemUI*>(FindControl(root, QStringLiteral("share_row"))), nullptr);
    for (const char* name : {"CComboEditContainerElementUI", "CCloudShareListItemUI"})
        EXPECT_TRUE(CControlFactory::Instance().IsKnown(QLatin1String(name))) << name;
}

TEST(ListRowOutsideAList, KeepsItsOwnSelection) {
    Receiver receiver;
    auto* row = new CComboEditContainerElementUI(&receiver);
    row->setGeometry(0, 0, 200, 30);
    receiver.show();
    QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, kInRow);
    EXPECT_TRUE(row->IsSelected());
    EXPECT_EQ(row->Index(), -1);
    ASSERT_EQ(receiver.Of(NotifyType::kItemClick).size(), 1u);
    EXPECT_EQ(static_cast<LPARAM>(receiver.Of(NotifyType::kItemClick)[0].wParam), -1);
    QTest::mouseClick(row, Qt::LeftButton, Qt::ControlModifier, kInRow);
    EXPECT_FALSE(row->IsSelected());
}
