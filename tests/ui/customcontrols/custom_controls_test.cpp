// The program's own skin controls: the rubber-band selection of key buttons, the double
// click of a key button, the image buttons' hover notifications and draggable image part,
// and the image descriptions they read.
#include <gtest/gtest.h>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "panels/customcontrols/device_key_button_ui.h"
#include "panels/customcontrols/hand_img_button_ui.h"
#include "panels/customcontrols/image_description.h"
#include "panels/customcontrols/image_part.h"
#include "panels/customcontrols/select_panel_ui.h"
#include "ui/ui_types.h"

namespace {

using controls::Edges;

// A window that records the notifications of the controls inside it.
class Receiver : public QWidget, public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override {
        seen.push_back({msg.type, msg.sender ? msg.sender->objectName() : QString()});
    }
    int Count(const QString& type) const {
        return static_cast<int>(
            std::count_if(seen.begin(), seen.end(), [&](const auto& s) { return s.first == type; }));
    }
    std::vector<std::pair<QString, QString>> seen;  // type, sender name
};

// A panel of 200 x 120 with four key buttons in a row of 40 x 30 at x = 10, 60, 110, 160, y = 40.
class SelectPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        receiver = std::make_unique<Receiver>();
        receiver->resize(240, 160);
        panel = new CSelectPanelUI(receiver.get());
        panel->setObjectName(QStringLiteral("mouse_device_key_light"));
        panel->setGeometry(0, 0, 200, 120);
        // The last button sits in a row of its own inside the panel, as the page's LEDs do.
        auto* row = new QWidget(panel);
        row->setGeometry(150, 30, 50, 50);
        for (int i = 0; i < 4; ++i) {
            auto* button = new CDeviceKeyButtonUI(i < 3 ? panel : row);
            button->setObjectName(QStringLiteral("key_%1").arg(i));
            if (i < 3) {
                button->setGeometry(10 + 50 * i, 40, 40, 30);
            } else {
                button->setGeometry(10, 10, 40, 30);
            }
            buttons.push_back(button);
        }
        receiver->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(receiver.get()));
    }

    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(panel, (from + to) / 2);
        QTest::mouseMove(panel, to);
        QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, to);
    }
    std::vector<bool> Selected() const {
        std::vector<bool> out;
        for (auto* button : buttons) out.push_back(button->IsBandSelected());
        return out;
    }

    std::unique_ptr<Receiver> receiver;
    CSelectPanelUI* panel = nullptr;
    std::vector<CDeviceKeyButtonUI*> buttons;
};

TEST_F(SelectPanelTest, TheBandSelectsTheButtonsItMeets) {
    struct Case {
        const char* what;
        QPoint from, to;
        std::vector<bool> selected;
    };
    const Case cases[] = {
        {"over the middle two", {55, 5}, {150, 110}, {false, true, true, false}},
        {"dragged backwards", {150, 110}, {55, 5}, {false, true, true, false}},
        {"touching one edge", {5, 5}, {10, 100}, {true, false, false, false}},
        {"over no button", {5, 80}, {195, 115}, {false, false, false, false}},
        {"over the nested one only", {155, 5}, {198, 45}, {false, false, false, true}},
    };
    int ends = 0;
    for (const Case& c : cases) {
        Drag(c.from, c.to);
        EXPECT_EQ(Selected(), c.selected) << c.what;
        EXPECT_EQ(receiver->Count(QStringLiteral("click_select_end")), ++ends) << c.what;
        EXPECT_EQ(receiver->seen.back().second, QStringLiteral("mouse_device_key_light"));
    }
}

TEST_F(SelectPanelTest, APressWithoutAMoveSelectsNothing) {
    Drag({55, 5}, {150, 110});
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(receiver->Count(QStringLiteral("click_select_end")), 1);
    EXPECT_EQ(Selected(), (std::vector<bool>{false, true, true, false}));  // the last band stays
}

TEST_F(SelectPanelTest, ADoubleClickOnAnEnabledKeyButtonIsReported) {
    // The second press of a double click arrives as the double click, then the release.
    QTest::mouseDClick(buttons[2], Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    EXPECT_TRUE(buttons[2]->isDown());
    QTest::mouseRelease(buttons[2], Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    EXPECT_EQ(receiver->Count(QStringLiteral("dbclick")), 1);
    auto it = std::find_if(receiver->seen.begin(), receiver->seen.end(),
                           [](const auto& s) { return s.first == QStringLiteral("dbclick"); });
    ASSERT_NE(it, receiver->seen.end());
    EXPECT_EQ(it->second, QStringLiteral("key_2"));
    EXPECT_FALSE(buttons[2]->isDown());  // released afterwards

    buttons[1]->setEnabled(false);
    QTest::mouseDClick(buttons[1], Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    EXPECT_EQ(receiver->Count(QStringLiteral("dbclick")), 1);
}

TEST_F(SelectPanelTest, KeySetImageRepaintsOnlyWhenItsFlagChanges) {
    CDeviceKeyButtonUI* button = buttons[0];
    EXPECT_TRUE(button->KeysetHidden());
    button->SetLight(0xFFFFFF, 255, true);
    EXPECT_EQ(button->LightColour(), 0xFFFFFFu);
    EXPECT_EQ(button->LightLevel(), 255);
    EXPECT_TRUE(button->LightOn());
    // The page sets them through properties too.
    button->setProperty("lightLevel", 17);
    EXPECT_EQ(button->LightLevel(), 17);
    button->SetKeysetHidden(false);
    EXPECT_FALSE(button->KeysetHidden());
}

// ---- the image buttons ----

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        imagePath = dir.filePath(QStringLiteral("big.png"));
        QImage image(300, 200, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(imagePath));
        receiver = std::make_unique<Receiver>();
        receiver->resize(200, 100);
    }
    static void Enter(QWidget* w) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(w, &enter);
    }
    static void Leave(QWidget* w) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
    }

    QTemporaryDir dir;
    QString imagePath;
    std::unique_ptr<Receiver> receiver;
};

