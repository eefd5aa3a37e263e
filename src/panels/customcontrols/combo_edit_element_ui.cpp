#include "panels/customcontrols/combo_edit_element_ui.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>

#include "ui/control_wiring.h"
#include "ui/controls.h"
#include "ui/skin_builder.h"
#include "ui/ui_types.h"

CComboEditContainerElementUI::CComboEditContainerElementUI(QWidget* parent)
    : CListContainerElementUI(parent) {
    // The row is empty before it takes the content of its own skin.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete child;
    delete layout();
    if (QWidget* content = CSkinBuilder::BuildInto(this, QLatin1String(kContentSkin))) {
        text1_ = FindControl<QLabel>(content, QStringLiteral("text1"));
        text2_ = FindControl<QLabel>(content, QStringLiteral("text2"));
        delayEdit_ = FindControl<QLineEdit>(content, QStringLiteral("delay_edit"));
    }
}

void CComboEditContainerElementUI::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!isEnabled() || event->button() != Qt::LeftButton) return;
    SendNotify(this, QLatin1String(NotifyType::kItemClick),
               static_cast<WPARAM>(static_cast<LPARAM>(Index())));
}

void CComboEditContainerElementUI::OnReturnKey() {
    if (!isEnabled()) return;
    Activate();
    SendNotify(this, QLatin1String(NotifyType::kReturn), static_cast<WPARAM>(static_cast<LPARAM>(Index())));
}
