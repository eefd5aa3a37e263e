#include "app/sdk_server_choice.h"

namespace {
QString AddressText(const sdk::ListenAddress& address) {
    return QStringLiteral("%1:%2").arg(QString::fromStdString(address.address)).arg(address.port);
}
}  // namespace

SdkServerChoice ChooseSdkServer(const StartupOptions& options, const SdkServerSetting& stored) {
    SdkServerChoice choice;
    if (options.sdkServer) {
        choice.run = true;
        choice.address = {options.sdkAddress, options.sdkPort};
        choice.text = AddressText(choice.address);
        return choice;
    }
    choice.run = stored.enabled;
    if (const auto parsed = sdk::ParseListenAddress(stored.address.toStdString())) {
        choice.address = *parsed;
        choice.text = stored.address;
    } else {
        // Hand-edited kvelm.ini: the server still starts where it would by default.
        choice.problem =
            QStringLiteral("the SDK server address '%1' in kvelm.ini is not ADDRESS:PORT; using %2")
                .arg(stored.address, AddressText(choice.address));
        choice.text = AddressText(choice.address);
    }
    return choice;
}
