// The lighting mode names: "default_light.json" and a light preset list
// ("tolva_light.config"), every device row.
#include <cstddef>
#include <cstdint>

#include "fuzz_files.h"
#include "panels/light/model/light_name_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzFolder() + "light.json";
    PutFuzzFile(path, data, size);
    for (int row = -1; row < 6; ++row) {
        LoadDefaultLightNames(path, row);
        LoadLightPresets(path, row);
    }
    return 0;
}
