#include "devices/program_paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Normalise(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) absolute = path;
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

bool HoldsProgramFiles(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "DefaultData", ec) || fs::is_directory(folder / "skin", ec);
}

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec);
    return exe.parent_path();
}

}  // namespace

std::string DeviceProgramFolder() {
    if (const char* fromEnvironment = std::getenv("KVELM_DATA_DIR"); fromEnvironment && *fromEnvironment)
        return Normalise(fromEnvironment);
    const fs::path exeFolder = ExecutableFolder();
    if (HoldsProgramFiles(exeFolder)) return Normalise(exeFolder);
    const fs::path shared = exeFolder / ".." / "share" / "kvelm";
    if (HoldsProgramFiles(shared)) return Normalise(shared);
    return Normalise(exeFolder);
}

std::string DefaultDataFolder() {
    return DeviceProgramFolder() + "/DefaultData/";
}
