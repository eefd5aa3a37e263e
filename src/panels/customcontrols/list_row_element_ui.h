#pragma once
// CListContainerElementUI: a list row that holds other controls. It sits in a list
// (QListWidget, as the row widget of an item) or in a plain container, and behaves as the
// skins' list rows do:
//   - button down on the enabled row selects it (Ctrl held: toggles its selection); when
//     that moves the owning list's current row, the list raises "itemselect" (new, old);
//   - a double click on the enabled row, or Return while it has the focus, activates it:
//     "itemactivate" (row index, 0);
//   - with the context menu enabled ("menu" = true), a right click raises "menu"
//     (global x, global y);
//   - entering and leaving set and clear its hot state.
// A disabled row raises nothing and cannot be selected in its list.
// With mouse input disabled the row takes no pointer or button events: they go to the
// list beneath it (or to its container). Subclasses add what their skins expect.
#include <QString>
#include <QWidget>

class QListWidget;
class QListWidgetItem;

class CListContainerElementUI : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool menu READ IsContextMenuEnabled WRITE SetContextMenuEnabled)
    Q_PROPERTY(bool mouse READ IsMouseEnabled WRITE SetMouseEnabled)
public:
    explicit CListContainerElementUI(QWidget* parent = nullptr);

    // The list the row belongs to and its index there (nullptr / -1 outside a list).
    QListWidget* OwnerList() const;
    int Index() const;

    bool IsSelected() const;
    // Selects the row (the list's current row) or clears its selection.
    void Select(bool selected);
    bool IsHot() const { return hot_; }

    // Raises "itemactivate" when the row is enabled; false otherwise.
    virtual bool Activate();

    bool IsContextMenuEnabled() const;
    void SetContextMenuEnabled(bool enabled);
    bool IsMouseEnabled() const;
    void SetMouseEnabled(bool enabled);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Return or Enter on the row.
    virtual void OnReturnKey();

private:
    QListWidgetItem* OwnerItem() const;

    bool hot_ = false;
    bool selected_ = false;  // outside a list
};
