// The profile list file, loaded at start-up, then edited, exported and imported.
#include <cstddef>
#include <cstdint>

#include "fuzz_files.h"
#include "profiles/profile_list.h"
#include "profiles/profile_paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string folder = FuzzFolder() + "list/";
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    PutFuzzFile(folder + "ProfileList.ini", data, size);
    // The input is also a profile file that the list may name, and a file to import.
    PutFuzzFile(folder + "2024_03_07_09_05_02_045.Json", data, size);
    PutFuzzFile(FuzzFolder() + "import.Json", data, size);

    CProfileList list;
    list.SetDeviceKind(7);
    list.SetPaths(folder, FuzzFolder() + "list_default.Json");
    list.Init();
    list.ImportProfile(FuzzFolder() + "import.Json");
    list.CopyProfile(0);
    list.RenameProfile(0, "renamed");
    list.ResetProfile(list.Count() - 1);
    list.ExportProfile(0, FuzzFolder() + "export.Json");
    list.DeleteProfile(1);
    return 0;
}
