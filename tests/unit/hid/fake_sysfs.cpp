#include "fake_sysfs.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string Hex(unsigned value, int width, bool upper) {
    char text[16];
    std::snprintf(text, sizeof text, upper ? "%0*X" : "%0*x", width, value);
    return text;
}

}  // namespace

FakeSysfs::FakeSysfs() {
    if (!folder_.IsValid()) throw std::runtime_error("cannot make a temporary folder");
    sysRoot_ = folder_.File("sys");
    devRoot_ = folder_.File("dev");
    fs::create_directories(sysRoot_ + "/class/hidraw");
    fs::create_directories(devRoot_);
}

FakeSysfs::~FakeSysfs() {
    for (auto& [number, ends] : deviceEnds_)
        for (int fd : ends) ::close(fd);
}

std::string FakeSysfs::HidDir(int number) const {
    return hidDirs_.at(number);
}

void FakeSysfs::AddNode(int number, uint16_t vendorId, uint16_t productId, int interfaceNumber,
                        const std::vector<uint8_t>& descriptor, uint16_t bcdDevice) {
    const std::string ids = Hex(vendorId, 4, true) + ":" + Hex(productId, 4, true);
    const std::string hidName = "0003:" + ids + "." + Hex(static_cast<unsigned>(++sequence_), 4, true);
    std::string relative;
    if (interfaceNumber >= 0) {
        const std::string usbDevice = "devices/usb1/1-" + std::to_string(number);
        fs::create_directories(sysRoot_ + "/" + usbDevice);
        WriteFile(sysRoot_ + "/" + usbDevice + "/bcdDevice", Hex(bcdDevice, 4, false) + "\n");
        const std::string usbInterface =
            usbDevice + "/1-" + std::to_string(number) + ":1." + std::to_string(interfaceNumber);
        fs::create_directories(sysRoot_ + "/" + usbInterface);
        WriteFile(sysRoot_ + "/" + usbInterface + "/bInterfaceNumber",
                  Hex(static_cast<unsigned>(interfaceNumber), 2, false) + "\n");
        relative = usbInterface + "/" + hidName;
    } else {
        relative = "devices/platform/i2c-" + std::to_string(number) + "/" + hidName;
    }
    const std::string hidDir = sysRoot_ + "/" + relative;
    const std::string node = "hidraw" + std::to_string(number);
    fs::create_directories(hidDir + "/hidraw/" + node);
    WriteFile(hidDir + "/uevent", "DRIVER=hid-generic\nHID_ID=0003:0000" + ids.substr(0, 4) + ":0000" +
                                      ids.substr(5) + "\nHID_NAME=Test Device\nMODALIAS=hid:b0003g0001\n");
    WriteFile(hidDir + "/report_descriptor", std::string(descriptor.begin(), descriptor.end()));
    fs::create_directory_symlink("../..", hidDir + "/hidraw/" + node + "/device");
    fs::create_directory_symlink("../../" + relative + "/hidraw/" + node, sysRoot_ + "/class/hidraw/" + node);
    hidDirs_[number] = hidDir;
}

void FakeSysfs::RemoveNode(int number) {
    fs::remove(sysRoot_ + "/class/hidraw/hidraw" + std::to_string(number));
}

void FakeSysfs::SetDescriptor(int number, const std::vector<uint8_t>& descriptor) {
    WriteFile(HidDir(number) + "/report_descriptor", std::string(descriptor.begin(), descriptor.end()));
}

HidrawBackend::NodeOpener FakeSysfs::Opener() {
    return [this](const std::string& nodePath, int flags) -> int {
        const std::string prefix = devRoot_ + "/hidraw";
        if (nodePath.compare(0, prefix.size(), prefix) != 0) {
            errno = ENOENT;
            return -1;
        }
        const int number = std::atoi(nodePath.c_str() + prefix.size());
        if (!fs::exists(sysRoot_ + "/class/hidraw/hidraw" + std::to_string(number))) {
            errno = ENOENT;
            return -1;
        }
        {
            std::lock_guard<std::mutex> guard(lock_);
            const auto denied = openErrors_.find(number);
            if (denied != openErrors_.end() && denied->second != 0) {
                errno = denied->second;
                return -1;
            }
        }
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) return -1;
        if (flags & O_NONBLOCK) ::fcntl(ends[0], F_SETFL, ::fcntl(ends[0], F_GETFL) | O_NONBLOCK);
        std::lock_guard<std::mutex> guard(lock_);
        deviceEnds_[number].push_back(ends[1]);
        openFlags_[number] = flags;
        return ends[0];
    };
}

void FakeSysfs::SetOpenError(int number, int error) {
    std::lock_guard<std::mutex> guard(lock_);
    openErrors_[number] = error;
}

int FakeSysfs::DeviceEnd(int number) const {
    std::lock_guard<std::mutex> guard(lock_);
    const auto it = deviceEnds_.find(number);
    return it == deviceEnds_.end() || it->second.empty() ? -1 : it->second.back();
}

int FakeSysfs::OpenFlags(int number) const {
    std::lock_guard<std::mutex> guard(lock_);
    const auto it = openFlags_.find(number);
    return it == openFlags_.end() ? -1 : it->second;
}

void FakeSysfs::Unplug(int number) {
    std::lock_guard<std::mutex> guard(lock_);
    for (int& fd : deviceEnds_[number]) {
        ::close(fd);
        fd = -1;
    }
}

bool SendInputReport(int deviceEnd, const std::vector<uint8_t>& report) {
    return ::send(deviceEnd, report.data(), report.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(report.size());
}

std::vector<uint8_t> ReceiveOutputReport(int deviceEnd, int timeoutMs) {
    pollfd fd{deviceEnd, POLLIN, 0};
    if (::poll(&fd, 1, timeoutMs) <= 0 || !(fd.revents & POLLIN)) return {};
    std::vector<uint8_t> report(4096);
    const ssize_t n = ::recv(deviceEnd, report.data(), report.size(), 0);
    report.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return report;
}
