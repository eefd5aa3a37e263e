#include "macros/macro_store.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "util/debug_log.h"
#include "util/json_value.h"

namespace macros {
namespace {

constexpr const char* kNewNamePrefix = "macro_";
constexpr const char* kCopySuffix = " copy";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsSafeGuid(const std::string& guid) {
    return IsAcceptableMacroName(guid);
}

}  // namespace

bool IsAcceptableMacroName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(),
                        [](unsigned char c) { return c == '/' || c == '\\' || c < 0x20; });
}

void CMacroStore::SetUserFolder(const std::string& folder) {
    folder_ = folder;
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    macros_.clear();
}

std::string CMacroStore::ListFile() const {
    return folder_ + kMacroListFileName;
}

std::string CMacroStore::MacroFile(int index) const {
    if (index < 0 || index >= Count() || !IsSafeGuid(macros_[static_cast<size_t>(index)].guid)) return {};
    return folder_ + macros_[static_cast<size_t>(index)].guid + kMacroFileExtension;
}

Json::Value CMacroStore::ReadOrSetAside(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return Json::Value();
    Json::Value root = files_.ReadJsonFile(path);
    if (JsonIsObject(root)) return root;
    // Keep the bytes a person may still want; the next write must not replace them.
    const std::string aside = path + kUnreadableSuffix + files_.MakeTimestamp();
    std::filesystem::rename(path, aside, error);
    DebugOutput("macro file set aside: " + aside + "\n");
    return Json::Value();
}

void CMacroStore::Load() {
    macros_.clear();
    if (folder_.empty()) return;
    const Json::Value root = ReadOrSetAside(ListFile());
    const Json::Value& list = JsonMember(root, "MacroInfo");
    for (unsigned i = 0; i < JsonSize(list); ++i) {
        const Json::Value& entry = JsonAt(list, i);
        macros_.push_back({JsonStringAt(entry, "MacroName"), JsonStringAt(entry, "Guid")});
    }
}

int CMacroStore::FindByName(const std::string& name) const {
    const std::string wanted = Lower(name);
    for (int i = 0; i < Count(); ++i)
        if (Lower(macros_[static_cast<size_t>(i)].name) == wanted) return i;
    return -1;
}

std::vector<std::string> CMacroStore::Names() const {
    std::vector<std::string> names;
    for (const MacroInfo& info : macros_) names.push_back(info.name);
    return names;
}

std::string CMacroStore::FreeMacroName() const {
    for (int n = 1;; ++n) {
        const std::string name = kNewNamePrefix + std::to_string(n);
        if (FindByName(name) < 0) return name;
    }
}

// Time stamps repeat within one millisecond; a number keeps identifiers (file names) apart.
std::string CMacroStore::FreeGuid() const {
    const std::string stamp = files_.MakeTimestamp();
    std::string guid = stamp;
    for (int n = 1;; ++n) {
        std::error_code error;
        const bool listed =
            std::any_of(macros_.begin(), macros_.end(), [&](const MacroInfo& m) { return m.guid == guid; });
        if (!listed && !std::filesystem::exists(folder_ + guid + kMacroFileExtension, error)) return guid;
        guid = stamp + "_" + std::to_string(n);
    }
}

bool CMacroStore::WriteList() {
    Json::Value root = ReadOrSetAside(ListFile());
    if (!JsonIsObject(root)) root = Json::Value(Json::objectValue);
    Json::Value list(Json::arrayValue);
    for (const MacroInfo& info : macros_) {
        Json::Value entry(Json::objectValue);
        entry["MacroName"] = info.name;
        entry["Guid"] = info.guid;
        list.append(entry);
    }
    root["MacroInfo"] = list;
    return files_.WriteJsonFile(ListFile(), root) == 0;
}

int CMacroStore::Append(const std::string& name) {
    if (folder_.empty()) {
        last_ = MacroResult::WriteFailed;
        return -1;
    }
    if (Count() >= kMaxMacros) {
        last_ = MacroResult::ListFull;
        return -1;
    }
    macros_.push_back({name, FreeGuid()});
    if (!WriteList()) {
        macros_.pop_back();
        last_ = MacroResult::WriteFailed;
        return -1;
    }
    last_ = MacroResult::Done;
    return Count() - 1;
}

int CMacroStore::NewMacro() {
    return Append(FreeMacroName());
}

int CMacroStore::NewMacro(const std::string& name) {
    if (name.empty()) return NewMacro();
    last_ = !IsAcceptableMacroName(name) ? MacroResult::BadName
            : FindByName(name) >= 0      ? MacroResult::NameInUse
                                         : MacroResult::Done;
    return last_ == MacroResult::Done ? Append(name) : -1;
}

