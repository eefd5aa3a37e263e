#pragma once
// The equaliser on the PipeWire sound server: a filter chain of ten peaking filters loaded
// into this process, offered as an "Audio/Sink" and played into the headset's output. The
// server is reached on a thread loop of its own; opening waits at most kOpenTimeoutMs.
// Without a running server (or a build without PipeWire) there is no equaliser.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devices/audio/equaliser_sink.h"
#include "devices/audio/sound_server_match.h"

namespace pweq {
inline constexpr int kOpenTimeoutMs = 1000;
}

// Picks the node the equaliser plays into from the server's objects; empty: none.
using SinkChooser = std::function<std::optional<std::string>(const std::vector<SoundServerObject>&)>;

// The equaliser for the audio sink of the USB device with these ids; nullptr when no server
// runs or the headset's output is not among its sinks.
std::unique_ptr<IEqualiserSink> OpenPipeWireEqualiser(uint16_t vendorId, uint16_t productId);
// The same for the sink that `choose` picks.
std::unique_ptr<IEqualiserSink> OpenPipeWireEqualiserOn(const SinkChooser& choose);
// False in a build without PipeWire.
bool PipeWireEqualiserBuilt();
