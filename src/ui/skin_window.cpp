#include "ui/skin_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include "ui/control_wiring.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/skin_builder.h"
#include "ui/window_registry.h"

CSkinWindow::CSkinWindow(QWidget* owner) : QWidget(owner, Qt::Window) {}

CSkinWindow::~CSkinWindow() {
    if (handle_) ReleaseWindowHandle(handle_);
    handle_ = 0;
    if (modalLoop_) modalLoop_->exit(0);
}

bool CSkinWindow::Create(QWidget* owner, const QString& title, int width, int height, Qt::WindowFlags flags) {
    if (handle_) return false;
    if (owner != parentWidget()) setParent(owner);
    setWindowFlags(flags | Qt::Window);
    setWindowTitle(title);
    setObjectName(GetWindowClassName());
    resize(width, height);

    QWidget* root = CSkinBuilder::Build(
        GetSkinFile(), this,
        [this](const QString& className, QWidget* parent) { return CreateControl(className, parent); });
    if (!root) return false;
    root_ = root;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(root);

    handle_ = RegisterWindowHandle(this);
    InitWindow();
    // "windowinit" comes from the event loop, once everything above has run.
    QTimer::singleShot(0, this, [this] {
        if (root_) SendNotify(root_, QLatin1String(NotifyType::kWindowInit));
    });
    return true;
}

LRESULT CSkinWindow::HandleCustomMessage(unsigned, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

QWidget* CSkinWindow::CreateControl(const QString&, QWidget*) {
    return nullptr;
}

LRESULT CSkinWindow::HandleMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    const LRESULT result = HandleCustomMessage(msg, wParam, lParam, handled);
    if (handled) return result;
    return DefaultHandling(msg, wParam, lParam);
}

LRESULT CSkinWindow::DefaultHandling(unsigned msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_CLOSE:
        Close(0);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam) {
        case SC_MINIMIZE:
            showMinimized();
            break;
        case SC_MAXIMIZE:
            showMaximized();
            break;
        case SC_RESTORE:
            showNormal();
            break;
        case SC_CLOSE:
            HandleMessage(WM_CLOSE);
            break;
        default:
            break;
        }
        return 0;
    default:
        return 0;
    }
}

void CSkinWindow::SetTimer(int id, int ms) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this,
                [this, id] { HandleMessage(WM_TIMER, static_cast<WPARAM>(id)); });
    }
    timer->start(ms < 1 ? 1 : ms);
}

bool CSkinWindow::KillTimer(int id) {
    QTimer* timer = timers_.value(id);
    if (!timer || !timer->isActive()) return false;
    timer->stop();
    return true;
}

QWidget* CSkinWindow::FindControl(const QString& name) const {
    return ::FindControl(this, name);
}

QWidget* CSkinWindow::BuildSkin(const QString& skinIdOrFile, QWidget* parent) {
    return CSkinBuilder::Build(skinIdOrFile, parent, [this](const QString& className, QWidget* p) {
        return CreateControl(className, p);
    });
}

int CSkinWindow::ShowModal() {
    if (modalLoop_ || !handle_) return -1;
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    modalLoop_ = &loop;
    modalResult_ = 0;
    QPointer<CSkinWindow> alive(this);
    const int code = loop.exec();
    if (alive) modalLoop_ = nullptr;
    return code;
}

void CSkinWindow::Close(int code) {
    if (closing_) return;
    modalResult_ = code;
    if (handle_) {
        closing_ = true;
        hide();
        for (QTimer* timer : timers_) timer->stop();
        HandleMessage(WM_DESTROY);
        ReleaseWindowHandle(handle_);
        handle_ = 0;
        closing_ = false;
    }
    if (modalLoop_) modalLoop_->exit(code);
}

void CSkinWindow::CenterWindow() {
    QRect area;
    QWidget* owner = parentWidget();
    if (owner && owner->isVisible()) {
        area = owner->window()->frameGeometry();
    } else {
        QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (screen) area = screen->availableGeometry();
    }
    if (area.isNull()) return;
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

bool CSkinWindow::SetDpi(int dpi) {
    if (!IsSupportedDpi(dpi)) return false;
    dpi_ = dpi;
    return true;
}

int CSkinWindow::Scale(int length) const {
    return ScaleByDpi(length, dpi_);
}

bool CSkinWindow::event(QEvent* e) {
    if (e->type() == WindowMessageEvent::EventType()) {
        static_cast<WindowMessageEvent*>(e)->Deliver(this);
        return true;
    }
    if (e->type() == QEvent::Show) ConnectScreenSignals();
    return QWidget::event(e);
}

void CSkinWindow::ConnectScreenSignals() {
    QWindow* window = windowHandle();
    if (!window || window->property("kvelmScreenWatch").toBool()) return;
    window->setProperty("kvelmScreenWatch", true);
    WatchScreen(window->screen());
    connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
        WatchScreen(screen);
        const int dpi = ScreenDpi(this);
        HandleMessage(WM_DPICHANGED, static_cast<WPARAM>(dpi | (dpi << 16)));
    });
}

void CSkinWindow::WatchScreen(QScreen* screen) {
    disconnect(screenGeometry_);
    if (screen)
        screenGeometry_ =
            connect(screen, &QScreen::geometryChanged, this, [this] { HandleMessage(WM_DISPLAYCHANGE); });
}

void CSkinWindow::closeEvent(QCloseEvent* e) {
    e->ignore();  // Close() decides; the window only hides when it really closes
    if (closing_) return;
    if (e->spontaneous())
        HandleMessage(WM_SYSCOMMAND, SC_CLOSE);
    else
        HandleMessage(WM_CLOSE);
}

void CSkinWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) HandleMessage(WM_ACTIVATE, isActiveWindow() ? 1 : 0);
    QWidget::changeEvent(e);
}

void CSkinWindow::enterEvent(QEnterEvent* e) {
    HandleMessage(WM_MOUSEHOVER);
    QWidget::enterEvent(e);
}

void CSkinWindow::leaveEvent(QEvent* e) {
    HandleMessage(WM_MOUSELEAVE);
    QWidget::leaveEvent(e);
}

void CSkinWindow::mousePressEvent(QMouseEvent* e) {
    if (captionHeight_ > 0 && e->button() == Qt::LeftButton && e->position().y() < captionHeight_ &&
        windowHandle()) {
        windowHandle()->startSystemMove();
        e->accept();
        return;
    }
    QWidget::mousePressEvent(e);
}
