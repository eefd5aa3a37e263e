#include "ui/capped_file.h"

#include "ui/local_path.h"
#include "util/regular_file.h"

bool ReadCappedFile(const QString& path, QByteArray* bytes, QString* error, long long maxBytes) {
    std::string content;
    const std::string localPath = QStringToLocalPath(path);
    const FileRead result = ReadRegularFile(localPath, maxBytes, &content);
    if (result != FileRead::Read) {
        if (error) {
            const std::string why = DescribeFileRead(result, localPath, maxBytes);
            *error = why.empty() ? QStringLiteral("The file %1 was not found.").arg(path)
                                 : QString::fromStdString(why);
        }
        return false;
    }
    *bytes = QByteArray(content.data(), static_cast<qsizetype>(content.size()));
    return true;
}
