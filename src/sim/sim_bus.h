#pragma once
// In-process bus of simulated HID devices. The firmware simulators of src/sim implement
// ISimDevice and are plugged here. The first Plug adds the simulated backend
// (sim_backend.h) to HidBackends(); it lists and opens the devices' interfaces like real
// ones, one path per top-level collection: "sim:<device id>:<interface>#vid_...&pid_...&mi_..&col..".
// Every open handle of an interface gets its own copy of each input report, as on hidraw.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class ISimDevice {
public:
    virtual ~ISimDevice() = default;
    virtual std::string Name() const = 0;  // "mouse", "mouse3389", "mousewl", ...
    virtual uint16_t VendorId() const = 0;
    virtual uint16_t ProductId() const = 0;
    virtual uint16_t VersionNumber() const { return 0x0100; }
    virtual std::vector<int> InterfaceNumbers() const = 0;
    virtual std::vector<uint8_t> ReportDescriptor(int interfaceNumber) const = 0;
    // An output report the host wrote to one interface (data[0] is the report id).
    // Called on the writer's thread; the device answers with SimHidBus::SendInputReport.
    // Returns false to make the write fail (as a device that refuses it).
    virtual bool OnOutputReport(int interfaceNumber, const uint8_t* data, size_t length) = 0;
};

class SimHidBus {
public:
    static SimHidBus& Instance();

    // Attaches a device; returns its id (unique for the life of the process).
    int Plug(std::shared_ptr<ISimDevice> device);
    // Detaches it: open handles see the device gone (reads and writes fail, POLLHUP).
    void Unplug(int id);
    void UnplugAll();
    struct Entry {
        int id;
        std::shared_ptr<ISimDevice> device;
    };
    std::vector<Entry> Devices() const;

    // Delivers an input report to every open handle of the interface, at once or after
    // delayMs (a delivery thread runs while delayed reports wait; it never spins).
    void SendInputReport(const ISimDevice* device, int interfaceNumber, std::vector<uint8_t> report,
                         int delayMs = 0);

    SimHidBus(const SimHidBus&) = delete;
    SimHidBus& operator=(const SimHidBus&) = delete;
    ~SimHidBus();

private:
    SimHidBus();
    struct Impl;
    std::unique_ptr<Impl> impl_;
    friend class SimHidBackend;
};
