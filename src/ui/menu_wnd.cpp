#include "ui/menu_wnd.h"

#include "ui/capped_file.h"
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
    CMenuWnd* menu = LoadMenu(owner, skinIdOrFile);
    if (menu) menu->Popup(point, alignment);
    return menu;
}

CMenuWnd* CMenuWnd::LoadMenu(WindowHandle owner, const QString& skinIdOrFile) {
    const QString path = CSkinResources::Instance().Resolve(skinIdOrFile);
    QByteArray bytes;
    if (path.isEmpty() || !ReadCappedFile(path, &bytes)) {
        DebugPrintf("menu: no such menu file %s\n", skinIdOrFile.toUtf8().constData());
        return nullptr;
    }
    const MenuSpec spec = ParseMenuXml(bytes);
    if (!spec.ok) {
        DebugPrintf("menu: %s: %s\n", skinIdOrFile.toUtf8().constData(), spec.error.toUtf8().constData());
        return nullptr;
    }
    return FromSpec(owner, spec);
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

QPoint CMenuWnd::PlaceOnScreen(QPoint point, QSize size, int alignment, const QRect& area) {
    int left = 0;
    int top = 0;
    MenuTopLeft(point.x(), point.y(), size.width(), size.height(), alignment, &left, &top);
    if (area.isEmpty()) return {left, top};
    left = qBound(area.left(), left, qMax(area.left(), area.right() - size.width() + 1));
    top = qBound(area.top(), top, qMax(area.top(), area.bottom() - size.height() + 1));
    return {left, top};
}

void CMenuWnd::Popup(QPoint point, int alignment) {
    // The size with every item added and laid out, submenu arrows and icons included.
    ensurePolished();
    adjustSize();
    const QSize size = sizeHint().expandedTo(this->size());
    QScreen* screen = QGuiApplication::screenAt(point) ? QGuiApplication::screenAt(point)
                                                       : QGuiApplication::primaryScreen();
    popup(PlaceOnScreen(point, size, alignment, screen ? screen->availableGeometry() : QRect()));
}

QAction* CMenuWnd::FindItem(const QString& name) const {
    const QList<QAction*> actions = findChildren<QAction*>();
    for (QAction* action : actions)
        if (action->objectName() == name) return action;
    return nullptr;
}
