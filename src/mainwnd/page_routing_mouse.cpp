// The mouse page's own controls: DPI stages, polling rate, the pointer and system values,
// the setting pages, the "tolva_DPI_" pair and the buttons that open the desktop's mouse
// settings. Every change goes page -> device model -> profile file -> device.
#include <algorithm>

#include "ui/controls.h"
#include "devices/mouse/mouse_dpi.h"
#include "devices/mouse_device.h"
#include "mainwnd/desktop_settings.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/rules/page_values.h"
#include "panels/mousepage/mouse_page.h"

namespace wiring {
namespace {

// Stage `stage` of the mouse's list after `change`; the list grows with zeroed stages as
// needed. False (nothing stored) for a stage the page does not have.
template <class Change>
bool ChangeDpiStage(CVornakelMouseDevice& mouse, int stage, Change change) {
    std::vector<DpiStage> stages = mouse.GetDpiStages();
    if (!EnsureDpiStage(stages, stage)) return false;
    change(stages[static_cast<size_t>(stage)]);
    mouse.SetDpiStages(stages);
    return true;
}

void SetMouseValue(CVornakelMouseDevice& mouse, int index, int value) {
    mouse.SetSystemValues(WithMouseValue(mouse.GetSystemValues(), index, value));
}

uint16_t StoredPosition(const CVornakelMouseDevice& mouse, int stage) {
    const std::vector<DpiStage>& stages = mouse.GetDpiStages();
    return IsDpiStageIndex(stage) && static_cast<size_t>(stage) < stages.size() ? stages[static_cast<size_t>(stage)].X()
                                                                                 : 0;
}

// The stage's slider position as a stored value (a slider never goes below 0).
uint16_t AsPosition(int position) { return static_cast<uint16_t>(std::clamp(position, 0, 0xFFFF)); }

void SetItemValue(WiringContext& ctx, int index, int (IMousePage::*item)() const) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page) return;
    SetMouseValue(*mouse, index, (page->*item)());
    mouse->SaveProfile();
    ctx.WriteSettings();
}

}  // namespace

void OnDpiEnableCheck(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page || !IsDpiStageIndex(stage)) return;
    const bool enabled = page->IsDpiStageChecked(stage);
    mouse->ShowDpiStageEnabled(stage, enabled);
    ChangeDpiStage(*mouse, stage, [enabled](DpiStage& s) { s.stageActive = enabled ? 1 : 0; });
    mouse->SaveProfile();
    ctx.WriteSettings();
}

void OnDpiSliderReleased(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page || !IsDpiStageIndex(stage)) return;
    const int position = page->DpiSliderPosition(stage);
    mouse->ShowDpiStagePosition(stage, position);
    ChangeDpiStage(*mouse, stage, [position](DpiStage& s) { s.SetX(AsPosition(position)); });
    mouse->SaveProfile();
    ctx.WriteSettings();
}

void OnDpiSliderMoving(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page || !IsDpiStageIndex(stage)) return;
    mouse->ShowDpiStagePosition(stage, page->DpiSliderPosition(stage));
}

void OnDpiEditLeft(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page || !IsDpiStageIndex(stage)) return;
    // A sensor that reports no step cannot convert: the stage keeps its position, and
    // showing it puts the DPI it stands for back into the edit.
    const int position =
        mouse::PositionForDpiText(mouse->SensorInfo(), page->DpiEditText(stage), StoredPosition(*mouse, stage));
    mouse->ShowDpiStagePosition(stage, position);
    ChangeDpiStage(*mouse, stage, [position](DpiStage& s) { s.SetX(AsPosition(position)); });
    mouse->SaveProfile();
    ctx.WriteSettings();
}

void OnPollingOption(WiringContext& ctx, int option) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    // Only the option that became selected tells the choice.
    if (!mouse || !IsSelected(ctx.Sender())) return;
    mouse->ShowPollingOption(option);
    SetMouseValue(*mouse, MouseValue::kPollingRate, option);
    mouse->SaveProfile();
    ctx.WriteSettings();
}

void OnSettingPageOption(WiringContext& ctx, int pageIndex) {
    auto* page = dynamic_cast<CMousePage*>(ctx.MousePage());
    if (!page || !IsSelected(ctx.Sender())) return;
    page->ShowSettingPage(pageIndex);
}

void OnPointerSpeed(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page) return;
    SetMouseValue(*mouse, MouseValue::kMouseSpeed, page->PointerSpeed());
    mouse->SaveProfile();
}

void OnPointerPrecision(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page) return;
    SetMouseValue(*mouse, MouseValue::kPointerPrecision, page->PointerPrecision() ? 1 : 0);
    mouse->SaveProfile();
}

void OnScrollByPageCheck(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page) return;
    const bool byPage = page->ScrollByPage();
    const int lines = page->ScrollLines();
    page->ShowScroll(byPage, lines);
    MouseSystemValues values = WithMouseValue(mouse->GetSystemValues(), MouseValue::kScrollByPage, byPage ? 1 : 0);
    mouse->SetSystemValues(WithMouseValue(values, MouseValue::kWheelScrollLines, lines));
    mouse->SaveProfile();
}

void OnScrollSpeed(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page) return;
    // Choosing a line count ends scrolling by pages.
    const int lines = page->ScrollLines();
    page->ShowScroll(false, lines);
    MouseSystemValues values = WithMouseValue(mouse->GetSystemValues(), MouseValue::kScrollByPage, 0);
    mouse->SetSystemValues(WithMouseValue(values, MouseValue::kWheelScrollLines, lines));
    mouse->SaveProfile();
}

void OnDoubleClick(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page) return;
    const int value = page->DoubleClickValue();
    // The slider's tip tells the time the new value stands for.
    page->ShowDoubleClickTime(value);
    SetMouseValue(*mouse, MouseValue::kDoubleClickTime, value);
    mouse->SaveProfile();
}

void OnAstCombo(WiringContext& ctx, int) { SetItemValue(ctx, MouseValue::kAstItem, &IMousePage::AstItem); }
void OnMshCombo(WiringContext& ctx, int) { SetItemValue(ctx, MouseValue::kMshItem, &IMousePage::MshItem); }
void OnLogoCombo(WiringContext& ctx, int) { SetItemValue(ctx, MouseValue::kLogoItem, &IMousePage::LogoItem); }

void OnTolvaSliderMoving(WiringContext& ctx, int n) {
    QWidget* slider = ctx.Sender();
    QWidget* edit = ctx.FindNearSender(QStringLiteral("tolva_DPI_edit_%1").arg(n));
    if (!slider || !edit) return;
    SetText(edit, QString::number(GetValue(slider) - 1));
}

void OnTolvaEditLeft(WiringContext& ctx, int n) {
    QWidget* edit = ctx.Sender();
    if (!edit) return;
    const int value = ClampTolvaDpi(GetText(edit).toStdString());
    SetText(edit, QString::number(value));
    if (QWidget* slider = ctx.FindNearSender(QStringLiteral("tolva_DPI_slider_%1").arg(n))) SetValue(slider, value);
}

void OnDesktopSettings(WiringContext& ctx, int n) {
    // A click that opens nothing would look broken: say what to do instead.
    if (!OpenDesktopMouseSettings(n)) ctx.wnd.ShowMessage(QStringLiteral("message_text_no_desktop_tool"), true, 0);
}

}  // namespace wiring
