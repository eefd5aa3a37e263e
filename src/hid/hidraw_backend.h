#pragma once
// The Linux hidraw backend. It lists every node under <sysfsRoot>/class/hidraw with one path
// per top-level collection of the node's report descriptor:
//   /dev/hidraw3#vid_320f&pid_2002&mi_01&col04
// (lower-case hex; "&mi_" from the USB interface's bInterfaceNumber, left out when the node
// has no USB interface above it; "&colNN" from 01 only when the descriptor holds more than
// one top-level collection). Opening reads the node with nonblocking read(2)/write(2).
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include "hid/hid_backend.h"

class HidrawBackend : public IHidBackend {
public:
    // Opens a device node with the given open(2) flags and returns a file descriptor, or -1.
    using NodeOpener = std::function<int(const std::string& nodePath, int flags)>;

    // An empty opener means ::open. Tests hand in a fake sysfs tree and an opener that
    // returns one end of a socket pair.
    explicit HidrawBackend(std::string sysfsRoot = "/sys", std::string devRoot = "/dev",
                           NodeOpener nodeOpener = {});

    bool Enumerate(std::vector<std::string>& paths) override;
    bool Handles(const std::string& path) const override;
    std::unique_ptr<IHidConnection> Open(const std::string& path, bool read, bool write,
                                         bool exclusive) override;
    bool IsPresent(const std::string& path) override;

private:
    // What a discovery pass needs of one node; reused while the node's device link and
    // report descriptor stay the same, so a pass every 100 ms reads two small files per node.
    struct NodeInfo {
        std::string deviceLink;
        std::vector<uint8_t> descriptor;
        bool valid = false;  // the node's uevent named its ids
        uint16_t vendorId = 0, productId = 0;
        int interfaceNumber = -1;  // -1: no USB interface above the node
        size_t collectionCount = 0;
    };

    // The node name ("hidraw3") of a path of this backend, or empty.
    std::string NodeName(const std::string& path) const;
    std::string ClassDir() const;
    bool DescribeNode(const std::string& node, NodeInfo& info);

    std::string sysfsRoot_;
    std::string devRoot_;
    NodeOpener nodeOpener_;
    std::mutex cacheLock_;
    std::map<std::string, NodeInfo> cache_;
};
