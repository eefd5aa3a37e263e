#include "panels/customcontrols/cloud_share_list_item_ui.h"

#include <QListWidget>
#include <QPainter>

CCloudShareListItemUI::CCloudShareListItemUI(QWidget* parent) : CListContainerElementUI(parent) {}

QColor CCloudShareListItemUI::HotFrameColour() const {
    const QListWidget* list = OwnerList();
    return (list ? list->palette() : palette()).color(QPalette::Active, QPalette::Highlight);
}

void CCloudShareListItemUI::paintEvent(QPaintEvent* event) {
    CListContainerElementUI::paintEvent(event);
    if (!IsHot() || IsSelected()) return;
    QPainter painter(this);
    painter.setPen(QPen(HotFrameColour(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
