#include "ui/program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Normalise(const fs::path& p) {
    std::error_code ec;
    fs::path abs = fs::absolute(p, ec);
    if (ec) abs = p;
    std::string text = abs.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

bool HasSkin(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "skin", ec);
}

fs::path ExecutableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec);
    return exe.parent_path();
}

}  // namespace

std::string ProgramFolder() {
    if (const char* env = std::getenv("KVELM_DATA_DIR"); env && *env) return Normalise(env);
    const fs::path exeFolder = ExecutableFolder();
    if (HasSkin(exeFolder)) return Normalise(exeFolder);
    const fs::path shared = exeFolder / ".." / "share" / "kvelm";
    if (HasSkin(shared)) return Normalise(shared);
    return Normalise(exeFolder);
}

std::string SkinFolder() {
    return ProgramFolder() + "/skin";
}

std::string ToSlashPath(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        const char s = c == '\\' ? '/' : c;
        if (s == '/' && (out.empty() || out.back() == '/')) continue;  // leading or doubled
        out.push_back(s);
    }
    return out;
}
