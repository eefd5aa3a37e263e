#pragma once
// Finding the headset's output among the sound server's objects: the audio sink node of the
// device whose USB ids are the headset's. Works on a snapshot of the server's objects, so
// it is checked without a server.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct SoundServerObject {
    uint32_t id = 0;
    std::string type;  // "PipeWire:Interface:Node", "PipeWire:Interface:Device", ...
    std::map<std::string, std::string> props;
};

namespace soundserver {
inline constexpr char kNodeType[] = "PipeWire:Interface:Node";
inline constexpr char kDeviceType[] = "PipeWire:Interface:Device";
inline constexpr char kMediaClass[] = "media.class";
inline constexpr char kAudioSink[] = "Audio/Sink";
inline constexpr char kNodeName[] = "node.name";
inline constexpr char kDeviceId[] = "device.id";
inline constexpr char kVendorId[] = "device.vendor.id";
inline constexpr char kProductId[] = "device.product.id";
}  // namespace soundserver

// A USB id as the server writes it ("0x320f", "320F"); none when it is not hexadecimal.
std::optional<uint16_t> ParseUsbId(const std::string& text);
// node.name of the first audio sink (in snapshot order) of a device with these ids; none
// when there is none.
std::optional<std::string> FindUsbSinkNode(const std::vector<SoundServerObject>& objects, uint16_t vendorId,
                                           uint16_t productId);
// The audio sink node with this name, if it is there.
std::optional<std::string> FindSinkNodeNamed(const std::vector<SoundServerObject>& objects,
                                             const std::string& name);
