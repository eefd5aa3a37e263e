// The profile manager opened by "Manage": every label shows whole in English and Chinese at
// the window's default and smallest sizes, and the name box has room of its own. The
// pictures are kept as test artifacts for a person to look at.
#include <QDir>
#include <QPushButton>

#include "shell/language_manager.h"
#include "wiring_fixture.h"

namespace {

constexpr int kEnglish = 0;
constexpr int kChinese = 1;

const char* const kMenuButtons[] = {"device_profile_edit_save_btn",
                                    "device_add_btn",
                                    "device_copy_btn",
                                    "device_sub_btn",
                                    "device_import_btn",
                                    "device_export_btn",
                                    "device_reset_btn"};

}  // namespace

using ProfileManagerLayout = WiringFixture;

TEST_F(ProfileManagerLayout, EveryLabelShowsWholeInBothLanguagesAtDefaultAndSmallestSize) {
    const QSize defaultSize = wnd->size();
    const QSize smallest = wnd->minimumSize();
    ASSERT_LT(smallest.width(), defaultSize.width());
    Click("profile_fun_spread_btn");
    QWidget* menu = PageControl("profile_menu_layout");
    ASSERT_NE(menu, nullptr);
    QDir().mkpath(QStringLiteral(KVELM_UI_ARTIFACTS));

    struct Case {
        int language;
        const char* languageName;
        QSize size;
        const char* sizeName;
    };
    const Case cases[] = {{kEnglish, "en", defaultSize, "default"},
                          {kEnglish, "en", smallest, "smallest"},
                          {kChinese, "zh", defaultSize, "default"},
                          {kChinese, "zh", smallest, "smallest"}};
    for (const Case& c : cases) {
        CLanguageManager::Instance().ApplyLanguage(c.language);
        wnd->resize(c.size);
        QApplication::processEvents();
        if (QWidget* root = wnd->Root(); root && root->layout()) root->layout()->activate();
        QApplication::processEvents();
        ASSERT_TRUE(menu->isVisible()) << "the menu is open";
        const std::string where = std::string(c.languageName) + " " + c.sizeName;

        for (const char* name : kMenuButtons) {
            auto* button = qobject_cast<QPushButton*>(PageControl(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_FALSE(button->text().isEmpty()) << name << " " << where;
            EXPECT_GE(button->width(), button->sizeHint().width())
                << name << " '" << button->text().toStdString() << "' cut at " << where;
            EXPECT_TRUE(menu->rect().contains(QRect(button->mapTo(menu, QPoint(0, 0)), button->size())))
                << name << " outside the menu at " << where;
        }
        QWidget* edit = PageControl("device_profile_name_edit");
        QWidget* rename = PageControl("device_profile_edit_save_btn");
        const QRect editRect(edit->mapTo(menu, QPoint(0, 0)), edit->size());
        const QRect renameRect(rename->mapTo(menu, QPoint(0, 0)), rename->size());
        EXPECT_FALSE(editRect.intersects(renameRect)) << "typed text would hide behind Rename at " << where;
        EXPECT_GE(edit->width(), 100) << where;

        const QString file = QStringLiteral(KVELM_UI_ARTIFACTS "/profile_manager_%1_%2.png")
                                 .arg(QLatin1String(c.languageName), QLatin1String(c.sizeName));
        QWidget* panel = PageControl("DeviceProfileItem");
        EXPECT_TRUE((panel ? panel : menu)->grab().save(file)) << file.toStdString();
    }
    CLanguageManager::Instance().ApplyLanguage(kEnglish);
    wnd->resize(defaultSize);
}
