#include "sim/sim_backend.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include "sim/sim_bus_impl.h"

namespace {

const std::string kPrefix = "sim:";

class SimConnection : public IHidConnection {
public:
    SimConnection(std::shared_ptr<ISimDevice> device, std::shared_ptr<SimOpenHandle> handle, bool write)
        : device_(std::move(device)),
          handle_(std::move(handle)),
          write_(write),
          descriptor_(device_->ReportDescriptor(handle_->interfaceNumber)) {}

    uint16_t VendorId() const override { return device_->VendorId(); }
    uint16_t ProductId() const override { return device_->ProductId(); }
    uint16_t VersionNumber() const override { return device_->VersionNumber(); }
    const std::vector<uint8_t>& ReportDescriptor() const override { return descriptor_; }
    int PollFd() const override { return handle_->input ? handle_->input->Fd() : -1; }

    int ReadInput(uint8_t* data, size_t capacity) override {
        if (!handle_->input || !data) return -1;
        return handle_->input->Pop(data, capacity);
    }

    int WriteOutput(const uint8_t* data, size_t length) override {
        if (!write_ || !data || length == 0 || handle_->gone) return -1;
        // Called without any bus lock: the device answers through the bus.
        if (!device_->OnOutputReport(handle_->interfaceNumber, data, length)) return -1;
        return static_cast<int>(length);
    }

private:
    std::shared_ptr<ISimDevice> device_;
    std::shared_ptr<SimOpenHandle> handle_;
    bool write_;
    std::vector<uint8_t> descriptor_;
};

// Data bytes of a short item: size code 3 means 4 bytes.
size_t ShortItemDataSize(uint8_t prefix) {
    const size_t code = prefix & 0x03;
    return code == 3 ? 4 : code;
}

bool ParseDecimal(const std::string& text, int* value) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
        return false;
    *value = std::atoi(text.c_str());
    return true;
}

bool ParseHex(const std::string& text, int* value) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return false;
    *value = static_cast<int>(std::strtol(text.c_str(), nullptr, 16));
    return true;
}

std::string FormatPath(int deviceId, const ISimDevice& device, int interfaceNumber, size_t collection,
                       size_t collectionCount) {
    char text[96];
    std::snprintf(text, sizeof text, "sim:%d:%02x#vid_%04x&pid_%04x&mi_%02x", deviceId, interfaceNumber,
                  device.VendorId(), device.ProductId(), interfaceNumber);
    std::string path = text;
    if (collectionCount > 1) {
        std::snprintf(text, sizeof text, "&col%02zx", collection);
        path += text;
    }
    return path;
}

// The plugged device of that id when it has that interface.
std::shared_ptr<ISimDevice> FindDevice(int deviceId, int interfaceNumber) {
    for (const SimHidBus::Entry& entry : SimHidBus::Instance().Devices()) {
        if (entry.id != deviceId) continue;
        const std::vector<int> interfaces = entry.device->InterfaceNumbers();
        if (std::find(interfaces.begin(), interfaces.end(), interfaceNumber) != interfaces.end())
            return entry.device;
        return nullptr;
    }
    return nullptr;
}

}  // namespace

size_t CountTopLevelCollections(const std::vector<uint8_t>& descriptor) {
    constexpr uint8_t kCollection = 0xA0, kEndCollection = 0xC0, kLongItem = 0xFE;
    size_t count = 0;
    int depth = 0;
    size_t pos = 0;
    while (pos < descriptor.size()) {
        const uint8_t prefix = descriptor[pos];
        if (prefix == kLongItem) {
            if (pos + 1 >= descriptor.size()) break;
            pos += 3 + descriptor[pos + 1];
            continue;
        }
        const uint8_t tag = prefix & 0xFC;
        if (tag == kCollection) {
            if (depth == 0) ++count;
            ++depth;
        } else if (tag == kEndCollection && depth > 0) {
            --depth;
        }
        pos += 1 + ShortItemDataSize(prefix);
    }
    return count;
}

bool ParseSimNode(const std::string& path, int* deviceId, int* interfaceNumber) {
    const std::string node = path.substr(0, path.find('#'));
    if (node.compare(0, kPrefix.size(), kPrefix) != 0) return false;
    const size_t colon = node.find(':', kPrefix.size());
    if (colon == std::string::npos) return false;
    return ParseDecimal(node.substr(kPrefix.size(), colon - kPrefix.size()), deviceId) &&
           ParseHex(node.substr(colon + 1), interfaceNumber);
}

bool SimHidBackend::Enumerate(std::vector<std::string>& paths) {
    for (const SimHidBus::Entry& entry : SimHidBus::Instance().Devices()) {
        for (int interfaceNumber : entry.device->InterfaceNumbers()) {
            const size_t count = CountTopLevelCollections(entry.device->ReportDescriptor(interfaceNumber));
            // An interface whose descriptor shows no collection is still listed once.
            for (size_t collection = 1; collection <= std::max<size_t>(count, 1); ++collection)
                paths.push_back(FormatPath(entry.id, *entry.device, interfaceNumber, collection, count));
        }
    }
    return true;
}

bool SimHidBackend::Handles(const std::string& path) const {
    return path.compare(0, kPrefix.size(), kPrefix) == 0;
}

std::unique_ptr<IHidConnection> SimHidBackend::Open(const std::string& path, bool read, bool write,
                                                    bool exclusive) {
    int deviceId = 0, interfaceNumber = 0;
    if (!ParseSimNode(path, &deviceId, &interfaceNumber)) return nullptr;
    std::shared_ptr<ISimDevice> device = FindDevice(deviceId, interfaceNumber);
    if (!device) return nullptr;
    SimHidBus::Impl& bus = *SimHidBus::Instance().impl_;
    std::shared_ptr<SimOpenHandle> handle;
    {
        std::lock_guard guard(bus.lock);
        handle = bus.OpenHandle(deviceId, interfaceNumber, read, exclusive);
    }
    if (!handle) return nullptr;
    return std::make_unique<SimConnection>(std::move(device), std::move(handle), write);
}

bool SimHidBackend::IsPresent(const std::string& path) {
    int deviceId = 0, interfaceNumber = 0;
    return ParseSimNode(path, &deviceId, &interfaceNumber) && FindDevice(deviceId, interfaceNumber);
}

void RegisterSimHidBackend() {
    // Our own lock keeps two first plugs from adding two backends; the list has its own.
    static std::mutex registering;
    std::lock_guard guard(registering);
    const auto backends = HidBackendsSnapshot();
    const bool present = std::any_of(backends.begin(), backends.end(), [](const auto& backend) {
        return dynamic_cast<SimHidBackend*>(backend.get()) != nullptr;
    });
    if (!present) AddHidBackend(std::make_shared<SimHidBackend>());
}
