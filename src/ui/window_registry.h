#pragma once
// Handles of skin windows and the event that carries a window message; used by
// CSkinWindow and window_messages.cpp only.
#include <QEvent>
#include <condition_variable>
#include <memory>
#include <mutex>
#include "ui/window_messages.h"

class CSkinWindow;

WindowHandle RegisterWindowHandle(CSkinWindow* window);
// After this returns no message reaches the window any more.
void ReleaseWindowHandle(WindowHandle handle);

// The state a blocked sender waits on.
struct SendState {
    enum class Phase { Pending, Running, Done, Cancelled };
    std::mutex mutex;
    std::condition_variable changed;
    Phase phase = Phase::Pending;
    LRESULT result = 0;
};

class WindowMessageEvent : public QEvent {
public:
    static QEvent::Type EventType();
    WindowMessageEvent(unsigned msg, WPARAM wParam, LPARAM lParam, std::shared_ptr<SendState> state = {});
    // A message dropped without being handled releases its sender.
    ~WindowMessageEvent() override;

    // Runs the message on window (UI thread); for a sent message, only when the sender
    // has not withdrawn it.
    void Deliver(CSkinWindow* window);

private:
    unsigned msg_;
    WPARAM wParam_;
    LPARAM lParam_;
    std::shared_ptr<SendState> state_;
};
