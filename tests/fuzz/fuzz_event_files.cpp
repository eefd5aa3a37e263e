// The macro list, macro files and gun presets of a mouse's data folder, up to the device
// images built from them.
#include <cstddef>
#include <cstdint>

#include "devices/mouse/mouse_event_files.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string folder = FuzzFolder() + "events/";
    // The same bytes as the macro list, as the macro file a "Guid" of "m" names, and as
    // every gun preset.
    PutFuzzFile(folder + "macro.config", data, size);
    PutFuzzFile(folder + "m.mac", data, size);
    for (int preset = 0; preset < mouse::kShootPresetCount; ++preset)
        PutFuzzFile(folder + mouse::ShootFileName(preset), data, size);
    mouse::PrepareMacroImage(folder, 4096);
    mouse::PrepareShootImage(folder);
    return 0;
}
