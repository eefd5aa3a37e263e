#include "app/startup.h"

#include <QAbstractButton>
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
#include "app/screenshot_file.h"
#include "app/quit_signals.h"
#include "app/startup_options.h"
#include "ui/skin_builder.h"
#include "ui/skin_resources.h"
#include "ui/skin_style.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/device_part.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/settings_part.h"
#include "mainwnd/focus_follow_part.h"
#include "mainwnd/profile_keep_part.h"
#include "util/debug_log.h"
#include "devices/discovery/simulated_rows.h"
#include "mainwnd/sdk_part.h"
#include "app/sdk_server_choice.h"
#include "sim/sim_devices.h"
#include "sim/sim_state_files.h"

namespace {

// How long a screenshot waits for the window to be shown and laid out.
constexpr int kScreenshotPatienceMs = 15000;
constexpr int kScreenshotPollMs = 50;
// Once shown, the window waits this long before the picture: an attached device reads its
// state and fills its page 500 ms after arrival.
constexpr int kScreenshotSettleMs = 1000;

bool VisibleButtonNamed(CMainWnd* wnd, const QString& name) {
    for (QAbstractButton* button : wnd->findChildren<QAbstractButton*>(name))
        if (button->isVisible()) return true;
    return false;
}

// Saves the main window once it is visible with its layout adapted, then closes it.
void ScheduleScreenshot(CMainWnd* wnd, const QString& path, const QString& click, int* exitCode) {
    auto* poll = new QTimer(wnd);
    auto* waited = new int(0);
    QObject::connect(poll, &QTimer::timeout, wnd, [wnd, path, click, exitCode, poll, waited] {
        *waited += kScreenshotPollMs;
        bool ready = wnd->LayoutAdapted() && wnd->isVisible() && wnd->Initialised();
        // A button to click belongs to a device page, which a device fills after it arrives.
        if (ready && !click.isEmpty()) ready = VisibleButtonNamed(wnd, click);
        if (!ready && *waited < kScreenshotPatienceMs) return;
        poll->stop();
        delete waited;
        if (!click.isEmpty()) {
            // Every device page has its own copy of its controls: the one shown is meant.
            int clicked = 0;
            for (QAbstractButton* button : wnd->findChildren<QAbstractButton*>(click)) {
                if (!button->isVisible()) continue;
                button->click();
                ++clicked;
            }
            if (clicked == 0) {
                std::fprintf(stderr, "kvelm: no button named %s to click\n", click.toLocal8Bit().constData());
                *exitCode = 1;
            }
        }
        // Let an attached device fill its page and pending paints and layouts finish.
        QTimer::singleShot(kScreenshotSettleMs, wnd, [wnd, path, exitCode] {
            if (SaveWindowImage(wnd, path)) {
                std::fprintf(stderr, "kvelm: main window saved to %s\n",
                             QDir::toNativeSeparators(path).toLocal8Bit().constData());
            } else {
                std::fprintf(stderr, "kvelm: cannot write the screenshot %s\n",
                             path.toLocal8Bit().constData());
                *exitCode = 1;
            }
            wnd->Close(0);
        });
    });
    poll->start(kScreenshotPollMs);
}

}  // namespace

bool SaveWindowImage(QWidget* widget, const QString& path) {
    if (!widget || path.isEmpty()) return false;
    QString error;
    if (SaveImageFile(widget->grab().toImage(), path, &error)) return true;
    std::fprintf(stderr, "kvelm: %s\n", error.toLocal8Bit().constData());
    return false;
}

