#include "ui/language_table.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QWidget>
#include "ui/controls.h"
#include "ui/wiring_internal.h"

namespace {

const char* const kTextId = "textId";
const char* const kTextFallback = "textFallback";
const char* const kToolTipId = "toolTipId";
const char* const kToolTipFallback = "toolTipFallback";
const char* const kPlaceholderId = "placeholderTextId";
const char* const kPlaceholderFallback = "placeholderTextFallback";

// Only controls that show a text of their own take one; others keep the property only.
bool HoldsText(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QGroupBox*>(w);
}

void ResolveWidget(QWidget* w) {
    const QString id = w->property(kTextId).toString();
    if (!id.isEmpty() && HoldsText(w)) {
        if (!w->property(kTextFallback).isValid()) w->setProperty(kTextFallback, GetText(w));
        SetText(w, CLanguageTable::Instance().Text(id, w->property(kTextFallback).toString()));
    }
    const QString tipId = w->property(kToolTipId).toString();
    if (!tipId.isEmpty()) {
        if (!w->property(kToolTipFallback).isValid()) w->setProperty(kToolTipFallback, w->toolTip());
        w->setToolTip(CLanguageTable::Instance().Text(tipId, w->property(kToolTipFallback).toString()));
    }
    const QString placeholderId = w->property(kPlaceholderId).toString();
    if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !placeholderId.isEmpty()) {
        if (!w->property(kPlaceholderFallback).isValid())
            w->setProperty(kPlaceholderFallback, edit->placeholderText());
        edit->setPlaceholderText(
            CLanguageTable::Instance().Text(placeholderId, w->property(kPlaceholderFallback).toString()));
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker block(combo);
        for (int i = 0; i < combo->count(); ++i) {
            const QString itemId = combo->itemData(i, ItemTextIdRole()).toString();
            if (!itemId.isEmpty()) combo->setItemText(i, CLanguageTable::Instance().Text(itemId));
        }
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker block(list);
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const QString itemId = item->data(ItemTextIdRole()).toString();
            if (!itemId.isEmpty()) item->setText(CLanguageTable::Instance().Text(itemId));
        }
    }
}

void ResolveAction(QAction* action) {
    const QString id = action->property(kTextId).toString();
    if (!id.isEmpty())
        action->setText(CLanguageTable::Instance().Text(id, action->property(kTextFallback).toString()));
}

}  // namespace

CLanguageTable& CLanguageTable::Instance() {
    static CLanguageTable* instance = new CLanguageTable;
    return *instance;
}

void CLanguageTable::SetTexts(const QHash<QString, QString>& texts) {
    texts_ = texts;
}
void CLanguageTable::SetText(const QString& id, const QString& text) {
    texts_.insert(id, text);
}
void CLanguageTable::Clear() {
    texts_.clear();
}
bool CLanguageTable::Contains(const QString& id) const {
    return texts_.contains(id);
}

QString CLanguageTable::Text(const QString& id, const QString& fallback) const {
    const auto it = texts_.constFind(id);
    if (it != texts_.constEnd()) return *it;
    return fallback.isEmpty() ? id : fallback;
}

void SetResourceText(QWidget* control, const QString& id) {
    if (!control) return;
    if (id.isEmpty()) {
        control->setProperty(kTextId, QVariant());
        return;
    }
    control->setProperty(kTextId, id);
    ResolveWidget(control);
}

void SetResourceToolTip(QWidget* control, const QString& id) {
    if (!control) return;
    control->setProperty(kToolTipId, id);
    ResolveWidget(control);
}

void SetResourceText(QAction* action, const QString& id, const QString& fallback) {
    if (!action) return;
    action->setProperty(kTextId, id);
    action->setProperty(kTextFallback, fallback);
    ResolveAction(action);
}

void ResolveTexts(QWidget* root) {
    if (!root) return;
    ResolveWidget(root);
    for (QWidget* w : root->findChildren<QWidget*>()) ResolveWidget(w);
    for (QAction* a : root->findChildren<QAction*>()) ResolveAction(a);
}

void ReloadTexts() {
    // Every window and popup of the program, hidden ones included.
    for (QWidget* top : QApplication::topLevelWidgets()) ResolveTexts(top);
    emit CLanguageTable::Instance().TextsReloaded();
}