TEST_F(ImageButtonTest, HoverIsReportedWhileEnabled) {
    auto* plain = new CHandImgButtonUI(receiver.get());
    auto* select = new CHandImgSelectButtonUI(receiver.get());
    for (QWidget* button : std::initializer_list<QWidget*>{plain, select}) {
        receiver->seen.clear();
        Enter(button);
        Leave(button);
        EXPECT_EQ(receiver->Count(QStringLiteral("msenter")), 1);
        EXPECT_EQ(receiver->Count(QStringLiteral("msleave")), 1);
        button->setEnabled(false);
        Enter(button);
        Leave(button);
        EXPECT_EQ(receiver->seen.size(), 2u);
    }
}

TEST_F(ImageButtonTest, DraggingMovesTheVisiblePartWithinTheImage) {
    auto* button = new CHandImgSelectButtonUI(receiver.get());
    button->setGeometry(0, 0, 100, 80);
    receiver->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(receiver.get()));
    button->setProperty("handimage", imagePath);
    EXPECT_EQ(button->VisiblePart(), (Edges{0, 0, 100, 80}));
    EXPECT_EQ(button->PaintedDescription(), QStringLiteral("file='%1' source='0,0,100,80'").arg(imagePath));

    // The image follows the pointer: 30 to the left and 20 up shows more of its right and bottom.
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 50));
    QTest::mouseMove(button, QPoint(30, 30));
    EXPECT_EQ(button->VisiblePart(), (Edges{30, 20, 130, 100}));
    // Far to the right: the part stops at the image's left edge and keeps its size.
    QTest::mouseMove(button, QPoint(95, 75));
    QTest::mouseMove(button, QPoint(99, 79));
    EXPECT_EQ(button->VisiblePart(), (Edges{0, 0, 100, 80}));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(99, 79));
    // Released: moving no longer drags.
    QTest::mouseMove(button, QPoint(10, 10));
    EXPECT_EQ(button->VisiblePart(), (Edges{0, 0, 100, 80}));
    EXPECT_EQ(button->PaintedDescription(), QStringLiteral("file='%1' source='0,0,100,80'").arg(imagePath));
}

TEST(ImagePart, StaysInsideTheImageAndKeepsItsSize) {
    struct Case {
        const char* what;
        int dx, dy;
        Edges expected;
    };
    const Case cases[] = {
        {"far right and down", 500, 500, {0, 0, 100, 80}},
        {"far left and up", -500, -500, {200, 120, 300, 200}},
        {"a little left", -15, 0, {15, 0, 115, 80}},
    };
    for (const Case& c : cases) {
        controls::CImagePart part;
        part.Reset(300, 200, 100, 80);
        part.Drag(c.dx, c.dy);
        EXPECT_EQ(part.Part(), c.expected) << c.what;
    }
    controls::CImagePart small;
    small.Reset(50, 40, 100, 80);
    small.Drag(-30, -30);
    EXPECT_FALSE(small.IsPartial());
    EXPECT_EQ(small.Part(), (Edges{0, 0, 50, 40}));
}

TEST(ImageDescription, ReadsPlainNamesAndKeyedDescriptions) {
    using controls::ParseImageDescription;
    EXPECT_EQ(ParseImageDescription("Control/light_glow.png").file, "Control/light_glow.png");
    const auto keyed =
        ParseImageDescription("file='a b.png' source='1,2,30,40' dest='0,0,8,8' fade='300' xtiled='true'");
    EXPECT_EQ(keyed.file, "a b.png");
    EXPECT_EQ(keyed.source, (Edges{1, 2, 30, 40}));
    EXPECT_EQ(keyed.dest, (Edges{0, 0, 8, 8}));
    EXPECT_EQ(keyed.fade, 255);
    EXPECT_TRUE(keyed.xtiled);
    const auto broken = ParseImageDescription("res=\"x.png\" source='1,2,3' corner='4,4,4,4' unknown='7'");
    EXPECT_EQ(broken.file, "x.png");
    EXPECT_FALSE(broken.source.has_value());
    EXPECT_EQ(broken.corner, (Edges{4, 4, 4, 4}));
    EXPECT_EQ(controls::ComposeSourceDescription("g.png", {1, 2, 3, 4}), "file='g.png' source='1,2,3,4'");
}

}  // namespace
