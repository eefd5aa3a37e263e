// The page wiring part: window init, the dispatch of notifications through the routing
// table, kTimerProfileSwitch and the editing state; and the context the handlers share.
#include "mainwnd/page_wiring_part.h"

#include "mainwnd/device_part.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

#include "ui/controls.h"
#include "ui/local_path.h"
#include "devices/mouse_device.h"
#include "devices/program_paths.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "panels/profile/device_profile_ui.h"
#include "panels/keyset/keyset_control_ui.h"
#include "panels/macro/macro_control_ui.h"
#include "panels/profile/profile_panel_registration.h"
#include "panels/shoot/shoot_panel_registration.h"
#include "ui/menu_wnd.h"

namespace wiring {

bool IsMouseKind(int kind) {
    return kind == 2 || kind == 6;
}

CVornakelUSBDevice* WiringContext::Device() const {
    return slot ? slot->device.get() : nullptr;
}

CVornakelMouseDevice* WiringContext::Mouse() const {
    if (!slot || !slot->mouse || !IsMouseKind(slot->device->DeviceKind())) return nullptr;
    return slot->mouse;
}

IMousePage* WiringContext::MousePage() const {
    CVornakelMouseDevice* mouse = Mouse();
    return mouse ? mouse->MousePage() : nullptr;
}

CDeviceProfileUI* WiringContext::ProfilePanel() const {
    return ProfilePanelOf(slot);
}

QWidget* WiringContext::Sender() const {
    return msg.sender.data();
}

QWidget* WiringContext::FindNearSender(const QString& name) const {
    // Every mouse page has its own copy of the page's controls: look in the sender's
    // surroundings first, widening step by step.
    for (QWidget* level = Sender() ? Sender()->parentWidget() : nullptr; level; level = level->parentWidget())
        if (QWidget* found = FindControl(level, name)) return found;
    return wnd.FindControl(name);
}

int WiringContext::WriteSettings() const {
    CVornakelUSBDevice* device = Device();
    return device ? device->WriteSettings(ScreenSettingsWrite(wnd)) : 0;
}

DeviceSlot* SlotOfControl(const CMainWnd& wnd, const QWidget* control) {
    CDeviceSlots* deviceSlots = wnd.DeviceSlots();
    if (!deviceSlots) return nullptr;
    if (control) {
        for (const auto& slot : deviceSlots->All())
            if (slot->page && (slot->page == control || slot->page->isAncestorOf(control))) return slot.get();
    }
    return wnd.SelectedSlot();
}

CDeviceProfileUI* ProfilePanelOf(DeviceSlot* slot) {
    if (!slot) return nullptr;
    if (!slot->profilePanel && slot->page) slot->profilePanel = slot->page->findChild<CDeviceProfileUI*>();
    return slot->profilePanel;
}

SettingsWrite ScreenSettingsWrite(const CMainWnd& wnd) {
    SettingsWrite request;
    request.record = 0;
    request.firstByte = 0;
    request.flag = 1;
    request.screenWidth = wnd.ScreenSize().width();
    request.screenHeight = wnd.ScreenSize().height();
    return request;
}

}  // namespace wiring

namespace {

// The keys of the routing table, in table order, for the name matching.
const std::vector<wiring::RouteKey>& RouteKeys() {
    static const std::vector<wiring::RouteKey> keys = [] {
        std::vector<wiring::RouteKey> out;
        for (const wiring::Route& route : wiring::PageRoutes()) out.push_back(route.key);
        return out;
    }();
    return keys;
}

const char* const kKeyPanelButtons[] = {"key_butt_keysave", "key_butt_keycancel", "key_butt_prosave"};

}  // namespace

CPageWiringPart::CPageWiringPart() {
    // The device pages embed these panels; their classes must be known before they are built.
    RegisterProfilePanelClasses();
    RegisterShootPanelClasses();
    RegisterKeySetControlClasses();
    RegisterMacroControlClasses();
}

CPageWiringPart::~CPageWiringPart() = default;

bool CPageWiringPart::OnMessage(CMainWnd& wnd, unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == kMsgLightSyncFollow) {
        wiring::FollowLightSync(wnd, static_cast<int>(wParam));
        return true;
    }
    if (!wiring::OnHookMessage(wnd, *this, msg, wParam, lParam)) return false;
    if (result) *result = 0;
    return true;
}

bool CPageWiringPart::OnMenuCommand(CMainWnd& wnd, const QString& item) {
    return wiring::OnMacroMenuCommand(wnd, *this, item);
}

void CPageWiringPart::OnDestroy(CMainWnd& wnd) {
    if (macroMenu_) macroMenu_->deleteLater();
    wnd.Hook().Uninstall();
}

void CPageWiringPart::OpenMacroMenu(CMainWnd& wnd, QPoint at) {
    // One macro action menu at a time.
    if (macroMenu_) macroMenu_->deleteLater();
    macroMenu_ = CMenuWnd::CreateMenu(wnd.GetHWND(), QLatin1String(kMacroActionMenu), at);
}

