#include "ui/controls.h"

#include <QAbstractSlider>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextEdit>
#include "ui/control_wiring.h"
#include "ui/language_table.h"
#include "ui/skin_builder.h"
#include "ui/wiring_internal.h"

namespace {

// Item data role holding the text id of a resource-text item.
constexpr int kTextIdRole = Qt::UserRole + 0x4B56;

QList<QWidget*> SelfAndChildren(const QWidget* root) {
    QList<QWidget*> all;
    if (!root) return all;
    all.append(const_cast<QWidget*>(root));
    all.append(root->findChildren<QWidget*>());
    return all;
}

QButtonGroup* FindGroup(QWidget* window, const QString& name) {
    const QList<QButtonGroup*> groups = window->findChildren<QButtonGroup*>();
    for (QButtonGroup* group : groups)
        if (group->objectName() == name) return group;
    return nullptr;
}

}  // namespace

QWidget* FindControl(const QWidget* root, const QString& name) {
    if (!root || name.isEmpty()) return nullptr;
    QWidget* caseBlind = nullptr;
    for (QWidget* w : SelfAndChildren(root)) {
        if (w->objectName() == name) return w;
        if (!caseBlind && w->objectName().compare(name, Qt::CaseInsensitive) == 0) caseBlind = w;
    }
    return caseBlind;
}

QString SkinClassOf(const QWidget* control) {
    if (!control) return QString();
    const QString skinClass = control->property("skinClass").toString();
    return skinClass.isEmpty() ? QString::fromLatin1(control->metaObject()->className()) : skinClass;
}

QList<QWidget*> FindControlsByClass(const QWidget* root, const QString& className) {
    QList<QWidget*> found;
    for (QWidget* w : SelfAndChildren(root)) {
        if (SkinClassOf(w).compare(className, Qt::CaseInsensitive) == 0 ||
            QString::fromLatin1(w->metaObject()->className()).compare(className, Qt::CaseInsensitive) == 0)
            found.append(w);
    }
    return found;
}

void SetText(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        const QSignalBlocker block(plain);
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        const QSignalBlocker block(rich);
        rich->setPlainText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable())
        combo->setEditText(text);
}

QString GetText(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(control)) return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(control)) return rich->toPlainText();
    if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    return QString();
}

bool IsSelected(const QWidget* option) {
    auto* button = qobject_cast<const QAbstractButton*>(option);
    return button && button->isCheckable() && button->isChecked();
}

void SetSelected(QWidget* option, bool selected, bool notify) {
    auto* button = qobject_cast<QAbstractButton*>(option);
    if (!button || !button->isCheckable()) return;
    const bool changed = button->isChecked() != selected;
    if (changed) {
        QButtonGroup* group = button->group();
        const bool exclusive = group && group->exclusive();
        // An exclusive group refuses to drop its selected option; lift that for a moment.
        if (exclusive && !selected) group->setExclusive(false);
        {
            const QSignalBlocker block(button);
            button->setChecked(selected);
        }
        if (exclusive && !selected) group->setExclusive(true);
    }
    if (selected) ApplyTabBinding(button);
    if (notify && changed) SendNotify(button, QLatin1String(NotifyType::kSelectChanged), selected ? 1 : 0);
}

void SetOptionGroup(QAbstractButton* option, const QString& group) {
    if (!option) return;
    if (QButtonGroup* old = option->group()) old->removeButton(option);
    if (group.isEmpty()) return;
    QWidget* window = option->window();
    QButtonGroup* target = FindGroup(window, group);
    if (!target) {
        target = new QButtonGroup(window);
        target->setObjectName(group);
        target->setExclusive(true);
    }
    option->setCheckable(true);
    target->addButton(option);
}

QString OptionGroupOf(const QAbstractButton* option) {
    return option && option->group() ? option->group()->objectName() : QString();
}

void BindOptionToTab(QAbstractButton* option, const QString& tabName, int index) {
    if (!option) return;
    option->setProperty("bindTabName", tabName);
    option->setProperty("bindTabIndex", index);
    ApplyTabBinding(option);
}

int GetCurSel(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentIndex();
    if (auto* list = qobject_cast<const QListWidget*>(control)) return list->currentRow();
    if (auto* tab = qobject_cast<const QStackedWidget*>(control)) return tab->currentIndex();
    return -1;
}

int GetItemCount(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->count();
    if (auto* list = qobject_cast<const QListWidget*>(control)) return list->count();
    if (auto* tab = qobject_cast<const QStackedWidget*>(control)) return tab->count();
    return 0;
}

