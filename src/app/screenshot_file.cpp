#include "app/screenshot_file.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool Fail(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

}  // namespace

bool SaveImageFile(const QImage& image, const QString& path, QString* error) {
    if (path.isEmpty()) return Fail(error, QStringLiteral("no file name"));
    if (image.isNull()) return Fail(error, QStringLiteral("nothing to save"));
    const QFileInfo info(path);
    if (info.isDir()) return Fail(error, QStringLiteral("%1 is a folder").arg(path));
    if (!QDir().mkpath(info.absolutePath()))
        return Fail(error, QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
    // QTemporaryFile creates its file exclusively (O_EXCL), so nothing planted can be
    // written through, and it removes the file again when anything below fails.
    QTemporaryFile temporary(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temporary.open()) return Fail(error, temporary.errorString());
    if (!image.save(&temporary, "PNG") || !temporary.flush())
        return Fail(error, QStringLiteral("cannot write %1").arg(temporary.fileName()));
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                             QFileDevice::ReadOther);
    const QByteArray from = QFile::encodeName(temporary.fileName());
    const QByteArray to = QFile::encodeName(info.absoluteFilePath());
    // rename() replaces a link at the destination by the file itself.
    if (std::rename(from.constData(), to.constData()) != 0)
        return Fail(error, QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
    return true;
}
