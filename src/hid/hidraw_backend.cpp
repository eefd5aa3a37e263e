#include "hid/hidraw_backend.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "hid/report_descriptor.h"

namespace {

constexpr size_t kMaxSysfsFileBytes = 64 * 1024;
constexpr const char kNodePrefix[] = "hidraw";

bool ReadSmallFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    uint8_t chunk[4096];
    bool ok = true;
    while (bytes.size() < kMaxSysfsFileBytes) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    ::close(fd);
    return ok;
}

bool ReadTextFile(const std::string& path, std::string& text) {
    std::vector<uint8_t> bytes;
    if (!ReadSmallFile(path, bytes)) return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return {};
    return resolved;
}

// Vendor and product of a "HID_ID=0003:0000320F:00002002" line (bus:vendor:product, hex).
bool ParseHidId(const std::string& uevent, uint16_t& vendorId, uint16_t& productId) {
    static const std::string kKey = "HID_ID=";
    size_t pos = 0;
    while (pos < uevent.size()) {
        size_t end = uevent.find('\n', pos);
        if (end == std::string::npos) end = uevent.size();
        if (uevent.compare(pos, kKey.size(), kKey) == 0) {
            unsigned bus = 0, vendor = 0, product = 0;
            const std::string value = uevent.substr(pos + kKey.size(), end - pos - kKey.size());
            if (std::sscanf(value.c_str(), "%x:%x:%x", &bus, &vendor, &product) != 3) return false;
            vendorId = static_cast<uint16_t>(vendor);
            productId = static_cast<uint16_t>(product);
            return true;
        }
        pos = end + 1;
    }
    return false;
}

// Walks up from dir (a resolved sysfs directory) to the first directory holding the
// attribute, without leaving root. Returns the attribute's text, or false.
bool FindAncestorAttribute(std::string dir, const std::string& root, const std::string& attribute,
                           std::string& text) {
    while (!dir.empty() && dir.size() > root.size() && dir.compare(0, root.size(), root) == 0) {
        if (ReadTextFile(dir + "/" + attribute, text)) return true;
        const size_t slash = dir.rfind('/');
        if (slash == std::string::npos) break;
        dir.resize(slash);
    }
    return false;
}

bool ParseHexText(const std::string& text, unsigned& value) {
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text.c_str(), &end, 16);
    if (end == text.c_str()) return false;
    value = static_cast<unsigned>(parsed);
    return true;
}

// Number of the node ("hidraw12" -> 12) for listing in numeric order.
long NodeNumber(const std::string& node) {
    return std::strtol(node.c_str() + sizeof kNodePrefix - 1, nullptr, 10);
}

class HidrawConnection : public IHidConnection {
public:
    HidrawConnection(int fd, uint16_t vendorId, uint16_t productId, uint16_t version,
                     std::vector<uint8_t> descriptor)
        : fd_(fd),
          vendorId_(vendorId),
          productId_(productId),
          version_(version),
          descriptor_(std::move(descriptor)) {}
    ~HidrawConnection() override { ::close(fd_); }
    HidrawConnection(const HidrawConnection&) = delete;
    HidrawConnection& operator=(const HidrawConnection&) = delete;

    uint16_t VendorId() const override { return vendorId_; }
    uint16_t ProductId() const override { return productId_; }
    uint16_t VersionNumber() const override { return version_; }
    const std::vector<uint8_t>& ReportDescriptor() const override { return descriptor_; }
    int PollFd() const override { return fd_; }

    int ReadInput(uint8_t* data, size_t capacity) override {
        const ssize_t n = ::read(fd_, data, capacity);
        if (n > 0) return static_cast<int>(n);
        if (n == 0) return -1;  // end of file: the node went away
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
        return -1;  // EIO, ENODEV and anything else unrecoverable
    }

    int WriteOutput(const uint8_t* data, size_t length) override {
        const ssize_t n = ::write(fd_, data, length);
        if (n >= 0) return static_cast<int>(n);
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
        return -1;
    }

private:
    int fd_;
    uint16_t vendorId_, productId_, version_;
    std::vector<uint8_t> descriptor_;
};

}  // namespace

HidrawBackend::HidrawBackend(std::string sysfsRoot, std::string devRoot, NodeOpener nodeOpener)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)), nodeOpener_(std::move(nodeOpener)) {
    if (!nodeOpener_) {
        nodeOpener_ = [](const std::string& nodePath, int flags) {
            return ::open(nodePath.c_str(), flags | O_CLOEXEC);
        };
    }
}

std::string HidrawBackend::ClassDir() const {
    return sysfsRoot_ + "/class/hidraw";
}