bool SelectItem(QWidget* control, int index, bool notify) {
    const int count = GetItemCount(control);
    if (index < -1 || index >= count) return false;
    const int old = GetCurSel(control);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // The wiring listens to activated only, so a plain change stays silent.
        combo->setCurrentIndex(index);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        const QSignalBlocker block(list);
        list->setCurrentRow(index);
        if (index < 0) list->clearSelection();
    } else if (auto* tab = qobject_cast<QStackedWidget*>(control)) {
        if (index < 0) return false;
        tab->setCurrentIndex(index);
        return true;
    } else {
        return false;
    }
    if (notify && old != index)
        SendNotify(control, QLatin1String(NotifyType::kItemSelect), static_cast<WPARAM>(index), old);
    return true;
}

int AddTextItem(QWidget* control, const QString& text, bool textIsId) {
    const QString shown = textIsId ? CLanguageTable::Instance().Text(text) : text;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QSignalBlocker block(combo);
        combo->addItem(shown);
        const int index = combo->count() - 1;
        if (textIsId) combo->setItemData(index, text, kTextIdRole);
        return index;
    }
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        auto* item = new QListWidgetItem(shown);
        if (textIsId) item->setData(kTextIdRole, text);
        const QSignalBlocker block(list);
        list->addItem(item);
        return list->count() - 1;
    }
    return -1;
}

void RemoveAllItems(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QSignalBlocker block(combo);
        combo->clear();
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        const QSignalBlocker block(list);
        list->clear();
    }
}

int ItemTextIdRole() {
    return kTextIdRole;
}

int ListAddRow(QListWidget* list, QWidget* rowWidget) {
    if (!list || !rowWidget) return -1;
    WireControls(rowWidget);
    auto* item = new QListWidgetItem;
    item->setSizeHint(rowWidget->sizeHint().expandedTo(rowWidget->minimumSize()));
    const QSignalBlocker block(list);
    list->addItem(item);
    list->setItemWidget(item, rowWidget);
    return list->count() - 1;
}

QWidget* ListAddRowFromSkin(QListWidget* list, const QString& skinIdOrFile, const CreateCallback& callback) {
    if (!list) return nullptr;
    QWidget* row = CSkinBuilder::Build(skinIdOrFile, nullptr, callback);
    if (!row) return nullptr;
    ListAddRow(list, row);
    return row;
}

QWidget* ListRowWidget(const QListWidget* list, int index) {
    if (!list || index < 0 || index >= list->count()) return nullptr;
    return list->itemWidget(list->item(index));
}

int ListRowIndexOf(const QWidget* widgetInRow, QListWidget** listOut) {
    for (const QWidget* w = widgetInRow; w; w = w->parentWidget()) {
        // A row widget sits on the viewport of its list.
        const QWidget* viewport = w->parentWidget();
        auto* list = viewport ? qobject_cast<QListWidget*>(viewport->parentWidget()) : nullptr;
        if (!list) continue;
        for (int i = 0; i < list->count(); ++i) {
            if (list->itemWidget(list->item(i)) == w) {
                if (listOut) *listOut = list;
                return i;
            }
        }
    }
    if (listOut) *listOut = nullptr;
    return -1;
}

bool ListRemoveAt(QListWidget* list, int index) {
    if (!list || index < 0 || index >= list->count()) return false;
    const QSignalBlocker block(list);
    delete list->takeItem(index);
    return true;
}

void SetValue(QWidget* control, int value) {
    if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        const QSignalBlocker block(slider);
        slider->setValue(value);
    } else if (auto* progress = qobject_cast<QProgressBar*>(control)) {
        progress->setValue(value);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        const QSignalBlocker block(spin);
        spin->setValue(value);
    }
}

int GetValue(const QWidget* control) {
    if (auto* slider = qobject_cast<const QAbstractSlider*>(control)) return slider->value();
    if (auto* progress = qobject_cast<const QProgressBar*>(control)) return progress->value();
    if (auto* spin = qobject_cast<const QSpinBox*>(control)) return spin->value();
    return 0;
}

void SetRange(QWidget* control, int minimum, int maximum) {
    if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        const QSignalBlocker block(slider);
        slider->setRange(minimum, maximum);
    } else if (auto* progress = qobject_cast<QProgressBar*>(control)) {
        progress->setRange(minimum, maximum);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        const QSignalBlocker block(spin);
        spin->setRange(minimum, maximum);
    }
}

void SetUserData(QWidget* control, const QString& data) {
    if (control) control->setProperty("userData", data);
}
QString GetUserData(const QWidget* control) {
    return control ? control->property("userData").toString() : QString();
}
void SetTag(QWidget* control, qint64 tag) {
    if (control) control->setProperty("tag", tag);
}
qint64 GetTag(const QWidget* control) {
    return control ? control->property("tag").toLongLong() : 0;
}
