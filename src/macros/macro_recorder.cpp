#include "macros/macro_recorder.h"

#include <algorithm>
#include <chrono>

#include "macros/key_table.h"
#include "macros/macro_store.h"

namespace macros {
namespace {
constexpr std::uint8_t kTypeMask = 0x7F;
constexpr std::uint32_t kMaxMeasuredDelay = 65535;  // above 65534 is shown as 65535
constexpr int kLeftButtonBit = 0x01;                // the mouse action table's bit of the left button
}  // namespace

std::uint32_t MonotonicMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void CMacroRecorder::Start(RecordMode mode, std::uint32_t nowMs) {
    mode_ = mode;
    lastEventMs_ = nowMs;
    held_.clear();
    lastRow_ = -1;
}

int CMacroRecorder::SetFixedDelay(long long delay) {
    fixedDelay_ = static_cast<int>(std::clamp<long long>(delay, 0, kMaxDelay));
    return fixedDelay_;
}

std::optional<MacroEvent> CMacroRecorder::KeyEvent(const HookRecord& record) {
    const std::pair<std::uint8_t, bool> key{record.scan, record.extended};
    if (record.down) {
        if (lastKey_ == key) return std::nullopt;  // auto-repeat of the key held down
        lastKey_ = key;
    } else if (lastKey_ == key) {
        lastKey_.reset();
    }
    const auto row = FindScanRow(record.scan, record.extended);
    if (!row) return std::nullopt;
    const KeyRow& k = KeyRows()[*row];
    if (k.param2 != 0) return MacroEvent{EventType::kKey, k.param2, record.down, 0};
    if (k.param1 != 0) return MacroEvent{EventType::kModifier, k.param1, record.down, 0};
    return std::nullopt;
}

std::optional<MacroEvent> CMacroRecorder::ButtonEvent(const HookRecord& record) {
    const auto row = FindMouseActionRow(record.message, record.xButton);
    // Back and forward share their messages: the X button tells them apart.
    if (!row || (record.message == lastMouseMessage_ && record.xButton == lastXButton_)) return std::nullopt;
    lastMouseMessage_ = record.message;
    lastXButton_ = record.xButton;
    const bool left = record.message == MouseMessage::kLeftDown || record.message == MouseMessage::kLeftUp;
    if (left && stopRect_ && stopRect_->Contains(record.x, record.y)) return std::nullopt;
    const MouseActionRow& action = MouseActionRows()[*row];
    return MacroEvent{action.typeByte & kTypeMask, action.bit, (action.typeByte & mouse::kEventDownBit) != 0,
                      0};
}

bool CMacroRecorder::Record(const HookRecord& record, RecordPosition position, CMacroEventList& rows) {
    const auto event = record.kind == HookKind::Key ? KeyEvent(record) : ButtonEvent(record);
    // Replacing edits one row in place: its press and release are the user's to choose.
    if (!event || (position != RecordPosition::Replace && !Pairs(*event))) return false;
    position_ = position;
    return Place(*event, record.timeMs, position, rows);
}

// Keeps the presses and releases of a recording in pairs: a second press of a key already
// down and a release of a key this recording never saw go down are not recorded.
bool CMacroRecorder::Pairs(const MacroEvent& event) {
    const Held key{event.type, event.button};
    const auto found = std::find(held_.begin(), held_.end(), key);
    if (event.down) {
        if (found != held_.end()) return false;
        held_.push_back(key);
        return true;
    }
    if (found == held_.end()) return false;
    held_.erase(found);
    return true;
}

bool CMacroRecorder::DropStopPress(CMacroEventList& rows) {
    const Held left{EventType::kMouseButton, kLeftButtonBit};
    if (held_.empty() || held_.back() != left || lastRow_ < 0 || lastRow_ >= rows.Count()) return false;
    const MacroEvent& newest = rows.Events()[static_cast<size_t>(lastRow_)];
    if (newest.type != left.first || newest.button != left.second || !newest.down) return false;
    const int selected = rows.Selected();
    rows.Delete(lastRow_);
    held_.pop_back();
    lastEventMs_ = previousEventMs_;  // the next delay counts from the event before it
    // "Before" keeps the row the events go before selected, now one row up; otherwise the
    // event before the removed one is the newest again, without a successor.
    if (position_ == RecordPosition::Before) {
        rows.Select(selected - 1);
        return true;
    }
    rows.Select(lastRow_ - 1);
    if (lastRow_ > 0 && mode_ != RecordMode::Fixed) rows.SetDelay(lastRow_ - 1, 0);
    lastRow_ -= 1;
    return true;
}

int CMacroRecorder::Finish(std::uint32_t nowMs, CMacroEventList& rows) {
    DropStopPress(rows);
    int added = 0;
    while (!held_.empty()) {
        const Held key = held_.back();
        held_.pop_back();
        MacroEvent release{key.first, key.second, false, 0};
        release.addedAtStop = true;
        if (Place(release, nowMs, position_, rows)) ++added;
    }
    return added;
}

int CMacroRecorder::Delta(std::uint32_t timeMs) {
    switch (mode_) {
    case RecordMode::Measured: {
        const std::uint32_t delta = std::min(timeMs - lastEventMs_, kMaxMeasuredDelay);
        lastEventMs_ = timeMs;
        return static_cast<int>(delta);
    }
    case RecordMode::Fixed:
        return fixedDelay_;
    case RecordMode::NoDelay:
        return 0;
    }
    return 0;
}

bool CMacroRecorder::Place(MacroEvent event, std::uint32_t timeMs, RecordPosition position,
                           CMacroEventList& rows) {
    const int selected = rows.Selected();
    if (position == RecordPosition::Replace) {
        if (selected < 0) return false;
        MacroEvent replaced = rows.Events()[static_cast<size_t>(selected)];
        replaced.type = event.type;
        replaced.button = event.button;
        replaced.down = event.down;
        rows.Delete(selected);
        rows.Insert(selected, replaced);
        return true;
    }
    if (rows.Full() || (position != RecordPosition::Append && selected < 0)) return false;
    int at = rows.Count();
    if (position == RecordPosition::Before)
        at = selected;
    else if (position == RecordPosition::After)
        at = selected + 1;
    previousEventMs_ = lastEventMs_;
    const int delta = Delta(timeMs);
    event.delay = (rows.Count() == 0 || at == 0) ? 0 : (mode_ == RecordMode::Fixed ? fixedDelay_ : 0);
    rows.Insert(at, event);
    if (at > 0 && eventRecorded_) rows.SetDelay(at - 1, delta);
    eventRecorded_ = true;
    lastRow_ = at;
    // "Before" keeps the old row selected so the next event goes before it, after this one.
    rows.Select(position == RecordPosition::Before ? at + 1 : at);
    return true;
}

}  // namespace macros
