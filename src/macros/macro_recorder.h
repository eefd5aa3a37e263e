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
#include <cstdint>
#include <optional>

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

private:
    std::optional<MacroEvent> KeyEvent(const HookRecord& record);
    std::optional<MacroEvent> ButtonEvent(const HookRecord& record);
    bool Place(MacroEvent event, std::uint32_t timeMs, RecordPosition position, CMacroEventList& rows);
    int Delta(std::uint32_t timeMs);

    RecordMode mode_ = RecordMode::Measured;
    int fixedDelay_ = kDefaultFixedDelay;
    std::uint32_t lastEventMs_ = 0;
    bool eventRecorded_ = false;
    std::optional<std::pair<std::uint8_t, bool>> lastKey_;
    std::uint16_t lastMouseMessage_ = 0;
    std::optional<ScreenRect> stopRect_;
};

}  // namespace macros
