#pragma once
// The named profiles of one device kind: the list file "ProfileList.ini" (JSON despite its
// extension) and one profile file per profile in the kind's user folder.
//
// List file:    {"profilelist": [{"profilename": s, "profileUUID": s, "profileislink": 0,
//                                  "profilelinkmame": ""}, ...], "profileselect": index}
//               An entry may carry "profileprograms": [s, ...], the programs the profile is
//               bound to (left out when there are none); "profilereturn": s names the
//               profile to return to when no bound program has the focus (left out when
//               none is marked).
// Profile file: {"profilename": s, "profileUUID": s, "Device": [device object, ...]}
//               named <user folder><profileUUID>.Json
//
// Names are UTF-8 (the locale's 8-bit encoding) as they stand in the files and are compared
// without regard to letter case. Identifiers are time stamps ("2024_03_07_09_05_02_045"),
// made once when a profile is created, copied or imported, unique within the folder.
//
// Every operation changes the files at once (atomic writes: a failed write leaves the old
// file as it was) and keeps the in-memory list equal to what is on disk: an operation whose
// write fails changes nothing and returns kProfileFileError. Nothing throws. The class has no
// lock; one thread (the UI thread, or kvelmctl's main) uses it.
#include <json/json.h>

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "util/json_file.h"

// Results of the operations.
constexpr int kProfileDone = 1;        // done
constexpr int kProfileRefused = 0;     // refused: limit, bad index, name in use, bad import file
constexpr int kProfileFileError = -1;  // a file could not be written (or a needed one read)

// Most profiles the new-profile command creates (copy and import do not check it).
constexpr int kMaxNewProfiles = 50;

struct ProfileEntry {
    std::string name;  // "profilename"
    std::string id;    // "profileUUID", the file name stem
};

class CProfileList {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    CProfileList();

    // Device kind code: 1 keyboard, 2 mouse, 3 mouse pad, 7 headset (reset keeps the headset's
    // custom equalisers).
    void SetDeviceKind(int kind) { deviceKind_ = kind; }
    int DeviceKind() const { return deviceKind_; }
    // The kind's user folder (ending in '/' or not) and its default data file.
    void SetPaths(const std::string& userFolder, const std::string& defaultDataPath);
    // Both paths from the program folder and the device folder name ("mouse", "mouse3389",
    // "keyboard", "MousePad", "HD"); the user folder is created when missing.
    void SetDeviceFolder(const std::string& programFolder, const std::string& deviceFolder);
    const std::string& UserFolder() const { return userFolder_; }
    const std::string& DefaultDataPath() const { return defaultDataPath_; }
    // The clock identifiers are made from (tests inject one; default: the system clock).
    void SetClock(Clock clock);

    // Loads the list file, or creates it with one profile "profile1" made from the default
    // data file when it is missing, unreadable or empty (an unreadable file is first kept as
    // "ProfileList.ini.bad"; profile files left in the folder are listed again instead of
    // being forgotten). Entries with an identifier that is not a plain file name, or that
    // repeats an earlier entry's, get a new identifier (and a copy of the shared file).
    // Before loading, temporary files of saves whose process died are removed from the user
    // folder; after loading, complete profile files that no entry names (a crash between
    // writing a profile and writing the list) are appended to the list. This runs wherever a
    // profile list is first loaded: the program's device pages and kvelmctl.
    // Then selects "profileselect" (0 when it is outside the list).
    // kProfileDone, or kProfileFileError when a file could not be written (the list then
    // still works in memory).
    int Init();

    // Makes index the selected profile and stores it as "profileselect"; an index outside
    // the list selects 0. Returns the index selected (-1 only when the list is empty, before
    // Init). The selection holds in memory even when the list file cannot be written
    // (LastError tells).
    int Select(int index);
    int SelectedIndex() const { return selected_; }
    // Identifier of the selected profile; empty before Init.
    const std::string& SelectedId() const;
    // File of the selected profile; empty before Init.
    std::string SelectedProfilePath() const;

    int Count() const { return static_cast<int>(entries_.size()); }
    const std::vector<ProfileEntry>& Entries() const { return entries_; }
    // Index of the entry with this name (letter case ignored), -1 when none.
    int FindByName(const std::string& name) const;
    // File of a profile identifier / of entry index (empty for a bad index).
    std::string ProfilePathOf(const std::string& id) const;
    std::string ProfilePathAt(int index) const;

