// The message box as the user sees and answers it.
#include <QLabel>
#include <QTimer>
#include "shell/dpi_rule.h"
#include "shell/msg_wnd.h"
#include "ui/language_table.h"
#include "shell_fixture.h"

namespace {

CMsgWnd* OpenBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<CMsgWnd*>(w); box && box->isVisible()) return box;
    return nullptr;
}

// Clicks a button of the box once it is open; records what was visible then.
struct BoxClicker {
    explicit BoxClicker(QString name) : button(std::move(name)) {}
    QString button;
    bool sawConfirm = false;
    bool sawCancel = false;
    QString text;
    bool clicked = false;
    int attempts = 0;

    void Arm() {
        QTimer::singleShot(0, [this] { Poll(); });
    }
    void Poll() {
        CMsgWnd* box = OpenBox();
        if (!box) {
            // Give up after two seconds rather than poll for a box that never comes.
            if (++attempts < 200) QTimer::singleShot(10, [this] { Poll(); });
            return;
        }
        sawConfirm = box->FindControl(QStringLiteral("confirm_btn"))->isVisible();
        sawCancel = box->FindControl(QStringLiteral("cancel_btn"))->isVisible();
        text = GetText(box->FindControl(QStringLiteral("MessageText")));
        QTest::mouseClick(box->FindControl(button), Qt::LeftButton);
        clicked = true;
    }
};

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMsgWnd::ClearNextAnswers();
        CLanguageManager::Instance().ResetForTest();
        CLanguageManager::Instance().ApplyLanguage(0);
    }
    void TearDown() override { SetAllDpi(96); }
};

}  // namespace

TEST_F(MessageBoxTest, AnswerFollowsTheButtonTheUserClicks) {
    struct Case {
        const char* button;
        int buttons;
        int result;
        bool cancelShown;
    };
    const Case cases[] = {
        {"confirm_btn", 0, 1, false}, {"closebtn", 0, 0, false}, {"confirm_btn", 1, 1, true},
        {"cancel_btn", 1, 0, true},   {"closebtn", 1, 0, true},
    };
    for (const Case& c : cases) {
        BoxClicker clicker(QLatin1String(c.button));
        clicker.Arm();
        const int result =
            ShowMessageBox(nullptr, QString(), QStringLiteral("message_text_7"), 96, true, c.buttons);
        ASSERT_TRUE(clicker.clicked) << c.button;
        EXPECT_EQ(result, c.result) << c.button << " with buttons " << c.buttons;
        EXPECT_TRUE(clicker.sawConfirm) << c.button;
        EXPECT_EQ(clicker.sawCancel, c.cancelShown) << c.button << " with buttons " << c.buttons;
        EXPECT_EQ(clicker.text, CLanguageTable::Instance().Text(QStringLiteral("message_text_7")));
        EXPECT_NE(clicker.text, QStringLiteral("message_text_7")) << "the id is shown translated";
        EXPECT_EQ(OpenBox(), nullptr) << "the box is gone after answering";
    }
}

// Keys as a user presses them in the open box: Enter takes the default button, or the
// button the focus was moved to; Escape closes as the close button does.
TEST_F(MessageBoxTest, EnterAndEscapeAnswerTheBox) {
    struct Case {
        Qt::Key key;
        const char* focus;  // button given the focus first, or nullptr
        int buttons;
        int result;
    };
    const Case cases[] = {
        {Qt::Key_Return, nullptr, 0, 1},      {Qt::Key_Enter, nullptr, 1, 1},
        {Qt::Key_Escape, nullptr, 0, 0},      {Qt::Key_Escape, nullptr, 1, 0},
        {Qt::Key_Return, "cancel_btn", 1, 0}, {Qt::Key_Escape, "confirm_btn", 1, 0},
    };
    for (const Case& c : cases) {
        bool pressed = false;
        QTimer::singleShot(0, [&] {
            CMsgWnd* box = OpenBox();
            if (!box) return;
            QWidget* target = box;
            if (c.focus) {
                target = box->FindControl(QLatin1String(c.focus));
                target->setFocus(Qt::TabFocusReason);
            }
            QTest::keyClick(target, c.key);
            pressed = true;
            // A box deaf to the key fails the case instead of waiting for ever.
            QTimer::singleShot(1000, box, [box] { box->Close(-1); });
        });
        const int result =
            ShowMessageBox(nullptr, QString(), QStringLiteral("message_text_7"), 96, true, c.buttons);
        ASSERT_TRUE(pressed) << "key " << c.key;
        EXPECT_EQ(result, c.result) << "key " << c.key << " focus " << (c.focus ? c.focus : "-")
                                    << " buttons " << c.buttons;
        EXPECT_EQ(OpenBox(), nullptr) << "the box is gone after the key";
    }
}

