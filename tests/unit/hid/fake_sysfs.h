#pragma once
// A fake sysfs tree in a temporary folder, laid out like the kernel's:
//   class/hidraw/hidrawN -> ../../devices/usb1/1-N/1-N:1.<mi>/0003:VID:PID.SEQ/hidraw/hidrawN
// with uevent and report_descriptor in the HID device folder, bInterfaceNumber in the
// USB interface folder and bcdDevice in the USB device folder. Device nodes are stand-ins:
// the opener hands the backend one end of a SOCK_SEQPACKET socket pair per open, so each
// write on the device end arrives as one report, and closing it looks like an unplug.
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>
#include "hid/hidraw_backend.h"
#include "temp_folder.h"

class FakeSysfs {
public:
    FakeSysfs();
    ~FakeSysfs();
    FakeSysfs(const FakeSysfs&) = delete;
    FakeSysfs& operator=(const FakeSysfs&) = delete;

    const std::string& SysRoot() const { return sysRoot_; }
    const std::string& DevRoot() const { return devRoot_; }

    // Adds /dev/hidraw<number>. interfaceNumber < 0 puts the HID device outside any USB
    // interface (as a Bluetooth or I2C device is).
    void AddNode(int number, uint16_t vendorId, uint16_t productId, int interfaceNumber,
                 const std::vector<uint8_t>& descriptor, uint16_t bcdDevice = 0x0100);
    // Removes the class entry (the node is unplugged).
    void RemoveNode(int number);
    // Rewrites the report descriptor of a node.
    void SetDescriptor(int number, const std::vector<uint8_t>& descriptor);

    HidrawBackend::NodeOpener Opener();
    // Makes opens of the node fail with error (EACCES: no permission); 0 lets them succeed.
    void SetOpenError(int number, int error);
    // The device end of the latest open of the node, -1 when it was never opened.
    int DeviceEnd(int number) const;
    // Flags the latest open of the node was asked for.
    int OpenFlags(int number) const;
    // Closes the device ends of a node: readers see the device gone.
    void Unplug(int number);

private:
    std::string HidDir(int number) const;

    TempFolder folder_;
    std::string sysRoot_, devRoot_;
    int sequence_ = 0;
    std::map<int, std::string> hidDirs_;
    mutable std::mutex lock_;
    std::map<int, std::vector<int>> deviceEnds_;
    std::map<int, int> openFlags_;
    std::map<int, int> openErrors_;
};

// Device side of a stand-in node.
bool SendInputReport(int deviceEnd, const std::vector<uint8_t>& report);
// The next output report the host wrote, or empty when none arrives within timeoutMs.
std::vector<uint8_t> ReceiveOutputReport(int deviceEnd, int timeoutMs);
