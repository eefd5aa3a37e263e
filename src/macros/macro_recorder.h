#pragma once
// Turns captured hook records into macro events in the event rows while recording.
//
// Record modes: 1 measured delays, 2 fixed delay, 3 no delay. The delay of an event is the
// time from it to the next recorded event: each new event gives the row before it the time
// since the previous event (mode 1), the fixed delay (mode 2) or 0 (mode 3); the newest
// row keeps 0 (the fixed delay in mode 2) until another follows.
// A key held down records one "down" (auto-repeat is dropped); a mouse message equal to the
// previous one is dropped; a left press or release inside the stop rectangle (the button
// that ends recording) is not recorded.
// Every press gets its release: a release whose press this recording did not record (the
// key was down before recording started, or it is the release of the click that started
// it) is dropped, and Finish adds a release for every key or button still down.
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "macros/hook_record.h"
#include "macros/macro_events.h"

namespace macros {

enum class RecordMode { Measured = 1, Fixed = 2, NoDelay = 3 };
enum class RecordPosition { Append, Before, After, Replace };

inline constexpr int kDefaultFixedDelay = 50;

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class CMacroRecorder {
public:
    // Starts a recording at time `nowMs` (the first event's predecessor gets the time since).
    void Start(RecordMode mode, std::uint32_t nowMs);
    RecordMode Mode() const { return mode_; }
    // The fixed delay of mode 2, limited to 0..65535; returns the stored value.
    int SetFixedDelay(long long delay);
    int FixedDelay() const { return fixedDelay_; }
    void SetStopRect(std::optional<ScreenRect> rect) { stopRect_ = rect; }

    // Records one hook record into `rows` at `position`; true when a row was added or changed.
    bool Record(const HookRecord& record, RecordPosition position, CMacroEventList& rows);

    // Ends the recording at `nowMs`. A left-button press recorded last and still down is the
    // press on the button that stopped recording (its release never comes): it is removed.
    // Every other key or button still down gets its release, newest first, marked
    // `addedAtStop`, placed where the recording placed its events. Returns how many releases
    // were added.
    int Finish(std::uint32_t nowMs, CMacroEventList& rows);

private:
    using Held = std::pair<int, int>;  // event type and button of a recorded press

    std::optional<MacroEvent> KeyEvent(const HookRecord& record);
    std::optional<MacroEvent> ButtonEvent(const HookRecord& record);
    bool Pairs(const MacroEvent& event);
    bool Place(MacroEvent event, std::uint32_t timeMs, RecordPosition position, CMacroEventList& rows);
    bool DropStopPress(CMacroEventList& rows);
    int Delta(std::uint32_t timeMs);

    RecordMode mode_ = RecordMode::Measured;
    int fixedDelay_ = kDefaultFixedDelay;
    std::uint32_t lastEventMs_ = 0;
    std::uint32_t previousEventMs_ = 0;  // lastEventMs_ before the newest event
    bool eventRecorded_ = false;
    std::optional<std::pair<std::uint8_t, bool>> lastKey_;
    std::uint16_t lastMouseMessage_ = 0;
    int lastXButton_ = 0;
    std::optional<ScreenRect> stopRect_;
    std::vector<Held> held_;  // in the order they went down
    RecordPosition position_ = RecordPosition::Append;
    int lastRow_ = -1;  // the row of the newest recorded event
};

}  // namespace macros
