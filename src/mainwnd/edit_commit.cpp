#include "mainwnd/edit_commit.h"

bool CEditCommit::ShouldCommit(const QWidget* box, const QString& text) const {
    if (!box_ || box_ != box) return true;
    return !running_ && text != text_;
}

void CEditCommit::BeginReturn(const QWidget* box) {
    box_ = box;
    text_.clear();
    running_ = true;
}

void CEditCommit::EndReturn(const QWidget* box, const QString& text) {
    if (box_ != box) return;
    text_ = text;
    running_ = false;
}

void CEditCommit::Forget() {
    // What the Enter commit's own handler raises must not end its record.
    if (running_) return;
    box_ = nullptr;
    text_.clear();
}
