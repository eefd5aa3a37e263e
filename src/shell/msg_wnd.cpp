#include "shell/msg_wnd.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QTimer>
#include "shell/dpi_rule.h"
#include "ui/control_names.h"
#include "ui/controls.h"
#include "ui/language_table.h"

void CMsgWnd::InitWindow() {
    closeBtn_ = FindControl(QStringLiteral("closebtn"));
    SetCaptionHeight(40);
}

void CMsgWnd::Notify(TNotifyUI& msg) {
    if (!msg.Is(NotifyType::kClick)) return;
    const QString name = msg.SenderName();
    // The box knows only its close button among the caption buttons.
    if (NameEquals(name, QStringLiteral("closebtn")) && closeBtn_)
        Close(0);
    else if (NameEquals(name, QStringLiteral("confirm_btn")))
        Close(1);
    else if (NameEquals(name, QStringLiteral("cancel_btn")))
        Close(0);
}

void CMsgWnd::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        if (!focused || !focused->isVisible() || focused == closeBtn_)
            focused = qobject_cast<QAbstractButton*>(FindControl(QStringLiteral("confirm_btn")));
        if (focused && focused->isVisible())
            focused->click();
        else
            Close(0);
        e->accept();
        return;
    }
    case Qt::Key_Escape:
        Close(0);
        e->accept();
        return;
    default:
        CSkinWindow::keyPressEvent(e);
    }
}

LRESULT CMsgWnd::HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    if (msg == WM_DPICHANGED) {
        SetDpi(static_cast<int>(wParam & 0xFFFF));
        if (Root()) Root()->updateGeometry();
        handled = true;
    }
    return 0;
}

void CMsgWnd::SetNextAnswer(int answer) {
    Answers().push_back(answer);
}
void CMsgWnd::ClearNextAnswers() {
    Answers().clear();
}
int CMsgWnd::PendingAnswers() {
    return static_cast<int>(Answers().size());
}
const CMsgWnd::Shown& CMsgWnd::LastShown() {
    return LastShownRef();
}

std::deque<int>& CMsgWnd::Answers() {
    static std::deque<int> answers;
    return answers;
}

CMsgWnd::Shown& CMsgWnd::LastShownRef() {
    static Shown shown;
    return shown;
}

int ShowMessageBox(QWidget* owner, const QString& title, const QString& text, int dpi, bool textIsId,
                   int buttons) {
    CMsgWnd box(owner);
    if (!box.Create(owner, QStringLiteral("msgwnd"), 420, 220, Qt::Tool | Qt::FramelessWindowHint)) return 0;

    QWidget* titleLabel = box.FindControl(QStringLiteral("MessageTitle"));
    QWidget* textLabel = box.FindControl(QStringLiteral("MessageText"));
    if (!title.isEmpty()) SetText(titleLabel, title);
    if (!text.isEmpty()) {
        if (textIsId) {
            SetResourceText(textLabel, text);
        } else {
            SetResourceText(textLabel, QString());
            SetText(textLabel, text);
        }
    }

    const int taken = TakeWindowDpi(dpi, box.GetDpi(), "MSG_WND DPI SET ERROR\n");
    if (taken != box.GetDpi()) SetAllDpi(taken);
    box.SetDpi(taken);

    QWidget* confirm = box.FindControl(QStringLiteral("confirm_btn"));
    QWidget* cancel = box.FindControl(QStringLiteral("cancel_btn"));
    if (buttons == 0) {
        if (cancel) cancel->setVisible(false);
        if (confirm) confirm->setVisible(true);
    } else if (buttons == 1) {
        if (cancel) cancel->setVisible(true);
        if (confirm) confirm->setVisible(true);
    }

    box.adjustSize();
    box.CenterWindow();

    CMsgWnd::Shown& shown = CMsgWnd::LastShownRef();
    ++shown.count;
    shown.title = GetText(titleLabel);
    shown.text = GetText(textLabel);
    shown.textId = textIsId ? text : QString();
    shown.confirmVisible = confirm && !confirm->isHidden();
    shown.cancelVisible = cancel && !cancel->isHidden();
    shown.dpi = box.GetDpi();

    if (!CMsgWnd::Answers().empty()) {
        const int answer = CMsgWnd::Answers().front();
        CMsgWnd::Answers().pop_front();
        // Answer through the buttons, once the box runs its loop, as the user would.
        auto* button = qobject_cast<QAbstractButton*>(
            answer == 1 ? confirm : box.FindControl(QStringLiteral("closebtn")));
        QTimer::singleShot(0, &box, [&box, button] {
            if (button)
                button->click();
            else
                box.Close(0);
        });
    }
    return box.ShowModal();
}
