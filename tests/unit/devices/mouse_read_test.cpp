// What the mouse reads from the device: the initial read, the settings record, and the
// re-read the device asks for with its input report.
#include <chrono>
#include <thread>

#include "device_fixture.h"
#include "util/json_file.h"

namespace {

struct InitialReadCase {
    const char* name;
    SimMouseModel model;
    mouse::ButtonSlotMap expectedSlots;
    uint8_t keyBlockBytes;
};
void PrintTo(const InitialReadCase& c, std::ostream* out) {
    *out << c.name;
}

class InitialRead : public MouseDeviceTest, public ::testing::WithParamInterface<InitialReadCase> {
protected:
    InitialRead() : MouseDeviceTest(GetParam().model) {}
};

TEST_P(InitialRead, ReadsInfoAndKeyBlockInOneBracketAndMapsTheButtons) {
    EXPECT_EQ(device->ReadInitialState(), 1);
    const std::vector<FrameHeader> expected = {
        {0x01, 0, 0}, {0x03, 34, 0}, {0x07, GetParam().keyBlockBytes, 0}, {0x02, 0, 0}};
    EXPECT_EQ(Headers(), expected);
    EXPECT_EQ(device->ButtonSlots(), GetParam().expectedSlots);
    EXPECT_EQ(device->SensorInfo().sensorCode, GetParam().model.sensor);
    EXPECT_EQ(device->Profile().GetSensorModel(), GetParam().model.sensor);
}

// The factory key blocks of the two models put the ten logical buttons in different slots.
INSTANTIATE_TEST_SUITE_P(
    Models, InitialRead,
    ::testing::Values(InitialReadCase{"mouse", SimMouseModel::Mouse(), {1, 2, 0, 5, 4, 7, 8, 6, 11, 10}, 48},
                      InitialReadCase{
                          "mouse3389", SimMouseModel::Mouse3389(), {0, 1, 3, 6, 7, 2, 9, 10, 8, 11}, 42}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseDeviceTest, TooManyKeySlotsStopAfterTheInformationBlock) {
    SimMouseModel model = SimMouseModel::Mouse();
    model.factoryKeys.assign(171 * 3, 0x00);  // one slot more than the 512-byte block holds
    mouse->Unplug();
    mouse = std::make_shared<SimMouse>(model);
    busId = mouse->Plug();
    device->CloseCommandChannel();
    ASSERT_TRUE(device->OpenCommandChannel(SimCollectionPath(busId, "col04")));
    mouse->ClearFrames();

    EXPECT_EQ(device->ReadInitialState(), 1);
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{0x01, 0x03, 0x02}));
    EXPECT_FALSE(device->KeyBlockRead());
    // Without the key block nothing may be written over the device's assignments.
    mouse->ClearFrames();
    EXPECT_EQ(device->WriteCurrentKeyAssignments(), 0);
    EXPECT_TRUE(mouse->CommandFrames().empty());
}

TEST_F(MouseDeviceTest, AClosedChannelReadsNothing) {
    device->CloseCommandChannel();
    EXPECT_EQ(device->ReadInitialState(), 0);
    EXPECT_EQ(device->ReadSettingsRecord(), 0);
    EXPECT_TRUE(mouse->CommandFrames().empty());
}

TEST_F(MouseDeviceTest, SilentDeviceLeavesTheKeyBlockUnread) {
    mouse->SetSilent(true);
    EXPECT_EQ(device->ReadInitialState(), 0);
    EXPECT_FALSE(device->KeyBlockRead());
}

TEST_F(MouseDeviceTest, SettingsRecordIsReadFromTheActiveRecordAndLandsInTheProfileFile) {
    StartUp();
    // Record 2 is the active one and carries values unlike the profile's.
    mouse->SetSettingsBytes(0, {2});
    mouse->SetSettingsBytes(2 * 128 + 1, {7, 1, 3, 0, 1, 0x11, 0x22, 0x33, 0x44});
    mouse->SetSettingsBytes(2 * 128 + 14, {4});
    mouse->SetSettingsBytes(2 * 128 + 23, {5});

    EXPECT_EQ(device->ReadSettingsRecord(), 1);
    const std::vector<FrameHeader> expected = {{0x05, 1, 0}, {0x05, 56, 256}, {0x05, 1, 312}};
    EXPECT_EQ(Headers(), expected);

    const LightInfoRecord light = device->GetLightEffect();
    EXPECT_EQ(light.selectItem, 7);
    EXPECT_EQ(light.light, 1);
    EXPECT_EQ(light.speed, 1) << "a wired mouse stores 4 - speed level";
    EXPECT_EQ(light.multiColor, 1);
    EXPECT_EQ(light.extra1, 0x44) << "the ninth lighting byte";
    EXPECT_EQ(device->LastSettingsRead().bytes[0], 2) << "byte 0 of the kept copy is the record number";

    const Json::Value saved = CJsonFile().ReadJsonFile((DataFolder() / "p1.Json").string());
    const Json::Value& d = saved["Device"][0];
    EXPECT_EQ(d["LightInfo"]["SelectItem"].asInt(), 7);
    EXPECT_EQ(d["LightInfo"]["Green"].asInt(), 0x22);
    EXPECT_EQ(d["DPIStages"]["StageActive"].asInt(), 5);
    EXPECT_EQ(d["ReportStages"]["StageActive"].asInt(), 4);
}

