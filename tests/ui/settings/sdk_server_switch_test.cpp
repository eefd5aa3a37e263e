// The SDK server's block in the settings window: switching it on makes the server answer a
// raw client and keeps the choice in kvelm.ini; a bad address is refused with a message and
// leaves the server as it was; switching off closes the client and the listener.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include "mainwnd/device_part.h"
#include "mainwnd/sdk_part.h"
#include "sdk/sdk_packet.h"
#include "sim/sim_bus.h"
#include "settings_fixture.h"

namespace {

// A port nothing listens on right now.
std::uint16_t FreePort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    return probe.serverPort();
}

QString Text(const CSetWnd& settings, const char* name) {
    return GetText(settings.FindControl(QLatin1String(name)));
}

// Asks for the controller count as a client does and returns it (-1: no answer).
int ControllerCount(QTcpSocket& socket) {
    const std::vector<std::uint8_t> ask = sdk::EncodePacket(0, sdk::packet::kControllerCount, {});
    socket.write(reinterpret_cast<const char*>(ask.data()), static_cast<qint64>(ask.size()));
    if (!QTest::qWaitFor([&socket] { return socket.bytesAvailable() >= 20; }, 2000)) return -1;
    const QByteArray answer = socket.read(20);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(answer.constData());
    const auto header = sdk::DecodeHeader(std::span<const std::uint8_t>(bytes, 16));
    if (!header || header->packetId != sdk::packet::kControllerCount || header->dataSize != 4) return -1;
    return bytes[16] | bytes[17] << 8 | bytes[18] << 16 | bytes[19] << 24;
}

void SaveShot(QWidget& window, const char* name) {
    QDir().mkpath(QStringLiteral(KVELM_SETTINGS_SHOT_DIR));
    EXPECT_TRUE(
        window.grab().save(QStringLiteral(KVELM_SETTINGS_SHOT_DIR "/%1.png").arg(QLatin1String(name))));
}

class SdkServerSwitchTest : public SettingsFixture {
protected:
    void StartWithServer() {
        SimHidBus::Instance().UnplugAll();
        wnd = std::make_unique<CMainWnd>();
        auto devices = std::make_unique<CDevicePart>("");
        auto sdkPart = std::make_unique<CSdkPart>(*devices, sdk::ServerOptions{}, false);
        sdk = sdkPart.get();
        auto settingsPart = std::make_unique<CSettingsPart>();
        settingsPart->SetSdkServer(sdk, QStringLiteral("127.0.0.1:6742"));
        wnd->AddPart(std::move(sdkPart));
        wnd->AddPart(std::move(devices));
        wnd->AddPart(std::move(settingsPart));
        ASSERT_TRUE(wnd->CreateMainWindow());
        ASSERT_TRUE(QTest::qWaitFor([this] { return wnd->LayoutAdapted() && wnd->isVisible(); }, 3000));
    }
    static QVariant Stored(const char* key) {
        return QSettings(QString::fromStdString(UserIniPath()), QSettings::IniFormat)
            .value(QLatin1String(key));
    }

    CSdkPart* sdk = nullptr;
};

TEST_F(SdkServerSwitchTest, SwitchingOnServesAClientAndIsKeptSwitchingOffClosesIt) {
    StartWithServer();
    EXPECT_FALSE(sdk->Running()) << "off by default";
    const std::uint16_t port = FreePort();
    const QString address = QStringLiteral("127.0.0.1:%1").arg(port);
    bool ran = false;
    WhenSettingsShow(
        [&](CSetWnd& settings) {
            auto* toggle = settings.FindControl<QCheckBox>(QStringLiteral("sdk_server_switch"));
            auto* edit = settings.FindControl<QLineEdit>(QStringLiteral("sdk_address_edit"));
            ASSERT_NE(toggle, nullptr);
            ASSERT_NE(edit, nullptr);
            EXPECT_FALSE(toggle->isChecked());
            EXPECT_EQ(edit->text(), QStringLiteral("127.0.0.1:6742"));

            edit->setText(address);
            QTest::mouseClick(toggle, Qt::LeftButton);
            ASSERT_TRUE(toggle->isChecked());
            EXPECT_FALSE(settings.FindControl(QStringLiteral("sdk_server_message"))->isVisible());
            EXPECT_EQ(Stored("SdkServer/Enabled").toBool(), true);
            EXPECT_EQ(Stored("SdkServer/Address").toString(), address);

            QTcpSocket client;
            client.connectToHost(QHostAddress::LocalHost, port);
            ASSERT_TRUE(client.waitForConnected(2000));
            EXPECT_EQ(ControllerCount(client), 0);
            // The count follows the connection without the window asking.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return Text(settings, "sdk_clients_label") == QStringLiteral("Clients connected: 1"); },
                2000))
                << Text(settings, "sdk_clients_label").toStdString();
            SaveShot(settings, "settings_sdk_on_en");

            // A bad address: a message, the server stays where it was and nothing is kept.
            QTest::keyClicks(edit, QStringLiteral("x"));
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            QWidget* message = settings.FindControl(QStringLiteral("sdk_server_message"));
            EXPECT_TRUE(message->isVisible());
            EXPECT_TRUE(GetText(message).contains(address + QStringLiteral("x")))
                << GetText(message).toStdString();
            EXPECT_TRUE(sdk->Running());
            EXPECT_EQ(Stored("SdkServer/Address").toString(), address);
            SaveShot(settings, "settings_sdk_bad_address_en");
            auto* languages = settings.FindControl<QComboBox>(QStringLiteral("Language_combox_info"));
            SelectItem(languages, 1, true);
            EXPECT_EQ(Text(settings, "sdk_clients_label"), QStringLiteral("已连接的客户端：1"));
            EXPECT_TRUE(
                Text(settings, "sdk_server_message").startsWith(QStringLiteral("“%1x”不是").arg(address)))
                << "the message follows the language";
            SaveShot(settings, "settings_sdk_bad_address_cn");
            SelectItem(languages, 0, true);

            edit->setText(address);
            QTest::mouseClick(toggle, Qt::LeftButton);
            EXPECT_FALSE(toggle->isChecked());
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return client.state() == QAbstractSocket::UnconnectedState; }, 1000))
                << "the client is closed within a second";
            EXPECT_EQ(Stored("SdkServer/Enabled").toBool(), false);
            QTcpSocket late;
            late.connectToHost(QHostAddress::LocalHost, port);
            EXPECT_FALSE(late.waitForConnected(1000)) << "nothing listens any more";
        },
        &ran);
    QTest::mouseClick(Control("setbtn"), Qt::LeftButton);
    EXPECT_TRUE(ran);
}

}  // namespace