MacroResult CMacroStore::Rename(int index, const std::string& newName) {
    if (index < 0 || index >= Count()) return last_ = MacroResult::NotFound;
    if (newName.empty()) return last_ = MacroResult::NameEmpty;
    if (!IsAcceptableMacroName(newName)) return last_ = MacroResult::BadName;
    if (FindByName(newName) >= 0) return last_ = MacroResult::NameInUse;
    const std::string old = macros_[static_cast<size_t>(index)].name;
    macros_[static_cast<size_t>(index)].name = newName;
    if (!WriteList()) {
        macros_[static_cast<size_t>(index)].name = old;
        return last_ = MacroResult::WriteFailed;
    }
    return last_ = MacroResult::Done;
}

MacroResult CMacroStore::Delete(int index) {
    if (index < 0 || index >= Count()) return last_ = MacroResult::NotFound;
    const std::string file = MacroFile(index);
    const MacroInfo removed = macros_[static_cast<size_t>(index)];
    macros_.erase(macros_.begin() + index);
    if (!WriteList()) {
        macros_.insert(macros_.begin() + index, removed);
        return last_ = MacroResult::WriteFailed;
    }
    std::error_code error;
    if (!file.empty()) std::filesystem::remove(file, error);
    return last_ = MacroResult::Done;
}

int CMacroStore::Import(const std::string& path) {
    const std::string bytes = path.empty() ? std::string() : files_.ReadTextFile(path);
    const Json::Value macro = bytes.empty() ? Json::Value() : files_.ReadJsonFile(path);
    if (bytes.empty() || !JsonIsObject(macro)) {
        last_ = MacroResult::Unreadable;
        return -1;
    }
    // The macro keeps the name it was exported with, unless that name is taken (or not one
    // a person could type): then it gets a free "macro_<n>".
    const std::string name = JsonStringAt(macro, "MacroName");
    const bool keepName = !name.empty() && IsAcceptableMacroName(name) && FindByName(name) < 0;
    const int index = keepName ? NewMacro(name) : NewMacro();
    if (index < 0) return -1;
    if (WriteFileAtomic(MacroFile(index), bytes) != 0) {
        Delete(index);
        last_ = MacroResult::WriteFailed;
        return -1;
    }
    return index;
}

MacroResult CMacroStore::Export(int index, const std::string& path) {
    if (index < 0 || index >= Count() || path.empty()) return last_ = MacroResult::NotFound;
    std::string bytes = files_.ReadTextFile(MacroFile(index));
    if (bytes.empty()) {
        const MacroInfo& info = macros_[static_cast<size_t>(index)];
        Json::Value empty(Json::objectValue);
        empty["MacroName"] = info.name;
        empty["Guid"] = info.guid;
        empty["Events"] = Json::Value(Json::arrayValue);
        empty["Version"] = kMacroFileVersion;
        bytes = StyledJsonText(empty);
    }
    return last_ = WriteFileAtomic(path, bytes) == 0 ? MacroResult::Done : MacroResult::WriteFailed;
}

int CMacroStore::Copy(int index) {
    if (index < 0 || index >= Count()) {
        last_ = MacroResult::NotFound;
        return -1;
    }
    const std::vector<MacroEvent> events = LoadEvents(index);
    const std::string base = macros_[static_cast<size_t>(index)].name + kCopySuffix;
    std::string name = base;
    for (int n = 2; FindByName(name) >= 0; ++n) name = base + " " + std::to_string(n);
    const int copy = Append(name);
    if (copy < 0) return -1;
    if (SaveEvents(copy, events) != MacroResult::Done) {
        Delete(copy);
        last_ = MacroResult::WriteFailed;
        return -1;
    }
    return copy;
}

std::vector<MacroEvent> CMacroStore::LoadEvents(int index) {
    std::vector<MacroEvent> events;
    const std::string file = MacroFile(index);
    if (file.empty()) return events;
    const Json::Value root = ReadOrSetAside(file);
    const Json::Value& list = JsonMember(root, "Events");
    for (unsigned i = 0; i < JsonSize(list) && events.size() < static_cast<size_t>(kMaxEvents); ++i)
        events.push_back(EventFromJson(JsonAt(list, i)));
    return events;
}

MacroResult CMacroStore::SaveEvents(int index, const std::vector<MacroEvent>& events) {
    const std::string file = MacroFile(index);
    if (file.empty()) return last_ = MacroResult::NotFound;
    ReadOrSetAside(file);  // an unparsable file is kept, not overwritten
    const MacroInfo& info = macros_[static_cast<size_t>(index)];
    Json::Value root(Json::objectValue);
    root["MacroName"] = info.name;
    root["Guid"] = info.guid;
    Json::Value list(Json::arrayValue);
    for (size_t i = 0; i < events.size() && i < static_cast<size_t>(kMaxEvents); ++i)
        list.append(EventToJson(events[i]));
    root["Events"] = list;
    root["Version"] = kMacroFileVersion;
    return last_ = files_.WriteJsonFile(file, root) == 0 ? MacroResult::Done : MacroResult::WriteFailed;
}

}  // namespace macros
