// Discovery pass cost and abort latency of the HID layer.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include "fake_sysfs.h"
#include "hid/hid_device.h"
#include "hid/hidraw_backend.h"
#include "test_descriptors.h"

namespace {

constexpr int kNodeCount = 40;

// 40 nodes: every other one a four-collection vendor interface, the rest boot mice.
void FillTree(FakeSysfs& sys) {
    for (int node = 0; node < kNodeCount; ++node) {
        if (node % 2)
            sys.AddNode(node, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor);
        else
            sys.AddNode(node, 0x046D, static_cast<uint16_t>(0xC000 + node), 0, kBootMouseDescriptor);
    }
}

// What the discovery thread does every 100 ms: one pass over the nodes it has seen before.
void BM_HidrawEnumerate40Nodes(benchmark::State& state) {
    FakeSysfs sys;
    FillTree(sys);
    HidrawBackend backend(sys.SysRoot(), sys.DevRoot(), sys.Opener());
    std::vector<std::string> paths;
    backend.Enumerate(paths);  // the first pass fills the cache
    for (auto _ : state) {
        paths.clear();
        backend.Enumerate(paths);
        benchmark::DoNotOptimize(paths.data());
    }
    state.counters["paths"] = static_cast<double>(paths.size());
}
BENCHMARK(BM_HidrawEnumerate40Nodes)->Unit(benchmark::kMicrosecond);

// A first pass, with every descriptor parsed.
void BM_HidrawEnumerate40NodesCold(benchmark::State& state) {
    FakeSysfs sys;
    FillTree(sys);
    std::vector<std::string> paths;
    for (auto _ : state) {
        HidrawBackend backend(sys.SysRoot(), sys.DevRoot(), sys.Opener());
        paths.clear();
        backend.Enumerate(paths);
        benchmark::DoNotOptimize(paths.data());
    }
}
BENCHMARK(BM_HidrawEnumerate40NodesCold)->Unit(benchmark::kMicrosecond);

// The whole discovery cursor: Enumerate, NextPath to the end, ClearPaths.
void BM_CursorPass40Nodes(benchmark::State& state) {
    FakeSysfs sys;
    FillTree(sys);
    auto saved = HidBackends();
    HidBackends() = {std::make_shared<HidrawBackend>(sys.SysRoot(), sys.DevRoot(), sys.Opener())};
    CHidDevice hid;
    hid.Enumerate();
    for (auto _ : state) {
        hid.Enumerate();
        size_t count = 0;
        while (hid.NextPath()) ++count;
        hid.ClearPaths();
        benchmark::DoNotOptimize(count);
    }
    HidBackends() = saved;
}
BENCHMARK(BM_CursorPass40Nodes)->Unit(benchmark::kMicrosecond);

// Close on one thread while another waits in ReadReport with no time-out: the time until
// Close has returned, which includes the reader leaving its wait.
void BM_CloseAbortsInfiniteRead(benchmark::State& state) {
    FakeSysfs sys;
    sys.AddNode(3, 0x320F, 0x2002, 1, kVendorInterfaceDescriptor);
    auto saved = HidBackends();
    HidBackends() = {std::make_shared<HidrawBackend>(sys.SysRoot(), sys.DevRoot(), sys.Opener())};
    const std::string path = sys.DevRoot() + "/hidraw3#vid_320f&pid_2002&mi_01&col04";
    CHidDevice hid;
    for (auto _ : state) {
        if (!hid.Open(path, true, true, true, false)) {
            state.SkipWithError("open failed");
            break;
        }
        std::atomic<bool> reading{false};
        std::thread reader([&] {
            uint8_t buffer[64];
            reading = true;
            hid.ReadReport(buffer, sizeof buffer, kHidInfinite);
        });
        while (!reading) std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));  // let it reach poll()
        const auto start = std::chrono::steady_clock::now();
        hid.Close();
        const auto end = std::chrono::steady_clock::now();
        reader.join();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    HidBackends() = saved;
}
BENCHMARK(BM_CloseAbortsInfiniteRead)->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
