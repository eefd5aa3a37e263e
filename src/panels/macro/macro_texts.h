#pragma once
// The texts of the macro page by language text id, with their English texts.
#include <span>

#include "ui/text_id.h"

namespace macropage::text {

inline constexpr TextId kMacrosTitle{"macro_name_tab", "Macros"};
inline constexpr TextId kNewName{"macro_new_name_tip", "New name"};
inline constexpr TextId kNew{"macro_btn_name_add_text", "New"};
inline constexpr TextId kRename{"macro_btn_name_edit_text", "Rename"};
inline constexpr TextId kDeleteMacro{"macro_btn_name_sub_text", "Delete"};
inline constexpr TextId kCopy{"macro_btn_name_copy_text", "Copy"};
inline constexpr TextId kImport{"macro_btn_import_text", "Import"};
inline constexpr TextId kExport{"macro_btn_export_text", "Export"};
inline constexpr TextId kPress{"macro_event_press_text", "Press"};
inline constexpr TextId kRelease{"macro_event_release_text", "Release"};
inline constexpr TextId kMilliseconds{"macro_ms_text", "ms"};
inline constexpr TextId kSet{"macro_btn_event_set_text", "Set"};
inline constexpr TextId kSetTip{"macro_btn_event_set_tip", "Change the selected event"};
inline constexpr TextId kInsert{"macro_btn_event_insert_text", "Insert"};
inline constexpr TextId kInsertTip{"macro_btn_event_insert_tip",
                                   "Insert this key event after the selected one"};
inline constexpr TextId kMovePointer{"macro_move_pointer_text", "Move pointer"};
inline constexpr TextId kMoveTips[] = {
    {"macro_move_left_tip", "Insert a pointer move to the left"},
    {"macro_move_right_tip", "Insert a pointer move to the right"},
    {"macro_move_up_tip", "Insert a pointer move up"},
    {"macro_move_down_tip", "Insert a pointer move down"},
};
inline constexpr TextId kRecord{"macro_btn_starredio_text", "Record"};
inline constexpr TextId kStop{"macro_btn_stopredio_text", "Stop"};
inline constexpr TextId kFixedDelay{"macro_check_time_text", "Fixed delay"};
inline constexpr TextId kNoDelays{"macro_check_nodelay_text", "No delays"};
inline constexpr TextId kEventsTitle{"macro_events_title", "Events"};
inline constexpr TextId kUp{"macro_btn_up_text", "Up"};
inline constexpr TextId kDown{"macro_btn_down_text", "Down"};
inline constexpr TextId kTop{"macro_btn_uptop_text", "Top"};
inline constexpr TextId kBottom{"macro_btn_downbottom_text", "Bottom"};
inline constexpr TextId kDeleteEvent{"macro_btn_delete_text", "Delete"};
inline constexpr TextId kClear{"macro_btn_deleteall_text", "Clear"};
inline constexpr TextId kUndo{"macro_btn_cancel_text", "Undo changes"};
inline constexpr TextId kSave{"macro_btn_save_text", "Save"};
inline constexpr TextId kDelayTip{"macro_delay_tip", "Delay after this event (ms)"};
inline constexpr TextId kWindowOnlyNote{"macro_window_only_note",
                                        "Recording sees only the keys and clicks given to this window: no "
                                        "system-wide input capture is available."};
inline constexpr TextId kX11Note{"macro_capture_x11_note",
                                 "Recording keys and clicks everywhere on the desktop (X11 input capture)."};
inline constexpr TextId kEvdevNote{"macro_capture_evdev_note",
                                   "Recording keys and clicks everywhere, read from the input devices."};
inline constexpr TextId kReleaseAdded{"macro_event_release_added_text", "Release (added at Stop)"};
inline constexpr TextId kReleaseAddedTip{"macro_event_release_added_tip",
                                         "This key or button was still down, or its release was not seen, "
                                         "when recording stopped: the release was added so that the macro "
                                         "does not leave it held."};

// Every text above, for the check against the language files.
inline constexpr TextId kSingles[] = {
    kMacrosTitle,    kNewName, kNew,       kRename,       kDeleteMacro,
    kCopy,           kImport,  kExport,    kPress,        kRelease,
    kMilliseconds,   kSet,     kSetTip,    kInsert,       kInsertTip,
    kMovePointer,    kRecord,  kStop,      kFixedDelay,   kNoDelays,
    kEventsTitle,    kUp,      kDown,      kTop,          kBottom,
    kDeleteEvent,    kClear,   kUndo,      kSave,         kDelayTip,
    kWindowOnlyNote, kX11Note, kEvdevNote, kReleaseAdded, kReleaseAddedTip,
};
inline constexpr std::span<const TextId> kTables[] = {kMoveTips, kSingles};

}  // namespace macropage::text
