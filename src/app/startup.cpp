#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include "shell/about_wnd.h"
#include "shell/app_names.h"
#include "shell/ipc_endpoint.h"
#include "app/quit_signals.h"
#include "app/startup_options.h"
#include "ui/skin_builder.h"
#include "ui/skin_resources.h"
#include "ui/skin_style.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/device_part.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/profile_keep_part.h"
#include "util/debug_log.h"
#include "sim/sim_devices.h"

namespace {

// How long a screenshot waits for the window to be shown and laid out.
constexpr int kScreenshotPatienceMs = 15000;
constexpr int kScreenshotPollMs = 50;
// Once shown, the window waits this long before the picture: an attached device reads its
// state and fills its page 500 ms after arrival.
constexpr int kScreenshotSettleMs = 1000;

// Saves the main window once it is visible with its layout adapted, then closes it.
void ScheduleScreenshot(CMainWnd* wnd, const QString& path, int* exitCode) {
    auto* poll = new QTimer(wnd);
    auto* waited = new int(0);
    QObject::connect(poll, &QTimer::timeout, wnd, [wnd, path, exitCode, poll, waited] {
        *waited += kScreenshotPollMs;
        const bool ready = wnd->LayoutAdapted() && wnd->isVisible();
        if (!ready && *waited < kScreenshotPatienceMs) return;
        poll->stop();
        delete waited;
        // Let an attached device fill its page and pending paints and layouts finish.
        QTimer::singleShot(kScreenshotSettleMs, wnd, [wnd, path, exitCode] {
            if (SaveWindowImage(wnd, path)) {
                std::fprintf(stderr, "kvelm: main window saved to %s\n", QDir::toNativeSeparators(path).toLocal8Bit().constData());
            } else {
                std::fprintf(stderr, "kvelm: cannot write the screenshot %s\n", path.toLocal8Bit().constData());
                *exitCode = 1;
            }
            wnd->Close(0);
        });
    });
    poll->start(kScreenshotPollMs);
}

QString FallbackScreenshotPath() { return QDir(QDir::tempPath()).filePath(QStringLiteral("kvelm-window.png")); }

}  // namespace

bool SaveWindowImage(QWidget* widget, const QString& path) {
    if (!widget || path.isEmpty()) return false;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) return false;
    return widget->grab().save(path, "PNG");
}

int RunProgram(int argc, char** argv) {
    StartupOptions options = ParseStartupOptions(argc, argv, std::getenv("KVELM_SIMULATE"));
    if (!options.error.empty()) {
        std::fprintf(stderr, "kvelm: %s\nusage: kvelm [--simulate LIST] [--screenshot FILE]\n", options.error.c_str());
        return 2;
    }
    if (NeedsOffscreenFallback(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"))) {
        // Failing silently would leave the user with nothing: show what the window would be.
        if (options.screenshotPath.isEmpty()) options.screenshotPath = FallbackScreenshotPath();
        std::fprintf(stderr,
                     "kvelm: no display found (DISPLAY and WAYLAND_DISPLAY are not set); running offscreen "
                     "and saving the main window to %s\n",
                     options.screenshotPath.toLocal8Bit().constData());
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kvelm"));
    // The window hides to the tray; only WM_DESTROY ends the loop.
    app.setQuitOnLastWindowClosed(false);

    const AppMessageNumbers& messages = AppMessages();
    DebugPrintf("软件标示：%d\n", messages.instance);

    CIpcEndpoint endpoint;
    switch (endpoint.Listen(QString::fromUtf8(AppNames::kInstanceLock))) {
    case CIpcEndpoint::ListenResult::AlreadyRunning:
        SendIpcMessage(IpcPath(QString::fromUtf8(AppNames::kInstanceLock)),
                       {QString::fromUtf8(AppNames::kInstanceMessage), 0, 1});
        return 0;
    case CIpcEndpoint::ListenResult::Failed:
        std::fprintf(stderr, "kvelm: cannot open the local socket that keeps a second copy from starting; "
                             "continuing without it\n");
        break;
    case CIpcEndpoint::ListenResult::Listening:
        break;
    }

    std::string simulateError;
    if (PlugSimulatedDevices(options.simulate, &simulateError) < 0) {
        std::fprintf(stderr, "kvelm: %s\n", simulateError.c_str());
        return 2;
    }

    CSkinResources::Instance();
    ApplySkinStyleSheet();

    auto* wnd = new CMainWnd;
    // Parts of the main window (devices, discovery, settings) are added here.
    auto devicePart = std::make_unique<CDevicePart>(options.simulate);
    CDevicePart& devices = *devicePart;
    wnd->AddPart(std::move(devicePart));
    wnd->AddPart(std::make_unique<CPageWiringPart>());  // after the devices: it routes their pages
    wnd->AddPart(std::make_unique<CProfileKeepPart>(devices));
    if (!wnd->CreateMainWindow()) {
        std::fprintf(stderr, "kvelm: the main window cannot be built from the skin in %s: %s\n",
                     CSkinResources::Instance().Folder().toLocal8Bit().constData(),
                     CSkinBuilder::LastError().toLocal8Bit().constData());
        delete wnd;
        return 1;
    }
    endpoint.SetTarget(wnd->GetHWND());
    // What other programs may send; our own light-control broadcast comes back here too
    // and is none of the window's business.
    for (const char* name : {AppNames::kInstanceMessage, AppNames::kUpdaterMessage, AppNames::kLightControlRequest})
        endpoint.AcceptName(QString::fromUtf8(name));

    // A session logout or Ctrl+C closes like the tray's "exit": workers stopped, files saved.
    CQuitSignals quitSignals([wnd] {
        if (wnd->IsCreated()) wnd->Close(0);
    });

    int exitCode = 0;
    if (!options.screenshotPath.isEmpty()) ScheduleScreenshot(wnd, options.screenshotPath, &exitCode);

    SetProgramLoopRunning(true);
    app.exec();
    SetProgramLoopRunning(false);

    if (wnd->IsCreated()) wnd->Close(0);
    delete wnd;
    return exitCode;
}