int RunProgram(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    StartupOptions options = ParseStartupOptions(args, std::getenv("KVELM_SIMULATE"));
    switch (options.action) {
    case StartupAction::UsageError:
        std::fprintf(stderr, "kvelm: %s\nTry 'kvelm --help'.\n", options.error.c_str());
        return kUsageExitCode;
    case StartupAction::ShowHelp:
        std::fputs(StartupHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    case StartupAction::ShowVersion:
        std::fputs(StartupVersionText().toLocal8Bit().constData(), stdout);
        return 0;
    case StartupAction::Run:
        break;
    }
    if (NeedsOffscreenFallback(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                               std::getenv("QT_QPA_PLATFORM")) &&
        !ArgumentsChoosePlatform(args)) {
        if (options.screenshotPath.isEmpty()) {
            std::fprintf(stderr,
                         "kvelm: no display found (DISPLAY and WAYLAND_DISPLAY are not set), so the window "
                         "cannot be shown.\nRun it in a desktop session, or save a picture of the window "
                         "with 'kvelm --screenshot FILE'.\n");
            return kNoDisplayExitCode;
        }
        // A picture was asked for: it needs no display.
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
        std::fprintf(stderr,
                     "kvelm: cannot open the local socket that keeps a second copy from starting; "
                     "continuing without it\n");
        break;
    case CIpcEndpoint::ListenResult::Listening:
        break;
    }

    std::string simulateError;
    // Simulated devices keep their memory per user, so the window and kvelmctl share them.
    if (!options.simulate.empty() && !KeepSimulatedMemoryIn(SimStateFolderFromEnvironment(), &simulateError))
        std::fprintf(stderr, "kvelm: %s\n", simulateError.c_str());
    if (PlugSimulatedDevicesWithRows(options.simulate, &simulateError) < 0) {
        std::fprintf(stderr, "kvelm: %s\n", simulateError.c_str());
        return 2;
    }

    CSkinResources::Instance();
    ApplySkinStyleSheet();

    auto* wnd = new CMainWnd;
    wnd->SetStartMinimized(options.minimized && options.screenshotPath.isEmpty());
    // Parts of the main window (devices, discovery, settings) are added here.
    auto devicePart = std::make_unique<CDevicePart>(options.simulate);
    CDevicePart& devices = *devicePart;
    // Before the devices: it hears of arrivals and removals and lets the device part handle them.
    // The settings window switches it; --sdk-server turns it on for this run only.
    const SdkServerChoice sdkChoice = ChooseSdkServer(options, ReadSdkServerSetting());
    if (!sdkChoice.problem.isEmpty())
        std::fprintf(stderr, "kvelm: %s\n", sdkChoice.problem.toLocal8Bit().constData());
    auto sdkPart = std::make_unique<CSdkPart>(
        devices, sdk::ServerOptions{.address = sdkChoice.address.address, .port = sdkChoice.address.port},
        sdkChoice.run);
    auto settingsPart = std::make_unique<CSettingsPart>();
    settingsPart->SetSdkServer(sdkPart.get(), sdkChoice.text);
    wnd->AddPart(std::move(sdkPart));
    wnd->AddPart(std::move(devicePart));
    wnd->AddPart(std::make_unique<CPageWiringPart>());  // after the devices: it routes their pages
    wnd->AddPart(std::move(settingsPart));
    wnd->AddPart(std::make_unique<CProfileKeepPart>(devices));
    wnd->AddPart(std::make_unique<CFocusFollowPart>(devices, options.followFocus));
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
    for (const char* name :
         {AppNames::kInstanceMessage, AppNames::kUpdaterMessage, AppNames::kLightControlRequest})
        endpoint.AcceptName(QString::fromUtf8(name));

    // A session logout or Ctrl+C closes like the tray's "exit": workers stopped, files saved.
    CQuitSignals quitSignals([wnd] {
        if (wnd->IsCreated()) wnd->Close(0);
    });

    int exitCode = 0;
    if (!options.screenshotPath.isEmpty())
        ScheduleScreenshot(wnd, options.screenshotPath, options.clickBeforeScreenshot, &exitCode);

    SetProgramLoopRunning(true);
    app.exec();
    SetProgramLoopRunning(false);

    if (wnd->IsCreated()) wnd->Close(0);
    delete wnd;
    return exitCode;
}
