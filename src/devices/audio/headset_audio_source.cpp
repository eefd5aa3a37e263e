#include "devices/audio/headset_audio_source.h"

#include "devices/audio/alsa_audio_library.h"
#include "devices/audio/simulated_audio_library.h"
#include "sim/sim_devices.h"

namespace {

const char kHeadsetName[] = "headset";

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

bool SimulatesHeadset(const std::string& simulateList) {
    size_t start = 0;
    while (start <= simulateList.size()) {
        const size_t comma = std::min(simulateList.find(',', start), simulateList.size());
        if (Trimmed(simulateList.substr(start, comma - start)) == kHeadsetName) return true;
        start = comma + 1;
    }
    return false;
}

std::unique_ptr<IAudioConfigLibrary> MakeHeadsetAudioLibrary(const std::string& simulateList,
                                                             uint16_t vendorId, uint16_t productId) {
    if (SimulatesHeadset(simulateList)) {
        auto library = std::make_unique<SimulatedAudioLibrary>();
        // Beside the simulated devices' kept memory, when they keep it: the next program
        // finds the levels this one set, as it would on a real sound card.
        if (const std::string folder = SimulatedMemoryFolder(); !folder.empty())
            library->KeepValuesIn(folder + "/headset-audio.json");
        return library;
    }
    return OpenHostAudioLibrary(vendorId, productId);
}
