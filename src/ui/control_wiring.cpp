#include "ui/control_wiring.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QScrollArea>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include "ui/controls.h"
#include "ui/wiring_internal.h"

namespace {

const char* const kWiredProperty = "kvelmWired";

// ---- focus: "setfocus" / "killfocus" for text-entry controls ----
class FocusRelay : public QObject {
public:
    static FocusRelay* Instance() {
        static FocusRelay* relay = new FocusRelay;
        return relay;
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            if (auto* widget = qobject_cast<QWidget*>(watched))
                SendNotify(widget, event->type() == QEvent::FocusIn ? QLatin1String(NotifyType::kSetFocus)
                                                                    : QLatin1String(NotifyType::kKillFocus));
        }
        return false;
    }
};

// ---- buttons ----
void WireButton(QAbstractButton* button) {
    QObject::connect(button, &QAbstractButton::pressed, button,
                     [button] { button->setProperty("kvelmPressChecked", button->isChecked()); });
    QObject::connect(button, &QAbstractButton::clicked, button, [button](bool checked) {
        const bool before = button->property("kvelmPressChecked").toBool();
        QPointer<QAbstractButton> guard(button);
        SendNotify(button, QLatin1String(NotifyType::kClick));
        if (guard && button->isCheckable() && checked != before)
            SendNotify(button, QLatin1String(NotifyType::kSelectChanged), checked ? 1 : 0);
    });
    QObject::connect(button, &QAbstractButton::toggled, button, [button](bool on) {
        if (on) ApplyTabBinding(button);
    });
}

// ---- combos: "itemselect" when the user picks another item ----
// The index is noted when a user action on the combo begins (a key, the wheel, the press
// that opens its list); activated then tells whether that action changed it.
class ComboRelay : public QObject {
public:
    explicit ComboRelay(QComboBox* combo) : QObject(combo), combo_(combo), before_(combo->currentIndex()) {
        combo->installEventFilter(this);
        connect(combo, &QComboBox::activated, this, [this](int index) {
            const int before = before_;
            before_ = index;
            if (index == before) return;
            SendNotify(combo_, QLatin1String(NotifyType::kItemSelect), static_cast<WPARAM>(index), before);
        });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            before_ = combo_->currentIndex();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QComboBox* combo_;
    int before_;
};

// ---- lists ----
class ListRelay : public QObject {
public:
    explicit ListRelay(QListWidget* list) : QObject(list), list_(list) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current, const QModelIndex& previous) {
                    if (!userInput_) return;
                    userInput_ = false;  // one user action moves the current row once
                    SendNotify(list_, QLatin1String(NotifyType::kItemSelect),
                               static_cast<WPARAM>(static_cast<LPARAM>(current.row())), previous.row());
                });
        connect(list, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
            userInput_ = false;  // what a handler changes in code is not the user's choice
            SendNotify(RowSender(index.row()), QLatin1String(NotifyType::kItemClick),
                       static_cast<WPARAM>(index.row()));
        });
        connect(list, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
            const bool byReturn = returnKey_;
            returnKey_ = false;
            userInput_ = false;
            QPointer<QWidget> sender(RowSender(index.row()));
            SendNotify(sender, QLatin1String(NotifyType::kItemActivate), static_cast<WPARAM>(index.row()));
            if (byReturn && sender)
                SendNotify(sender, QLatin1String(NotifyType::kReturn), static_cast<WPARAM>(index.row()));
        });
        connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
            userInput_ = false;
            const QPoint global = list_->viewport()->mapToGlobal(pos);
            QListWidgetItem* item = list_->itemAt(pos);
            QWidget* sender = item ? RowSender(list_->row(item)) : list_;
            SendNotify(sender, QLatin1String(NotifyType::kMenu), static_cast<WPARAM>(global.x()), global.y());
        });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            return false;  // hovering selects nothing
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
            MarkUserInput();
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                returnKey_ = key == Qt::Key_Return || key == Qt::Key_Enter;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void MarkUserInput() {
        userInput_ = true;
        QTimer::singleShot(0, this, [this] {
            userInput_ = false;
            returnKey_ = false;
        });
    }
    QWidget* RowSender(int row) const {
        QWidget* widget = row >= 0 ? list_->itemWidget(list_->item(row)) : nullptr;
        return widget ? widget : list_;
    }

    QListWidget* list_;
    bool userInput_ = false;
    bool returnKey_ = false;
};

