#pragma once
// Inside the page wiring: the context a routing handler gets, the routing table and the
// handlers, grouped by the page they serve. See page_wiring_part.h.
#include <span>

#include "ui/ui_types.h"
#include "devices/usb_device.h"
#include "macros/hook_record.h"
#include "macros/macro_recorder.h"
#include "mainwnd/rules/name_match.h"

class CMainWnd;
class CPageWiringPart;
class CDeviceProfileUI;
class CLightControlUI;
class CVornakelMouseDevice;
class CKeySetControlUI;
class IKeyAssignmentDevice;
class CMacroControlUI;
class QString;
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
// True when Enter in the edit box of row `row` commits it: every "killfocus" row of an
// edit that holds a value.
bool CommitsOnReturn(size_t row);

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

// ---- page_routing_keyboard.cpp: the keyboard page ----
bool IsKeyboardSlot(const DeviceSlot* slot);
// "polling_rate_option_" n: the keyboard's own row, else the mouse's.
void OnPollingOptionOfKind(WiringContext& ctx, int option);
void OnRepeatDelayOption(WiringContext& ctx, int option);
void OnRepeatRate(WiringContext& ctx, int);
void OnKeyboardFlag(WiringContext& ctx, int);
void OnResetRepeatField(WiringContext& ctx, int);
void OnCustomGroupChosen(WiringContext& ctx, int);
void OnFillCustomColours(WiringContext& ctx, int);
void OnKeysBandSelected(WiringContext& ctx, int);
// A key clicked on a keyboard's lighting page paints it (lighting mode 8); true when the
// click was the keyboard's lighting page's (handled, painted or not).
bool PaintKeyOnLightingPage(WiringContext& ctx, int led);

// ---- page_routing_light_sync.cpp ----
// "deng_same_mode": every connected lighted device takes the selected device's lighting in
// the equivalent mode of its kind.
void OnSameLightMode(WiringContext& ctx, int);
// kMsgLightSyncFollow: the other synchronised devices take the lighting of slot `source`.
void FollowLightSync(CMainWnd& wnd, int source);

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

// ---- page_routing_keys.cpp: the key assignment panel ----
CKeySetControlUI* KeyPanelOf(const DeviceSlot* slot);
// The slot's device when it has programmable keys and macros (mouse, keyboard), else nullptr.
IKeyAssignmentDevice* KeysOf(const DeviceSlot* slot);
// The key panel shows the slot's selected key (nothing without one).
void ShowSelectedKeyOnPanel(DeviceSlot* slot);
// Builds the panel's assignment and hands it to the device, which stores it for the
// selected key, saves the profile and sends the key codes.
void ApplyKeyPanel(WiringContext& ctx);
void OnKeyListRow(WiringContext& ctx, int);
void OnKeyFunctionChosen(WiringContext& ctx, int);
void OnKeyOptionChanged(WiringContext& ctx, int);
void OnMacroOverChosen(WiringContext& ctx, int);
void OnModifierOption(WiringContext& ctx, int option);
void OnKeyDefault(WiringContext& ctx, int);
void OnKeyCancel(WiringContext& ctx, int);
void OnKeyCaptureFocus(WiringContext& ctx, int);
bool CaptureSingleKey(CMainWnd& wnd, const macros::HookRecord& record);

// ---- page_routing_macro.cpp: the macro page ----
// The slot's macro page with its user folder set (its list loaded), or nullptr.
CMacroControlUI* MacroPanelOf(DeviceSlot* slot);
bool SaveMacroAndSend(WiringContext& ctx);
void OnMacroChosen(WiringContext& ctx, int);
void OnEventRowChosen(WiringContext& ctx, int);
void OnNewMacro(WiringContext& ctx, int);
void OnCopyMacro(WiringContext& ctx, int);
void OnDeleteMacro(WiringContext& ctx, int);
void OnRenameMacro(WiringContext& ctx, int);
void OnImportMacro(WiringContext& ctx, int);
void OnExportMacro(WiringContext& ctx, int);
void OnSaveMacro(WiringContext& ctx, int);
void OnCancelMacro(WiringContext& ctx, int);
void OnMacroRowCommand(WiringContext& ctx, int);
void OnMacroMove(WiringContext& ctx, int variant);
void OnMacroDelayLeft(WiringContext& ctx, int);
void OnFixedDelayTyped(WiringContext& ctx, int);
void OnStartRecording(WiringContext& ctx, int);
void OnStopRecording(WiringContext& ctx, int);
void OnMacroRowActivated(WiringContext& ctx, int);
// recordMode 0: from the page's timing options.
void StartMacroRecording(CMainWnd& wnd, CPageWiringPart& part, int recordMode, int hookMode);
bool RecordHookEvent(CMainWnd& wnd, const macros::HookRecord& record, macros::RecordPosition position);
bool OnMacroMenuCommand(CMainWnd& wnd, CPageWiringPart& part, const QString& item);

// ---- page_routing_hook.cpp ----
bool OnHookMessage(CMainWnd& wnd, CPageWiringPart& part, unsigned msg, WPARAM wParam, LPARAM lParam);

// ---- profile_commands.cpp ----
void OnNewProfile(WiringContext& ctx, int);
void OnDeleteProfile(WiringContext& ctx, int);
void OnCopyProfile(WiringContext& ctx, int);
void OnExportProfile(WiringContext& ctx, int);
void OnImportProfile(WiringContext& ctx, int);
void OnRenameProfile(WiringContext& ctx, int);
// profile_binding_commands.cpp: the programs a profile is bound to, and the return profile.
void OnBindProgram(WiringContext& ctx, int);
void OnUnbindProgram(WiringContext& ctx, int);
void OnReturnProfileToggled(WiringContext& ctx, int);
void OnResetProfile(WiringContext& ctx, int);
void OnRestoreDefaults(WiringContext& ctx, int);
void OnSaveKeys(WiringContext& ctx, int);
void OnProfileChosen(WiringContext& ctx, int);
// kTimerProfileSwitch: the slot's device switches to the profile chosen in its panel.
void RunProfileSwitch(CMainWnd& wnd, DeviceSlot* slot);

}  // namespace wiring
