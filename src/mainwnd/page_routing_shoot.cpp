// The gun presets panel of the mouse page: choosing a gun and a bullet, editing the bullet,
// resetting, importing and exporting a preset, and sending the four presets to the mouse.
// Every edit, a direction as well as a number, is stored in the preset files at once; the
// mouse receives them when the user asks.
#include "devices/mouse_device.h"
#include "macros/shoot_device.h"
#include "macros/shoot_store.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/file_dialog.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "panels/shoot/shoot_control_ui.h"
#include "ui/language_table.h"
#include "ui/local_path.h"

namespace wiring {
namespace {

constexpr int kConfirmOnly = 0;
constexpr int kConfirmAndCancel = 1;
constexpr int kConfirmed = 1;
constexpr int kShootSent = 0;
constexpr const char* kShootFileText = "message_text_shoot_file";
constexpr const char* kShootResetText = "message_text_shoot_reset";
constexpr const char* kShootImportText = "message_text_shoot_import";
constexpr const char* kWriteFailedText = "message_text_7";

// The shoot panel of the context's mouse, or nullptr (another kind, or a page without one).
CShootControlUI* ShootPanel(WiringContext& ctx) {
    if (!ctx.Mouse() || !ctx.slot->page) return nullptr;
    return ctx.slot->page->findChild<CShootControlUI*>();
}

bool Confirm(WiringContext& ctx, const char* textId) {
    return ctx.wnd.ShowMessage(QLatin1String(textId), true, kConfirmAndCancel) == kConfirmed;
}

// A preset that could not be read or written is told, with the reason, so that the user
// does not take the old preset for the new one.
void ReportFileResult(WiringContext& ctx, const CShootControlUI& panel, int result) {
    if (result == shoot::kShootDone) return;
    const QString text = CLanguageTable::Instance().Text(QLatin1String(kShootFileText));
    ctx.wnd.ShowMessage(text + QLatin1Char('\n') + panel.LastError(), false, kConfirmOnly);
}

// The bullet the panel shows goes into its preset file.
void StoreShownBullet(WiringContext& ctx, CShootControlUI& panel) {
    ReportFileResult(ctx, panel, panel.SaveBullet(panel.CurrentGun(), panel.GetBulletIndex()));
}

}  // namespace

void BindShootPanel(DeviceSlot& slot) {
    if (!slot.mouse || !slot.page || !IsMouseKind(slot.device->DeviceKind())) return;
    CShootControlUI* panel = slot.page->findChild<CShootControlUI*>();
    if (!panel || panel->GetBulletIndex() >= 0) return;  // none, or bound already
    panel->SetUserFolder(LocalPathToQString(slot.device->DataFolder()));
    panel->SetDefaultFolder(LocalPathToQString(slot.device->DefaultDataFolder()));
    panel->Init();
    panel->SelectGun(0);
    panel->SelectBullet(0);
}

void OnShootGunOption(WiringContext& ctx, int gun) {
    CShootControlUI* panel = ShootPanel(ctx);
    if (!panel) return;
    panel->SelectGun(gun);
    panel->ShowBullet(panel->CurrentGun(), panel->GetBulletIndex());
}

void OnBulletOption(WiringContext& ctx, int bullet) {
    if (CShootControlUI* panel = ShootPanel(ctx)) panel->SelectBullet(bullet);
}

void OnPreviousBullet(WiringContext& ctx, int) {
    if (CShootControlUI* panel = ShootPanel(ctx)) panel->PreviousBullet();
}

void OnNextBullet(WiringContext& ctx, int) {
    if (CShootControlUI* panel = ShootPanel(ctx)) panel->NextBullet();
}

// A direction is part of the bullet like its numbers: it is stored at once, so the preset
// file and the next "Send to mouse" carry it without another edit.
void OnBulletHorizontalCheck(WiringContext& ctx, int) {
    CShootControlUI* panel = ShootPanel(ctx);
    if (!panel) return;
    panel->UpdateHorizontalText();
    StoreShownBullet(ctx, *panel);
}

void OnBulletVerticalCheck(WiringContext& ctx, int) {
    CShootControlUI* panel = ShootPanel(ctx);
    if (!panel) return;
    panel->UpdateVerticalText();
    StoreShownBullet(ctx, *panel);
}

void OnBulletEditLeft(WiringContext& ctx, int) {
    if (CShootControlUI* panel = ShootPanel(ctx)) StoreShownBullet(ctx, *panel);
}

void OnShootSend(WiringContext& ctx, int) {
    CShootControlUI* panel = ShootPanel(ctx);
    if (!panel) return;
    if (shoot::SendPresets(*ctx.Mouse(), panel->Store()) != kShootSent)
        ctx.wnd.ShowMessage(QLatin1String(kWriteFailedText), true, kConfirmOnly);
}

void OnShootReset(WiringContext& ctx, int) {
    CShootControlUI* panel = ShootPanel(ctx);
    if (!panel || !Confirm(ctx, kShootResetText)) return;
    ReportFileResult(ctx, *panel, panel->ResetGun(panel->CurrentGun()));
}

void OnShootImport(WiringContext& ctx, int) {
    CShootControlUI* panel = ShootPanel(ctx);
    if (!panel) return;
    const QString path = AskFileName(&ctx.wnd, FileDialogMode::Open, kShootFileFilter);
    if (path.isEmpty() || !Confirm(ctx, kShootImportText)) return;
    ReportFileResult(ctx, *panel, panel->ImportGun(path));
}

void OnShootExport(WiringContext& ctx, int) {
    CShootControlUI* panel = ShootPanel(ctx);
    if (!panel) return;
    // The save dialog asks before it replaces a file.
    const QString path = AskFileName(&ctx.wnd, FileDialogMode::Save, kShootFileFilter);
    if (path.isEmpty()) return;
    ReportFileResult(ctx, *panel, panel->ExportGun(path));
}

}  // namespace wiring
