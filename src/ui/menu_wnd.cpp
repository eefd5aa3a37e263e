#include "ui/menu_wnd.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include "ui/language_table.h"
#include "ui/skin_resources.h"
#include "ui/ui_types.h"
#include "util/debug_log.h"

CMenuWnd::CMenuWnd(WindowHandle owner) : owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("menu"));
}

CMenuWnd* CMenuWnd::CreateMenu(WindowHandle owner, const QString& skinIdOrFile, QPoint point, int alignment) {
    const QString path = CSkinResources::Instance().Resolve(skinIdOrFile);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        DebugPrintf("menu: no such menu file %s\n", skinIdOrFile.toUtf8().constData());
        return nullptr;
    }
    const MenuSpec spec = ParseMenuXml(file.readAll());
    if (!spec.ok) {
        DebugPrintf("menu: %s: %s\n", skinIdOrFile.toUtf8().constData(), spec.error.toUtf8().constData());
        return nullptr;
    }
    CMenuWnd* menu = FromSpec(owner, spec);
    menu->Popup(point, alignment);
    return menu;
}

CMenuWnd* CMenuWnd::FromSpec(WindowHandle owner, const MenuSpec& spec) {
    auto* menu = new CMenuWnd(owner);
    menu->AddItems(menu, spec.items);
    return menu;
}

void CMenuWnd::AddItems(QMenu* menu, const std::vector<MenuItemSpec>& items) {
    for (const MenuItemSpec& item : items) {
        if (item.separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (!item.children.empty()) {
            QMenu* sub = menu->addMenu(item.text);
            AddItems(sub, item.children);
            action = sub->menuAction();
        } else {
            action = menu->addAction(item.text);
            const QString name = item.name;
            connect(action, &QAction::triggered, this, [this, name] {
                // The owner learns the choice only once; the menu is gone afterwards.
                const QString chosen = name;
                SendWindowMessage(owner_, kMsgMenuCommand, reinterpret_cast<WPARAM>(&chosen), 0);
            });
        }
        action->setObjectName(item.name);
        if (!item.textId.isEmpty()) SetResourceText(action, item.textId, item.text);
        if (!item.icon.isEmpty()) action->setIcon(QIcon(CSkinResources::Instance().PathOf(item.icon)));
        action->setEnabled(item.enabled);
        action->setVisible(item.visible);
    }
}

void CMenuWnd::Popup(QPoint point, int alignment) {
    const QSize size = sizeHint();
    int left = 0;
    int top = 0;
    MenuTopLeft(point.x(), point.y(), size.width(), size.height(), alignment, &left, &top);
    QPoint where(left, top);
    // Keep the menu on the screen of the point.
    if (QScreen* screen = QGuiApplication::screenAt(point) ? QGuiApplication::screenAt(point)
                                                          : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        where.setX(qBound(area.left(), where.x(), qMax(area.left(), area.right() - size.width() + 1)));
        where.setY(qBound(area.top(), where.y(), qMax(area.top(), area.bottom() - size.height() + 1)));
    }
    popup(where);
}

QAction* CMenuWnd::FindItem(const QString& name) const {
    const QList<QAction*> actions = findChildren<QAction*>();
    for (QAction* action : actions)
        if (action->objectName() == name) return action;
    return nullptr;
}
