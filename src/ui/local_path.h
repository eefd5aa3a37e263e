#pragma once
// File-system paths between their bytes (std::string, as the Qt-free layers and the system
// give them) and QString. The bytes are taken in the file-name encoding (QFile::decodeName
// and QFile::encodeName), not as UTF-8 text.
#include <QString>
#include <string>

// A path whose bytes the file-name encoding cannot carry through a QString (not valid
// UTF-8, say) is named by a link that resolves to it: the file or folder is opened once
// (kept open for the process) and named "/proc/self/fd/<n>", under which Qt finds the files
// it holds. A path that does not exist is decoded as it is.
QString LocalPathToQString(const std::string& path);
std::string QStringToLocalPath(const QString& path);
