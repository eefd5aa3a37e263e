// The mouse page's own controls: DPI stages, polling rate, the pointer and system values,
// the setting pages, the "tolva_DPI_" pair and the buttons that open the desktop's mouse
// settings. Each row reads the page's value and hands it to one operation of the mouse
// (mouse_operations.cpp), which stores, saves, writes and shows it.
#include "ui/controls.h"
#include "devices/mouse_device.h"
#include "devices/mouse_operations.h"
#include "mainwnd/desktop_settings.h"
#include "mainwnd/device_slots.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_routing.h"
#include "mainwnd/rules/page_values.h"
#include "panels/mousepage/mouse_page.h"

namespace wiring {
namespace {

void SetItemValue(WiringContext& ctx, int index, int (IMousePage::*item)() const) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (mouse && page) mouse->SetSystemValue(index, (page->*item)());
}

}  // namespace

void OnDpiEnableCheck(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (mouse && page) mouse->SetDpiStageEnabled(stage, page->IsDpiStageChecked(stage));
}

void OnDpiSliderReleased(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (mouse && page) mouse->SetDpiStagePosition(stage, page->DpiSliderPosition(stage));
}

void OnDpiSliderMoving(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (!mouse || !page || !mouseops::IsDpiStageIndex(stage)) return;
    mouse->ShowDpiStagePosition(stage, page->DpiSliderPosition(stage));
}

void OnDpiEditLeft(WiringContext& ctx, int stage) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (mouse && page) mouse->SetDpiStageText(stage, page->DpiEditText(stage));
}

void OnPollingOption(WiringContext& ctx, int option) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    // Only the option that became selected tells the choice.
    if (mouse && IsSelected(ctx.Sender())) mouse->SetPollingRate(option);
}

void OnSettingPageOption(WiringContext& ctx, int pageIndex) {
    auto* page = dynamic_cast<CMousePage*>(ctx.MousePage());
    if (!page || !IsSelected(ctx.Sender())) return;
    page->ShowSettingPage(pageIndex);
}

void OnPointerSpeed(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (mouse && page) mouse->SetSystemValue(MouseValue::kMouseSpeed, page->PointerSpeed());
}

void OnPointerPrecision(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (mouse && page) mouse->SetSystemValue(MouseValue::kPointerPrecision, page->PointerPrecision() ? 1 : 0);
}

void OnScrollByPageCheck(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    if (mouse && page) mouse->SetScrolling(page->ScrollByPage(), page->ScrollLines());
}

void OnScrollSpeed(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    // Choosing a line count ends scrolling by pages.
    if (mouse && page) mouse->SetScrolling(false, page->ScrollLines());
}

void OnDoubleClick(WiringContext& ctx, int) {
    CVornakelMouseDevice* mouse = ctx.Mouse();
    IMousePage* page = ctx.MousePage();
    // Showing the value puts the time it stands for into the slider's tip.
    if (mouse && page) mouse->SetSystemValue(MouseValue::kDoubleClickTime, page->DoubleClickValue());
}

void OnAstCombo(WiringContext& ctx, int) {
    SetItemValue(ctx, MouseValue::kAstItem, &IMousePage::AstItem);
}
void OnMshCombo(WiringContext& ctx, int) {
    SetItemValue(ctx, MouseValue::kMshItem, &IMousePage::MshItem);
}
void OnLogoCombo(WiringContext& ctx, int) {
    SetItemValue(ctx, MouseValue::kLogoItem, &IMousePage::LogoItem);
}

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
    if (QWidget* slider = ctx.FindNearSender(QStringLiteral("tolva_DPI_slider_%1").arg(n)))
        SetValue(slider, value);
}

void OnDesktopSettings(WiringContext& ctx, int n) {
    // A click that opens nothing would look broken: say what to do instead.
    if (!OpenDesktopMouseSettings(n))
        ctx.wnd.ShowMessage(QStringLiteral("message_text_no_desktop_tool"), true, 0);
}

}  // namespace wiring
