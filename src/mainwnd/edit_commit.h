#pragma once
// When an edit box's value is committed: Enter commits it as leaving the box does, and
// leaving it (or pressing Enter again) with the text the last Enter committed commits
// nothing more, so the device is not written twice for one value.
//
// The record lives while the box keeps the focus: it is dropped when the box loses the
// focus or when any other control raises a notification (another control may have changed
// what the box stands for).
#include <QPointer>
#include <QString>
#include <QWidget>

class CEditCommit {
public:
    // True when `box` showing `text` is to be committed: not while its Enter commit runs,
    // and not when the last Enter committed this very text.
    bool ShouldCommit(const QWidget* box, const QString& text) const;
    // An Enter commit of `box` begins; a focus change during it commits nothing.
    void BeginReturn(const QWidget* box);
    // The Enter commit ended with `text` shown (the handler may have corrected it).
    void EndReturn(const QWidget* box, const QString& text);
    // The box left the focus, or another control spoke: forget what Enter committed.
    void Forget();

private:
    QPointer<const QWidget> box_;
    QString text_;
    bool running_ = false;
};
