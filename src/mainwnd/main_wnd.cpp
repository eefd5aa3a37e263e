#include "mainwnd/main_wnd.h"

#include <QGuiApplication>
#include <QScreen>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include "shell/about_wnd.h"
#include "shell/app_names.h"
#include "shell/ipc_endpoint.h"
#include "shell/language_manager.h"
#include "shell/msg_wnd.h"
#include "shell/skin_frame.h"
#include "ui/control_names.h"
#include "ui/skin_resources.h"
#include "ui/tray_icon.h"
#include "mainwnd/main_wnd_thread_slot.h"
#include "mainwnd/power_watch.h"
#include "ui/menu_wnd.h"
#include "update/program_version.h"
#include "util/debug_log.h"

namespace {

std::atomic<WindowHandle> mainWindowHandle{0};

std::function<void(int)>& ExitProcess() {
    static std::function<void(int)> exitProcess = [](int code) {
        std::fflush(nullptr);
        std::_Exit(code);
    };
    return exitProcess;
}

// Class names of the skins that stand for a subtree built from another skin file.
struct SubtreeClass {
    const char* className;
    const char* skinFile;
};
constexpr SubtreeClass kSubtreeClasses[] = {
    {"DeviceProfileUI", "XML\\CustomControlXML\\DeviceProfile.xml"},
    {"LightSetControlUI", "XML\\CustomControlXML\\LightControl.xml"},
    {"Voice6533SetControlUI", "XML\\CustomControlXML\\Voice6533Control.xml"},
    {"MagicSetControlUI", "XML\\CustomControlXML\\MagicControl.xml"},
    {"KeySetControlUI", "XML\\CustomControlXML\\KeySetControl.xml"},
    {"MacroSetControlUI", "XML\\CustomControlXML\\MacroControl.xml"},
    {"ShootKeySetControlUI", "XML\\CustomControlXML\\ShootControl.xml"},
    {"VirtualSetControlUI", "XML\\CustomControlXML\\VirtualSet.xml"},
};

}  // namespace

CMainWnd::CMainWnd() : CSkinWindow(nullptr) {}

CMainWnd::~CMainWnd() {
    // A window deleted without being closed still stops its workers: they may use it.
    ShutdownThreads();
    CSkinChangeObserver::Instance().RemoveReceiver(this);
    if (trayMenu_) trayMenu_->deleteLater();
    WindowHandle expected = GetHWND();
    if (expected) mainWindowHandle.compare_exchange_strong(expected, 0);
}

void CMainWnd::AddPart(std::unique_ptr<IMainWndPart> part) {
    if (part) parts_.push_back(std::move(part));
}

WindowHandle CMainWnd::MainWindowHandle() {
    return mainWindowHandle.load();
}

void CMainWnd::ExitProcessNow(int code) {
    ExitProcess()(code);
}

void CMainWnd::SetExitProcess(std::function<void(int)> exitProcess) {
    if (exitProcess) ExitProcess() = std::move(exitProcess);
}

bool CMainWnd::CreateMainWindow() {
    if (!Create(nullptr, QString::fromUtf8(AppNames::kWindowTitle), 800, 572)) return false;
    CenterWindow();
    return true;
}

QWidget* CMainWnd::CreateControl(const QString& className, QWidget* parent) {
    for (const auto& part : parts_)
        if (QWidget* control = part->CreateControl(*this, className, parent)) return control;
    for (const SubtreeClass& subtree : kSubtreeClasses)
        if (NameEquals(className, QLatin1String(subtree.className)))
            return BuildSkin(QLatin1String(subtree.skinFile), parent);
    return nullptr;
}

void CMainWnd::InitWindow() {
    DebugOutput("InitWindow\n");
    // The texts of the language in use from the start: another language's texts would be
    // measured first and load its fonts (a CJK font file is several megabytes).
    CLanguageManager& languages = CLanguageManager::Instance();
    const std::vector<LanguageEntry> entries = languages.Entries();
    const int language = languages.ReadLanguage();
    languages.LoadLanguageFile(language >= 0 && static_cast<size_t>(language) < entries.size()
                                   ? entries[static_cast<size_t>(language)].file
                                   : QStringLiteral("lan_cn.xml"));
    CSkinChangeObserver::Instance().AddReceiver(this);

    closeBtn_ = FindControl(QStringLiteral("closebtn"));
    maxBtn_ = FindControl(QStringLiteral("maxbtn"));
    restoreBtn_ = FindControl(QStringLiteral("restorebtn"));
    minBtn_ = FindControl(QStringLiteral("minbtn"));
    skinBtn_ = FindControl(QStringLiteral("skinbtn"));
    gameModeBtn_ = FindControl(QStringLiteral("gamemodebtn"));
    cloudBtn_ = FindControl(QStringLiteral("cloudbtn"));
    smartEyesBtn_ = FindControl(QStringLiteral("smarteyesbtn"));
    setBtn_ = FindControl(QStringLiteral("setbtn"));
    noDeviceLink_ = FindControl(QStringLiteral("No_device_Link"));
    if (noDeviceLink_) noDeviceLink_->installEventFilter(this);
    if (QWidget* caption = FindControl(QStringLiteral("caption")))
        SetCaptionHeight(caption->sizeHint().height());

    // The default picture, stretched over the window whatever its size.
    OnSkinChanged(SkinChangedParam{false, 0, QString::fromLatin1(CSkinFrame::kDefaultBackground)});

    mainWindowHandle = GetHWND();
    setWindowIcon(QIcon(CSkinResources::Instance().PathOf(QStringLiteral("common/app_icon.png"))));
    CreateTrayIcon();
    powerWatch_ = WatchPowerNotices(this);
    for (const auto& part : parts_) part->OnInitWindow(*this);
}

void CMainWnd::OnWindowInitSequence() {
    BroadcastIpcMessage({QString::fromUtf8(AppNames::kLightControlBroadcast), 1, 1});
    ApplyLanguageIndex(CLanguageManager::Instance().ReadLanguage());
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        screenSize_ = screen->geometry().size();
    // The frame is shown at once; the parts (devices, discovery, profile files) fill it
    // after its first paint (main_wnd_first_paint.cpp).
    ShowThenFill();
}

int CMainWnd::ShowMessage(const QString& text, bool textIsId, int buttons) {
    return ShowMessageBox(this, QString(), text, UiDpi(), textIsId, buttons);
}

void CMainWnd::ShowAbout() {
    if (aboutWnd_) return;
    CAboutWnd about(this);
    if (!about.Create(this, QStringLiteral("  "), 800, 572, Qt::Tool | Qt::FramelessWindowHint)) return;
    about.ShowVersion(QString::fromStdString(ProgramVersionText()));
    about.CenterWindow();
    aboutWnd_ = about.GetHWND();
    about.ShowModal();
    aboutWnd_ = 0;
}

void CMainWnd::OpenSettings(bool docked) {
    if (settingsWnd_) return;
    for (const auto& part : parts_)
        if (part->OpenSettings(*this, docked)) return;
}

void CMainWnd::HideToTray() {
    // Without a tray there would be no way back but a second start: minimise instead.
    if (tray_ && tray_->TrayIcon()->isVisible())
        hide();
    else
        showMinimized();
}
