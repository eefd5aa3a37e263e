#pragma once
// One event row of "macro_action_list": what it shows for an event.
#include "macros/macro_event.h"

class QWidget;

namespace macropage {

// Fills a row built from the row skin: the event's name (style "macro_label_keyboard_style"
// or "macro_label_mouse_style"), its action ("macro_label_down_style" / "macro_label_up_style";
// a move shows its distance with "macro_label_text_style") and the delay edit. The row's user
// data is the event object as JSON text.
void ShowEventRow(QWidget* row, const macros::MacroEvent& event);
// Only the event's name and action, in the current language (the delay edit is left as
// the user typed it).
void ShowEventTexts(QWidget* row, const macros::MacroEvent& event);

// The key table row of a key or modifier event (the editing area's key choice), -1 for others.
int KeyRowOfEvent(const macros::MacroEvent& event);

}  // namespace macropage
