#pragma once
// CMacroControlUI: the macro page of a device (skin class "CMacroControlUI", root of
// "XML\\CustomControlXML\\MacroControl.xml"). It shows the macros of the device kind's user
// folder in "macro_name_list" and the selected macro's events in "macro_action_list" (rows
// from "XML\\CustomControlXML\\MacroActionRow.xml"). Row edits, moves and recorded events live
// in the rows until SaveSelectedMacro writes the macro file; the list file is written at once
// by new, rename, delete, import and copy.
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "macros/hook_record.h"
#include "macros/macro_events.h"
#include "macros/macro_recorder.h"
#include "macros/macro_store.h"

class QListWidget;

class CMacroControlUI : public QWidget {
    Q_OBJECT
public:
    explicit CMacroControlUI(QWidget* parent = nullptr);

    // The user folder of the device kind; a new folder loads its macro list.
    void SetUserFolder(const std::string& folder);
    const std::string& UserFolder() const { return store_.UserFolder(); }
    macros::CMacroStore& Store() { return store_; }
    const macros::CMacroEventList& Rows() const { return rows_; }

    void LoadMacroList();
    void LoadSelectedMacro();
    // Writes the selected macro's file from the rows (delay edits taken first). False when
    // nothing is selected or the write failed.
    bool SaveSelectedMacro();
    // The rows' delay edits into the events (empty means 0; the edit shows the value kept).
    void TakeDelayEdits();

    // A new macro named from "macro_edit_macroname" when something is typed there (the box
    // is emptied once it is used), else "macro_<n>". The new name; empty when the name is
    // taken or refused, the list is full or the write failed (Store().LastResult() says).
    std::string NewMacro();
    int DeleteMacro();  // the deleted index, -1 for none
    // (index, name): (-1, "") nothing selected, (-1, "IsEmpty") empty name, (s, "") name in
    // use or refused, else (s, new name).
    std::pair<int, std::string> RenameMacro();
    std::string ImportMacro(const std::string& path);
    bool ExportMacro(const std::string& path);
    std::string CopyMacro();  // a copy of the selected macro; its name or empty
    int GetSelectedMacroIndex() const;
    void SelectMacro(int index);

    void MoveEventUp();
    void MoveEventDown();
    void MoveEventToTop();
    void MoveEventToBottom();
    void DeleteEvent();
    void DeleteAllEvents();
    // Adds a mouse button (message) or move (message 0x0200, variant 0-3 left/right/up/down
    // with the distance from its edit, corrected to 1..255 and written back) event.
    bool InsertMouseEvent(std::uint16_t message, int variant);
    // The editing area ("macro_event_key_combo", "macro_event_action_combo",
    // "macro_tab_macrodelay_edit") into the selected row. False without a selected row or
    // for a value the event cannot hold.
    bool ApplyEventEdit();
    // A key event from the editing area inserted after the selected row (at the end
    // without one).
    bool InsertKeyEvent();
    // The row chosen in "macro_action_list" goes into the editing area.
    void ShowSelectedEvent();

    // ---- recording ----
    void StartRecording(macros::RecordMode mode);
    void SetRecordingUi(bool editable);
    bool Recording() const { return recording_; }
    // The fixed delay from "macro_fixed_time_edit" (limited to 0..65535, written back).
    void UpdateFixedDelay();
    macros::RecordMode TimingRecordMode() const;
    bool Record(const macros::HookRecord& record, macros::RecordPosition position);
    // Ends a recording: the press on Stop is taken out and the releases capture did not
    // see are added (their rows say so). Returns how many were added.
    int FinishRecording();
    // Which input the running recording sees, under the record buttons; Hidden removes it.
    enum class CaptureNote { Hidden, WindowOnly, X11, Evdev };
    void ShowCaptureNote(CaptureNote note);

private:
    QListWidget* NameList() const;
    QListWidget* EventList() const;
    QWidget* Control(const char* name) const;
    void ShowRows();
    void ShowRowTexts();  // after a language change
    void ShowEditArea();
    int DistanceFromEdit(const char* name);
    void TakeStopButtonArea();

    macros::CMacroStore store_;
    macros::CMacroEventList rows_;
    macros::CMacroRecorder recorder_;
    bool recording_ = false;
};

// Registers "CMacroControlUI" with the UI layer's factory.
void RegisterMacroControlClasses();
