// The settings window's SDK server block: the switch, the address it listens on and the
// number of connected clients. What a change does is the caller's (SdkServerControl::apply);
// this file shows the state and the message of a change that failed.
#include "panels/settings/set_wnd.h"

#include "ui/controls.h"
#include "ui/language_table.h"

namespace {
QString Text(const char* id) {
    return CLanguageTable::Instance().Text(QLatin1String(id));
}
}  // namespace

void CSetWnd::SetSdkServer(SdkServerControl control) {
    sdk_ = std::move(control);
    ShowSdkServer();
}

void CSetWnd::ShowSdkClientCount(std::size_t count) {
    sdk_.clients = count;
    ShowSdkServer();
}

void CSetWnd::ShowSdkServer() {
    const bool usable = static_cast<bool>(sdk_.apply);
    if (QWidget* block = FindControl(QStringLiteral("sdk_server_block"))) block->setEnabled(usable);
    SetSelected(FindControl(QStringLiteral("sdk_server_switch")), sdk_.on);
    QWidget* edit = FindControl(QStringLiteral("sdk_address_edit"));
    if (edit && !edit->hasFocus()) SetText(edit, sdk_.address);
    if (QWidget* clients = FindControl(QStringLiteral("sdk_clients_label"))) {
        SetText(clients, Text("sdk_clients_text").arg(sdk_.clients));
        clients->setVisible(sdk_.on);
    }
    if (QWidget* message = FindControl(QStringLiteral("sdk_server_message"))) {
        QString text;
        if (sdkResult_.messageId) {
            // All arguments at once: a typed address holding "%2" stays as typed.
            const QStringList& args = sdkResult_.messageArgs;
            text = Text(sdkResult_.messageId);
            text = args.size() >= 2 ? text.arg(args[0], args[1]) : args.isEmpty() ? text : text.arg(args[0]);
        }
        SetText(message, text);
        message->setVisible(!text.isEmpty());
    }
}

void CSetWnd::ApplySdkServer(bool on) {
    if (!sdk_.apply) return;
    QWidget* edit = FindControl(QStringLiteral("sdk_address_edit"));
    const QString address = edit ? GetText(edit).trimmed() : sdk_.address;
    sdkResult_ = sdk_.apply(on, address);
    sdk_.on = sdkResult_.on;
    if (!sdkResult_.messageId) {
        sdk_.address = address;
        if (!sdkResult_.on) sdk_.clients = 0;
    }
    ShowSdkServer();
}
