#include "ui/skin_builder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include "ui/capped_file.h"
#include <QLayout>
#include <QUiLoader>
#include <QVBoxLayout>
#include "ui/control_wiring.h"
#include "ui/language_table.h"
#include "ui/skin_resources.h"
#include "util/debug_log.h"

namespace {

// A skin that names its own subtree class (directly or through others) would recurse
// without end; deeper nesting than this is refused.
constexpr int kMaxSubtreeDepth = 16;

thread_local QString lastError;
thread_local int subtreeDepth = 0;

void Fail(const QString& reason) {
    lastError = reason;
    DebugPrintf("skin: %s\n", reason.toUtf8().constData());
}

// QUiLoader loads the designer plugins of every library path as it is constructed; they
// would only pull in Qt Quick, QML and OpenGL (several megabytes), since every class comes
// from the control factory or Qt itself. This base, constructed first, hides the library
// paths until the loader is built; the loader puts them back.
class LibraryPathsHidden {
protected:
    LibraryPathsHidden() : saved_(QCoreApplication::libraryPaths()) { QCoreApplication::setLibraryPaths({}); }
    void Restore() const { QCoreApplication::setLibraryPaths(saved_); }

private:
    QStringList saved_;
};

class SkinLoader : private LibraryPathsHidden, public QUiLoader {
public:
    explicit SkinLoader(const CreateCallback& callback) : callback_(callback) {
        Restore();
        clearPluginPaths();
        setWorkingDirectory(QDir(CSkinResources::Instance().Folder()));
    }

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
        QWidget* widget = nullptr;
        bool fromSkinClass = true;
        if (callback_) widget = callback_(className, parent);
        if (!widget) widget = CControlFactory::Instance().CreateControl(className, parent);
        if (!widget) {
            const QString subtree = CControlFactory::Instance().SubtreeFile(className);
            if (!subtree.isEmpty()) widget = CSkinBuilder::Build(subtree, parent, callback_);
        }
        if (!widget) {
            widget = QUiLoader::createWidget(className, parent, name);
            fromSkinClass = false;
        }
        if (!widget) return nullptr;
        if (widget->parentWidget() != parent) widget->setParent(parent);
        widget->setObjectName(name);
        if (fromSkinClass) widget->setProperty("skinClass", className);
        return widget;
    }

private:
    const CreateCallback& callback_;
};

QWidget* Load(QIODevice* device, const QString& what, QWidget* parent, const CreateCallback& callback) {
    if (subtreeDepth >= kMaxSubtreeDepth) {
        Fail(QStringLiteral("%1: skins nested too deeply (a skin that contains itself?)").arg(what));
        return nullptr;
    }
    ++subtreeDepth;
    SkinLoader loader(callback);
    QWidget* root = loader.load(device, parent);
    --subtreeDepth;
    if (!root) {
        Fail(QStringLiteral("%1: %2").arg(what, loader.errorString()));
        return nullptr;
    }
    WireControls(root);
    ResolveTexts(root);
    return root;
}

}  // namespace

QWidget* CSkinBuilder::Build(const QString& skinIdOrFile, QWidget* parent, const CreateCallback& callback) {
    const QString path = CSkinResources::Instance().Resolve(skinIdOrFile);
    if (path.isEmpty()) {
        Fail(QStringLiteral("%1: no such skin file").arg(skinIdOrFile));
        return nullptr;
    }
    QByteArray bytes;
    QString why;
    if (!ReadCappedFile(path, &bytes, &why)) {
        Fail(QStringLiteral("%1: cannot open %2 (%3)").arg(skinIdOrFile, path, why));
        return nullptr;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return Load(&buffer, skinIdOrFile, parent, callback);
}

QWidget* CSkinBuilder::BuildFromData(const QByteArray& xml, QWidget* parent, const CreateCallback& callback) {
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    return Load(&buffer, QStringLiteral("<data>"), parent, callback);
}

QWidget* CSkinBuilder::BuildInto(QWidget* container, const QString& skinIdOrFile,
                                 const CreateCallback& callback) {
    if (!container) return nullptr;
    QWidget* root = Build(skinIdOrFile, container, callback);
    if (!root) return nullptr;
    QLayout* layout = container->layout();
    if (!layout) {
        layout = new QVBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    layout->addWidget(root);
    return root;
}

QString CSkinBuilder::LastError() {
    return lastError;
}
