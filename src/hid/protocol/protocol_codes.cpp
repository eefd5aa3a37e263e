#include "hid/protocol/protocol_codes.h"

const char* ResultText(int result) {
    switch (result) {
    case kResultOk:
        return "success";
    case kResultNoAnswer:
        return "device not answering";
    case kResultWriteFailed:
        return "writing to the device failed";
    case kResultBadArgument:
        return "request cannot be sent (bad length or offset)";
    case kResultStatusFF:
        return "device refused the command (status 0xFF)";
    case kResultStatusFE:
        return "device refused the command (status 0xFE)";
    case kResultBadBlockIndex:
        return "bad block index";
    default:
        return "unknown result";
    }
}
