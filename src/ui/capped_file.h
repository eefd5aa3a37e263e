#pragma once
// Reading a skin, menu, style or language file: a regular file only (opened without
// blocking, so a pipe in its place never stops the start) and at most kMaxSkinFileBytes.
#include <QByteArray>
#include <QString>

// The largest real skin file is under 100 KB.
constexpr long long kMaxSkinFileBytes = 2LL * 1024 * 1024;

// The whole file into *bytes; false (with *error, when given, naming the file and what is
// wrong) when it is missing, not a regular file, too large or unreadable.
bool ReadCappedFile(const QString& path, QByteArray* bytes, QString* error = nullptr,
                    long long maxBytes = kMaxSkinFileBytes);
