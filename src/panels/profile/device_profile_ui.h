#pragma once
// The profile panel of a device page (skin class "DeviceProfile", named "DeviceProfileItem"
// on the pages; its content comes from "XML\\CustomControlXML\\DeviceProfile.xml").
//
// It shows the profiles of one device kind in "device_profile_combo" (one item per
// profile, in list order, each 30 pixels high with the name as text and as user data),
// the selected profile's name in "device_profile_name_edit", the profile menu
// "profile_menu_layout" and the page's feature tabs. The files behind it are kept by a
// CProfileList; the panel mirrors that list in the combo.
//
// The panel raises nothing by itself: its buttons, tabs and the combo notify the window,
// whose routing calls the operations below. Setters (Select with notify = false, SelectTab,
// ShowMenu, SetNameEditText) change controls without raising notifications. Operations
// return the CProfileList result codes (kProfileDone 1, kProfileRefused 0,
// kProfileFileError -1); LastError() tells what went wrong. Controls missing from the skin
// are skipped.
//
// Calling order of a device page: SetDeviceKind, SetPaths (or SetDeviceFolder), Init,
// SelectTab(1), then the device loads GetSelectedProfilePath().
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "profiles/profile_list.h"

class CDeviceProfileUI : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceProfileUI(QWidget* parent = nullptr);

    // 1 keyboard, 2 mouse, 3 mouse pad, 7 headset.
    void SetDeviceKind(int kind);
    int GetDeviceKind() const { return list_.DeviceKind(); }
    // The kind's user folder and default data file.
    void SetPaths(const QString& userFolder, const QString& defaultDataPath);
    // Both from the program folder and the device folder name ("mouse", "mouse3389", ...).
    void SetDeviceFolder(const QString& programFolder, const QString& deviceFolder);

    // Loads (or creates) the list, fills the combo, selects the stored profile without
    // notification and sets the tab visibility of the device kind.
    int Init();

    // Selects profile index in the combo (raising "itemselect" only when notify is true and
    // the selection changes), shows its name in the name edit and stores the choice in the
    // list file. An index outside the list selects the first profile.
    void Select(int index, bool notify = false);
    // The combo's selection; -1 when there is none or no combo.
    int GetSelectedIndex() const;
    // Binds the selected profile to the program typed in "profile_program_edit" (the edit is
    // emptied when that worked), removes the program chosen in "profile_program_list", or
    // marks / unmarks the selected profile as the return profile. CProfileList's results.
    int BindTypedProgram();
    int UnbindChosenProgram();
    int SetReturnHere(bool on);
    // Fills "profile_program_list" and "profile_return_check" for the selected profile.
    void ShowBindings();
    // Shows beside the selected profile's name why it is active ("Work (for game.exe)");
    // an empty program shows the names alone.
    void ShowFocusReason(const QString& program);
    // The identifier and file of the profile chosen by the last Select (the one the device
    // uses); empty before Init.
    QString GetSelectedId() const;
    QString GetSelectedProfilePath() const;

    QString GetNameEditText() const;
    void SetNameEditText(const QString& text);

    // The profile commands. New, copy and import append a combo item and leave the
    // selection as it is.
    int NewProfile();
    // Deletes the profile selected in the combo. When that was the profile in use, the
    // combo moves to the one the list selected instead and raises "itemselect", so that the
    // window's routing switches the device to a profile that exists.
    int DeleteProfile();
    int CopyProfile();
    // Renames the profile selected in the combo. kProfileRefused when another profile has
    // the name (letter case ignored) or the name is empty.
    int RenameProfile(const QString& name);
    int ImportProfile(const QString& path);
    // Writes the profile selected in the combo to path.
    int ExportProfile(const QString& path);
    // Restores the defaults of the profile in use (the one the device reloads afterwards).
    int ResetProfile();

    // Selects the feature tab of a function type (1..8) and deselects the other tabs; any
    // other type deselects all but "Virtual7.1_Op_tab". Nothing happens when a tab is missing.
    void SelectTab(int type);
    void ShowMenu(bool show);
    bool IsMenuVisible() const;

    QString LastError() const { return QString::fromLocal8Bit(list_.LastError().c_str()); }
    // The list behind the panel (read access for the device and the main window).
    const CProfileList& ProfileList() const { return list_; }
    // Tests inject the clock that profile identifiers are made from.
    void SetClock(CProfileList::Clock clock) { list_.SetClock(std::move(clock)); }

private:
    QWidget* Control(const char* name) const;
    void FillCombo();
    int AppendLastEntry(int result);
    void ShowSelectedName();
    void ApplyTabVisibility();

    CProfileList list_;
    mutable QHash<QString, QPointer<QWidget>> controls_;
};
