// A build without PipeWire: the host has no equaliser.
#include "devices/audio/pipewire_equaliser.h"

std::unique_ptr<IEqualiserSink> OpenPipeWireEqualiser(uint16_t, uint16_t) {
    return nullptr;
}

std::unique_ptr<IEqualiserSink> OpenPipeWireEqualiserOn(const SinkChooser&) {
    return nullptr;
}

bool PipeWireEqualiserBuilt() {
    return false;
}
