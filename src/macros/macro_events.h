#pragma once
// The event rows of the macro being edited, with a selected row, as the macro page holds
// them until they are saved: editing one event, inserting, deleting and moving rows, and
// inserting mouse button and move events. At most 2000 rows.
#include <cstdint>
#include <optional>
#include <vector>

#include "macros/macro_event.h"

namespace macros {

// Move directions of InsertMouseEvent with the move message.
enum class MoveVariant { Left = 0, Right = 1, Up = 2, Down = 3 };

class CMacroEventList {
public:
    void Assign(std::vector<MacroEvent> events);
    const std::vector<MacroEvent>& Events() const { return events_; }
    int Count() const { return static_cast<int>(events_.size()); }
    bool Full() const;

    // The selected row, -1 for none. Select ignores an index out of range (selects none).
    int Selected() const { return selected_; }
    void Select(int row);

    // Editing one event; false for a row out of range or a value the event cannot hold.
    // SetKey takes a key table word's row ("a", "ctrl", ...): a modifier becomes type 9
    // with its bit, any other keyboard key type 10 with its usage.
    bool SetKey(int row, std::size_t keyTableRow);
    bool SetAction(int row, bool down);
    // Delays above 65535 are stored as 65535; negative ones are refused.
    bool SetDelay(int row, int delay);

    // Inserts at `row` (0..Count(); the end appends) and selects it. False when full.
    bool Insert(int row, const MacroEvent& event);
    bool Delete(int row);
    void DeleteAll();
    void MoveUp();
    void MoveDown();
    void MoveToTop();
    void MoveToBottom();

    // The event of a mouse message: button messages give the button's event; the X button
    // messages give back (variant 0) or forward (variant 1); the move message gives the move
    // of direction `variant` with `distance` limited to 1..255. None for other messages.
    static std::optional<MacroEvent> MouseEvent(std::uint16_t message, int variant, int distance);

private:
    void MoveSelectedTo(int row);

    std::vector<MacroEvent> events_;
    int selected_ = -1;
};

}  // namespace macros
