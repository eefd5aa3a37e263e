// The device bar: showing, hiding and selecting entries.
#include <QAbstractButton>
#include <QScrollArea>
#include <QStackedWidget>
#include "ui/controls.h"
#include "ui/window_messages.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "devices/mousepad_device.h"
#include "mainwnd/main_wnd.h"
#include "panels/light/light_control_ui.h"

void CDevicePart::SelectTab(QWidget* container, int index) {
    if (auto* stack = qobject_cast<QStackedWidget*>(container); stack && index >= 0 && index < stack->count())
        stack->setCurrentIndex(index);
}

bool CDevicePart::AnyOtherEntryVisible(int i) const {
    for (int j = 0; j < slots_.Count(); ++j)
        if (j != i && slots_.At(j)->entry->IsShown()) return true;
    return false;
}

void CDevicePart::ShowPowerPanelOf(const DeviceSlot* slot) {
    if (!powerSwitch_) return;
    const int index = slot ? slot->entry->PowerIndex() : -1;
    if (index < 0) {
        powerSwitch_->setVisible(false);
        return;
    }
    powerSwitch_->setVisible(true);
    SelectTab(powerStack_, index);
}

void CDevicePart::ShowEntry(int i, bool visible, bool select) {
    DeviceSlot* slot = slots_.At(i);
    if (!slot || !wnd_) return;
    CDeviceOptionUI* entry = slot->entry;
    entry->Show(visible);
    if (select) {
        SelectTab(pageStack_, entry->PageIndex());
        ShowPowerPanelOf(slot);
    }
    // Selecting raises "selectchanged", which records the selection (OnUserSelection).
    entry->Select(select);

    int shown = 0;
    int synchro = 0;
    for (const auto& other : slots_.All()) {
        if (!other->entry->IsShown()) continue;
        ++shown;
        if (other->entry->IsSynchro()) ++synchro;
    }

    QWidget* noDevice = wnd_->FindControl(QStringLiteral("No_device_Link"));
    if (noDevice) noDevice->setVisible(shown == 0);
    if (QWidget* hint = wnd_->FindControl(QStringLiteral("device_bar_hint"))) hint->setVisible(shown == 0);
    if (shown == 0) {
        SelectTab(powerStack_, 0);
        SelectTab(pageStack_, 0);
    }

    // Light synchronisation needs two devices to show.
    const bool syncOffered = shown >= 2;
    for (const auto& other : slots_.All()) {
        if (other->lightPanel) other->lightPanel->SetSameModeFlag(syncOffered);
        if (!syncOffered) other->lightSync = false;
        if (!other->lightSync && other->pad && other->pad->MousePadPage())
            other->pad->MousePadPage()->ShowLightSyncHint(false);
    }
    if (synchro < 2)
        for (const auto& other : slots_.All())
            if (other->entry->IsSynchro()) other->entry->SetSynchro(false);

    UpdateBarButtons();
}

void CDevicePart::HideEntry(int i) {
    DeviceSlot* slot = slots_.At(i);
    if (!slot || !wnd_) return;
    int next = -1;
    if (slot->entry->IsShown() && slot->entry->IsSelected()) {
        // The windows that act on the selected device close with it.
        if (WindowHandle settings = wnd_->SettingsWindow()) SendWindowMessage(settings, WM_CLOSE);
        if (WindowHandle about = wnd_->AboutWindow()) SendWindowMessage(about, WM_CLOSE);
        if (stopRecording_) stopRecording_();
        for (int j = 0; j < slots_.Count(); ++j) {
            if (j != i && slots_.At(j)->entry->IsShown()) {
                next = j;
                break;
            }
        }
    }
    ShowEntry(i, false, false);
    if (next >= 0) ShowEntry(next, true, true);
}

void CDevicePart::OnUserSelection() {
    const int index = slots_.SelectedIndex();
    const DeviceSlot* slot = slots_.At(index);
    selectedEntry_ = index;
    selectedKind_ = slot ? slot->entry->Kind() : 0;
    selectedSubKind_ = slot ? slot->entry->SubKind() : 0;
    if (slot) ShowPowerPanelOf(slot);
    // A bar with more devices than fit scrolls; the chosen one comes into view.
    if (auto* scroll =
            wnd_ ? wnd_->FindControl<QScrollArea>(QStringLiteral("device_select_scroll")) : nullptr;
        scroll && slot)
        scroll->ensureWidgetVisible(slot->entry, 0, 0);
    UpdateBarButtons();
}

void CDevicePart::SelectPrevious() {
    const int selected = slots_.SelectedIndex();
    if (selected < 0) return;
    for (int j = selected - 1; j >= 0; --j) {
        if (slots_.At(j)->entry->IsShown()) {
            slots_.At(j)->entry->Select(true);
            return;
        }
    }
}

void CDevicePart::SelectNext() {
    const int selected = slots_.SelectedIndex();
    if (selected < 0) return;
    for (int j = selected + 1; j < slots_.Count(); ++j) {
        if (slots_.At(j)->entry->IsShown()) {
            slots_.At(j)->entry->Select(true);
            return;
        }
    }
}

void CDevicePart::UpdateBarButtons() {
    if (!wnd_) return;
    const int selected = slots_.SelectedIndex();
    bool before = false;
    bool after = false;
    for (int j = 0; selected >= 0 && j < slots_.Count(); ++j) {
        if (j == selected || !slots_.At(j)->entry->IsShown()) continue;
        (j < selected ? before : after) = true;
    }
    if (QWidget* prev = wnd_->FindControl(QStringLiteral("device_select_prev"))) prev->setEnabled(before);
    if (QWidget* next = wnd_->FindControl(QStringLiteral("device_select_next"))) next->setEnabled(after);
}
