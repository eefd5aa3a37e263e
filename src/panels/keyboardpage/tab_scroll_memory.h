#pragma once
// CTabScrollMemory: tabs that share one scroll area each keep their own scroll position.
// A tab shown for the first time opens at its top; coming back to a tab shows it where the
// user left it. The tab is the combination of the current pages of the given stacks.
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QScrollArea;
class QStackedWidget;

class CTabScrollMemory : public QObject {
    Q_OBJECT
public:
    // Lives as long as the scroll area (its parent); stacks that go away are skipped.
    CTabScrollMemory(QScrollArea* area, const std::vector<QStackedWidget*>& stacks);

    QString CurrentTab() const;

private:
    void OnScrolled(int value);
    void OnTabSwitched();
    void Restore();

    QPointer<QScrollArea> area_;
    std::vector<QPointer<QStackedWidget>> stacks_;
    QMap<QString, int> positions_;
    QString tab_;
};
