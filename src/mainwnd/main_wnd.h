#pragma once
// CMainWnd: the program's one top-level window, built from the skin "XML_MAIN".
//
// The frame handles the caption buttons, the tray icon and its menu, the language and the
// background, the layout for the screen's DPI, the messages from other programs (instance
// message, light-control request, updater message), power notices, and the thread table
// that is shut down when the window is destroyed. Devices, discovery, pages and the
// settings window come in as parts (main_wnd_part.h).
//
// Files: main_wnd.cpp (creation, window-init), main_wnd_notify.cpp (notifications and
// caption clicks), main_wnd_messages.cpp (window messages), main_wnd_tray.cpp (tray, menus,
// about window), main_wnd_layout.cpp (bring forward, layout adaptation),
// main_wnd_light.cpp (light control, power, telling devices), main_wnd_threads.cpp (the
// thread table), main_wnd_language.cpp (language and background).
#include <QPointer>
#include <QSize>
#include <array>
#include <functional>
#include <memory>
#include <vector>
#include "shell/device_hook.h"
#include "shell/skin_change.h"
#include "ui/skin_window.h"
#include "mainwnd/main_wnd_part.h"

class CDeviceSlots;
class CMenuWnd;
struct DeviceSlot;
class CTrayIcon;
class StopEvent;
class WorkerThread;

class CMainWnd final : public CSkinWindow, public ISkinChangeReceiver {
    Q_OBJECT
public:
    CMainWnd();
    ~CMainWnd() override;

    QString GetWindowClassName() const override { return QStringLiteral("MainWnd"); }
    QString GetSkinFile() const override { return QStringLiteral("XML_MAIN"); }
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    QWidget* CreateControl(const QString& className, QWidget* parent) override;
    void OnSkinChanged(const SkinChangedParam& param) override;

    // Creates the window as the program does: title "KV_ELM Gaming mouse", 800 x 572,
    // centred, hidden until the window-init sequence shows it.
    bool CreateMainWindow();
    // The main window's handle for workers (0 while there is none).
    static WindowHandle MainWindowHandle();

    // ---- parts ----
    void AddPart(std::unique_ptr<IMainWndPart> part);

    // ---- device slots (mainwnd/device_slots.h; filled by the device part at window init) ----
    void SetDeviceSlots(CDeviceSlots* deviceSlots) { deviceSlots_ = deviceSlots; }
    CDeviceSlots* DeviceSlots() const { return deviceSlots_; }
    // The slot of the first visible entry whose "device_select" is selected; nullptr: none.
    DeviceSlot* SelectedSlot() const;
    // A device's page was just built (on the device's first arrival): every part binds what
    // it keeps on that page before the device reads itself.
    void TellDevicePageBuilt(DeviceSlot& slot);

    // ---- thread table: 20 slots, each with its own manual-reset stop event ----
    static constexpr int kThreadSlots = 20;
    // Runs body on a new thread in slot (0 discovery, 2 update check, 8 light sync); body
    // gets the slot's stop event and must return soon after it is set. False for a bad
    // slot or one whose thread still runs.
    bool StartThread(int slot, std::function<void(const StopEvent&)> body);
    bool ThreadRunning(int slot) const;
    const StopEvent* SlotStopEvent(int slot) const;

    // ---- input hooks of macro recording and key capture (message 1054 installs them for key
    // capture; a recording start installs them in its own mode) ----
    CDeviceHook& Hook() { return hook_; }

    // ---- state ----
    int LightControl() const { return lightControl_; }
    int Attention() const { return attention_; }
    bool WindowActive() const { return windowActive_; }
    bool Asleep() const { return asleep_; }
    int UiDpi() const { return GetDpi(); }
    QSize ScreenSize() const { return screenSize_; }
    // True once the parts have filled the window (after its first paint).
    bool Initialised() const { return initialised_; }
    // Start in the tray (or minimised without one) instead of showing the window.
    void SetStartMinimized(bool minimized) { startMinimized_ = minimized; }
    // True once the layout was adapted to the screen (kTimerLayout).
    bool LayoutAdapted() const { return layoutAdapted_; }
    WindowHandle SettingsWindow() const { return settingsWnd_; }
    void SetSettingsWindow(WindowHandle window) { settingsWnd_ = window; }
    WindowHandle AboutWindow() const { return aboutWnd_; }
    CMenuWnd* TrayMenu() const;
    // The tray icon; nullptr before the window is created.
    CTrayIcon* Tray() const { return tray_.get(); }

