#include "macros/macro_events.h"

#include <algorithm>

#include "macros/key_table.h"
#include "macros/macro_store.h"

namespace macros {
namespace {

constexpr std::uint8_t kDownBit = mouse::kEventDownBit;
constexpr std::uint8_t kTypeMask = 0x7F;

struct MoveRow {
    std::uint8_t typeByte;
};
constexpr MoveRow kMoves[] = {{0x84}, {0x04}, {0x85}, {0x05}};  // left, right, up, down

}  // namespace

void CMacroEventList::Assign(std::vector<MacroEvent> events) {
    if (events.size() > static_cast<size_t>(kMaxEvents)) events.resize(kMaxEvents);
    events_ = std::move(events);
    selected_ = -1;
}

bool CMacroEventList::Full() const {
    return Count() >= kMaxEvents;
}

void CMacroEventList::Select(int row) {
    selected_ = row >= 0 && row < Count() ? row : -1;
}

bool CMacroEventList::SetKey(int row, std::size_t keyTableRow) {
    if (row < 0 || row >= Count() || keyTableRow >= kKeyRowCount) return false;
    const KeyRow& key = KeyRows()[keyTableRow];
    if (key.category != KeyCategory::kKeyboard) return false;
    MacroEvent& event = events_[static_cast<size_t>(row)];
    event.type = key.param2 != 0 ? EventType::kKey : EventType::kModifier;
    event.button = key.param2 != 0 ? key.param2 : key.param1;
    return true;
}

bool CMacroEventList::SetAction(int row, bool down) {
    if (row < 0 || row >= Count()) return false;
    events_[static_cast<size_t>(row)].down = down;
    return true;
}

bool CMacroEventList::SetDelay(int row, int delay) {
    if (row < 0 || row >= Count() || delay < 0) return false;
    events_[static_cast<size_t>(row)].delay = std::min(delay, kMaxDelay);
    return true;
}

bool CMacroEventList::Insert(int row, const MacroEvent& event) {
    if (Full() || row < 0 || row > Count()) return false;
    events_.insert(events_.begin() + row, event);
    selected_ = row;
    return true;
}

bool CMacroEventList::Delete(int row) {
    if (row < 0 || row >= Count()) return false;
    events_.erase(events_.begin() + row);
    selected_ = -1;
    return true;
}

void CMacroEventList::DeleteAll() {
    events_.clear();
    selected_ = -1;
}

void CMacroEventList::MoveSelectedTo(int row) {
    if (selected_ < 0 || row < 0 || row >= Count() || row == selected_) return;
    const MacroEvent event = events_[static_cast<size_t>(selected_)];
    events_.erase(events_.begin() + selected_);
    events_.insert(events_.begin() + row, event);
    selected_ = row;
}

void CMacroEventList::MoveUp() {
    MoveSelectedTo(selected_ - 1);
}
void CMacroEventList::MoveDown() {
    MoveSelectedTo(selected_ + 1);
}
void CMacroEventList::MoveToTop() {
    MoveSelectedTo(0);
}
void CMacroEventList::MoveToBottom() {
    MoveSelectedTo(Count() - 1);
}

std::optional<MacroEvent> CMacroEventList::MouseEvent(std::uint16_t message, int variant, int distance) {
    if (message == MouseMessage::kMove) {
        if (variant < 0 || variant >= static_cast<int>(std::size(kMoves))) return std::nullopt;
        const std::uint8_t typeByte = kMoves[variant].typeByte;
        return MacroEvent{typeByte & kTypeMask, std::clamp(distance, kMinDistance, kMaxDistance),
                          (typeByte & kDownBit) != 0, 0};
    }
    // X button variants: 0 back, 1 forward.
    const int xButton = variant == 1 ? kXButtonForward : kXButtonBack;
    const auto row = FindMouseActionRow(message, xButton);
    if (!row) return std::nullopt;
    const MouseActionRow& action = MouseActionRows()[*row];
    return MacroEvent{action.typeByte & kTypeMask, action.bit, (action.typeByte & kDownBit) != 0, 0};
}

}  // namespace macros
