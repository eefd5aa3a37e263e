#include "shell/app_names.h"

#include <QString>
#include "ui/window_messages.h"

const AppMessageNumbers& AppMessages() {
    static const AppMessageNumbers numbers = [] {
        AppMessageNumbers n;
        n.instance = RegisterWindowMessage(QString::fromUtf8(AppNames::kInstanceMessage));
        n.updater = RegisterWindowMessage(QString::fromUtf8(AppNames::kUpdaterMessage));
        n.lightControlBroadcast = RegisterWindowMessage(QString::fromUtf8(AppNames::kLightControlBroadcast));
        n.lightControlRequest = RegisterWindowMessage(QString::fromUtf8(AppNames::kLightControlRequest));
        return n;
    }();
    return numbers;
}
