// The simulated keyboard and mouse pad: the collections the device table names, and their
// firmware answers to raw command frames.
#include <gtest/gtest.h>

#include "hid/hid_device.h"
#include "hid/protocol/supported_devices.h"
#include "devices/discovery/device_table_store.h"
#include "sim/sim_devices.h"
#include "sim/sim_headset.h"
#include "sim/sim_keyboard.h"
#include "sim/sim_pad.h"
#include "sim_test_host.h"

namespace {

// A plugged device with CHidDevice open on its command collection (mi 1, col 4).
template <class Device>
class Host {
public:
    Host() : device(std::make_shared<Device>()) {
        SimHidBus::Instance().UnplugAll();
        busId = device->Plug();
        opened = channel.Open(SimPath(busId, 1, 4), true, true, true, false);
    }
    ~Host() {
        channel.Close();
        device->Unplug();
    }
    Bytes Transact(uint8_t command, uint8_t length, uint16_t offset, const Bytes& payload = {}) {
        const Bytes frame = MakeFrame(command, length, offset, payload);
        if (!channel.WriteReport(frame.data(), frame.size(), 1000)) return {};
        Bytes answer(64);
        size_t got = 0;
        if (!channel.ReadReport(answer.data(), answer.size(), 1000, &got) || got != 64) return {};
        return answer;
    }

    std::shared_ptr<Device> device;
    int busId = -1;
    CHidDevice channel;
    bool opened = false;
};

// Every interface row the simulator's own device row brings (the rows of its kind with
// ids) is a collection of the device with the row's interface, collection, usage page and
// usage; the ids are the row's.
void ExpectRowsPresent(int busId, uint16_t kind, const std::string& simName) {
    CDeviceTable table = ShippedDeviceTable();
    ASSERT_EQ(AddDeviceRowsJson(table, SimulatedDeviceRowsJson(simName), DeviceRowSource::Simulator, simName,
                                nullptr),
              1);
    int checked = 0;
    for (const SupportedInterface& row : table.Interfaces()) {
        if (row.deviceKind != kind || (row.vendorId == 0 && row.productId == 0)) continue;
        ++checked;
        SCOPED_TRACE("collection " + std::to_string(row.collectionNumber));
        CHidDevice probe;
        ASSERT_TRUE(
            probe.Open(SimPath(busId, row.interfaceNumber, row.collectionNumber), true, false, true, false));
        EXPECT_EQ(probe.Attributes().vendorId, row.vendorId);
        EXPECT_EQ(probe.Attributes().productId, row.productId);
        EXPECT_EQ(probe.Caps().usagePage, row.usagePage);
        EXPECT_EQ(probe.Caps().usage, row.usage);
    }
    EXPECT_EQ(checked, 2) << "the command and the consumer-control collection";
}

TEST(SimKeyboardPad, CollectionsMatchTheDeviceTableRows) {
    Host<SimKeyboard> keyboard;
    ASSERT_TRUE(keyboard.opened);
    ExpectRowsPresent(keyboard.busId, DeviceKind::kKeyboard, "keyboard");
    Host<SimPad> pad;
    ASSERT_TRUE(pad.opened);
    ExpectRowsPresent(pad.busId, DeviceKind::kMousePad, "pad");
}

TEST(SimKeyboard, ReportsKeyTableAndKeepsWrites) {
    Host<SimKeyboard> host;
    ASSERT_TRUE(host.opened);
    const Bytes info = host.Transact(3, 34, 0);
    ASSERT_EQ(info.size(), 64u);
    const size_t keys = info[8 + 5];
    EXPECT_EQ(keys, 122u);
    const Bytes first = host.Transact(7, 6, 0);
    EXPECT_EQ(Payload(first, 6), (Bytes{0xD0, 0xA2, 0x05, 0xD0, 0xA2, 0x04}));
    EXPECT_EQ(Status(host.Transact(9, 3, 3, {0x70, 0x01, 0x00})), 0);
    const Bytes table = host.device->KeyTable();
    EXPECT_EQ(Bytes(table.begin() + 3, table.begin() + 6), (Bytes{0x70, 1, 0}));
    EXPECT_EQ(Status(host.Transact(7, 3, static_cast<uint16_t>(keys * 3))), 0xFF) << "past the key table";
    EXPECT_EQ(host.device->KeyLightPositions().size(), keys);
}

TEST(SimKeyboard, SlotsAndFaults) {
    Host<SimKeyboard> host;
    ASSERT_TRUE(host.opened);
    EXPECT_EQ(Status(host.Transact(6, 1, 0, {4})), 0xFF) << "there is no slot 4";
    EXPECT_EQ(Status(host.Transact(6, 1, 0, {2})), 0);
    EXPECT_EQ(host.device->ActiveBlock()[1], 17) << "slot 2 lights mode 17 from the factory";
    host.device->FailFrame(0, 0xFE);
    EXPECT_EQ(Status(host.Transact(5, 1, 0)), 0xFE);
    EXPECT_EQ(host.device->CommandFrames().size(), 3u);
}

TEST(SimPad, KeepsLightingAndAnswersPower) {
    Host<SimPad> host;
    ASSERT_TRUE(host.opened);
    const Bytes block = host.Transact(5, 25, 25);
    EXPECT_EQ(Payload(block, 9), (Bytes{0, 3, 3, 1, 1, 1, 0x00, 0xFF, 0x00}));
    EXPECT_EQ(Status(host.Transact(6, 21, 0, Bytes(21, 0))), 0);
    EXPECT_EQ(Payload(host.Transact(26, 6, 0), 6), (Bytes{60, 1, 0, 0, 0, 1}));
    EXPECT_EQ(Status(host.Transact(7, 3, 0)), 0xFF) << "the pad has no key table";
}

}  // namespace

TEST(SimHeadset, CollectionsMatchItsOwnDeviceRow) {
    Host<SimHeadset> headset;
    ExpectRowsPresent(headset.busId, DeviceKind::kHeadsetHs6533, "headset");
}
