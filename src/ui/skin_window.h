#pragma once
// The base of every window built from a skin.
//
// Life of a window:
//   1. construct the derived object;
//   2. Create(owner, title, width, height, flags): builds the control tree from
//      GetSkinFile() with CreateControl as creation callback, gives the window its
//      WindowHandle, calls InitWindow() once the tree exists, and posts "windowinit"
//      (sender: the skin's root control), which Notify receives from the event loop;
//   3. Show()/ShowModal(); the window receives notifications in Notify and window messages
//      in HandleMessage, which asks HandleCustomMessage first;
//   4. Close(code): hides the window, sends WM_DESTROY to it once, ends a running
//      ShowModal with code, and releases the handle. The object itself is the caller's to
//      delete (a modal window on the stack simply goes out of scope). Deleting a window
//      that was never closed releases its handle but sends no WM_DESTROY.
//
// Messages raised by the layer: WM_CLOSE for a close request (QWidget::close(), or the
// window system's close after WM_SYSCOMMAND/SC_CLOSE was not handled); WM_SYSCOMMAND with
// SC_CLOSE when the user closes the window through the window system (Alt+F4, frame);
// WM_TIMER for window timers; WM_ACTIVATE; WM_MOUSEHOVER/WM_MOUSELEAVE when the pointer
// enters or leaves; WM_DPICHANGED and WM_DISPLAYCHANGE when the window's screen changes.
// Default handling when HandleCustomMessage leaves a message unhandled: WM_CLOSE closes
// the window with code 0; WM_SYSCOMMAND minimises, maximises, restores or (SC_CLOSE)
// raises WM_CLOSE; everything else returns 0.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include "ui/control_factory.h"
#include "ui/ui_types.h"
#include "ui/window_messages.h"

class QCloseEvent;
class QEnterEvent;
class QEventLoop;
class QMouseEvent;
class QScreen;
class QTimer;

class CSkinWindow : public QWidget, public INotifyUI {
    Q_OBJECT
public:
    explicit CSkinWindow(QWidget* owner = nullptr);
    ~CSkinWindow() override;

    // The window's kind ("MainWnd", "MsgWnd") and its skin (an id or a file name).
    virtual QString GetWindowClassName() const = 0;
    virtual QString GetSkinFile() const = 0;

    // Builds the window (see above). flags default to a frameless top-level window
    // (the skin draws its own caption); owner makes it a window of the owner (centred on
    // it, kept above it). False when the skin cannot be built; the window then has no
    // handle and no controls.
    bool Create(QWidget* owner, const QString& title, int width, int height,
                Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint);
    bool IsCreated() const { return handle_ != 0; }

    // ---- overridables ----
    // Called once after the control tree exists, before "windowinit".
    virtual void InitWindow() {}
    // Every notification of the controls in the window.
    void Notify(TNotifyUI& msg) override { (void)msg; }
    // First look at every window message; set handled to stop the default handling.
    virtual LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled);
    // The creation callback for class names of this window's skins; nullptr: not mine.
    virtual QWidget* CreateControl(const QString& className, QWidget* parent);

    // ---- messages ----
    WindowHandle GetHWND() const { return handle_; }
    // Runs the message through HandleCustomMessage and the default handling. UI thread.
    LRESULT HandleMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendWindowMessage(handle_, msg, wParam, lParam);
    }
    bool PostMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return PostWindowMessage(handle_, msg, wParam, lParam);
    }
    // Window timers: WM_TIMER with wParam = id until killed. ms below 1 counts as 1.
    void SetTimer(int id, int ms);
    bool KillTimer(int id);

    // ---- controls ----
    QWidget* Root() const { return root_; }
    QWidget* FindControl(const QString& name) const;
    template <class T>
    T* FindControl(const QString& name) const {
        return qobject_cast<T*>(FindControl(name));
    }
    // Builds another skin with this window's creation callback (device pages, entries).
    QWidget* BuildSkin(const QString& skinIdOrFile, QWidget* parent);

    // ---- showing ----
    // Shows the window modal to its owner and runs a local event loop until Close(code);
    // returns code (0 when closed any other way). Nested calls on the same window: -1.
    int ShowModal();
    bool IsModalRunning() const { return modalLoop_ != nullptr; }
    void Close(int code = 0);
    // Centres on the owner window when it is visible, else on the screen.
    void CenterWindow();
    // Minimise, maximise, restore, close (as WM_SYSCOMMAND through HandleMessage).
    void SysCommand(WPARAM command) { HandleMessage(WM_SYSCOMMAND, command, 0); }
    // A press on the skin within this many pixels from the top, outside any button,
    // edit, slider, combo or list, moves the window (0: off; the default is 0).
    void SetCaptionHeight(int pixels) { captionHeight_ = pixels; }

    // ---- DPI ----
    int GetDpi() const { return dpi_; }
    // Stores the DPI the window's own geometry is scaled with; unsupported values
    // (dpi.h) are refused and return false.
    bool SetDpi(int dpi);
    // A length at 96 DPI at this window's DPI.
    int Scale(int length) const;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    LRESULT DefaultHandling(unsigned msg, WPARAM wParam, LPARAM lParam);
    void ConnectScreenSignals();
    void WatchScreen(QScreen* screen);

    WindowHandle handle_ = 0;
    QPointer<QWidget> root_;
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = 0;
    bool closing_ = false;
    int dpi_ = 96;
    int captionHeight_ = 0;
    QHash<int, QTimer*> timers_;
    QMetaObject::Connection screenGeometry_;
};
