#include "ui/window_messages.h"

#include <QCoreApplication>
#include <QHash>
#include <QThread>
#include <chrono>
#include "ui/skin_window.h"
#include "ui/window_registry.h"
#include "util/stop_event.h"

namespace {

std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}
QHash<WindowHandle, CSkinWindow*>& Registry() {
    static QHash<WindowHandle, CSkinWindow*> windows;
    return windows;
}
WindowHandle nextHandle = 1;

// How often a sender that may be stopped looks at its stop event while it waits.
constexpr auto kStopPollInterval = std::chrono::milliseconds(10);

constexpr unsigned kFirstRegisteredMessage = 0xC000;
constexpr unsigned kLastRegisteredMessage = 0xFFFF;

}  // namespace

WindowHandle RegisterWindowHandle(CSkinWindow* window) {
    std::lock_guard lock(RegistryMutex());
    const WindowHandle handle = nextHandle++;
    Registry().insert(handle, window);
    return handle;
}

void ReleaseWindowHandle(WindowHandle handle) {
    std::lock_guard lock(RegistryMutex());
    Registry().remove(handle);
}

QEvent::Type WindowMessageEvent::EventType() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

WindowMessageEvent::WindowMessageEvent(unsigned msg, WPARAM wParam, LPARAM lParam,
                                       std::shared_ptr<SendState> state)
    : QEvent(EventType()), msg_(msg), wParam_(wParam), lParam_(lParam), state_(std::move(state)) {}

WindowMessageEvent::~WindowMessageEvent() {
    if (!state_) return;
    std::lock_guard lock(state_->mutex);
    if (state_->phase == SendState::Phase::Pending || state_->phase == SendState::Phase::Running) {
        state_->phase = SendState::Phase::Cancelled;
        state_->result = 0;
        state_->changed.notify_all();
    }
}

void WindowMessageEvent::Deliver(CSkinWindow* window) {
    if (state_) {
        std::lock_guard lock(state_->mutex);
        if (state_->phase != SendState::Phase::Pending) return;  // withdrawn by its sender
        state_->phase = SendState::Phase::Running;
    }
    const LRESULT result = window->HandleMessage(msg_, wParam_, lParam_);
    if (state_) {
        std::lock_guard lock(state_->mutex);
        state_->result = result;
        state_->phase = SendState::Phase::Done;
        state_->changed.notify_all();
    }
}

bool PostWindowMessage(WindowHandle window, unsigned msg, WPARAM wParam, LPARAM lParam) {
    std::lock_guard lock(RegistryMutex());
    CSkinWindow* target = Registry().value(window);
    if (!target) return false;
    QCoreApplication::postEvent(target, new WindowMessageEvent(msg, wParam, lParam));
    return true;
}

LRESULT SendWindowMessage(WindowHandle window, unsigned msg, WPARAM wParam, LPARAM lParam,
                          const StopEvent* stop) {
    auto state = std::make_shared<SendState>();
    {
        std::unique_lock lock(RegistryMutex());
        CSkinWindow* target = Registry().value(window);
        if (!target) return 0;
        if (target->thread() == QThread::currentThread()) {
            // The window lives on this thread: handle it now. It cannot be destroyed
            // meanwhile, since that too would happen on this thread.
            lock.unlock();
            return target->HandleMessage(msg, wParam, lParam);
        }
        QCoreApplication::postEvent(target, new WindowMessageEvent(msg, wParam, lParam, state));
    }
    std::unique_lock lock(state->mutex);
    while (state->phase != SendState::Phase::Done && state->phase != SendState::Phase::Cancelled) {
        if (!stop) {
            state->changed.wait(lock);
            continue;
        }
        if (state->phase == SendState::Phase::Pending && stop->IsSet()) {
            state->phase = SendState::Phase::Cancelled;  // the UI thread will skip it
            return 0;
        }
        state->changed.wait_for(lock, kStopPollInterval);
    }
    return state->phase == SendState::Phase::Done ? state->result : 0;
}

bool IsWindowAlive(WindowHandle window) {
    std::lock_guard lock(RegistryMutex());
    return Registry().contains(window);
}

unsigned RegisterWindowMessage(const QString& name) {
    if (name.isEmpty()) return 0;
    static std::mutex mutex;
    static QHash<QString, unsigned> numbers;
    static unsigned next = kFirstRegisteredMessage;
    std::lock_guard lock(mutex);
    const QString key = name.toCaseFolded();
    if (const auto it = numbers.constFind(key); it != numbers.constEnd()) return *it;
    if (next > kLastRegisteredMessage) return 0;
    numbers.insert(key, next);
    return next++;
}
