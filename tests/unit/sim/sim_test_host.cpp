#include "sim_test_host.h"

#include <cstdio>
#include "sim/sim_backend.h"

Bytes MakeFrame(uint8_t command, uint8_t length, uint16_t offset, const Bytes& payload) {
    Bytes frame(64, 0);
    frame[0] = 4;
    frame[3] = command;
    frame[4] = length;
    frame[5] = static_cast<uint8_t>(offset);
    frame[6] = static_cast<uint8_t>(offset >> 8);
    for (size_t i = 0; i < payload.size() && 8 + i < frame.size(); ++i) frame[8 + i] = payload[i];
    Resum(frame);
    return frame;
}

void Resum(Bytes& frame) {
    unsigned sum = 0;
    for (size_t i = 3; i < 64; ++i) sum += frame[i];
    frame[1] = static_cast<uint8_t>(sum);
    frame[2] = static_cast<uint8_t>(sum >> 8);
}

std::string SimPath(int deviceId, int interfaceNumber, int collection) {
    char node[32];
    std::snprintf(node, sizeof node, "sim:%d:%02x#", deviceId, interfaceNumber);
    char col[16] = "";
    if (collection > 0) std::snprintf(col, sizeof col, "&col%02x", collection);
    std::vector<std::string> paths;
    SimHidBackend().Enumerate(paths);
    for (const std::string& path : paths)
        if (path.rfind(node, 0) == 0 &&
            (collection == 0 ? path.find("&col") == std::string::npos : path.find(col) != std::string::npos))
            return path;
    return {};
}

SimMouseHost::SimMouseHost(SimMouseModel model) : mouse_(std::make_shared<SimMouse>(std::move(model))) {
    const int id = mouse_->Plug();
    opened_ = id >= 0 && channel_.Open(SimPath(id, 1, 4), true, true, true, false);
}

SimMouseHost::~SimMouseHost() {
    channel_.Close();
    mouse_->Unplug();
}

bool SimMouseHost::Send(const Bytes& frame) {
    return channel_.WriteReport(frame.data(), frame.size(), 1000) != 0;
}

Bytes SimMouseHost::Receive(int timeoutMs) {
    Bytes answer(64, 0);
    size_t got = 0;
    if (channel_.ReadReport(answer.data(), answer.size(), timeoutMs, &got) == 0) return {};
    answer.resize(got);
    return answer;
}

Bytes SimMouseHost::Transact(const Bytes& frame, int timeoutMs) {
    return Send(frame) ? Receive(timeoutMs) : Bytes{};
}

Bytes SimMouseHost::Transact(uint8_t command, uint8_t length, uint16_t offset, const Bytes& payload) {
    return Transact(MakeFrame(command, length, offset, payload));
}
