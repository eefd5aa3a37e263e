// Device path tokens and HidDeviceInfo identity.
#include <gtest/gtest.h>

#include <functional>

#include "hid/hid_device_info.h"

namespace {

struct PathCase {
    const char* path;
    uint16_t vendorId, productId, interfaceNumber, collectionNumber;
};

class PathParsing : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathParsing, ReadsEachTokenAsHex) {
    const PathCase& c = GetParam();
    EXPECT_EQ(ParseVendorId(c.path), c.vendorId) << c.path;
    EXPECT_EQ(ParseProductId(c.path), c.productId) << c.path;
    EXPECT_EQ(ParseInterfaceNumber(c.path), c.interfaceNumber) << c.path;
    EXPECT_EQ(ParseCollectionNumber(c.path), c.collectionNumber) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathParsing,
    ::testing::Values(PathCase{"/dev/hidraw3#vid_320f&pid_2002&mi_01&col04", 0x320F, 0x2002, 1, 4},
                      PathCase{"\\\\?\\hid#vid_1a2b&pid_00c3&mi_00#7&1234&0&0000#{4d1e55b2}", 0x1A2B, 0x00C3,
                               0, 0},
                      // No interface or collection token.
                      PathCase{"/dev/hidraw0#vid_046d&pid_c077", 0x046D, 0xC077, 0, 0},
                      // Tokens are found whatever their case.
                      PathCase{"/dev/hidraw1#VID_320F&PID_21FD&MI_01&COL02", 0x320F, 0x21FD, 1, 2},
                      // Collection numbers are hexadecimal.
                      PathCase{"sim:1:01#vid_320f&pid_2002&mi_01&col0a", 0x320F, 0x2002, 1, 10},
                      // Only the low 16 bits of a longer number are kept.
                      PathCase{"x#vid_12345&pid_fffff", 0x2345, 0xFFFF, 0, 0},
                      // A token followed by no hex digit reads as 0.
                      PathCase{"x#vid_zz&pid_&mi_g1&col", 0, 0, 0, 0},
                      // "%x" takes an 0x prefix.
                      PathCase{"x#vid_0x1f&pid_2", 0x1F, 0x2, 0, 0},
                      // The interface and collection tokens need their '&'.
                      PathCase{"x#mi_01#col02", 0, 0, 0, 0},
                      // The first occurrence counts.
                      PathCase{"x#vid_0001&vid_0002", 1, 0, 0, 0}, PathCase{"", 0, 0, 0, 0}));

TEST(HidDeviceInfoEquality, ComparesIdentityOnly) {
    HidDeviceInfo base;
    base.vendorId = 0x320F;
    base.productId = 0x2002;
    base.interfaceNumber = 1;
    base.collectionNumber = 4;
    base.deviceKind = 2;
    base.deviceSubKind = 0;
    base.usagePage = 0xFF1C;
    base.usage = 0x0092;

    const std::vector<std::function<void(HidDeviceInfo&)>> ignored = {
        [](HidDeviceInfo& i) { i.attached = 1; },
        [](HidDeviceInfo& i) { i.hasPartner = 1; },
        [](HidDeviceInfo& i) { i.partnerIndex = 5; },
        [](HidDeviceInfo& i) { i.devicePath = "/dev/hidraw9#vid_320f&pid_2002&mi_01&col04"; },
    };
    for (size_t i = 0; i < ignored.size(); ++i) {
        HidDeviceInfo other = base;
        ignored[i](other);
        EXPECT_TRUE(other == base) << "ignored field " << i;
    }

    const std::vector<std::function<void(HidDeviceInfo&)>> identity = {
        [](HidDeviceInfo& i) { i.vendorId = 0x320E; },   [](HidDeviceInfo& i) { i.productId = 0x21FD; },
        [](HidDeviceInfo& i) { i.interfaceNumber = 0; }, [](HidDeviceInfo& i) { i.collectionNumber = 3; },
        [](HidDeviceInfo& i) { i.deviceKind = 6; },      [](HidDeviceInfo& i) { i.deviceSubKind = 255; },
        [](HidDeviceInfo& i) { i.usagePage = 0x000C; },  [](HidDeviceInfo& i) { i.usage = 0x0001; },
    };
    for (size_t i = 0; i < identity.size(); ++i) {
        HidDeviceInfo other = base;
        identity[i](other);
        EXPECT_FALSE(other == base) << "identity field " << i;
    }
}

}  // namespace
