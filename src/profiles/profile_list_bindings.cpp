// The programs a profile is bound to and the profile to return to, kept in the list file.
#include <algorithm>

#include "profiles/profile_list.h"
#include "util/json_value.h"

namespace {

// A path longer than the system's limit names no program.
constexpr size_t kMaxProgramBytes = 4096;
// More programs than a user would bind to one profile: a hand-edited file is cut here.
constexpr size_t kMaxProgramsPerProfile = 256;
constexpr const char* kClassPrefix = "class:";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Control characters would break the one-line forms the program shows and kvelmctl prints.
bool IsUsableProgram(const std::string& program) {
    if (program.empty() || program.size() > kMaxProgramBytes || program == kClassPrefix) return false;
    return std::none_of(program.begin(), program.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

const std::vector<std::string> kNoPrograms;

}  // namespace

void CProfileList::LoadBindings(const Json::Value& element, const std::string& id) {
    const Json::Value& list = JsonMember(element, "profileprograms");
    std::vector<std::string>& programs = programs_[id];
    for (unsigned i = 0; i < JsonSize(list) && programs.size() < kMaxProgramsPerProfile; ++i) {
        const std::string program = Trimmed(JsonString(JsonAt(list, i)));
        if (!IsUsableProgram(program)) continue;
        // A program already bound (here or to an earlier profile) keeps its first binding.
        const bool taken = std::any_of(programs_.begin(), programs_.end(), [&](const auto& bound) {
            return std::find(bound.second.begin(), bound.second.end(), program) != bound.second.end();
        });
        if (!taken) programs.push_back(program);
    }
    if (programs.empty()) programs_.erase(id);
}

const std::vector<std::string>& CProfileList::ProgramsAt(int index) const {
    if (index < 0 || index >= Count()) return kNoPrograms;
    const auto found = programs_.find(entries_[index].id);
    return found == programs_.end() ? kNoPrograms : found->second;
}

int CProfileList::WriteBindings(std::map<std::string, std::vector<std::string>> programs,
                                std::string returnId) {
    std::swap(programs_, programs);
    std::swap(returnId_, returnId);
    if (WriteList(entries_, selected_) != kProfileDone) {
        // The file still holds the old bindings: so does the list in memory.
        std::swap(programs_, programs);
        std::swap(returnId_, returnId);
        return kProfileFileError;
    }
    return Succeed();
}

int CProfileList::BindProgram(int index, const std::string& program) {
    if (index < 0 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    const std::string text = Trimmed(program);
    if (!IsUsableProgram(text)) return Fail(kProfileRefused, "\"" + program + "\" names no program.");
    for (const auto& binding : programs_) {
        // Named, not a structured binding: the lambda below captures the id.
        const std::string& id = binding.first;
        const std::vector<std::string>& bound = binding.second;
        if (std::find(bound.begin(), bound.end(), text) == bound.end()) continue;
        const auto owner = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const ProfileEntry& entry) { return entry.id == id; });
        const std::string name = owner == entries_.end() ? id : owner->name;
        return Fail(kProfileRefused, "\"" + text + "\" is already bound to profile \"" + name + "\".");
    }
    auto programs = programs_;
    programs[entries_[index].id].push_back(text);
    return WriteBindings(std::move(programs), returnId_);
}

int CProfileList::UnbindProgram(int index, const std::string& program) {
    if (index < 0 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    const std::string text = Trimmed(program);
    auto programs = programs_;
    std::vector<std::string>& bound = programs[entries_[index].id];
    const auto found = std::find(bound.begin(), bound.end(), text);
    if (found == bound.end()) {
        return Fail(kProfileRefused,
                    "Profile \"" + entries_[index].name + "\" is not bound to \"" + text + "\".");
    }
    bound.erase(found);
    if (bound.empty()) programs.erase(entries_[index].id);
    return WriteBindings(std::move(programs), returnId_);
}

int CProfileList::SetReturnProfile(int index) {
    if (index < -1 || index >= Count()) return Fail(kProfileRefused, "There is no such profile.");
    return WriteBindings(programs_, index < 0 ? std::string() : entries_[index].id);
}

int CProfileList::ReturnIndex() const {
    if (returnId_.empty()) return -1;
    for (int i = 0; i < Count(); ++i) {
        if (entries_[i].id == returnId_) return i;
    }
    return -1;
}
