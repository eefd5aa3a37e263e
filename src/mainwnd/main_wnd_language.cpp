// The language and the background of the main window.
#include "shell/app_names.h"
#include "shell/language_manager.h"
#include "ui/skin_style.h"
#include "mainwnd/main_wnd.h"

void CMainWnd::ApplyLanguageIndex(int index) {
    if (!CLanguageManager::Instance().ApplyLanguage(index)) return;
    update();
    if (settingsWnd_) SendWindowMessage(settingsWnd_, kMsgLanguageChanged, 0, 0);
    if (aboutWnd_) SendWindowMessage(aboutWnd_, kMsgLanguageChanged, 0, 0);
    Relayout();
}

void CMainWnd::OnSkinChanged(const SkinChangedParam& param) {
    QWidget* root = FindControl(QStringLiteral("root"));
    if (!root) return;
    // The style sheet gives "root" a picture of its own; a colour or another picture
    // replaces it.
    SetStylePart(root, QStringLiteral("bkimage_base"), QStringLiteral("#root { background-image: none; }"));
    if (param.isColor) {
        SetBackgroundImage(root, QString());
        SetStylePart(root, QStringLiteral("bkimage_none"), QStringLiteral("#root { border-image: none; }"));
        SetBackgroundColor(root, ArgbToColor(param.argb));
    } else {
        SetStylePart(root, QStringLiteral("bkimage_none"), QString());
        SetBackgroundColor(root, ArgbToColor(0));
        SetBackgroundImage(root, param.image);
    }
    update();
}
