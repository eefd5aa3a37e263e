#pragma once
// The audio configuration library: the one interface through which the headset's audio
// side (microphone and monitor level and mute, equaliser, voice changer, surround) is
// driven. Whatever takes its place on a host (the simulated library, a sound-stack
// backend) answers these calls with the names, values and results below.
//
// Property values travel in buffers: a write puts a 32-bit integer or float in the first
// four bytes of the value buffer and, where a property has one, a channel selector in the
// first four bytes of the second buffer; a read returns the value as NUL-terminated decimal
// text (UTF-8) in the value buffer.
#include <cstdint>
#include <span>
#include <string>

// The 16 bytes the library fills for an endpoint and takes back on every property call.
struct AudioEndpointId {
    uint32_t id = 0;
    uint32_t type = 0;      // 0 while no endpoint is chosen
    uint32_t reserved = 0;  // passed back unchanged
    uint32_t state = 0;     // 1 = active
    bool operator==(const AudioEndpointId&) const = default;
};
static_assert(sizeof(AudioEndpointId) == 16);

enum class AudioFlow : int { kOutput = 0, kCapture = 1 };
enum class PropertyDirection : int { kRead = 0, kWrite = 1 };

namespace audio {
inline constexpr int kOk = 0;  // every entry point: 0 is success
inline constexpr uint32_t kStateActive = 1;
inline constexpr size_t kBufferSize = 1024;
inline constexpr size_t kFeatureBufferSize = 2048;
}  // namespace audio

class IAudioConfigLibrary {
public:
    virtual ~IAudioConfigLibrary() = default;

    virtual int ConfLibInit() = 0;
    virtual int CreateDeviceList() = 0;
    virtual int GetDeviceCount(AudioFlow flow, uint32_t* count) = 0;
    virtual int GetDeviceById(AudioFlow flow, uint32_t index, AudioEndpointId* endpoint) = 0;
    // `second` empty: no second buffer. 0 on success, anything else is failure.
    virtual int PropertyControl(AudioEndpointId endpoint, const std::string& name, std::span<uint8_t> value,
                                std::span<uint8_t> second, PropertyDirection direction) = 0;
};
