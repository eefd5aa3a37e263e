// The mouse's page operations: a value the user chose goes into the model and the profile,
// the profile file, the device and back onto the page, in that order, in one call.
#include "devices/mouse_operations.h"

#include <algorithm>

namespace mouseops {

bool IsDpiStageIndex(int stage) {
    return stage >= 0 && stage < CVornakelMouseDevice::kDpiStageCount;
}

bool EnsureDpiStage(std::vector<DpiStage>& stages, int stage) {
    if (!IsDpiStageIndex(stage)) return false;
    const size_t needed = static_cast<size_t>(stage) + 1;
    if (stages.size() < needed) stages.resize(needed, DpiStage{});
    return true;
}

MouseSystemValues WithMouseValue(MouseSystemValues values, int index, int value) {
    if (index < 0 || index >= MouseValue::kCount) return values;
    values[static_cast<size_t>(index)] = static_cast<uint16_t>(value);
    return values;
}

bool IsDeviceValue(int index) {
    using namespace MouseValue;
    return index == kPollingRate || index == kAstItem || index == kMshItem || index == kLogoItem;
}

}  // namespace mouseops

namespace {

// A slider position as a stored value (a slider never goes below 0).
uint16_t AsPosition(int position) {
    return static_cast<uint16_t>(std::clamp(position, 0, 0xFFFF));
}

}  // namespace

int CVornakelMouseDevice::SaveAndWrite(bool write) {
    return write ? SaveAndWriteSettings() : SaveProfile();
}

// ---- DPI stages: the page's edit, slider and check box to the settings record ----

void CVornakelMouseDevice::SetDpiStages(const std::vector<DpiStage>& stages) {
    dpiStages_ = stages;
    profile_.SetDpiStages(dpiStages_);
}

void CVornakelMouseDevice::ShowDpiStagePosition(int stage, int position) {
    if (IMousePage* page = MousePage())
        page->ShowDpiStage(stage, position, std::to_string(mouse::DpiForPosition(SensorInfo(), position)));
}

void CVornakelMouseDevice::ShowDpiStageEnabled(int stage, bool enabled) {
    if (IMousePage* page = MousePage()) page->ShowDpiStageEnabled(stage, enabled);
}

int CVornakelMouseDevice::ChangeDpiStage(int stage, const std::function<void(DpiStage&)>& change) {
    std::vector<DpiStage> stages = dpiStages_;
    if (!mouseops::EnsureDpiStage(stages, stage)) return kResultBadArgument;
    change(stages[static_cast<size_t>(stage)]);
    SetDpiStages(stages);
    return SaveAndWrite(true);
}

int CVornakelMouseDevice::SetDpiStageEnabled(int stage, bool enabled) {
    if (!mouseops::IsDpiStageIndex(stage)) return kResultBadArgument;
    ShowDpiStageEnabled(stage, enabled);
    return ChangeDpiStage(stage, [enabled](DpiStage& s) { s.stageActive = enabled ? 1 : 0; });
}

int CVornakelMouseDevice::SetDpiStagePosition(int stage, int position) {
    if (!mouseops::IsDpiStageIndex(stage)) return kResultBadArgument;
    ShowDpiStagePosition(stage, position);
    return ChangeDpiStage(stage, [position](DpiStage& s) { s.SetX(AsPosition(position)); });
}

int CVornakelMouseDevice::SetDpiStageText(int stage, const std::string& dpiText) {
    if (!mouseops::IsDpiStageIndex(stage)) return kResultBadArgument;
    const auto index = static_cast<size_t>(stage);
    const int stored = index < dpiStages_.size() ? dpiStages_[index].X() : 0;
    return SetDpiStagePosition(stage, mouse::PositionForDpiText(SensorInfo(), dpiText, stored));
}

int CVornakelMouseDevice::SetPollingRate(int option) {
    ShowPollingOption(option);
    SetSystemValues(mouseops::WithMouseValue(systemValues_, MouseValue::kPollingRate, option));
    return SaveAndWrite(true);
}

int CVornakelMouseDevice::SetSystemValue(int index, int value) {
    if (index < 0 || index >= MouseValue::kCount) return kResultBadArgument;
    SetSystemValues(mouseops::WithMouseValue(systemValues_, index, value));
    if (MousePage() != nullptr) ShowSystemValues();
    return SaveAndWrite(mouseops::IsDeviceValue(index));
}

int CVornakelMouseDevice::SetScrolling(bool byPage, int lines) {
    MouseSystemValues values =
        mouseops::WithMouseValue(systemValues_, MouseValue::kScrollByPage, byPage ? 1 : 0);
    SetSystemValues(mouseops::WithMouseValue(values, MouseValue::kWheelScrollLines, lines));
    if (IMousePage* page = MousePage()) page->ShowScroll(byPage, lines);
    return SaveAndWrite(false);
}
