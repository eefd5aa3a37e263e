#pragma once
// Working with controls: finding them by name, and setters that never raise a
// notification. Controls are plain Qt widgets; their name is the objectName.
//
// Kinds, as the program thinks of them:
//   option      a checkable QAbstractButton (QPushButton with checkable, QRadioButton,
//               QCheckBox); options of one group are exclusive within their window
//   combo       QComboBox          list     QListWidget (rows may carry a widget built
//   edit        QLineEdit, QPlainTextEdit, QTextEdit      from a skin: ListAddRowFromSkin)
//   slider      QAbstractSlider    progress QProgressBar
//   tab layout  QStackedWidget     label    QLabel
// User data (text) and tag (integer) are kept in the properties "userData" and "tag",
// so a skin may set them too.
#include <QAbstractButton>
#include <QList>
#include <QListWidget>
#include <QString>
#include <QWidget>
#include "ui/control_factory.h"

// ---- finding ----
// The control named name inside root (root itself included). An exact match wins; else
// the first match without regard to case. nullptr when there is none.
QWidget* FindControl(const QWidget* root, const QString& name);
template <class T>
T* FindControl(const QWidget* root, const QString& name) {
    return qobject_cast<T*>(FindControl(root, name));
}
// Every control below root whose class (Qt class name, or the skin class recorded in the
// property "skinClass") equals className without regard to case, in tree order.
QList<QWidget*> FindControlsByClass(const QWidget* root, const QString& className);
// The class name a control was created under in its skin ("DeviceKeyButton"), or the Qt
// class name when it was made in code.
QString SkinClassOf(const QWidget* control);

// ---- text ----
// Label, button, line edit, plain/rich edit, group box, editable combo; others: nothing.
void SetText(QWidget* control, const QString& text);
QString GetText(const QWidget* control);

// ---- options ----
bool IsSelected(const QWidget* option);
// Selects or deselects an option. notify=true raises "selectchanged" as a user choice
// would (only when the state changes). In an exclusive group, deselecting the selected
// option leaves the group with none selected. A selected option bound to a tab layout
// switches the tab either way.
void SetSelected(QWidget* option, bool selected, bool notify = false);
// Puts an option into the exclusive group named group of its window (created on demand;
// groups from the skin's <buttongroups> are found by the same name). Empty: no group.
void SetOptionGroup(QAbstractButton* option, const QString& group);
QString OptionGroupOf(const QAbstractButton* option);
// Selecting the option shows page index of the tab layout tabName (found in the option's
// window when the option is selected).
void BindOptionToTab(QAbstractButton* option, const QString& tabName, int index);

// ---- items: combos, lists, tab layouts ----
int GetCurSel(const QWidget* control);  // -1 when nothing is selected or not a kind with items
int GetItemCount(const QWidget* control);
// Selects item index (-1: none) of a combo, list or tab layout. notify=true raises
// "itemselect" as a user choice would (not for tab layouts).
bool SelectItem(QWidget* control, int index, bool notify = false);
// Adds a text item to a combo or list; textIsId marks it as a resource text, resolved now
// and on every language change. Returns the new index, or -1.
int AddTextItem(QWidget* control, const QString& text, bool textIsId = false);
// Removes every item without notification.
void RemoveAllItems(QWidget* control);

// ---- list rows with their own widgets ----
// Appends a row showing rowWidget (the list takes it over); returns the row index.
int ListAddRow(QListWidget* list, QWidget* rowWidget);
// Builds a row from a skin (wired, texts resolved) and appends it; nullptr on failure.
QWidget* ListAddRowFromSkin(QListWidget* list, const QString& skinIdOrFile,
                            const CreateCallback& callback = CreateCallback());
QWidget* ListRowWidget(const QListWidget* list, int index);
// The row index of a row widget (or of a control inside it) and its list; -1 when the
// widget is not in a list row.
int ListRowIndexOf(const QWidget* widgetInRow, QListWidget** list = nullptr);
bool ListRemoveAt(QListWidget* list, int index);

// ---- values: sliders, progress bars, spin boxes ----
void SetValue(QWidget* control, int value);
int GetValue(const QWidget* control);  // 0 for other kinds
void SetRange(QWidget* control, int minimum, int maximum);

// ---- user data and tag ----
void SetUserData(QWidget* control, const QString& data);
QString GetUserData(const QWidget* control);
void SetTag(QWidget* control, qint64 tag);
qint64 GetTag(const QWidget* control);