void CPageWiringPart::OnDevicePageBuilt(CMainWnd& wnd, DeviceSlot& slot) {
    (void)wnd;
    BindProfilePanel(slot);
    wiring::BindShootPanel(slot);
}

void CPageWiringPart::BindProfilePanel(DeviceSlot& slot) {
    CDeviceProfileUI* panel = wiring::ProfilePanelOf(&slot);
    // A device with a profile name was bound already.
    if (!panel || !slot.device || !slot.device->ProfileName().empty()) return;
    CVornakelUSBDevice& device = *slot.device;
    panel->SetDeviceKind(wiring::IsMouseKind(device.DeviceKind()) ? 2 : device.DeviceKind());
    panel->SetDeviceFolder(LocalPathToQString(DeviceProgramFolder()), slot.deviceName);
    panel->Init();
    panel->SelectTab(1);
    device.SetProfileName(panel->GetSelectedId().toStdString());
    wiring::MacroPanelOf(&slot);  // the macro page lists the macros of the device kind
}

bool CPageWiringPart::OnTimer(CMainWnd& wnd, int id) {
    if (id != kTimerProfileSwitch) return false;
    // One switch per choice: the timer runs once.
    wnd.KillTimer(kTimerProfileSwitch);
    std::vector<DeviceSlot*> pending;
    pending.swap(pendingSwitches_);
    for (DeviceSlot* slot : pending) wiring::RunProfileSwitch(wnd, slot);
    return true;
}

void CPageWiringPart::ScheduleProfileSwitch(CMainWnd& wnd, DeviceSlot* slot) {
    if (!slot) return;
    if (std::find(pendingSwitches_.begin(), pendingSwitches_.end(), slot) == pendingSwitches_.end())
        pendingSwitches_.push_back(slot);
    wnd.SetTimer(kTimerProfileSwitch, kProfileSwitchDelayMs);
}

bool CPageWiringPart::OnNotify(CMainWnd& wnd, TNotifyUI& msg) {
    if (msg.Is(NotifyType::kReturn)) return CommitOnReturn(wnd, msg);
    if (msg.Is(NotifyType::kKillFocus)) {
        const bool commit = editCommit_.ShouldCommit(msg.sender.data(), GetText(msg.sender.data()));
        editCommit_.Forget();
        if (!commit) return true;
    } else if (!msg.Is(NotifyType::kTimer)) {
        editCommit_.Forget();
    }
    return Dispatch(wnd, msg);
}

bool CPageWiringPart::CommitOnReturn(CMainWnd& wnd, TNotifyUI& msg) {
    // Enter runs the row the box has for losing the focus, as that notification.
    TNotifyUI commit = msg;
    commit.type = QLatin1String(NotifyType::kKillFocus);
    const wiring::RouteMatch match = FindRouteOf(commit);
    if (!match.Found() || !wiring::CommitsOnReturn(static_cast<size_t>(match.row))) return false;
    QWidget* box = msg.sender.data();
    if (!editCommit_.ShouldCommit(box, GetText(box))) return true;
    editCommit_.BeginReturn(box);
    Run(wnd, commit, match);
    editCommit_.EndReturn(box, GetText(msg.sender.data()));
    return true;
}

wiring::RouteMatch CPageWiringPart::FindRouteOf(const TNotifyUI& msg) {
    const QByteArray type = msg.type.toLatin1();
    const QByteArray name = msg.SenderName().toUtf8();
    return wiring::FindRoute(RouteKeys(),
                             std::string_view(type.constData(), static_cast<size_t>(type.size())),
                             std::string_view(name.constData(), static_cast<size_t>(name.size())));
}

bool CPageWiringPart::Dispatch(CMainWnd& wnd, TNotifyUI& msg) {
    const wiring::RouteMatch match = FindRouteOf(msg);
    if (!match.Found()) return false;
    Run(wnd, msg, match);
    return true;
}

void CPageWiringPart::Run(CMainWnd& wnd, TNotifyUI& msg, const wiring::RouteMatch& match) {
    wiring::WiringContext ctx{wnd, *this, msg, wiring::SlotOfControl(wnd, msg.sender.data())};
    wiring::PageRoutes()[static_cast<size_t>(match.row)].handler(ctx, match.number);
}

void CPageWiringPart::SetEditingState(CMainWnd& wnd, bool includeBar, bool idle) {
    DeviceSlot* slot = wnd.SelectedSlot();
    if (includeBar) {
        if (QWidget* bar = wnd.FindControl(QStringLiteral("device_select_layout"))) bar->setEnabled(idle);
        if (CDeviceProfileUI* panel = wiring::ProfilePanelOf(slot)) panel->setEnabled(idle);
    }
    if (slot && slot->page &&
        (wiring::IsMouseKind(slot->device->DeviceKind()) || slot->device->DeviceKind() == 1)) {
        for (const char* name : kKeyPanelButtons)
            if (QWidget* button = FindControl(slot->page, QLatin1String(name))) button->setEnabled(!idle);
    }
    idle_ = idle;
}