TEST_F(MouseDeviceTest, ResyncReportQueuesARereadThatRunsOnTheDevicesThread) {
    DebugLines lines;
    StartUp();
    ASSERT_TRUE(device->OpenInputChannel(consumerPath));
    mouse->SetSettingsBytes(1, {9});

    mouse->RequestResync();
    ASSERT_TRUE(device->WaitForQueuedResync(5000));
    EXPECT_TRUE(mouse->CommandFrames().empty()) << "the worker itself never talks to the device";
    EXPECT_TRUE(device->RunQueuedTasks());
    EXPECT_EQ(Commands(), (std::vector<uint8_t>{0x05, 0x05, 0x05}));
    EXPECT_EQ(device->GetLightEffect().selectItem, 9);
    EXPECT_FALSE(device->RunQueuedTasks()) << "one request, one re-read";
    EXPECT_EQ(lines.Count("接收到自动添加设备的同步信息要求\n"), 1u);
    EXPECT_GE(lines.Count("接收到自动添加设备的同步信息要求  TEST\n"), 1u);
}

TEST_F(MouseDeviceTest, OtherConsumerUsagesOnlyWriteTheTestLine) {
    DebugLines lines;
    ASSERT_TRUE(device->OpenInputChannel(consumerPath));
    SimHidBus::Instance().SendInputReport(mouse.get(), SimMouse::kCommandInterface, {3, 0xE9, 0x00});
    for (int i = 0; i < 500 && lines.Count("接收到自动添加设备的同步信息要求  TEST\n") == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(lines.Count("接收到自动添加设备的同步信息要求  TEST\n"), 1u);
    EXPECT_EQ(lines.Count("接收到自动添加设备的同步信息要求\n"), 0u);
    EXPECT_FALSE(device->RunQueuedTasks());
}

TEST_F(MouseDeviceTest, OwnersCallbackGetsTheResyncInsteadOfTheQueue) {
    std::mutex lock;
    std::condition_variable called;
    int calls = 0;
    std::thread::id callbackThread;
    DeviceOwner owner;
    owner.resyncRequested = [&] {
        std::lock_guard<std::mutex> guard(lock);
        ++calls;
        callbackThread = std::this_thread::get_id();
        called.notify_all();
    };
    device->SetOwnerWindow(owner);
    ASSERT_TRUE(device->OpenInputChannel(consumerPath));
    mouse->RequestResync();
    std::unique_lock<std::mutex> guard(lock);
    ASSERT_TRUE(called.wait_for(guard, std::chrono::seconds(5), [&] { return calls > 0; }));
    EXPECT_NE(callbackThread, std::this_thread::get_id()) << "handed over from the input worker";
    EXPECT_FALSE(device->RunQueuedTasks());
    EXPECT_TRUE(mouse->CommandFrames().empty());
}

TEST_F(MouseDeviceTest, WorkerBlockedInItsReadStopsWhenTheChannelCloses) {
    DebugLines lines;
    ASSERT_TRUE(device->OpenInputChannel(consumerPath));
    ASSERT_TRUE(device->InputWorkerRunning());
    // Give the worker time to enter its read with no time-out.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    device->CloseInputChannel();
    EXPECT_FALSE(device->InputWorkerRunning());
    EXPECT_EQ(lines.Count("MS设备同步线程设定退出\n"), 1u);
    EXPECT_EQ(lines.Count("线程退出：：对象处于激发状态\n"), 1u);
    EXPECT_EQ(lines.Count("线程退出：：对象处于非激发状态，超时\n"), 0u);
    EXPECT_FALSE(device->InputChannel().opened);
}

TEST_F(MouseDeviceTest, FailedInputOpenStillStartsAnIdleWorkerThatTheDeviceStops) {
    DebugLines lines;
    EXPECT_FALSE(device->OpenInputChannel("sim:999:01#vid_320f&pid_2002&mi_01&col03"));
    EXPECT_TRUE(device->InputWorkerRunning());
    device.reset();
    EXPECT_EQ(lines.Count("MS设备同步线程设定退出\n"), 1u);
}

}  // namespace
