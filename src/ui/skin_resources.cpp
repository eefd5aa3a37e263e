#include "ui/skin_resources.h"

#include <QDir>
#include "ui/capped_file.h"
#include <QFileInfo>
#include <QXmlStreamReader>
#include "ui/local_path.h"
#include "ui/program_folder.h"
#include "util/debug_log.h"

namespace {

QString SlashPath(const QString& name) {
    return QString::fromStdString(ToSlashPath(name.toStdString()));
}

}  // namespace

CSkinResources& CSkinResources::Instance() {
    static CSkinResources* instance = [] {
        auto* r = new CSkinResources;
        r->Load();
        return r;
    }();
    return *instance;
}

bool CSkinResources::Load(const QString& skinFolder) {
    folder_ = skinFolder.isEmpty() ? LocalPathToQString(SkinFolder()) : QDir::cleanPath(skinFolder);
    ids_.clear();
    const QString path = FindPathNoCase(folder_, QStringLiteral("res.xml"));
    QByteArray bytes;
    if (path.isEmpty() || !ReadCappedFile(path, &bytes)) {
        DebugPrintf("res.xml not found in %s\n", folder_.toUtf8().constData());
        return false;
    }
    QHash<QString, QString> ids;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name().compare(QLatin1String("Resource"), Qt::CaseInsensitive) == 0) {
            const QString id = xml.attributes().value(QLatin1String("id")).toString();
            const QString path = xml.attributes().value(QLatin1String("file")).toString();
            if (!id.isEmpty() && !path.isEmpty()) ids.insert(id.toLower(), SlashPath(path));
        }
    }
    if (xml.hasError()) {
        DebugPrintf("res.xml: %s (line %lld)\n", xml.errorString().toUtf8().constData(),
                    static_cast<long long>(xml.lineNumber()));
        return false;
    }
    ids_ = ids;
    return true;
}

QString CSkinResources::FileOfId(const QString& id) const {
    return ids_.value(id.toLower());
}

QString CSkinResources::Resolve(const QString& idOrFile) const {
    if (idOrFile.isEmpty()) return QString();
    const QString mapped = FileOfId(idOrFile);
    const QString relative = mapped.isEmpty() ? SlashPath(idOrFile) : mapped;
    if (QFileInfo(relative).isAbsolute()) return QFileInfo::exists(relative) ? relative : QString();
    return FindPathNoCase(folder_, relative);
}

QString CSkinResources::PathOf(const QString& relative) const {
    const QString slash = SlashPath(relative);
    if (QFileInfo(relative).isAbsolute()) return relative;
    const QString found = FindPathNoCase(folder_, slash);
    return found.isEmpty() ? folder_ + QLatin1Char('/') + slash : found;
}

QString FindPathNoCase(const QString& base, const QString& relative) {
    if (base.isEmpty() || relative.isEmpty()) return QString();
    const QString direct = base + QLatin1Char('/') + relative;
    if (QFileInfo::exists(direct)) return QDir::cleanPath(direct);
    // Walk the components, matching each one without regard to case.
    QString current = base;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String(".")) continue;
        if (part == QLatin1String("..")) {
            current += QStringLiteral("/..");
            continue;
        }
        if (QFileInfo::exists(current + QLatin1Char('/') + part)) {
            current += QLatin1Char('/') + part;
            continue;
        }
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QString match;
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty()) return QString();
        current += QLatin1Char('/') + match;
    }
    return QDir::cleanPath(current);
}
