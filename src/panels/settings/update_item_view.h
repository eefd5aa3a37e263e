#pragma once
// How the update page shows an item's state and its own state: which text, which of the
// progress ring and the done mark, and which colours. The row itself is built from the
// skin "XML\\CustomControlXML\\device_Update_list_item.xml".
#include <QString>
#include "update/update_flow.h"

class QWidget;

constexpr const char* kUpdateItemSkin = "XML\\CustomControlXML\\device_Update_list_item.xml";

struct ItemStateView {
    const char* textId;   // "NeedUpdateText", ...
    bool progressShown;   // "update_status_ing"
    bool okShown;         // "update_status_ok"
    unsigned textColour;  // ARGB of the status text
};
// The view of an item state; an unknown state shows like state 0.
ItemStateView ViewOfItemState(int state);

struct PageStateView {
    const char* textId;  // "Update_Status_text"
    bool ringShown;      // "update_status_ring" (checking) instead of "update_status_image"
    const char* image;   // the picture of "update_status_image" (skin path), empty while checking
};
PageStateView ViewOfPageState(int pageState);

// The status text of an item: the state's text, and the percentage while a ring shows.
QString ItemStatusText(const UpdateItem& item);

// Puts the item on a row built from kUpdateItemSkin (no notifications are raised).
void ShowUpdateItem(QWidget* row, const UpdateItem& item);
