#include "shell/language_files.h"

#include "ui/capped_file.h"
#include <QXmlStreamReader>
#include <limits>
#include "ui/local_path.h"
#include "util/json_file.h"
#include "util/json_value.h"

bool ReadLanguageConfig(const QString& path, std::vector<LanguageEntry>* entries) {
    entries->clear();
    const Json::Value root = CJsonFile(kMaxListFileBytes).ReadJsonFile(QStringToLocalPath(path));
    if (root.isNull()) return false;
    const Json::Value& list = JsonMember(root, "Language");
    for (unsigned i = 0; i < JsonSize(list); ++i) {
        const Json::Value& item = JsonAt(list, i);
        LanguageEntry entry;
        entry.id = JsonIntAt(item, "Language_ID");
        entry.name = QString::fromStdString(JsonStringAt(item, "Language_name"));
        entry.file = QString::fromStdString(JsonStringAt(item, "Language_file"));
        entry.textId = QString::fromStdString(JsonStringAt(item, "Language_text"));
        entries->push_back(entry);
    }
    return true;
}

int LanguageIndexOfId(const std::vector<LanguageEntry>& entries, int id) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].id == id) return static_cast<int>(i);
    return 0;
}

int ParseLanguageId(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > std::numeric_limits<int>::max()) {
            value = std::numeric_limits<int>::max();
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

bool ParseLanguageXml(const QByteArray& xml, QHash<QString, QString>* texts, QString* error) {
    QHash<QString, QString> found;
    QXmlStreamReader reader(xml);
    bool sawRoot = false;
    while (reader.readNextStartElement()) {
        if (!sawRoot) {
            if (reader.name().compare(QLatin1String("Language"), Qt::CaseInsensitive) != 0) {
                if (error) *error = QStringLiteral("the root element is not <Language>");
                return false;
            }
            sawRoot = true;
            continue;  // descend into the root
        }
        if (reader.name().compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0) {
            const QString id = reader.attributes().value(QLatin1String("id")).toString();
            const QString text = reader.readElementText();
            if (!id.isEmpty()) found.insert(id, text);
        } else {
            reader.skipCurrentElement();
        }
    }
    if (reader.hasError() || !sawRoot) {
        if (error)
            *error = sawRoot
                         ? QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString())
                         : QStringLiteral("no <Language> element");
        return false;
    }
    *texts = found;
    return true;
}

bool ReadLanguageFile(const QString& path, QHash<QString, QString>* texts) {
    QByteArray bytes;
    if (!ReadCappedFile(path, &bytes)) return false;
    return ParseLanguageXml(bytes, texts);
}

int LanguageIndexForLocale(const std::vector<LanguageEntry>& entries, const QString& localeName) {
    const bool chinese = localeName.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0 ||
                         localeName.startsWith(QLatin1String("zh_"), Qt::CaseInsensitive) ||
                         localeName.startsWith(QLatin1String("zh-"), Qt::CaseInsensitive);
    const QLatin1String wanted(chinese ? "zh" : "en");
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].name.startsWith(wanted, Qt::CaseInsensitive)) return static_cast<int>(i);
    return 0;
}
