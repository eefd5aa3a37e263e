#include "profiles/profile_list.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

#include "profiles/profile_document.h"
#include "profiles/profile_names.h"
#include "profiles/profile_paths.h"
#include "util/file_aside.h"
#include "util/json_value.h"
#include "util/stale_temporaries.h"
#include "util/utf8_text.h"

namespace {

constexpr int kHeadsetKind = 7;
// The headset's own equalisers, kept when its profile is reset.
const char* const kKeptOnHeadsetReset[] = {"CustomEQNameInfo", "CustomEQHzValueInfo"};

Json::Value EntryObject(const ProfileEntry& entry) {
    Json::Value object(Json::objectValue);
    object["profilename"] = entry.name;
    object["profileUUID"] = entry.id;
    object["profileislink"] = 0;
    object["profilelinkmame"] = "";
    return object;
}

std::vector<std::string> NamesOf(const std::vector<ProfileEntry>& entries, int except = -1) {
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<int>(i) != except) names.push_back(entries[i].name);
    }
    return names;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

CProfileList::CProfileList() : clock_([] { return std::chrono::system_clock::now(); }) {}

void CProfileList::SetPaths(const std::string& userFolder, const std::string& defaultDataPath) {
    userFolder_ = userFolder;
    if (!userFolder_.empty() && userFolder_.back() != '/') userFolder_ += '/';
    defaultDataPath_ = defaultDataPath;
}

void CProfileList::SetDeviceFolder(const std::string& programFolder, const std::string& deviceFolder) {
    SetPaths(DeviceUserFolder(deviceFolder), DefaultDataFile(programFolder, deviceFolder));
}

void CProfileList::SetClock(Clock clock) {
    if (clock) clock_ = std::move(clock);
}

const std::string& CProfileList::SelectedId() const {
    return selectedId_;
}

std::string CProfileList::SelectedProfilePath() const {
    return selectedId_.empty() ? std::string() : ProfilePathOf(selectedId_);
}

