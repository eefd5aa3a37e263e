#include "devices/audio/sound_server_match.h"

#include <cctype>
#include <charconv>

namespace {

constexpr int kHex = 16;

std::string Prop(const SoundServerObject& object, const char* key) {
    const auto found = object.props.find(key);
    return found == object.props.end() ? std::string() : found->second;
}

bool IsSink(const SoundServerObject& object) {
    return object.type == soundserver::kNodeType &&
           Prop(object, soundserver::kMediaClass) == soundserver::kAudioSink &&
           !Prop(object, soundserver::kNodeName).empty();
}

bool HasIds(const SoundServerObject& device, uint16_t vendorId, uint16_t productId) {
    return device.type == soundserver::kDeviceType &&
           ParseUsbId(Prop(device, soundserver::kVendorId)) == vendorId &&
           ParseUsbId(Prop(device, soundserver::kProductId)) == productId;
}

}  // namespace

std::optional<uint16_t> ParseUsbId(const std::string& text) {
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && std::tolower(static_cast<unsigned char>(digits[1])) == 'x')
        digits = digits.substr(2);
    if (digits.empty()) return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, kHex);
    if (error != std::errc() || end != digits.data() + digits.size() || value > UINT16_MAX)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::optional<std::string> FindUsbSinkNode(const std::vector<SoundServerObject>& objects, uint16_t vendorId,
                                           uint16_t productId) {
    for (const SoundServerObject& node : objects) {
        if (!IsSink(node)) continue;
        const std::string owner = Prop(node, soundserver::kDeviceId);
        for (const SoundServerObject& device : objects) {
            if (HasIds(device, vendorId, productId) && owner == std::to_string(device.id))
                return Prop(node, soundserver::kNodeName);
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindSinkNodeNamed(const std::vector<SoundServerObject>& objects,
                                             const std::string& name) {
    for (const SoundServerObject& node : objects)
        if (IsSink(node) && Prop(node, soundserver::kNodeName) == name) return name;
    return std::nullopt;
}
