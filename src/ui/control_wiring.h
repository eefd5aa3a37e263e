#pragma once
// Turns user actions on controls into notifications. Only user actions raise them: a
// value set from code (setValue, setCurrentIndex, setChecked, setText, the setters of
// controls.h) never does, because the layer listens only to the user-action signals.
//
//   Control                         User action                    Notification (wParam, lParam)
//   button (QAbstractButton)        click / Space / Return         "click" (0, 0)
//   checkable button (option,       click / Space                  "click" (0, 0), then, when the
//     check box, radio button)                                     state changed, "selectchanged"
//                                                                  (1 selected / 0 not, 0); an option
//                                                                  that loses its selection to another
//                                                                  one of its group raises nothing
//   combo (QComboBox)               choose another item            "itemselect" (new index, old index)
//   list (QListWidget)              current row changes            "itemselect" (new row, old row)
//                                   click on a row                 "itemclick" (row, 0)
//                                   double click / Return on a row "itemactivate" (row, 0);
//                                                                  Return also raises "return" (row, 0)
//                                   For itemclick, itemactivate and return the sender is the row's
//                                   own widget when the row has one (list rows built from a skin),
//                                   else the list.
//   slider (QAbstractSlider)        dragging the handle            "movevaluechanged" (position, 0)
//                                   release of the handle          "valuechanged" (position, 0)
//                                   keyboard, wheel, page click    "valuechanged" (new value, 0)
//   edit (QLineEdit, QPlainTextEdit,typing                         "textchanged" (0, 0)
//     QTextEdit, QAbstractSpinBox)  Return (line edits)            "return" (0, 0)
//                                   gets / loses keyboard focus    "setfocus" / "killfocus" (0, 0)
//   any control whose contextMenuPolicy is Qt::CustomContextMenu
//                                   context-menu request           "menu" (global x, global y); on a
//                                                                  list the sender is the row widget
//                                                                  when there is one
// "timer" comes from control timers (control_timers.h), "windowinit" from CSkinWindow.
#include <QString>
#include <QWidget>
#include "ui/ui_types.h"

// Wires root and every control below it (controls already wired are skipped). The skin
// builder does this for everything it builds; call it for controls made in code.
void WireControls(QWidget* root);

// Raises a notification from sender: delivered at once to the nearest ancestor of sender
// (sender excluded) that implements INotifyUI. Returns false when there is none.
// Custom controls use this for their own notifications ("dbclick", "click_select_end").
bool SendNotify(QWidget* sender, const QString& type, WPARAM wParam = 0, LPARAM lParam = 0);

// The receiver SendNotify would use for a control, or nullptr.
INotifyUI* NotifyTargetOf(QWidget* control);
