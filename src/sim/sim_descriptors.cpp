#include "sim/sim_descriptors.h"

#include <iterator>
#include <optional>

namespace simdesc {

const std::vector<uint8_t>& BootMouse() {
    static const std::vector<uint8_t> descriptor = {
        0x05, 0x01,  // usage page: generic desktop
        0x09, 0x02,  // usage: mouse
        0xA1, 0x01,  // collection: application
        0x09, 0x01,  //   usage: pointer
        0xA1, 0x00,  //   collection: physical
        0x05, 0x09,  //     usage page: buttons
        0x19, 0x01,  //     usage minimum 1
        0x29, 0x05,  //     usage maximum 5
        0x15, 0x00,  //     logical minimum 0
        0x25, 0x01,  //     logical maximum 1
        0x95, 0x05,  //     report count 5
        0x75, 0x01,  //     report size 1
        0x81, 0x02,  //     input: data, variable, absolute
        0x95, 0x01,  //     report count 1
        0x75, 0x03,  //     report size 3
        0x81, 0x01,  //     input: constant (padding)
        0x05, 0x01,  //     usage page: generic desktop
        0x09, 0x30,  //     usage: X
        0x09, 0x31,  //     usage: Y
        0x09, 0x38,  //     usage: wheel
        0x15, 0x81,  //     logical minimum -127
        0x25, 0x7F,  //     logical maximum 127
        0x75, 0x08,  //     report size 8
        0x95, 0x03,  //     report count 3
        0x81, 0x06,  //     input: data, variable, relative
        0xC0,        //   end collection
        0xC0,        // end collection
    };
    return descriptor;
}

namespace {

constexpr uint8_t kReportIdItem = 0x85;

// The keyboard application collection: 8 modifier bits, a reserved byte, 6 key usages in;
// 5 LED bits out. It opens with these items, then the report id item when there is one.
constexpr uint8_t kKeyboardOpen[] = {
    0x05, 0x01,  // usage page: generic desktop
    0x09, 0x06,  // usage: keyboard
    0xA1, 0x01,  // collection: application
};
constexpr uint8_t kKeyboardReports[] = {
    0x05, 0x07,        //   usage page: keyboard
    0x19, 0xE0,        //   usage minimum: left control
    0x29, 0xE7,        //   usage maximum: right GUI
    0x15, 0x00,        //   logical minimum 0
    0x25, 0x01,        //   logical maximum 1
    0x75, 0x01,        //   report size 1
    0x95, 0x08,        //   report count 8
    0x81, 0x02,        //   input: modifiers
    0x95, 0x01,        //   report count 1
    0x75, 0x08,        //   report size 8
    0x81, 0x01,        //   input: constant (reserved byte)
    0x05, 0x08,        //   usage page: LEDs
    0x19, 0x01,        //   usage minimum 1
    0x29, 0x05,        //   usage maximum 5
    0x95, 0x05,        //   report count 5
    0x75, 0x01,        //   report size 1
    0x91, 0x02,        //   output: LEDs
    0x95, 0x01,        //   report count 1
    0x75, 0x03,        //   report size 3
    0x91, 0x01,        //   output: constant (padding)
    0x05, 0x07,        //   usage page: keyboard
    0x19, 0x00,        //   usage minimum 0
    0x2A, 0xFF, 0x00,  //   usage maximum 255
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x95, 0x06,        //   report count 6
    0x75, 0x08,        //   report size 8
    0x81, 0x00,        //   input: key array
    0xC0,              // end collection
};

std::vector<uint8_t> KeyboardCollection(std::optional<uint8_t> reportId) {
    std::vector<uint8_t> collection(std::begin(kKeyboardOpen), std::end(kKeyboardOpen));
    if (reportId) collection.insert(collection.end(), {kReportIdItem, *reportId});
    collection.insert(collection.end(), std::begin(kKeyboardReports), std::end(kKeyboardReports));
    return collection;
}

// The system control, consumer control and command collections of the second interface.
constexpr uint8_t kControlCollections[] = {
    // col02: system control (power down, sleep, wake up)
    0x05, 0x01,                         // usage page: generic desktop
    0x09, 0x80,                         // usage: system control
    0xA1, 0x01,                         // collection: application
    0x85, kSystemReportId, 0x19, 0x81,  //   usage minimum: system power down
    0x29, 0x83,                         //   usage maximum: system wake up
    0x15, 0x01,                         //   logical minimum 1
    0x25, 0x03,                         //   logical maximum 3
    0x75, 0x02,                         //   report size 2
    0x95, 0x01,                         //   report count 1
    0x81, 0x00,                         //   input: array
    0x75, 0x06,                         //   report size 6
    0x81, 0x01,                         //   input: constant (padding)
    0xC0,                               // end collection

    // col03: consumer control; also carries the device's resynchronisation request
    0x05, 0x0C,                           // usage page: consumer
    0x09, 0x01,                           // usage: consumer control
    0xA1, 0x01,                           // collection: application
    0x85, kConsumerReportId, 0x19, 0x00,  //   usage minimum 0
    0x2A, 0xFF, 0x0F,                     //   usage maximum 0x0FFF
    0x15, 0x00,                           //   logical minimum 0
    0x26, 0xFF, 0x0F,                     //   logical maximum 0x0FFF
    0x75, 0x10,                           //   report size 16
    0x95, 0x01,                           //   report count 1
    0x81, 0x00,                           //   input: array
    0xC0,                                 // end collection

    // col04: command collection
    0x06, 0x1C, 0xFF,                    // usage page 0xFF1C
    0x09, 0x92,                          // usage 0x0092
    0xA1, 0x01,                          // collection: application
    0x85, kCommandReportId, 0x09, 0x01,  //   usage 1
    0x15, 0x00,                          //   logical minimum 0
    0x26, 0xFF, 0x00,                    //   logical maximum 255
    0x75, 0x08,                          //   report size 8
    0x95, 0x3F,                          //   report count 63
    0x81, 0x02,                          //   input: data, variable, absolute
    0x09, 0x01,                          //   usage 1
    0x95, 0x3F,                          //   report count 63
    0x91, 0x02,                          //   output: data, variable, absolute
    0xC0,                                // end collection
};

}  // namespace

const std::vector<uint8_t>& BootKeyboard() {
    static const std::vector<uint8_t> descriptor = KeyboardCollection(std::nullopt);
    return descriptor;
}

const std::vector<uint8_t>& DeviceControls() {
    static const std::vector<uint8_t> descriptor = [] {
        // col01: keyboard, for buttons assigned to keys; then col02 to col04
        std::vector<uint8_t> all = KeyboardCollection(kKeyboardReportId);
        all.insert(all.end(), std::begin(kControlCollections), std::end(kControlCollections));
        return all;
    }();
    return descriptor;
}

}  // namespace simdesc
