#include "panels/keyboardpage/tab_scroll_memory.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

CTabScrollMemory::CTabScrollMemory(QScrollArea* area, const std::vector<QStackedWidget*>& stacks)
    : QObject(area), area_(area) {
    for (QStackedWidget* stack : stacks) {
        if (!stack) continue;
        stacks_.emplace_back(stack);
        connect(stack, &QStackedWidget::currentChanged, this, &CTabScrollMemory::OnTabSwitched);
    }
    tab_ = CurrentTab();
    // Only the user's scrolling (wheel, keys, clicks and drags on the bar) is kept: the
    // range follows each tab's layout, and its clamps are no choice of the user's.
    QScrollBar* bar = area->verticalScrollBar();
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar] { OnScrolled(bar->sliderPosition()); });
    connect(bar, &QScrollBar::sliderMoved, this, &CTabScrollMemory::OnScrolled);
    // The tab's layout may come after the switch: its position is set again with the range.
    connect(bar, &QScrollBar::rangeChanged, this, &CTabScrollMemory::Restore);
}

QString CTabScrollMemory::CurrentTab() const {
    QString tab;
    // A stack on a page that is not shown does not tell the tab apart.
    for (const auto& stack : stacks_)
        if (stack && area_ && stack->isVisibleTo(area_))
            tab += stack->objectName() + QLatin1Char('=') + QString::number(stack->currentIndex()) +
                   QLatin1Char('/');
    return tab;
}

void CTabScrollMemory::OnScrolled(int value) {
    positions_[tab_] = value;
}

void CTabScrollMemory::OnTabSwitched() {
    tab_ = CurrentTab();
    Restore();
}

void CTabScrollMemory::Restore() {
    if (!area_) return;
    area_->verticalScrollBar()->setValue(positions_.value(tab_, 0));
}
