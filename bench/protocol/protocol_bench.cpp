// One command transaction against the in-process simulated mouse, which answers at once,
// with the debug output off: the cost of framing, locking and one report each way.
#include <benchmark/benchmark.h>
#include <memory>
#include "hid/hid_device.h"
#include "hid/protocol/device_protocol.h"
#include "sim/sim_mouse.h"
#include "util/debug_log.h"

namespace {

std::string CommandPath(int busId) {
    const std::string prefix = "sim:" + std::to_string(busId) + ":";
    CHidDevice cursor;
    std::string found;
    if (cursor.Enumerate())
        for (const std::string* path = cursor.NextPath(); path != nullptr; path = cursor.NextPath())
            if (path->starts_with(prefix) && path->find("&col04") != std::string::npos) found = *path;
    cursor.ClearPaths();
    return found;
}

struct Bench {
    std::shared_ptr<SimMouse> mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse());
    CDeviceProtocol channel;
    bool ready = false;
    Bench() {
        SetDebugSink(nullptr);
        ready = channel.Open(CommandPath(mouse->Plug()));
    }
    ~Bench() { mouse->Unplug(); }
};

void BM_Transact(benchmark::State& state) {
    Bench bench;
    if (!bench.ready) {
        state.SkipWithError("cannot open the simulated mouse");
        return;
    }
    Frame request;
    StartFrame(request, Command::kBeginConfig);
    SealFrame(request);
    uint8_t answer[kFrameSize];
    for (auto _ : state) {
        if (bench.channel.Transact(request.data(), kFrameSize, answer, kFrameSize) != kResultOk) {
            state.SkipWithError("transaction failed");
            break;
        }
        bench.mouse->ClearFrames();  // keep the device's frame log from growing
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(BM_Transact);

// A 57-byte settings record read: two chunks under commandLock.
void BM_ReadSettingsRecord(benchmark::State& state) {
    Bench bench;
    if (!bench.ready) {
        state.SkipWithError("cannot open the simulated mouse");
        return;
    }
    uint8_t record[57];
    for (auto _ : state) {
        if (bench.channel.ReadMemory(record, 128) != kResultOk) {
            state.SkipWithError("read failed");
            break;
        }
        bench.mouse->ClearFrames();
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_ReadSettingsRecord);

}  // namespace

BENCHMARK_MAIN();
