#pragma once
// The settings window's SDK server choice, kept in the per-user kvelm.ini, group
// "SdkServer": "Enabled" (off by default) and "Address", the ADDRESS:PORT it listens on as
// the user wrote it (127.0.0.1:6742 by default).
#include <QString>

struct SdkServerSetting {
    bool enabled = false;
    QString address = QStringLiteral("127.0.0.1:6742");
};

SdkServerSetting ReadSdkServerSetting();
// False when kvelm.ini could not be written.
bool StoreSdkServerSetting(const SdkServerSetting& setting);
