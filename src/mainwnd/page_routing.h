#pragma once
// Inside the page wiring: the context a routing handler gets, the routing table and the
// handlers, grouped by the page they serve. See page_wiring_part.h.
#include <span>

#include "ui/ui_types.h"
#include "devices/usb_device.h"
#include "mainwnd/rules/name_match.h"

class CMainWnd;
class CPageWiringPart;
class CDeviceProfileUI;
class CLightControlUI;
class CVornakelMouseDevice;
class IMousePage;
class QWidget;
struct DeviceSlot;

namespace wiring {

// Device kinds as the rows test them (a kind 6 mouse is handled as a mouse).
bool IsMouseKind(int kind);

struct WiringContext {
    CMainWnd& wnd;
    CPageWiringPart& part;
    TNotifyUI& msg;
    DeviceSlot* slot = nullptr;  // the device the control belongs to; nullptr: none

    CVornakelUSBDevice* Device() const;
    // The device when it is a mouse with a page, else nullptr.
    CVornakelMouseDevice* Mouse() const;
    IMousePage* MousePage() const;
    CDeviceProfileUI* ProfilePanel() const;
    QWidget* Sender() const;
    // The control named `name` closest to the sender (its own page before the others).
    QWidget* FindNearSender(const QString& name) const;
    // WriteSettings with record 0, first byte 0, flag 1 and the screen size.
    int WriteSettings() const;
};

// The slot whose page holds `control`, else the selected slot; nullptr when there is none.
DeviceSlot* SlotOfControl(const CMainWnd& wnd, const QWidget* control);
// The slot's profile panel (found in its page on first use), or nullptr.
CDeviceProfileUI* ProfilePanelOf(DeviceSlot* slot);
// The settings write every page change ends with.
SettingsWrite ScreenSettingsWrite(const CMainWnd& wnd);

using RouteHandler = void (*)(WiringContext& ctx, int number);
struct Route {
    RouteKey key;
    RouteHandler handler;
};
// The rows of every notification type, in the order they are tried within a type.
std::span<const Route> PageRoutes();

// ---- page_routing_mouse.cpp ----
void OnDpiEnableCheck(WiringContext& ctx, int stage);
void OnDpiSliderReleased(WiringContext& ctx, int stage);
void OnDpiSliderMoving(WiringContext& ctx, int stage);
void OnDpiEditLeft(WiringContext& ctx, int stage);
void OnPollingOption(WiringContext& ctx, int option);
void OnSettingPageOption(WiringContext& ctx, int page);
void OnPointerSpeed(WiringContext& ctx, int);
void OnPointerPrecision(WiringContext& ctx, int);
void OnScrollByPageCheck(WiringContext& ctx, int);
void OnScrollSpeed(WiringContext& ctx, int);
void OnDoubleClick(WiringContext& ctx, int);
void OnAstCombo(WiringContext& ctx, int);
void OnMshCombo(WiringContext& ctx, int);
void OnLogoCombo(WiringContext& ctx, int);
void OnTolvaSliderMoving(WiringContext& ctx, int n);
void OnTolvaEditLeft(WiringContext& ctx, int n);
void OnDesktopSettings(WiringContext& ctx, int n);

// ---- page_routing_light.cpp ----
void OnLightControl(WiringContext& ctx, int);

// ---- page_routing_tabs.cpp ----
void OnFunctionTab(WiringContext& ctx, int);
void OnProfileMenuButton(WiringContext& ctx, int);
void OnKeyButton(WiringContext& ctx, int key);

// ---- page_routing_shoot.cpp ----
// Gives the slot's gun presets panel the mouse's folders, sets its files up and shows gun 0,
// bullet 0. Nothing for another kind, a page without the panel, or a panel bound already.
void BindShootPanel(DeviceSlot& slot);
void OnShootGunOption(WiringContext& ctx, int gun);
void OnBulletOption(WiringContext& ctx, int bullet);
void OnPreviousBullet(WiringContext& ctx, int);
void OnNextBullet(WiringContext& ctx, int);
void OnBulletHorizontalCheck(WiringContext& ctx, int);
void OnBulletVerticalCheck(WiringContext& ctx, int);
void OnBulletEditLeft(WiringContext& ctx, int);
void OnShootSend(WiringContext& ctx, int);
void OnShootReset(WiringContext& ctx, int);
void OnShootImport(WiringContext& ctx, int);
void OnShootExport(WiringContext& ctx, int);

// ---- profile_commands.cpp ----
void OnNewProfile(WiringContext& ctx, int);
void OnDeleteProfile(WiringContext& ctx, int);
void OnCopyProfile(WiringContext& ctx, int);
void OnExportProfile(WiringContext& ctx, int);
void OnImportProfile(WiringContext& ctx, int);
void OnRenameProfile(WiringContext& ctx, int);
void OnResetProfile(WiringContext& ctx, int);
void OnRestoreDefaults(WiringContext& ctx, int);
void OnSaveKeys(WiringContext& ctx, int);
void OnProfileChosen(WiringContext& ctx, int);
// kTimerProfileSwitch: the slot's device switches to the profile chosen in its panel.
void RunProfileSwitch(CMainWnd& wnd, DeviceSlot* slot);

}  // namespace wiring
