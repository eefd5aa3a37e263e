#pragma once
// Report descriptors the HID tests share.
#include <cstdint>
#include <initializer_list>
#include <vector>

// a followed by b. (Element by element: GCC 12 warns wrongly on vector range inserts here.)
inline std::vector<uint8_t> Concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.reserve(a.size() + b.size());
    for (uint8_t byte : b) a.push_back(byte);
    return a;
}

// A boot-protocol mouse: buttons 1-3, five bits of padding, X, Y and wheel (-127..127).
// No report ids: input reports are 4 bytes.
inline const std::vector<uint8_t> kBootMouseDescriptor = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x09, 0x01,  //   Usage (Pointer)
    0xA1, 0x00,  //   Collection (Physical)
    0x05, 0x09,  //     Usage Page (Button)
    0x19, 0x01,  //     Usage Minimum (1)
    0x29, 0x03,  //     Usage Maximum (3)
    0x15, 0x00,  //     Logical Minimum (0)
    0x25, 0x01,  //     Logical Maximum (1)
    0x95, 0x03,  //     Report Count (3)
    0x75, 0x01,  //     Report Size (1)
    0x81, 0x02,  //     Input (Data, Variable, Absolute)
    0x95, 0x01,  //     Report Count (1)
    0x75, 0x05,  //     Report Size (5)
    0x81, 0x01,  //     Input (Constant)
    0x05, 0x01,  //     Usage Page (Generic Desktop)
    0x09, 0x30,  //     Usage (X)
    0x09, 0x31,  //     Usage (Y)
    0x09, 0x38,  //     Usage (Wheel)
    0x15, 0x81,  //     Logical Minimum (-127)
    0x25, 0x7F,  //     Logical Maximum (127)
    0x75, 0x08,  //     Report Size (8)
    0x95, 0x03,  //     Report Count (3)
    0x81, 0x06,  //     Input (Data, Variable, Relative)
    0xC0,        //   End Collection
    0xC0,        // End Collection
};

// The second interface of a mouse with four top-level collections:
//   1 system control (report id 1), 2 keyboard (report id 2),
//   3 consumer control, an array of two 16-bit usages 0..0x0FFF (report id 3),
//   4 the vendor command collection 0xFF1C/0x0092, 63 data bytes in and out (report id 4).
inline const std::vector<uint8_t> kVendorInterfaceDescriptor = {
    0x05, 0x01, 0x09, 0x80, 0xA1, 0x01,        // Generic Desktop / System Control, Application
    0x85, 0x01,                                //   Report ID (1)
    0x19, 0x81, 0x29, 0x83,                    //   Usage 0x81..0x83
    0x15, 0x00, 0x25, 0x01,                    //   Logical 0..1
    0x75, 0x01, 0x95, 0x03, 0x81, 0x02,        //   3 x 1 bit, Input (Data, Variable)
    0x95, 0x05, 0x81, 0x01,                    //   5 bits padding
    0xC0, 0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,  // Generic Desktop / Keyboard, Application
    0x85, 0x02,                                //   Report ID (2)
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,        //   Keyboard page, modifiers 0xE0..0xE7
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02,  //   8 x 1 bit
    0x95, 0x06, 0x75, 0x08,                                      //   6 x 8 bits
    0x15, 0x00, 0x26, 0xFF, 0x00,                                //   Logical 0..255
    0x19, 0x00, 0x2A, 0xFF, 0x00,                                //   Usage 0..0xFF
    0x81, 0x00,                                                  //   Input (Data, Array)
    0xC0, 0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01,                    // Consumer / Consumer Control, Application
    0x85, 0x03,                                                  //   Report ID (3)
    0x15, 0x00, 0x26, 0xFF, 0x0F,                                //   Logical 0..0x0FFF
    0x19, 0x00, 0x2A, 0xFF, 0x0F,                                //   Usage 0..0x0FFF
    0x75, 0x10, 0x95, 0x02, 0x81, 0x00,                          //   2 x 16 bits, Input (Data, Array)
    0xC0, 0x06, 0x1C, 0xFF, 0x09, 0x92, 0xA1, 0x01,              // Vendor 0xFF1C / 0x0092, Application
    0x85, 0x04,                                                  //   Report ID (4)
    0x15, 0x00, 0x26, 0xFF, 0x00,                                //   Logical 0..255
    0x75, 0x08, 0x95, 0x3F,                                      //   63 x 8 bits
    0x09, 0x01, 0x81, 0x02,                                      //   Usage (1), Input (Data, Variable)
    0x09, 0x02, 0x91, 0x02,                                      //   Usage (2), Output (Data, Variable)
    0xC0,
};
