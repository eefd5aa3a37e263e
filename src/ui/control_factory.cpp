#include "ui/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>

namespace {

template <class T>
ControlCreator Plain() {
    return [](QWidget* parent) -> QWidget* { return new T(parent); };
}

}  // namespace

CControlFactory& CControlFactory::Instance() {
    static CControlFactory instance;
    return instance;
}

CControlFactory::CControlFactory() {
    for (const char* name :
         {"Control", "Container", "HorizontalLayout", "VerticalLayout", "TileLayout", "Wnd", "CWndUI"})
        RegisterControl(QLatin1String(name), Plain<QWidget>());
    for (const char* name : {"Button", "RedioMacroButton", "CRedioMacroButtonUI"})
        RegisterControl(QLatin1String(name), Plain<QPushButton>());
    RegisterControl(QStringLiteral("Option"), [](QWidget* parent) -> QWidget* {
        auto* option = new QPushButton(parent);
        option->setCheckable(true);
        return option;
    });
    RegisterControl(QStringLiteral("CheckBox"), Plain<QCheckBox>());
    RegisterControl(QStringLiteral("Label"), Plain<QLabel>());
    RegisterControl(QStringLiteral("Text"), Plain<QLabel>());
    RegisterControl(QStringLiteral("Edit"), Plain<QLineEdit>());
    RegisterControl(QStringLiteral("RichEdit"), Plain<QPlainTextEdit>());
    RegisterControl(QStringLiteral("Combo"), Plain<QComboBox>());
    RegisterControl(QStringLiteral("List"), Plain<QListWidget>());
    RegisterControl(QStringLiteral("Slider"),
                    [](QWidget* parent) -> QWidget* { return new QSlider(Qt::Horizontal, parent); });
    RegisterControl(QStringLiteral("Progress"), Plain<QProgressBar>());
    RegisterControl(QStringLiteral("TabLayout"), Plain<QStackedWidget>());
}

void CControlFactory::RegisterControl(const QString& className, ControlCreator creator) {
    if (className.isEmpty() || !creator) return;
    subtrees_.remove(className.toLower());
    creators_.insert(className.toLower(), std::move(creator));
}

void CControlFactory::RegisterSubtree(const QString& className, const QString& skinFile) {
    if (className.isEmpty() || skinFile.isEmpty()) return;
    creators_.remove(className.toLower());
    subtrees_.insert(className.toLower(), skinFile);
}

void CControlFactory::Unregister(const QString& className) {
    creators_.remove(className.toLower());
    subtrees_.remove(className.toLower());
}

QWidget* CControlFactory::CreateControl(const QString& className, QWidget* parent) const {
    const auto it = creators_.constFind(className.toLower());
    return it == creators_.constEnd() ? nullptr : (*it)(parent);
}

QString CControlFactory::SubtreeFile(const QString& className) const {
    return subtrees_.value(className.toLower());
}

bool CControlFactory::IsKnown(const QString& className) const {
    const QString key = className.toLower();
    return creators_.contains(key) || subtrees_.contains(key);
}