int CProfileList::FindByName(const std::string& name) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (ProfileNamesEqual(entries_[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

std::string CProfileList::ProfilePathOf(const std::string& id) const {
    return ProfileFile(userFolder_, id);
}

std::string CProfileList::ProfilePathAt(int index) const {
    if (index < 0 || index >= Count()) return std::string();
    return ProfilePathOf(entries_[index].id);
}

int CProfileList::Fail(int result, std::string text) {
    lastError_ = std::move(text);
    return result;
}

int CProfileList::Succeed() {
    lastError_.clear();
    return kProfileDone;
}

bool CProfileList::IdTaken(const std::string& id, const std::vector<ProfileEntry>& pending) const {
    const auto sameId = [&](const ProfileEntry& e) { return e.id == id; };
    if (std::any_of(entries_.begin(), entries_.end(), sameId)) return true;
    if (std::any_of(pending.begin(), pending.end(), sameId)) return true;
    return FileExists(ProfilePathOf(id));
}

std::string CProfileList::MakeUniqueId(const std::vector<ProfileEntry>& pending) const {
    // Two profiles made within one millisecond (or a clock set back) would share a file:
    // move on to the next millisecond until the stamp is free.
    auto when = clock_();
    std::string id = files_.MakeTimestamp(when);
    while (IdTaken(id, pending)) {
        when += std::chrono::milliseconds(1);
        id = files_.MakeTimestamp(when);
    }
    return id;
}

Json::Value CProfileList::DefaultDocument() const {
    Json::Value document = files_.ReadJsonFile(defaultDataPath_);
    if (!document.isObject()) return Json::Value(Json::objectValue);
    return document;
}

int CProfileList::WriteList(const std::vector<ProfileEntry>& entries, int selected) {
    // Keys of the list file that this program does not know are kept.
    Json::Value document = listFile_.ReadJsonFile(ProfileListFile(userFolder_));
    if (!document.isObject()) document = Json::Value(Json::objectValue);
    Json::Value list(Json::arrayValue);
    for (const ProfileEntry& entry : entries) {
        Json::Value object = EntryObject(entry);
        const auto bound = programs_.find(entry.id);
        if (bound != programs_.end() && !bound->second.empty()) {
            Json::Value& programs = object["profileprograms"] = Json::Value(Json::arrayValue);
            for (const std::string& program : bound->second) programs.append(program);
        }
        list.append(object);
    }
    document["profilelist"] = list;
    document["profileselect"] = selected;
    const bool returnListed = std::any_of(entries.begin(), entries.end(),
                                          [&](const ProfileEntry& entry) { return entry.id == returnId_; });
    if (returnListed) {
        document["profilereturn"] = returnId_;
    } else {
        document.removeMember("profilereturn");
    }
    if (files_.WriteJsonFile(ProfileListFile(userFolder_), document) != 0) {
        return Fail(kProfileFileError,
                    "The profile list " + ProfileListFile(userFolder_) + " cannot be written.");
    }
    return kProfileDone;
}

int CProfileList::WriteProfile(const ProfileEntry& entry, Json::Value document) {
    if (!document.isObject()) document = Json::Value(Json::objectValue);
    document["profilename"] = entry.name;
    document["profileUUID"] = entry.id;
    if (files_.WriteJsonFile(ProfilePathOf(entry.id), document) != 0) {
        return Fail(kProfileFileError, "The profile file " + ProfilePathOf(entry.id) + " cannot be written.");
    }
    return kProfileDone;
}

int CProfileList::AppendProfile(const ProfileEntry& entry, const Json::Value& document) {
    // The profile file first, so that the list never names a file that was not written.
    if (WriteProfile(entry, document) != kProfileDone) return kProfileFileError;
    std::vector<ProfileEntry> entries = entries_;
    entries.push_back(entry);
    if (WriteList(entries, selected_) != kProfileDone) {
        std::remove(ProfilePathOf(entry.id).c_str());
        return kProfileFileError;
    }
    entries_ = std::move(entries);
    return Succeed();
}

std::string CProfileList::NextFreeId(Clock::result_type& cursor, const std::set<std::string>& taken) const {
    // The cursor only moves forward, so a list with many repeated entries costs one step per
    // new identifier instead of walking every identifier handed out before.
    cursor = std::max(cursor, clock_());
    std::string id = files_.MakeTimestamp(cursor);
    while (taken.count(id) || IdTaken(id, {})) {
        cursor += std::chrono::milliseconds(1);
        id = files_.MakeTimestamp(cursor);
    }
    cursor += std::chrono::milliseconds(1);
    return id;
}

bool CProfileList::LoadEntries(std::vector<ProfileEntry>& entries, int& selected) {
    const std::string listPath = ProfileListFile(userFolder_);
    const Json::Value document = listFile_.ReadJsonFile(listPath);
    readError_ = listFile_.LastError();
    const Json::Value& list = JsonMember(document, "profilelist");
    std::set<std::string> seen;
    Clock::result_type cursor{};
    int repaired = 0;
    int dropped = 0;
    for (unsigned i = 0; i < JsonSize(list); ++i) {
        const Json::Value& element = JsonAt(list, i);
        if (!element.isObject()) continue;
        // A name typed under another encoding is kept, re-encoded as the list file stores it.
        ProfileEntry entry{RepairUtf8(JsonStringAt(element, "profilename")),
                           JsonStringAt(element, "profileUUID")};
        if (!IsPlainProfileId(entry.id) || seen.count(entry.id)) {
            // A hand-edited or damaged list: an identifier that is no plain file name would
            // point outside the folder, one that is not UTF-8 would be re-encoded on the next
            // write and then name a missing file, and a repeated one would let deleting one
            // entry take the other's file. Such an entry gets a file of its own, with the
            // content of the file its identifier named.
            // No more files are made than a device keeps profiles; further repeats name a
            // file an earlier entry already lists, so leaving them out loses nothing.
            if (entries.size() >= static_cast<size_t>(kMaxNewProfiles)) {
                ++dropped;
                continue;
            }
            ++repaired;
            const std::string oldPath = IsSafeFileStem(entry.id) ? ProfilePathOf(entry.id) : std::string();
            entry.id = NextFreeId(cursor, seen);
            Json::Value content = oldPath.empty() ? Json::Value() : files_.ReadJsonFile(oldPath);
            if (!content.isObject()) content = DefaultDocument();
            WriteProfile(entry, content);
        }
        seen.insert(entry.id);
        LoadBindings(element, entry.id);
        if (returnId_.empty() &&
            JsonStringAt(element, "profileUUID") == JsonStringAt(document, "profilereturn"))
            returnId_ = entry.id;
        entries.push_back(std::move(entry));
    }
    selected = JsonIntAt(document, "profileselect");
    if (entries.empty() && !document.isObject()) {
        // Keep a list file that cannot be read before it is replaced.
        std::string keptAs;
        ReadDocumentForUpdate(listFile_, listPath, &keptAs);
        if (!keptAs.empty()) {
            if (readError_.empty()) readError_ = "The profile list " + listPath + " cannot be read.";
            readError_ += " It was kept as " + keptAs + ".";
        }
    } else if (repaired + dropped > 0) {
        // The list as the user left it stays once beside the repaired one.
        const std::string keptAs = KeepCopyAside(listPath, listFile_.ReadTextFile(listPath));
        readError_ = "The profile list " + listPath + " had " + std::to_string(repaired + dropped) +
                     " entries with a repeated or unusable identifier";
        if (dropped > 0) readError_ += " (" + std::to_string(dropped) + " left out)";
        readError_ += keptAs.empty() ? "." : "; it was kept as " + keptAs + ".";
    }
    return !entries.empty();
}

void CProfileList::AdoptUnlistedProfiles(std::vector<ProfileEntry>& entries) const {
    // A crash between writing a new profile's file and writing the list leaves a complete
    // profile that no entry names: it joins the end of the list.
    std::set<std::string> listed;
    for (const ProfileEntry& entry : entries) listed.insert(entry.id);
    for (ProfileEntry& found : RecoverEntries()) {
        if (listed.count(found.id)) continue;
        const Json::Value document = files_.ReadJsonFile(ProfilePathOf(found.id));
        if (!DeviceObjectOf(document, 0).isObject()) continue;  // not a complete profile
        found.name = ImportProfileName(found.name, NamesOf(entries));
        entries.push_back(std::move(found));
    }
}

std::vector<ProfileEntry> CProfileList::RecoverEntries() const {
    // Profile files whose envelope names their own file are listed again, oldest first
    // (identifiers are time stamps), so that losing the list does not lose the profiles.
    std::vector<ProfileEntry> found;
    std::error_code error;
    std::filesystem::directory_iterator it(userFolder_, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::filesystem::path& path = it->path();
        if (path.extension() != ".Json" || !it->is_regular_file(error)) continue;
        const std::string stem = path.stem().string();
        const Json::Value document = files_.ReadJsonFile(path.string());
        const std::string name = JsonStringAt(document, "profilename");
        if (!IsPlainProfileId(stem) || name.empty() || JsonStringAt(document, "profileUUID") != stem)
            continue;
        found.push_back({RepairUtf8(name), stem});
    }
    std::sort(found.begin(), found.end(),
              [](const ProfileEntry& a, const ProfileEntry& b) { return a.id < b.id; });
    std::vector<ProfileEntry> entries;
    for (ProfileEntry& entry : found) {
        entry.name = ImportProfileName(entry.name, NamesOf(entries));
        entries.push_back(std::move(entry));
    }
    return entries;
}

int CProfileList::CreateFirstList(std::vector<ProfileEntry>& entries) {
    entries.push_back({"profile1", MakeUniqueId(entries)});
    return WriteProfile(entries.front(), DefaultDocument());
}

int CProfileList::Init() {
    lastError_.clear();
    entries_.clear();
    selected_ = -1;
    selectedId_.clear();
    programs_.clear();
    returnId_.clear();
    std::vector<ProfileEntry> entries;
    int selected = 0;
    int result = kProfileDone;
    // A save cut short by a crash leaves its temporary file behind.
    RemoveStaleTemporaryFiles(userFolder_);
    if (LoadEntries(entries, selected)) {
        AdoptUnlistedProfiles(entries);
    } else {
        entries = RecoverEntries();
        selected = 0;
        if (entries.empty()) result = CreateFirstList(entries);
    }
    const std::string createError = lastError_;
    entries_ = std::move(entries);
    // Select writes the list, which also stores any repair made above.
    Select(selected);
    if (result != kProfileDone) return Fail(result, createError);
    if (!lastError_.empty()) return kProfileFileError;
    // A list file that could not be read was set aside, or a damaged one repaired: the list
    // works, but the user is told.
    if (!readError_.empty()) lastError_ = readError_;
    return kProfileDone;
}

int CProfileList::Select(int index) {
    if (entries_.empty()) {
        Fail(kProfileRefused, "There is no profile to select.");
        return -1;
    }
    // A "profileselect" outside the list (a hand-edited file) falls back to the first profile.
    if (index < 0 || index >= Count()) index = 0;
    selected_ = index;
    selectedId_ = entries_[index].id;
    if (WriteList(entries_, index) == kProfileDone) Succeed();
    return index;
}

int CProfileList::NewProfile() {
    if (Count() >= kMaxNewProfiles) {
        return Fail(kProfileRefused,
                    "A device keeps at most " + std::to_string(kMaxNewProfiles) + " profiles.");
    }
    const ProfileEntry entry{NewProfileName(NamesOf(entries_)), MakeUniqueId({})};
    return AppendProfile(entry, DefaultDocument());
}

int CProfileList::DeleteProfile(int index) {
    if (index < 0 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    if (Count() < 2) return Fail(kProfileRefused, "The last profile cannot be deleted.");
    std::vector<ProfileEntry> entries = entries_;
    const ProfileEntry removed = entries[index];
    entries.erase(entries.begin() + index);
    // The selection stays on an existing profile: the one before a removed selected entry
    // (or the first), and the same profile when another entry was removed.
    int selected = selected_;
    if (selected == index) {
        selected = index > 0 ? index - 1 : 0;
    } else if (selected > index) {
        --selected;
    }
    selected = std::clamp(selected, 0, static_cast<int>(entries.size()) - 1);
    // A deleted profile takes its bindings with it.
    auto programs = programs_;
    const std::string returnId = returnId_;
    programs_.erase(removed.id);
    if (returnId_ == removed.id) returnId_.clear();
    if (WriteList(entries, selected) != kProfileDone) {
        programs_ = std::move(programs);
        returnId_ = returnId;
        return kProfileFileError;
    }
    // The list no longer names the file; only now can it go.
    std::remove(ProfilePathOf(removed.id).c_str());
    entries_ = std::move(entries);
    selected_ = selected;
    selectedId_ = entries_[selected].id;
    return Succeed();
}

int CProfileList::CopyProfile(int index) {
    if (index < 0 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    Json::Value document = files_.ReadJsonFile(ProfilePathAt(index));
    // A profile whose file is missing shows the default data (the device's load makes it
    // so), and that is what its copy gets.
    if (!document.isObject()) document = DefaultDocument();
    const ProfileEntry entry{CopyProfileName(entries_[index].name, NamesOf(entries_)), MakeUniqueId({})};
    return AppendProfile(entry, document);
}

int CProfileList::RenameProfile(int index, const std::string& name) {
    if (index < 0 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    if (name.empty()) return Fail(kProfileRefused, "A profile needs a name.");
    if (ProfileNameTaken(name, NamesOf(entries_, index))) {
        return Fail(kProfileRefused, "Another profile is already named \"" + name + "\".");
    }
    const std::string path = ProfilePathAt(index);
    const std::string oldText = files_.ReadTextFile(path);
    Json::Value document = ReadDocumentForUpdate(files_, path);
    document["profilename"] = name;
    if (files_.WriteJsonFile(path, document) != 0) {
        return Fail(kProfileFileError, "The profile file " + path + " cannot be written.");
    }
    std::vector<ProfileEntry> entries = entries_;
    entries[index].name = name;
    if (WriteList(entries, selected_) != kProfileDone) {
        // Put the profile file back as it was, so that file and list keep agreeing.
        if (oldText.empty()) {
            std::remove(path.c_str());
        } else {
            WriteFileAtomic(path, oldText);
        }
        return kProfileFileError;
    }
    entries_ = std::move(entries);
    return Succeed();
}

int CProfileList::ImportProfile(const std::string& path) {
    Json::Value document = files_.ReadJsonFile(path);
    const std::string name = JsonStringAt(document, "profilename");
    if (!document.isObject() || name.empty() || JsonMember(document, "profileUUID").isNull()) {
        if (!files_.LastError().empty()) return Fail(kProfileRefused, files_.LastError());
        return Fail(kProfileRefused, "The file " + path + " is not a profile file.");
    }
    // The file's own identifier is never reused: it may be another profile's.
    const ProfileEntry entry{ImportProfileName(RepairUtf8(name), NamesOf(entries_)), MakeUniqueId({})};
    return AppendProfile(entry, document);
}

int CProfileList::ExportProfile(int index, const std::string& path) {
    if (index < 0 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    if (path.empty()) return Fail(kProfileRefused, "No file was chosen.");
    Json::Value document = files_.ReadJsonFile(ProfilePathAt(index));
    if (!document.isObject()) {
        return Fail(kProfileFileError, "The profile file " + ProfilePathAt(index) + " cannot be read.");
    }
    document["profilename"] = entries_[index].name;
    document["profileUUID"] = entries_[index].id;
    if (files_.WriteJsonFile(path, document) != 0)
        return Fail(kProfileFileError, "The file " + path + " cannot be written.");
    return Succeed();
}

int CProfileList::ResetProfile(int index) {
    if (index < 0 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    Json::Value document = DefaultDocument();
    if (deviceKind_ == kHeadsetKind) {
        const Json::Value old = files_.ReadJsonFile(ProfilePathAt(index));
        const Json::Value& oldDevice = DeviceObjectOf(old, 0);
        for (const char* key : kKeptOnHeadsetReset) {
            const Json::Value& kept = JsonMember(oldDevice, key);
            if (kept.isNull()) continue;
            Json::Value device = DeviceObjectOf(document, 0);
            JsonObjectMember(device, key) = kept;
            PutDeviceObject(document, 0, device);
        }
    }
    if (WriteProfile(entries_[index], document) != kProfileDone) return kProfileFileError;
    return Succeed();
}