    // Appends "profile<n>" (the first n whose name is free) made from the default data.
    // Refused when the list holds kMaxNewProfiles or more. The selection is not changed.
    int NewProfile();
    // Removes entry index and its file. Refused for a bad index or the last profile. When the
    // removed entry was selected, or stood before the selected one, the selection moves so
    // that it stays on an existing profile: removing the selected entry selects the one
    // before it (or entry 0).
    int DeleteProfile(int index);
    // Appends "<name> copy" ("<name> copy copy", ... while taken) with the settings of entry
    // index (the default data when its file cannot be read). The selection is not changed.
    int CopyProfile(int index);
    // Renames entry index; refused when another entry has the name (letter case ignored) or
    // the name is empty. Renaming to its own name in another letter case is allowed.
    int RenameProfile(int index, const std::string& name);
    // Appends a profile from a profile file: refused unless the file is a JSON object with
    // "profilename" (non-empty text) and "profileUUID". A taken name gets "(1)", then "(2)"...
    // appended; the profile gets a new identifier; the rest of the file is taken as it is.
    int ImportProfile(const std::string& path);
    // Writes the profile file of entry index to path (with the list's name).
    int ExportProfile(int index, const std::string& path);
    // Overwrites the profile of entry index with the default data, keeping name and
    // identifier (and, for the headset, "CustomEQNameInfo" and "CustomEQHzValueInfo").
    int ResetProfile(int index);

    // Programs entry index is bound to (an executable name, a path, or "class:NAME"), in the
    // order they were added; empty for a bad index.
    const std::vector<std::string>& ProgramsAt(int index) const;
    // Binds entry index to program (surrounding blanks dropped). Refused for a bad index, an
    // empty or over-long text, control characters, a bare "class:", or a program that this
    // or another profile is already bound to (one program switches to one profile).
    int BindProgram(int index, const std::string& program);
    // Removes program from entry index; refused when it is not bound there.
    int UnbindProgram(int index, const std::string& program);
    // Marks entry index as the profile to return to when the focus leaves a bound program;
    // -1 clears the mark (then the profile selected before is returned to).
    int SetReturnProfile(int index);
    // The marked return profile, -1 when none.
    int ReturnIndex() const;

    // What went wrong in the last operation that did not return kProfileDone; empty after
    // a successful one, except after an Init that set a list file it could not read aside, or
    // repaired repeated or unusable identifiers (it says so and where the old list is kept).
    const std::string& LastError() const { return lastError_; }

private:
    int Fail(int result, std::string text);
    int Succeed();
    // A time stamp of the clock that no entry (of the list or of pending) and no file uses.
    std::string MakeUniqueId(const std::vector<ProfileEntry>& pending) const;
    bool IdTaken(const std::string& id, const std::vector<ProfileEntry>& pending) const;
    // A time stamp no id of taken and no file uses, at or after cursor (and the clock);
    // cursor moves past it.
    std::string NextFreeId(Clock::result_type& cursor, const std::set<std::string>& taken) const;
    int WriteList(const std::vector<ProfileEntry>& entries, int selected);
    // Writes the list with programs and returnId in place of the current ones, and keeps them
    // only when the write succeeded.
    int WriteBindings(std::map<std::string, std::vector<std::string>> programs, std::string returnId);
    void LoadBindings(const Json::Value& element, const std::string& id);
    int WriteProfile(const ProfileEntry& entry, Json::Value document);
    Json::Value DefaultDocument() const;
    int AppendProfile(const ProfileEntry& entry, const Json::Value& document);
    bool LoadEntries(std::vector<ProfileEntry>& entries, int& selected);
    std::vector<ProfileEntry> RecoverEntries() const;
    void AdoptUnlistedProfiles(std::vector<ProfileEntry>& entries) const;
    int CreateFirstList(std::vector<ProfileEntry>& entries);

    int deviceKind_ = 0;
    std::string userFolder_;
    std::string defaultDataPath_;
    Clock clock_;
    CJsonFile files_;
    CJsonFile listFile_{kMaxListFileBytes};
    std::vector<ProfileEntry> entries_;
    int selected_ = -1;
    std::string selectedId_;
    std::map<std::string, std::vector<std::string>> programs_;  // by profile identifier
    std::string returnId_;
    std::string lastError_;
    std::string readError_;  // why the list file was set aside or repaired, for Init
};
