#include "panels/light/model/light_enabling.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "panels/light/model/light_control_names.h"
#include "panels/light/model/light_device_kinds.h"

namespace {

// One row of a kind's table. states holds one character per column, in the order
//   effect, colourful, colour, palette, fx, brightness, speed, swatches, edits, same
// with '1' enabled, '0' disabled, '-' unchanged (for "same": '1' offers the light-sync
// option). A row without modes is the kind's "other" row and must come last.
struct EnablingRow {
    std::vector<int> modes;
    std::string_view states;
    bool customColours = false;
};
constexpr size_t kColumns = kLightGroupCount + 1;

const std::vector<EnablingRow>& KeyboardRows() {
    static const std::vector<EnablingRow> rows = {
        {{0, 6, 7, 10, 12, 14, 18}, "1111-11---"},
        {{1}, "1000011--1"},
        {{2, 17}, "1111011--1"},
        {{3}, "1011010--1"},
        {{4, 22, 23}, "1000011---"},
        {{5, 9, 11, 15, 16, 19, 20, 21}, "1111011---"},
        {{8}, "1011010---", true},
        {{13}, "1000-11---"},
        {{24}, "1000000--1"},
        {{}, "1000000---"},
    };
    return rows;
}

// The mouse pad and the headset share one table.
const std::vector<EnablingRow>& PadAndHeadsetRows() {
    static const std::vector<EnablingRow> rows = {
        {{0}, "1111-11---"},       {{1}, "1000011--1"}, {{2, 4}, "1111011--1"}, {{3}, "1011010--1"},
        {{5, 6, 7}, "1000000---"}, {{8}, "1000000--1"}, {{}, "1000000---"},
    };
    return rows;
}

const std::vector<EnablingRow>& MouseRows() {
    static const std::vector<EnablingRow> rows = {
        {{0}, "1000-1100-"}, {{1}, "1000011001"},     {{2}, "1111011111"}, {{3}, "1111-1111-"},
        {{4}, "1000010001"}, {{5}, "101101011-"},     {{6}, "1111010111"}, {{7, 11}, "1000000001"},
        {{8}, "1111-11---"}, {{9, 10}, "1000011---"}, {{}, "1000000---"},
    };
    return rows;
}

const std::vector<EnablingRow>* RowsOfKind(int kind) {
    switch (LightTableKind(kind)) {
    case kKindKeyboard:
        return &KeyboardRows();
    case kKindMouse:
        return &MouseRows();
    case kKindMousePad:
    case kKindHeadset:
        return &PadAndHeadsetRows();
    default:
        return nullptr;
    }
}

GroupState StateOf(char c) {
    if (c == '1') return GroupState::Enabled;
    if (c == '0') return GroupState::Disabled;
    return GroupState::Keep;
}

}  // namespace

LightEnabling LightEnablingFor(int kind, int mode) {
    LightEnabling result;
    const std::vector<EnablingRow>* rows = RowsOfKind(kind);
    if (!rows) return result;
    const EnablingRow* chosen = &rows->back();
    for (const EnablingRow& row : *rows) {
        if (std::find(row.modes.begin(), row.modes.end(), mode) != row.modes.end()) {
            chosen = &row;
            break;
        }
    }
    result.hasTable = true;
    const std::string_view states = chosen->states;
    for (size_t i = 0; i < kLightGroupCount && i < states.size(); ++i) result.groups[i] = StateOf(states[i]);
    result.offerSameMode = states.size() == kColumns && states[kLightGroupCount] == '1';
    result.showCustomColours = chosen->customColours;
    return result;
}

const char* LightGroupControlName(LightGroup group) {
    switch (group) {
    case LightGroup::Effect:
        return LightNames::kEffectLayout;
    case LightGroup::Colourful:
        return LightNames::kColourfulCheck;
    case LightGroup::Colour:
        return LightNames::kColourLayout;
    case LightGroup::Palette:
        return LightNames::kPaletteLayout;
    case LightGroup::Fx:
        return LightNames::kFxLayout;
    case LightGroup::Brightness:
        return LightNames::kBrightnessLayout;
    case LightGroup::Speed:
        return LightNames::kSpeedLayout;
    case LightGroup::Swatches:
        return LightNames::kSwatchPrefix;
    case LightGroup::Edits:
        return LightNames::kEditsLayout;
    }
    return "";
}