    // ---- operations ----
    // Shows "No_device_Link" when no device entry is visible, restores the window and
    // brings it to the front.
    void BringForward();
    // The tray icon's left click: hides a visible window, shows a hidden one.
    void TrayToggle();
    // The UI DPI for the window's screen, the size 1000 x 640, centred.
    void AdaptLayout();
    // Flips the light-control flag as a click on "control_light_status" does.
    void ToggleLightControl();
    // Tells every device a flag (through the parts).
    void TellDevices(DeviceFlag flag, int value);
    // Opens the about window modally (one at a time).
    void ShowAbout();
    // Asks the parts to open the settings window; nothing while one is open.
    void OpenSettings(bool docked);
    // The program's message box with this window's UI DPI (see msg_wnd.h).
    int ShowMessage(const QString& text, bool textIsId, int buttons);

    // How "closebtn" ends the process (tests replace it).
    static void SetExitProcess(std::function<void(int)> exitProcess);

    static constexpr int kTimerLayout = 1011;
    // The pages step aside while "No_device_Link" is shown, whoever shows it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    static constexpr int kTimerTrayMenu = 1032;

private:
    // main_wnd.cpp
    void OnWindowInitSequence();
    // main_wnd_first_paint.cpp
    void ShowThenFill();
    void FillWindow();
    static void ExitProcessNow(int code);
    // main_wnd_notify.cpp
    bool HandleCaptionClick(const QString& name);
    bool RouteToParts(TNotifyUI& msg);
    // main_wnd_messages.cpp
    bool HandleUpperMessage(unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    bool HandleLowerMessage(unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void OnTimer(int id);
    // main_wnd_tray.cpp
    void CreateTrayIcon();
    void OpenTrayMenu();
    bool OnMenuCommand(const QString& item);
    void HideToTray();
    // main_wnd_light.cpp
    void OnLightControlRequest(WPARAM wParam, LPARAM lParam);
    void OnPowerBroadcast(WPARAM wParam);
    void SetLightControlText();
    // main_wnd_threads.cpp
    void ShutdownThreads();
    // main_wnd_language.cpp
    void ApplyLanguageIndex(int index);
    // main_wnd_layout.cpp
    void Relayout();
    void UpdateNoDeviceLink();

    std::vector<std::unique_ptr<IMainWndPart>> parts_;
    CDeviceSlots* deviceSlots_ = nullptr;  // owned by the device part

    struct ThreadSlot;
    std::array<std::unique_ptr<ThreadSlot>, kThreadSlots> threads_;
    bool threadsShutDown_ = false;

    int lightControl_ = 1;
    int attention_ = 0;
    bool windowActive_ = false;
    bool asleep_ = false;
    bool displayChanged_ = false;
    bool initialised_ = false;
    bool layoutAdapted_ = false;
    bool frameShowsWindow_ = false;
    bool startMinimized_ = false;
    bool filled_ = false;
    QSize screenSize_;

    WindowHandle settingsWnd_ = 0;
    WindowHandle aboutWnd_ = 0;
    std::unique_ptr<CTrayIcon> tray_;
    CDeviceHook hook_;
    QPointer<CMenuWnd> trayMenu_;
    QPointer<QObject> powerWatch_;

    QWidget* closeBtn_ = nullptr;
    QWidget* maxBtn_ = nullptr;
    QWidget* restoreBtn_ = nullptr;
    QWidget* minBtn_ = nullptr;
    QWidget* skinBtn_ = nullptr;
    QWidget* gameModeBtn_ = nullptr;
    QWidget* cloudBtn_ = nullptr;
    QWidget* smartEyesBtn_ = nullptr;
    QWidget* setBtn_ = nullptr;
    QWidget* noDeviceLink_ = nullptr;
};
