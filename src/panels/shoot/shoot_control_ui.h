#pragma once
// CShootControlUI: the gun presets panel of the mouse page (skin class "ShootControl",
// content from "XML\\CustomControlXML\\ShootControl.xml", placed as "ShootControlItem").
// It shows and edits one bullet of one of the four presets at a time; the files and the
// limits belong to the shoot store and editor (macros/shoot_*). Setters raise no
// notifications: the main window calls these operations from the panel's notifications.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "macros/shoot_editor.h"
#include "macros/shoot_store.h"

class CShootControlUI : public QWidget {
    Q_OBJECT
public:
    explicit CShootControlUI(QWidget* parent = nullptr);
    ~CShootControlUI() override;

    void SetUserFolder(const QString& path);
    void SetDefaultFolder(const QString& path);
    // Looks the controls up and makes every preset file readable (a missing or broken one
    // gets its default). Returns the store's result (shoot::kShootDone when all are set up).
    int Init();

    // Gun n (limited to 0..3) becomes current; its option is selected and its picture shown.
    // The bullet is not shown: the caller shows it.
    void SelectGun(int n);
    int CurrentGun() const { return editor_.CurrentGun(); }
    // Bullet n (limited to 0..29) becomes current and is shown.
    void SelectBullet(int n);
    int GetBulletIndex() const { return editor_.CurrentBullet(); }
    void PreviousBullet() { SelectBullet(GetBulletIndex() - 1); }
    void NextBullet() { SelectBullet(GetBulletIndex() + 1); }
    // Puts the bullet's values into the checks and edits.
    void ShowBullet(int gun, int bullet);
    // Writes the checks and edits into the bullet's six events. The edits then show the
    // values kept (a distance above 255 shows 255). Returns the store's result.
    int SaveBullet(int gun, int bullet);
    // Replace gun n by its default, or the current gun by the file at path; the current
    // bullet is shown again. The gun's file stays as it was when the source cannot be used.
    int ResetGun(int n);
    int ImportGun(const QString& path);
    // Copies the current gun to path.
    int ExportGun(const QString& path);
    void UpdateHorizontalText();
    void UpdateVerticalText();

    // Why the last operation failed; empty after a success.
    QString LastError() const;
    shoot::CShootStore& Store() { return store_; }

private:
    QWidget* Control(const char* name) const;
    QWidget* Numbered(const char* prefix, int n) const;
    void SelectOnly(const char* prefix, int count, int selected);
    void Show(const shoot::BulletView& view);

    shoot::CShootStore store_;
    shoot::CShootEditor editor_{store_};
    QPointer<QWidget> horizontalCheck_;
    QPointer<QWidget> verticalCheck_;
    QPointer<QWidget> horizontalEdit_;
    QPointer<QWidget> verticalEdit_;
    QPointer<QWidget> delayEdit_;
    QPointer<QWidget> indexText_;
    QPointer<QWidget> pictures_;
};
