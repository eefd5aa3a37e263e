#include "ui/local_path.h"

#include <fcntl.h>
#include <QByteArray>
#include <QFile>
#include <map>
#include <mutex>

namespace {

// One descriptor per path named through /proc/self/fd, open for the rest of the process.
QString OpenedPathName(const std::string& path) {
    static std::mutex lock;
    static std::map<std::string, int> opened;
    std::lock_guard<std::mutex> guard(lock);
    auto found = opened.find(path);
    if (found == opened.end()) {
        const int fd = ::open(path.c_str(), O_PATH | O_CLOEXEC);
        if (fd < 0) return {};
        found = opened.emplace(path, fd).first;
    }
    return QStringLiteral("/proc/self/fd/%1").arg(found->second);
}

}  // namespace

QString LocalPathToQString(const std::string& path) {
    const QByteArray bytes = QByteArray::fromStdString(path);
    const QString decoded = QFile::decodeName(bytes);
    if (QFile::encodeName(decoded) == bytes) return decoded;
    const QString linked = OpenedPathName(path);
    return linked.isEmpty() ? decoded : linked;
}

std::string QStringToLocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