std::string HidrawBackend::NodeName(const std::string& path) const {
    const std::string prefix = devRoot_ + "/" + kNodePrefix;
    const std::string node = path.substr(0, path.find('#'));
    if (node.size() <= prefix.size() || node.compare(0, prefix.size(), prefix) != 0) return {};
    if (!std::all_of(node.begin() + static_cast<std::ptrdiff_t>(prefix.size()), node.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    return node.substr(devRoot_.size() + 1);
}

bool HidrawBackend::Handles(const std::string& path) const {
    return !NodeName(path).empty();
}

bool HidrawBackend::DescribeNode(const std::string& node, NodeInfo& info) {
    const std::string classEntry = ClassDir() + "/" + node;
    std::vector<uint8_t> descriptor;
    if (!ReadSmallFile(classEntry + "/device/report_descriptor", descriptor)) return false;
    char link[PATH_MAX];
    const ssize_t linkLength = ::readlink(classEntry.c_str(), link, sizeof link - 1);
    const std::string deviceLink =
        linkLength > 0 ? std::string(link, static_cast<size_t>(linkLength)) : std::string();

    {
        std::lock_guard<std::mutex> guard(cacheLock_);
        const auto cached = cache_.find(node);
        if (cached != cache_.end() && cached->second.deviceLink == deviceLink &&
            cached->second.descriptor == descriptor) {
            info = cached->second;
            return true;
        }
    }

    NodeInfo fresh;
    fresh.deviceLink = deviceLink;
    std::string uevent;
    fresh.valid = ReadTextFile(classEntry + "/device/uevent", uevent) &&
                  ParseHidId(uevent, fresh.vendorId, fresh.productId);
    const std::string deviceDir = RealPath(classEntry + "/device");
    std::string interfaceText;
    unsigned interfaceNumber = 0;
    if (!deviceDir.empty() &&
        FindAncestorAttribute(deviceDir, RealPath(sysfsRoot_), "bInterfaceNumber", interfaceText) &&
        ParseHexText(interfaceText, interfaceNumber))
        fresh.interfaceNumber = static_cast<int>(interfaceNumber & 0xFF);
    fresh.collectionCount = ParseReportDescriptor(descriptor).size();
    fresh.descriptor = std::move(descriptor);

    std::lock_guard<std::mutex> guard(cacheLock_);
    info = fresh;
    cache_[node] = std::move(fresh);
    return true;
}

bool HidrawBackend::Enumerate(std::vector<std::string>& paths) {
    DIR* dir = ::opendir(ClassDir().c_str());
    if (dir == nullptr) return errno == ENOENT;  // no hidraw class: a machine without HID nodes
    std::vector<std::string> nodes;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > sizeof kNodePrefix - 1 && name.compare(0, sizeof kNodePrefix - 1, kNodePrefix) == 0)
            nodes.push_back(name);
    }
    ::closedir(dir);
    std::sort(nodes.begin(), nodes.end(), [](const std::string& a, const std::string& b) {
        return NodeNumber(a) != NodeNumber(b) ? NodeNumber(a) < NodeNumber(b) : a < b;
    });

    for (const std::string& node : nodes) {
        NodeInfo info;
        if (!DescribeNode(node, info) || !info.valid)
            continue;  // vanished while listing, or not a HID device we can name
        char ids[64];
        if (info.interfaceNumber >= 0)
            std::snprintf(ids, sizeof ids, "#vid_%04x&pid_%04x&mi_%02x", info.vendorId, info.productId,
                          static_cast<unsigned>(info.interfaceNumber));
        else
            std::snprintf(ids, sizeof ids, "#vid_%04x&pid_%04x", info.vendorId, info.productId);
        const std::string base = devRoot_ + "/" + node + ids;
        if (info.collectionCount <= 1) {
            paths.push_back(base);
            continue;
        }
        for (size_t collection = 1; collection <= info.collectionCount; ++collection) {
            char token[16];
            std::snprintf(token, sizeof token, "&col%02zx", collection);
            paths.push_back(base + token);
        }
    }

    // Forget nodes that are gone so the cache does not grow with every replug.
    const std::set<std::string> present(nodes.begin(), nodes.end());
    std::lock_guard<std::mutex> guard(cacheLock_);
    for (auto it = cache_.begin(); it != cache_.end();)
        it = present.count(it->first) ? std::next(it) : cache_.erase(it);
    return true;
}

std::unique_ptr<IHidConnection> HidrawBackend::Open(
    const std::string& path, bool read, bool write,
    bool /*exclusive: hidraw nodes cannot be shared-denied*/) {
    const std::string node = NodeName(path);
    if (node.empty()) return nullptr;
    const std::string classEntry = ClassDir() + "/" + node;
    std::vector<uint8_t> descriptor;
    std::string uevent;
    uint16_t vendorId = 0, productId = 0;
    if (!ReadSmallFile(classEntry + "/device/report_descriptor", descriptor) ||
        !ReadTextFile(classEntry + "/device/uevent", uevent) || !ParseHidId(uevent, vendorId, productId))
        return nullptr;
    unsigned version = 0;
    std::string versionText;
    const std::string deviceDir = RealPath(classEntry + "/device");
    if (!deviceDir.empty() &&
        FindAncestorAttribute(deviceDir, RealPath(sysfsRoot_), "bcdDevice", versionText))
        ParseHexText(versionText, version);

    int flags = O_NONBLOCK;
    if (read && write)
        flags |= O_RDWR;
    else if (write)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    const int fd = nodeOpener_(devRoot_ + "/" + node, flags);
    if (fd < 0) return nullptr;
    return std::make_unique<HidrawConnection>(fd, vendorId, productId, static_cast<uint16_t>(version),
                                              std::move(descriptor));
}

bool HidrawBackend::IsPresent(const std::string& path) {
    const std::string node = NodeName(path);
    struct stat info {};
    return !node.empty() && ::stat((ClassDir() + "/" + node).c_str(), &info) == 0;
}