// ---- sliders ----
// Notifications go out once value() holds the new value, so handlers may read it.
class SliderRelay : public QObject {
public:
    explicit SliderRelay(QAbstractSlider* slider) : QObject(slider), slider_(slider) {
        connect(slider, &QAbstractSlider::sliderMoved, this, [this](int position) {
            if (slider_->hasTracking() && position != slider_->value())
                pendingMove_ = true;  // setValue follows within this call
            else
                Raise(NotifyType::kMoveValueChanged, position);
        });
        connect(slider, &QAbstractSlider::sliderReleased, this, [this] {
            if (slider_->sliderPosition() != slider_->value())
                pendingValue_ = true;  // the value is taken over right after the release
            else
                Raise(NotifyType::kValueChanged, slider_->value());
        });
        connect(slider, &QAbstractSlider::actionTriggered, this, [this](int action) {
            if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderNoAction) return;
            if (slider_->isSliderDown()) return;
            if (slider_->sliderPosition() != slider_->value()) pendingValue_ = true;
        });
        connect(slider, &QAbstractSlider::valueChanged, this, [this](int value) {
            if (pendingMove_) {
                pendingMove_ = false;
                Raise(NotifyType::kMoveValueChanged, value);
            }
            if (pendingValue_) {
                pendingValue_ = false;
                Raise(NotifyType::kValueChanged, value);
            }
        });
    }

private:
    void Raise(const char* type, int value) {
        SendNotify(slider_, QLatin1String(type), static_cast<WPARAM>(static_cast<LPARAM>(value)));
    }

    QAbstractSlider* slider_;
    bool pendingMove_ = false;
    bool pendingValue_ = false;
};

const QWidget* ScrollViewport(const QWidget* scrollArea) {
    return static_cast<const QScrollArea*>(scrollArea)->viewport();
}

// Controls inside compound controls (the edit of a spin box or combo, scroll bars of a
// list, a combo's popup) are parts of them, not controls of the skin.
bool IsInternalPart(const QWidget* widget, const QWidget* root) {
    if (widget->objectName().startsWith(QLatin1String("qt_"))) return true;
    for (const QWidget* p = widget->parentWidget(); p && p != root; p = p->parentWidget()) {
        // The page of a scroll area of the skin holds skin controls, not parts of it.
        if (qobject_cast<const QScrollArea*>(p->parentWidget()) && p == ScrollViewport(p->parentWidget()))
            continue;
        if (p->objectName().startsWith(QLatin1String("qt_"))) return true;
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p)) return true;
        if (p->isWindow() && (p->windowFlags() & Qt::Popup) == Qt::Popup) return true;
    }
    return false;
}

void WireOne(QWidget* widget) {
    if (widget->property(kWiredProperty).toBool()) return;
    widget->setProperty(kWiredProperty, true);

    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        WireButton(button);
        const QString tab = button->property("bindTabName").toString();
        if (!tab.isEmpty()) BindOptionToTab(button, tab, button->property("bindTabIndex").toInt());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        new ComboRelay(combo);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        new ListRelay(list);
        return;  // the list raises "menu" for its rows itself
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        new SliderRelay(slider);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [edit] { SendNotify(edit, QLatin1String(NotifyType::kTextChanged)); });
        QObject::connect(edit, &QLineEdit::returnPressed, edit,
                         [edit] { SendNotify(edit, QLatin1String(NotifyType::kReturn)); });
        edit->installEventFilter(FocusRelay::Instance());
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        // textChanged also follows code changes; typing needs the focus, code does not.
        QObject::connect(plain, &QPlainTextEdit::textChanged, plain, [plain] {
            if (plain->hasFocus()) SendNotify(plain, QLatin1String(NotifyType::kTextChanged));
        });
        plain->installEventFilter(FocusRelay::Instance());
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        QObject::connect(rich, &QTextEdit::textChanged, rich, [rich] {
            if (rich->hasFocus()) SendNotify(rich, QLatin1String(NotifyType::kTextChanged));
        });
        rich->installEventFilter(FocusRelay::Instance());
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        spin->installEventFilter(FocusRelay::Instance());
    }
    QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [widget](const QPoint& pos) {
        const QPoint global = widget->mapToGlobal(pos);
        SendNotify(widget, QLatin1String(NotifyType::kMenu), static_cast<WPARAM>(global.x()), global.y());
    });
}

}  // namespace

void WireControls(QWidget* root) {
    if (!root) return;
    WireOne(root);
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (!IsInternalPart(child, root)) WireOne(child);
}

INotifyUI* NotifyTargetOf(QWidget* control) {
    for (QWidget* p = control ? control->parentWidget() : nullptr; p; p = p->parentWidget())
        if (auto* target = dynamic_cast<INotifyUI*>(p)) return target;
    return nullptr;
}

bool SendNotify(QWidget* sender, const QString& type, WPARAM wParam, LPARAM lParam) {
    INotifyUI* target = NotifyTargetOf(sender);
    if (!target) return false;
    TNotifyUI msg;
    msg.type = type;
    msg.sender = sender;
    msg.wParam = wParam;
    msg.lParam = lParam;
    target->Notify(msg);
    return true;
}

void ApplyTabBinding(QAbstractButton* option) {
    const QString tabName = option->property("bindTabName").toString();
    if (tabName.isEmpty() || !option->isChecked()) return;
    if (auto* tab = FindControl<QStackedWidget>(option->window(), tabName)) {
        const int index = option->property("bindTabIndex").toInt();
        if (index >= 0 && index < tab->count()) tab->setCurrentIndex(index);
    }
}
