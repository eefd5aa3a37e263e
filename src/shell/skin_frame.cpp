#include "shell/skin_frame.h"

#include <QAbstractButton>
#include <QFileDialog>
#include "shell/app_names.h"
#include "shell/skin_change.h"
#include "shell/user_settings.h"
#include "ui/control_names.h"
#include "ui/controls.h"
#include "ui/skin_resources.h"
#include "ui/skin_style.h"

namespace {

void BroadcastPicture(const QString& image) {
    SkinChangedParam param;
    param.isColor = false;
    param.image = image;
    CSkinChangeObserver::Instance().Broadcast(param);
}

}  // namespace

bool ParseArgbText(const QString& text, unsigned* argb) {
    QString hex = text.trimmed();
    if (hex.startsWith(QLatin1Char('#')))
        hex.remove(0, 1);
    else if (hex.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        hex.remove(0, 2);
    if (hex.size() != 6 && hex.size() != 8) return false;
    bool ok = false;
    const unsigned value = hex.toUInt(&ok, 16);
    if (!ok) return false;
    *argb = hex.size() == 6 ? (0xFF000000u | value) : value;
    return true;
}

CSkinFrame::CSkinFrame(QWidget* owner, QWidget* anchor) : CSkinWindow(owner) {
    if (!Create(owner, QStringLiteral("skinframe"), 360, 250, Qt::Popup | Qt::FramelessWindowHint)) {
        deleteLater();
        return;
    }
    setWindowIcon(QIcon(CSkinResources::Instance().PathOf(QStringLiteral("common/app_icon.png"))));
    adjustSize();
    if (anchor) {
        const QRect global(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
        move(PlaceBelow(global, width()));
    }
    show();
}

QPoint CSkinFrame::PlaceBelow(const QRect& anchorGlobal, int width) {
    return QPoint(anchorGlobal.right() + 1 - width, anchorGlobal.bottom() + 1);
}

void CSkinFrame::InitWindow() {
    // The swatches show their own colour and the picture buttons their picture.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (NameEquals(button->objectName(), QStringLiteral("skin_color_btn"))) {
            unsigned argb = 0;
            if (ParseArgbText(button->property("bkcolor").toString(), &argb))
                SetBackgroundColor(button, ArgbToColor(argb));
        } else if (NameEquals(button->objectName(), QStringLiteral("skin_image_btn"))) {
            const QString image = GetUserData(button);
            if (!image.isEmpty())
                SetStylePart(button, QStringLiteral("picture"),
                             QStringLiteral("QAbstractButton { border-image: url(\"%1\"); }")
                                 .arg(CSkinResources::Instance().PathOf(image)));
        }
    }
}

void CSkinFrame::Notify(TNotifyUI& msg) {
    if (!msg.Is(NotifyType::kClick)) return;
    const QString name = msg.SenderName();
    if (NameEquals(name, QStringLiteral("skin_image_btn"))) {
        const QString image = GetUserData(msg.sender);
        BroadcastPicture(image);
        WriteSkinImageChoice(QStringLiteral("1"), image);
    } else if (NameEquals(name, QStringLiteral("skin_color_btn"))) {
        SkinChangedParam param;
        param.isColor = true;
        if (!ParseArgbText(msg.sender ? msg.sender->property("bkcolor").toString() : QString(), &param.argb))
            return;
        CSkinChangeObserver::Instance().Broadcast(param);
    } else if (NameEquals(name, QStringLiteral("skin_color"))) {
        SelectItem(FindControl(QStringLiteral("skin_tab")), 1);
    } else if (NameEquals(name, QStringLiteral("skin_image"))) {
        SelectItem(FindControl(QStringLiteral("skin_tab")), 0);
    } else if (NameEquals(name, QStringLiteral("skin_reset"))) {
        BroadcastPicture(QString::fromLatin1(kDefaultBackground));
        WriteSkinImageChoice(QStringLiteral("0"), QString::fromLatin1(kDefaultBackground));
    } else if (NameEquals(name, QStringLiteral("skin_Custom"))) {
        ChooseCustomPicture();
    }
}

void CSkinFrame::ChooseCustomPicture() {
    QWidget* owner = parentWidget();
    // The pop-up goes first: a modal dialog would take its focus and close it anyway.
    Close(0);
    QString path;
    if (NextFileName()) {
        path = *NextFileName();
        NextFileName().reset();
    } else {
        path = QFileDialog::getOpenFileName(owner, QString(), QStringLiteral("*.png"),
                                            QStringLiteral("(*.png) (*.png);;(*.*) (*)"));
    }
    if (!path.isEmpty()) BroadcastPicture(path);
}

LRESULT CSkinFrame::HandleCustomMessage(unsigned msg, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    (void)wParam;
    // Qt closes a pop-up when the user clicks outside it; once closed it goes away.
    if (msg == WM_DESTROY) deleteLater();
    return 0;
}

void CSkinFrame::SetNextFileName(const QString& path) {
    NextFileName() = path;
}

std::optional<QString>& CSkinFrame::NextFileName() {
    static std::optional<QString> next;
    return next;
}
