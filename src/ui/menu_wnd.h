#pragma once
// Context menus built from a menu skin (format in menu_xml.h). Choosing an item sends
// kMsgMenuCommand to the owner window with wParam = `const QString*` of the item's
// name (valid during the call) and lParam 0. Item texts are resource texts: they follow
// language changes.
//
// A CMenuWnd deletes itself when it closes (chosen, dismissed, or Close()); hold it in a
// QPointer to close a menu that is still open before opening the next one.
#include <QMenu>
#include <QPoint>
#include <QString>
#include "ui/menu_xml.h"
#include "ui/window_messages.h"

class CMenuWnd : public QMenu {
    Q_OBJECT
public:
    // Builds the menu from a skin id or file and pops it up at the global point with the
    // alignment flags of menu_xml.h (kMenuAlignLeft | kMenuAlignTop = 6 by default), kept
    // on the screen. nullptr when the file is missing or not a valid menu.
    static CMenuWnd* CreateMenu(WindowHandle owner, const QString& skinIdOrFile, QPoint point,
                                int alignment = kMenuAlignLeft | kMenuAlignTop);
    // The same without the popup: for menus that get more items before they are shown
    // (their size, and so their place on the screen, is known only then).
    static CMenuWnd* LoadMenu(WindowHandle owner, const QString& skinIdOrFile);
    // The same from a parsed menu (no popup; tests and code-built menus call Popup).
    static CMenuWnd* FromSpec(WindowHandle owner, const MenuSpec& spec);
    void Popup(QPoint point, int alignment = kMenuAlignLeft | kMenuAlignTop);
    // Where a menu of `size` aligned at `point` goes so that it lies wholly inside `area`
    // (the screen's available part); a menu larger than the area keeps its top-left corner
    // inside it.
    static QPoint PlaceOnScreen(QPoint point, QSize size, int alignment, const QRect& area);

    // The action of an item by name (submenus included), or nullptr.
    QAction* FindItem(const QString& name) const;
    WindowHandle Owner() const { return owner_; }

private:
    explicit CMenuWnd(WindowHandle owner);
    void AddItems(QMenu* menu, const std::vector<MenuItemSpec>& items);

    WindowHandle owner_;
};
