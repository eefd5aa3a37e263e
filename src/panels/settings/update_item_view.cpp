#include "panels/settings/update_item_view.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include "ui/controls.h"
#include "ui/language_table.h"

namespace {
constexpr unsigned kGreyText = 0xff666666;
constexpr unsigned kActiveText = 0xff0099ff;

QString Colour(unsigned argb) {
    return QStringLiteral("#%1").arg(argb & 0xffffffu, 6, 16, QLatin1Char('0'));
}
}  // namespace

ItemStateView ViewOfItemState(int state) {
    switch (state) {
    case ItemState::kOffered:
    case ItemState::kOfferedToo:
        return {"NeedUpdateText", false, false, kActiveText};
    case ItemState::kWaiting:
        return {"DownloadWaitText", false, false, kActiveText};
    case ItemState::kDownloading:
        return {"DownloadIngText", true, false, kActiveText};
    case ItemState::kDownloaded:
        return {"DownloadOkText", false, true, kActiveText};
    case ItemState::kInstalling:
        return {"UpdateIngText", true, false, kActiveText};
    case ItemState::kCurrent:
        return {"UpdateOkText", false, false, kGreyText};
    case ItemState::kFailed:
        return {"UpdateFailText", false, false, kActiveText};
    default:
        return {"LessUpdateText", false, false, kGreyText};
    }
}

PageStateView ViewOfPageState(int pageState) {
    switch (pageState) {
    case PageState::kChecking:
        return {"GetUpdateInfoText", true, ""};
    case PageState::kUpdates:
        return {"HaveUpdateInfoText", false, "update/status_available.png"};
    case PageState::kUnreachable:
        return {"NoUpdateInfoText", false, "update/status_offline.png"};
    case PageState::kUpdating:
        return {"ISUpdateINGText", false, "update/status_updating.png"};
    case PageState::kAllCurrent:
        return {"UpdateIsLastText", false, "update/status_latest.png"};
    default:
        return {"NoUpdateServiceText", false, "update/status_offline.png"};
    }
}

QString ItemStatusText(const UpdateItem& item) {
    const ItemStateView view = ViewOfItemState(item.state);
    QString text = CLanguageTable::Instance().Text(QLatin1String(view.textId));
    if (view.progressShown) text += QStringLiteral(" %1%").arg(item.percent);
    return text;
}

void ShowUpdateItem(QWidget* row, const UpdateItem& item) {
    if (!row) return;
    const ItemStateView view = ViewOfItemState(item.state);
    if (auto* check = FindControl<QCheckBox>(row, QStringLiteral("check_name_select"))) {
        const QSignalBlocker quiet(check);
        check->setText(QString::fromStdString(item.name));
        check->setChecked(item.ticked);
        check->setEnabled(item.checkEnabled);
        check->setStyleSheet(
            QStringLiteral("color: %1;").arg(Colour(item.checkEnabled ? 0xffe4e8ef : kGreyText)));
    }
    SetText(FindControl(row, QStringLiteral("OldRev")), QString::fromStdString(item.installedText));
    QWidget* offered = FindControl(row, QStringLiteral("updateRev"));
    SetText(offered, QString::fromStdString(item.offeredText));
    if (offered) offered->setVisible(!item.offeredText.empty());
    QWidget* status = FindControl(row, QStringLiteral("update_status_text"));
    SetText(status, ItemStatusText(item));
    if (status) status->setStyleSheet(QStringLiteral("color: %1;").arg(Colour(view.textColour)));
    if (QWidget* ring = FindControl(row, QStringLiteral("update_status_ing")))
        ring->setVisible(view.progressShown);
    SetValue(FindControl(row, QStringLiteral("update_progress_value")), item.percent);
    if (QWidget* ok = FindControl(row, QStringLiteral("update_status_ok"))) ok->setVisible(view.okShown);
    SetUserData(row, QString::fromStdString(item.url));
}
