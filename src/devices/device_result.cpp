#include "devices/device_result.h"

const char* DeviceResultText(int result) {
    switch (result) {
    case kResultProfileNotSaved:
        return "the profile cannot be saved";
    case kResultNoKeySlot:
        return "the device has no key slot for a button";
    default:
        return ResultText(result);
    }
}
