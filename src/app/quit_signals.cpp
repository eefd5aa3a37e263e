#include "app/quit_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include "util/debug_log.h"

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT};
// The pipe is process-wide, like the handlers: [0] is read by the UI thread, [1] written
// by the handler (async-signal-safe: write only).
int g_pipe[2] = {-1, -1};

extern "C" void OnQuitSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (g_pipe[1] >= 0) (void)!write(g_pipe[1], &number, 1);
    errno = savedErrno;
}

void RestoreDefaultHandlers() {
    for (int signal : kQuitSignals) std::signal(signal, SIG_DFL);
}

}  // namespace

CQuitSignals::CQuitSignals(std::function<void()> onQuit, QObject* parent)
    : QObject(parent), onQuit_(std::move(onQuit)) {
    if (g_pipe[0] >= 0) return;  // one owner per process
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kQuitSignals) sigaction(signal, &action, nullptr);
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Drain(); });
}

CQuitSignals::~CQuitSignals() {
    if (!notifier_) return;
    RestoreDefaultHandlers();
    delete notifier_;
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void CQuitSignals::Drain() {
    unsigned char number = 0;
    bool quit = false;
    while (read(g_pipe[0], &number, 1) == 1) {
        DebugPrintf("signal %d: closing\n", number);
        quit = true;
    }
    if (quit && onQuit_) onQuit_();
}
