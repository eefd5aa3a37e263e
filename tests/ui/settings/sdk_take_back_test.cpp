// Taking the lights back with the caption's light-control button while the SDK server runs:
// a client's colour write no longer reaches the device, and the device gets its profile's
// lighting again.
#include <QTcpServer>
#include <QTcpSocket>
#include "mainwnd/device_part.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/sdk_part.h"
#include "sdk/sdk_packet.h"
#include "sim/sim_bus.h"
#include "sim/sim_mouse.h"
#include "settings_fixture.h"

namespace {

std::uint16_t UnusedPort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    return probe.serverPort();
}

void Send(QTcpSocket& socket, std::uint32_t device, std::uint32_t id, const std::vector<std::uint8_t>& data) {
    const std::vector<std::uint8_t> packet = sdk::EncodePacket(device, id, data);
    socket.write(reinterpret_cast<const char*>(packet.data()), static_cast<qint64>(packet.size()));
    socket.flush();
}

// UpdateLeds with one colour for the first LED.
std::vector<std::uint8_t> OneColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {10, 0, 0, 0, 1, 0, r, g, b, 0};
}

// The controller count a client is told (-1: none within 2 s).
int AskCount(QTcpSocket& socket) {
    socket.readAll();
    Send(socket, 0, sdk::packet::kControllerCount, {});
    if (!QTest::qWaitFor([&socket] { return socket.bytesAvailable() >= 20; }, 2000)) return -1;
    const QByteArray answer = socket.read(20);
    return static_cast<std::uint8_t>(answer[16]);
}

class SdkTakeBackTest : public SettingsFixture {
protected:
    void TearDown() override {
        SettingsFixture::TearDown();
        SimHidBus::Instance().UnplugAll();
    }
};

TEST_F(SdkTakeBackTest, TakenBackAClientsWriteIsRefusedAndTheProfilesLightingReturns) {
    SimHidBus::Instance().UnplugAll();
    const std::uint16_t port = UnusedPort();
    wnd = std::make_unique<CMainWnd>();
    auto devices = std::make_unique<CDevicePart>("mouse3389");
    wnd->AddPart(std::make_unique<CSdkPart>(*devices, sdk::ServerOptions{.port = port}, true));
    wnd->AddPart(std::move(devices));
    wnd->AddPart(std::make_unique<CPageWiringPart>());
    wnd->AddPart(std::make_unique<CSettingsPart>());
    ASSERT_TRUE(wnd->CreateMainWindow());
    ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->Initialised(); }, 3000));
    auto mouse = std::make_shared<SimMouse>(SimMouseModel::Mouse3389());
    mouse->Plug();

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(client.waitForConnected(2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return AskCount(client) == 1; }, 5000)) << "the mouse is served";
    auto* button = wnd->FindControl<QAbstractButton>(QStringLiteral("control_light_status"));
    ASSERT_NE(button, nullptr);
    // Taken back once with nothing written by a client: the device holds its profile as
    // this program writes it. Then handed over again.
    const std::vector<std::uint8_t> arrival = mouse->ActiveRecord();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return mouse->ActiveRecord() != arrival; }, 2000));
    QTest::qWait(300);
    const std::vector<std::uint8_t> profile = mouse->ActiveRecord();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(100);

    // Handed over: the client's red, in the mode that shows it, reaches the device.
    Send(client, 0, sdk::packet::kSetCustomMode, {});
    Send(client, 0, sdk::packet::kUpdateLeds, OneColour(0xFF, 0, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return mouse->ActiveRecord() != profile; }, 2000));

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return mouse->ActiveRecord() == profile; }, 2000))
        << "the profile's lighting is written back";
    QTest::qWait(200);

    mouse->ClearFrames();
    Send(client, 0, sdk::packet::kSetCustomMode, {});
    Send(client, 0, sdk::packet::kUpdateLeds, OneColour(0, 0xFF, 0));
    QTest::qWait(500);
    EXPECT_TRUE(mouse->CommandFrames().empty()) << "a refused write sends nothing";
    EXPECT_EQ(mouse->ActiveRecord(), profile);
    EXPECT_EQ(client.state(), QAbstractSocket::ConnectedState) << "the client still sees the devices";
}

}  // namespace
