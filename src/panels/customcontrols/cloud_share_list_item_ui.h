#pragma once
// CCloudShareListItemUI ("CloudShareListItemUI"): a list row (list_row_element_ui.h) that
// raises "itemactivate" when activated and "menu" on a right click with its context menu
// enabled. While the pointer is over it and it is not selected, it draws a one-pixel frame
// around itself in the owning list's highlight colour (the colour the list marks its
// current item with; a style sheet sets it with "selection-background-color"). Outside a
// list the frame takes the row's own highlight colour.
#include <QColor>

#include "panels/customcontrols/list_row_element_ui.h"

class CCloudShareListItemUI : public CListContainerElementUI {
    Q_OBJECT
public:
    explicit CCloudShareListItemUI(QWidget* parent = nullptr);

    // The colour of the hover frame.
    QColor HotFrameColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
