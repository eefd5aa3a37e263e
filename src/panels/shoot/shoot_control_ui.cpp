#include "panels/shoot/shoot_control_ui.h"

#include <QAbstractButton>
#include <QStackedWidget>

#include "macros/shoot_bullet.h"
#include "macros/shoot_limits.h"
#include "ui/controls.h"
#include "ui/language_table.h"

namespace {

std::string Local(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

}  // namespace

CShootControlUI::CShootControlUI(QWidget* parent) : QWidget(parent) {}

CShootControlUI::~CShootControlUI() = default;

void CShootControlUI::SetUserFolder(const QString& path) {
    store_.SetUserFolder(Local(path));
}

void CShootControlUI::SetDefaultFolder(const QString& path) {
    store_.SetDefaultFolder(Local(path));
}

QWidget* CShootControlUI::Control(const char* name) const {
    return FindControl(this, QLatin1String(name));
}

QWidget* CShootControlUI::Numbered(const char* prefix, int n) const {
    return FindControl(this, QLatin1String(prefix) + QString::number(n));
}

int CShootControlUI::Init() {
    horizontalCheck_ = Control("bullet_x_check");
    verticalCheck_ = Control("bullet_y_check");
    horizontalEdit_ = Control("bullet_x_eidt");
    verticalEdit_ = Control("bullet_y_eidt");
    delayEdit_ = Control("bullet_delay_eidt");
    indexText_ = Control("bullet_select_index");
    pictures_ = Control("shoot_image_display_switch");
    return store_.Init();
}

void CShootControlUI::SelectOnly(const char* prefix, int count, int selected) {
    for (int i = 0; i < count; ++i)
        if (QWidget* option = Numbered(prefix, i)) SetSelected(option, i == selected);
}

void CShootControlUI::SelectGun(int n) {
    const int gun = editor_.SelectGun(n);
    SelectOnly("shoot_gun_op_", shoot::kGunCount, gun);
    if (pictures_) SelectItem(pictures_, gun);
}

void CShootControlUI::SelectBullet(int n) {
    const shoot::BulletView view = editor_.SelectBullet(n);
    SelectOnly("bullet_op_", shoot::kBulletCount, view.bullet);
    if (indexText_) SetText(indexText_, QString::fromStdString(view.indexText));
    Show(view);
}

void CShootControlUI::ShowBullet(int gun, int bullet) {
    Show(editor_.ShowBullet(gun, bullet));
}

void CShootControlUI::Show(const shoot::BulletView& view) {
    if (horizontalCheck_) {
        SetSelected(horizontalCheck_, view.values.left);
        SetResourceText(horizontalCheck_, QLatin1String(view.horizontalTextId));
    }
    if (verticalCheck_) {
        SetSelected(verticalCheck_, view.values.up);
        SetResourceText(verticalCheck_, QLatin1String(view.verticalTextId));
    }
    if (horizontalEdit_) SetText(horizontalEdit_, QString::number(view.values.horizontal));
    if (verticalEdit_) SetText(verticalEdit_, QString::number(view.values.vertical));
    if (delayEdit_) SetText(delayEdit_, QString::number(view.values.delay));
}

int CShootControlUI::SaveBullet(int gun, int bullet) {
    shoot::ShootBullet values;
    values.left = horizontalCheck_ && IsSelected(horizontalCheck_);
    values.up = verticalCheck_ && IsSelected(verticalCheck_);
    const auto typed = [](QWidget* edit) { return edit ? GetText(edit).toStdString() : std::string(); };
    values.horizontal = shoot::EnterDistance(typed(horizontalEdit_));
    values.vertical = shoot::EnterDistance(typed(verticalEdit_));
    values.delay = shoot::EnterDelay(typed(delayEdit_));
    shoot::ShootBullet kept = values;
    const int result = store_.SaveBullet(gun, bullet, values, &kept);
    // The edits show what the preset holds now, so a value out of range is seen corrected.
    if (horizontalEdit_) SetText(horizontalEdit_, QString::number(kept.horizontal));
    if (verticalEdit_) SetText(verticalEdit_, QString::number(kept.vertical));
    if (delayEdit_) SetText(delayEdit_, QString::number(kept.delay));
    return result;
}

int CShootControlUI::ResetGun(int n) {
    const int result = store_.ResetGun(n);
    SelectBullet(GetBulletIndex());
    return result;
}

int CShootControlUI::ImportGun(const QString& path) {
    if (path.isEmpty()) return shoot::kShootRefused;
    const int result = store_.ImportGun(CurrentGun(), Local(path));
    SelectBullet(GetBulletIndex());
    return result;
}

int CShootControlUI::ExportGun(const QString& path) {
    if (path.isEmpty()) return shoot::kShootRefused;
    return store_.ExportGun(CurrentGun(), Local(path));
}

void CShootControlUI::UpdateHorizontalText() {
    if (horizontalCheck_)
        SetResourceText(horizontalCheck_,
                        QLatin1String(shoot::HorizontalTextId(IsSelected(horizontalCheck_))));
}

void CShootControlUI::UpdateVerticalText() {
    if (verticalCheck_)
        SetResourceText(verticalCheck_, QLatin1String(shoot::VerticalTextId(IsSelected(verticalCheck_))));
}

QString CShootControlUI::LastError() const {
    return QString::fromStdString(store_.LastError());
}
