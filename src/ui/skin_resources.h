#pragma once
// The skin's resource list. "res.xml" in the skin folder maps resource ids to skin files:
//
//   <Resources>
//     <Resource id="XML_MAIN" file="XML/main.xml"/>
//     <Resource id="XML_MSG"  file="XML/msgwnd.xml"/>
//   </Resources>
//
// Ids are compared without regard to case. Anything that is not an id is a file name
// relative to the skin folder, written with '\\' or '/'. Because the program names files
// the way a case-blind file system would find them, a path that does not exist as written
// is looked up component by component without regard to case.
#include <QHash>
#include <QString>

class CSkinResources {
public:
    // The process-wide instance (loaded from SkinFolder()/res.xml on first use).
    static CSkinResources& Instance();

    // Reads res.xml of the given skin folder (empty: SkinFolder()). Returns false when the
    // file is missing or not well-formed; the id table is then empty. The folder is kept
    // either way, so file names still resolve.
    bool Load(const QString& skinFolder = QString());
    QString Folder() const { return folder_; }

    // The file an id stands for (relative, '/' separators), or an empty text.
    QString FileOfId(const QString& id) const;
    // Absolute path of an id or a file name below the skin folder; empty when no such file
    // exists (the case-blind lookup included).
    QString Resolve(const QString& idOrFile) const;
    // Absolute path of a file below the skin folder whether or not it exists (used for
    // images named in style sheets and code).
    QString PathOf(const QString& relative) const;

private:
    QString folder_;
    QHash<QString, QString> ids_;  // lower-case id -> relative file
};

// Finds an existing path without regard to the case of each component below base.
// Returns the real absolute path or an empty text.
QString FindPathNoCase(const QString& base, const QString& relative);
