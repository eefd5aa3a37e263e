#pragma once
// The menu skin format (pure logic, no widgets):
//
//   <Menu>
//     <Item name="about_menu" textid="about_menu_text" text="About"/>
//     <Separator/>
//     <Item name="more" text="More">           (an item with items is a submenu)
//       <Item name="left_click" textid="left_click_text" enabled="false"/>
//     </Item>
//     <Item name="exit" textid="exit_text" icon="common/exit.png" visible="true"/>
//   </Menu>
//
// Attributes of Item: name (reported when chosen), text (shown while the language table
// has no entry for textid), textid (a language text id), icon (below the skin folder),
// enabled, visible ("false"/"0" switch them off). The root element may be "Menu" or
// "Window" (case-blind); other elements are ignored.
#include <QByteArray>
#include <QString>
#include <vector>

struct MenuItemSpec {
    bool separator = false;
    QString name;
    QString text;
    QString textId;
    QString icon;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItemSpec> children;
};

struct MenuSpec {
    bool ok = false;
    QString error;  // parse error with line number when not ok
    std::vector<MenuItemSpec> items;
};

MenuSpec ParseMenuXml(const QByteArray& xml);

// Menu alignment flags relative to the anchor point: kMenuAlignLeft puts the menu's left
// edge at the point (the menu opens to the right), kMenuAlignRight its right edge;
// kMenuAlignTop its top edge (opens downward), kMenuAlignBottom its bottom edge.
constexpr int kMenuAlignLeft = 2;
constexpr int kMenuAlignTop = 4;
constexpr int kMenuAlignRight = 8;
constexpr int kMenuAlignBottom = 16;

// Top-left corner of a menu of the given size opened at (x, y) with the alignment flags
// (right wins over left, bottom over top; neither means left and top).
void MenuTopLeft(int x, int y, int width, int height, int alignment, int* left, int* top);
