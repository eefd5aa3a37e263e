#pragma once
// The equaliser's properties of the output endpoint ("Enable_EQ_GFX" and "EQ_Slider1" to
// "EQ_Slider10") on a host equaliser sink. Reads give back the values last written (off and
// 0 dB before the first write); writes reach the sink as the gains the bands stand for, all
// flat while the equaliser is off. A write the sink refuses leaves the values unchanged.
// With a state file the values written are kept there, and the filter is put back as it
// was when the properties are made again (at the next start).
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "devices/audio/equaliser_sink.h"
#include "devices/audio/equaliser_state_file.h"

class CEqualiserProperties {
public:
    // `sink` may be null (no equaliser on this host); `stateFile` empty: nothing kept.
    explicit CEqualiserProperties(std::unique_ptr<IEqualiserSink> sink, std::string stateFile = {});
    ~CEqualiserProperties();
    CEqualiserProperties(const CEqualiserProperties&) = delete;
    CEqualiserProperties& operator=(const CEqualiserProperties&) = delete;

    // The sink is there and reachable.
    bool Present() const;
    // The property is one of the equaliser's.
    static bool Handles(const std::string& name);
    // 0 on success (decimal text in `text`), non-zero when absent or not an equaliser
    // property.
    int Read(const std::string& name, std::string* text) const;
    int Write(const std::string& name, int32_t value);

private:
    static EqualiserGains Gains(const EqualiserState& state);

    std::unique_ptr<IEqualiserSink> sink_;
    std::string stateFile_;
    EqualiserState state_;
};
