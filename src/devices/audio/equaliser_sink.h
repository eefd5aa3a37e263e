#pragma once
// The host's equaliser for the headset's output: whatever filter the sound server offers,
// behind three operations. The PipeWire one loads a filter chain; tests use a fake.
#include "devices/audio/equaliser_plan.h"

class IEqualiserSink {
public:
    virtual ~IEqualiserSink() = default;

    // True while the sound server is reachable and the headset's output is there.
    virtual bool Available() const = 0;
    // Sets the ten band gains (dB); the filter is put in place on first use. False when the
    // gains could not be handed to the sound server.
    virtual bool Apply(const EqualiserGains& gains) = 0;
    // Takes the filter away again; Apply puts it back.
    virtual void Close() = 0;
};
