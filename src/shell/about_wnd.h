#pragma once
// The about window: the program's version, opened modally from the tray menu.
//
// Skin "AboutWnd.xml": caption buttons "closebtn", "maxbtn", "restorebtn", "minbtn",
// "menubtn"; "software_ver_label" shows the version; the hidden label "text_test"
// translates "software_rev_text"; "homepage_btn".
// "closebtn" closes the window only; closing it through the window system (Alt+F4) ends
// the whole program, as it always has.
#include "ui/skin_window.h"

class CAboutWnd final : public CSkinWindow {
    Q_OBJECT
public:
    explicit CAboutWnd(QWidget* owner = nullptr) : CSkinWindow(owner) {}

    QString GetWindowClassName() const override { return QStringLiteral("AboutWnd"); }
    QString GetSkinFile() const override { return QStringLiteral("AboutWnd.xml"); }
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // "software_ver_label" becomes the translated "software_rev_text" followed directly
    // by version (no separator).
    void ShowVersion(const QString& version);

private:
    void ShowMaximisedState();
    QWidget* closeBtn_ = nullptr;
    QWidget* maxBtn_ = nullptr;
    QWidget* restoreBtn_ = nullptr;
    QWidget* minBtn_ = nullptr;
    QWidget* menuBtn_ = nullptr;
};

// Ends the program's message loop once the current handler returns (the windows are torn
// down by the start-up code), modal loops running inside it included. Does nothing while
// the program's loop does not run: Qt would otherwise refuse every later loop.
void PostQuitMessage();
// Whoever runs the program's loop (QApplication::exec) says so around it.
void SetProgramLoopRunning(bool running);
bool ProgramLoopRunning();
