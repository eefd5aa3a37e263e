#pragma once
// The macros of one device kind in its user folder:
//   "macro.config"  {"MacroInfo": [{"MacroName": text, "Guid": identifier}, ...]}
//   <Guid>.mac      {"MacroName", "Guid", "Events": [event, ...], "Version": 64}
// The position in "MacroInfo" is the macro's index used by key assignments. A macro that was
// never saved has no file and reads as no events. Every write is atomic; a file that exists
// but cannot be parsed is renamed aside (".unreadable-<time stamp>") before anything is
// written in its place, so its bytes are never lost.
#include <string>
#include <vector>

#include "macros/macro_event.h"
#include "util/json_file.h"

namespace macros {

inline constexpr int kMaxMacros = 50;
inline constexpr int kMaxEvents = 2000;
inline constexpr int kMacroFileVersion = 64;
inline constexpr const char* kMacroListFileName = "macro.config";
inline constexpr const char* kMacroFileExtension = ".mac";
inline constexpr const char* kUnreadableSuffix = ".unreadable-";

struct MacroInfo {
    std::string name;
    std::string guid;
    bool operator==(const MacroInfo&) const = default;
};

enum class MacroResult {
    Done,
    NotFound,  // no macro at that index / with that name
    ListFull,  // 50 macros already
    NameEmpty,
    NameInUse,   // another macro (or this one) has the name, letter case ignored
    BadName,     // the name holds a path part ('/', '\\', "." or "..") or a control character
    Unreadable,  // a source file cannot be read or is not a macro file
    WriteFailed,
};

// A display name a person may give a macro: not empty, no '/', '\\' or control character,
// not "." or "..".
bool IsAcceptableMacroName(const std::string& name);

class CMacroStore {
public:
    // The user folder of the device kind (with or without the trailing '/'). Clears the list.
    void SetUserFolder(const std::string& folder);
    const std::string& UserFolder() const { return folder_; }
    // Reads "macro.config". A missing file gives an empty list; an unparsable one is
    // renamed aside and gives an empty list.
    void Load();

    const std::vector<MacroInfo>& Macros() const { return macros_; }
    int Count() const { return static_cast<int>(macros_.size()); }
    // Index of the macro with this name (letter case ignored), -1 if none.
    int FindByName(const std::string& name) const;
    std::vector<std::string> Names() const;

    // A new empty macro named "macro_<n>" with the smallest free n from 1, appended to the
    // list and written to the list file. Returns its index, -1 with LastResult() set.
    int NewMacro();
    // The same with a name a person chose: empty takes "macro_<n>"; a name in use (letter
    // case ignored) or not acceptable gives -1 with NameInUse or BadName.
    int NewMacro(const std::string& name);
    MacroResult Rename(int index, const std::string& newName);
    // Removes the macro's file and its list entry.
    MacroResult Delete(int index);
    // A new macro from a macro file: named as the file names it ("MacroName") unless that
    // name is taken or not acceptable, else "macro_<n>"; new identifier, the file's bytes
    // copied unchanged. Refused when the file cannot be read or holds no JSON object.
    // Returns the new index or -1.
    int Import(const std::string& path);
    // Copies the macro's file to `path` byte for byte (an unsaved macro is written as an
    // empty macro file). Done or WriteFailed / NotFound.
    MacroResult Export(int index, const std::string& path);
    // A new macro with the events of `index`, named "<name> copy" (a number is added while
    // that name is taken). Returns the new index or -1.
    int Copy(int index);

    // The macro's events; a missing file gives none; an unparsable one is renamed aside.
    std::vector<MacroEvent> LoadEvents(int index);
    // Writes the macro file with the current name and identifier (at most 2000 events).
    MacroResult SaveEvents(int index, const std::vector<MacroEvent>& events);

    std::string MacroFile(int index) const;
    std::string ListFile() const;
    MacroResult LastResult() const { return last_; }

private:
    std::string FreeMacroName() const;
    std::string FreeGuid() const;
    bool WriteList();
    int Append(const std::string& name);
    Json::Value ReadOrSetAside(const std::string& path);

    std::string folder_;
    std::vector<MacroInfo> macros_;
    CJsonFile files_{kMaxMacroFileBytes};
    MacroResult last_ = MacroResult::Done;
};

}  // namespace macros
