#pragma once
// Whether the SDK server runs from the start and where it listens: --sdk-server decides for
// this run when given (the stored choice stays as it is); otherwise the settings window's
// stored choice does.
#include <QString>
#include "app/startup_options.h"
#include "sdk/sdk_address.h"
#include "shell/sdk_server_settings.h"

struct SdkServerChoice {
    bool run = false;
    sdk::ListenAddress address;
    QString text;     // the address as the settings window shows it
    QString problem;  // a stored address that cannot be used (the default is taken)
};

SdkServerChoice ChooseSdkServer(const StartupOptions& options, const SdkServerSetting& stored);
