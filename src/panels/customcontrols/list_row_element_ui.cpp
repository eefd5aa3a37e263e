#include "panels/customcontrols/list_row_element_ui.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "ui/control_wiring.h"
#include "ui/controls.h"
#include "ui/ui_types.h"

CListContainerElementUI::CListContainerElementUI(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_Hover);
}

QListWidget* CListContainerElementUI::OwnerList() const {
    QListWidget* list = nullptr;
    ListRowIndexOf(this, &list);
    return list;
}

int CListContainerElementUI::Index() const {
    return ListRowIndexOf(this);
}

QListWidgetItem* CListContainerElementUI::OwnerItem() const {
    QListWidget* list = nullptr;
    const int index = ListRowIndexOf(this, &list);
    return list ? list->item(index) : nullptr;
}

bool CListContainerElementUI::IsSelected() const {
    if (QListWidgetItem* item = OwnerItem()) return item->isSelected();
    return selected_;
}

void CListContainerElementUI::Select(bool selected) {
    QListWidget* list = nullptr;
    const int index = ListRowIndexOf(this, &list);
    if (!list) {
        selected_ = selected;
        update();
        return;
    }
    const int before = list->currentRow();
    if (selected) {
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
        list->item(index)->setSelected(false);
    }
    update();
    // A row chosen with the pointer is the user's choice, as a click on the list is.
    if (list->currentRow() != before)
        SendNotify(list, QLatin1String(NotifyType::kItemSelect), static_cast<WPARAM>(list->currentRow()),
                   before);
}

bool CListContainerElementUI::Activate() {
    if (!isEnabled() || !isVisible()) return false;
    SendNotify(this, QLatin1String(NotifyType::kItemActivate),
               static_cast<WPARAM>(static_cast<LPARAM>(Index())));
    return true;
}

bool CListContainerElementUI::IsContextMenuEnabled() const {
    return contextMenuPolicy() == Qt::CustomContextMenu;
}

void CListContainerElementUI::SetContextMenuEnabled(bool enabled) {
    setContextMenuPolicy(enabled ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
}

bool CListContainerElementUI::IsMouseEnabled() const {
    return !testAttribute(Qt::WA_TransparentForMouseEvents);
}

void CListContainerElementUI::SetMouseEnabled(bool enabled) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
    if (!enabled && hot_) {
        hot_ = false;
        update();
    }
}

bool CListContainerElementUI::event(QEvent* event) {
    // The row raises "menu" itself, so the generic wiring of custom context menus (which
    // listens to customContextMenuRequested) must not see the request too.
    if (event->type() == QEvent::ContextMenu && IsContextMenuEnabled()) {
        if (isEnabled()) {
            const QPoint global = static_cast<QContextMenuEvent*>(event)->globalPos();
            SendNotify(this, QLatin1String(NotifyType::kMenu), static_cast<WPARAM>(global.x()), global.y());
        }
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CListContainerElementUI::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CListContainerElementUI::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) return;
    // Pointer events skip a disabled widget and reach the list beneath it; the list must not
    // select a disabled row either.
    if (QListWidgetItem* item = OwnerItem()) {
        const Qt::ItemFlags rowFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        item->setFlags(isEnabled() ? item->flags() | rowFlags : item->flags() & ~rowFlags);
    }
}

void CListContainerElementUI::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    hot_ = true;
    update();
}

void CListContainerElementUI::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hot_ = false;
    update();
}

void CListContainerElementUI::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!isEnabled() || event->button() != Qt::LeftButton) return;
    if (event->modifiers() & Qt::ControlModifier) {
        Select(!IsSelected());
    } else {
        Select(true);
    }
}

void CListContainerElementUI::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) Activate();
}

void CListContainerElementUI::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        OnReturnKey();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CListContainerElementUI::OnReturnKey() {
    Activate();
}