TEST_F(MessageBoxTest, FinishedTextAndTitleAreShownAsGiven) {
    BoxClicker clicker(QStringLiteral("confirm_btn"));
    clicker.Arm();
    ShowMessageBox(nullptr, QStringLiteral("Macros"), QStringLiteral("3 units too many"), 96, false, 0);
    EXPECT_EQ(clicker.text, QStringLiteral("3 units too many"));
    EXPECT_EQ(CMsgWnd::LastShown().title, QStringLiteral("Macros"));
    EXPECT_EQ(CMsgWnd::LastShown().textId, QString());

    // Empty title and text keep the skin's own.
    CMsgWnd::SetNextAnswer(1);
    ShowMessageBox(nullptr, QString(), QString(), 96, true, 0);
    EXPECT_EQ(CMsgWnd::LastShown().title,
              CLanguageTable::Instance().Text(QStringLiteral("message_title_text")));
    EXPECT_EQ(CMsgWnd::LastShown().text, QString());
}

TEST_F(MessageBoxTest, DpiRule) {
    {
        DebugLines lines;
        CMsgWnd::SetNextAnswer(1);
        ShowMessageBox(nullptr, QString(), QStringLiteral("message_text_22"), 110, true, 1);
        EXPECT_TRUE(lines.Has("MSG_WND DPI SET ERROR\n"));
        EXPECT_EQ(CMsgWnd::LastShown().dpi, 96);
    }
    {
        DebugLines lines;
        CMsgWnd::SetNextAnswer(1);
        ShowMessageBox(nullptr, QString(), QStringLiteral("message_text_22"), 96, true, 1);
        EXPECT_FALSE(lines.Has("MSG_WND DPI SET ERROR\n"));
        EXPECT_EQ(AllDpi(), 96) << "96 on a new box changes nothing";
    }
    CMsgWnd::SetNextAnswer(1);
    ShowMessageBox(nullptr, QString(), QStringLiteral("message_text_22"), 144, true, 1);
    EXPECT_EQ(CMsgWnd::LastShown().dpi, 144);
    EXPECT_EQ(AllDpi(), 144) << "the DPI taken goes to every window";
}

TEST_F(MessageBoxTest, QueuedAnswersAreUsedInOrderOneBoxEach) {
    CMsgWnd::SetNextAnswer(1);
    CMsgWnd::SetNextAnswer(0);
    const int shownBefore = CMsgWnd::LastShown().count;
    EXPECT_EQ(ShowMessageBox(nullptr, QString(), QStringLiteral("message_text_4"), 96, true, 1), 1);
    EXPECT_EQ(ShowMessageBox(nullptr, QString(), QStringLiteral("message_text_2"), 96, true, 1), 0);
    EXPECT_EQ(CMsgWnd::PendingAnswers(), 0);
    EXPECT_EQ(CMsgWnd::LastShown().count, shownBefore + 2);
    EXPECT_EQ(CMsgWnd::LastShown().textId, QStringLiteral("message_text_2"));
    EXPECT_TRUE(CMsgWnd::LastShown().cancelVisible);
}
