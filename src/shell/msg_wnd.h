#pragma once
// The program's message box. Every confirmation and error message goes through
// ShowMessageBox; texts are, as a rule, language text ids ("message_text_7").
//
// Skin "XML_MSG": "MessageTitle", "MessageText", "confirm_btn", "cancel_btn", "closebtn".
#include <QString>
#include <deque>
#include "ui/skin_window.h"

class CMsgWnd final : public CSkinWindow {
    Q_OBJECT
public:
    explicit CMsgWnd(QWidget* owner = nullptr) : CSkinWindow(owner) {}

    QString GetWindowClassName() const override { return QStringLiteral("MsgWnd"); }
    QString GetSkinFile() const override { return QStringLiteral("XML_MSG"); }
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

protected:
    // Enter presses the button that has the focus, else "confirm_btn" (the default
    // button); Escape closes the box as "closebtn" does.
    void keyPressEvent(QKeyEvent* e) override;

public:
    // ---- test seams ----
    // Queues the answer of a coming message box: the box is built and shown as usual, then
    // answers by itself as if the user clicked "confirm_btn" (1) or "closebtn" (0). Answers
    // are used in the order they were queued, one per box.
    static void SetNextAnswer(int answer);
    static void ClearNextAnswers();
    static int PendingAnswers();

    // What the last box showed (filled when it is shown).
    struct Shown {
        int count = 0;   // boxes shown so far in this process
        QString title;   // text of "MessageTitle"
        QString text;    // text of "MessageText" as shown (the id resolved)
        QString textId;  // the id when the text was one, else empty
        bool confirmVisible = false;
        bool cancelVisible = false;
        int dpi = 96;
    };
    static const Shown& LastShown();

private:
    friend int ShowMessageBox(QWidget*, const QString&, const QString&, int, bool, int);
    static std::deque<int>& Answers();
    static Shown& LastShownRef();
    QWidget* closeBtn_ = nullptr;
};

// Shows a modal message box and returns 1 when the user confirmed ("confirm_btn"), 0 for
// "cancel_btn", "closebtn" or any other way of closing.
//   owner    the window it belongs to (may be null)
//   title    the text of "MessageTitle" when not empty (the skin's text otherwise)
//   text     a text id when textIsId, else the finished text; empty keeps the skin's text
//   dpi      the caller's UI DPI: the box keeps its DPI when equal (96 at first), takes a
//            supported one and gives it to every window, else writes "MSG_WND DPI SET
//            ERROR" and takes 96
//   buttons  0: "confirm_btn" alone; 1: "confirm_btn" and "cancel_btn"; other: as the skin
int ShowMessageBox(QWidget* owner, const QString& title, const QString& text, int dpi, bool textIsId,
                   int buttons);
