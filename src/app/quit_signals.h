#pragma once
// SIGTERM and SIGINT end the program the way the tray's "exit" does: the handler only
// writes the signal number into a pipe, and a notifier on the UI thread reads it and
// calls onQuit there, so workers are stopped and files flushed before the process ends.
#include <QObject>
#include <functional>

class QSocketNotifier;

class CQuitSignals : public QObject {
public:
    // Installs the handlers; onQuit runs on the thread that owns this object.
    explicit CQuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
    ~CQuitSignals() override;
    bool Installed() const { return notifier_ != nullptr; }

private:
    void Drain();

    std::function<void()> onQuit_;
    QSocketNotifier* notifier_ = nullptr;
};
