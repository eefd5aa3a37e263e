// A language switch changes every resource text; until then the skin's text or the id shows.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include "test_window.h"
#include "ui/language_table.h"
#include "ui/menu_wnd.h"

class LanguageTest : public ShownWindowTest {
protected:
    void TearDown() override {
        CLanguageTable::Instance().Clear();
        ReloadTexts();
    }
    QString Label(const char* name) { return GetText(Find(name)); }
};

TEST_F(LanguageTest, SwitchChangesEveryResourceText) {
    auto* combo = Find<QComboBox>("combo");
    const int item = AddTextItem(combo, QStringLiteral("combo_item_text"), true);
    QPointer<CMenuWnd> menu =
        CMenuWnd::CreateMenu(window.GetHWND(), QStringLiteral("XML\\Menus\\test_menu.xml"), QPoint(5, 5));
    ASSERT_TRUE(menu);
    QAction* about = menu->FindItem(QStringLiteral("about_menu"));

    // Before the table has entries: the skin's text, or the id where the skin has none.
    EXPECT_EQ(Label("title_label"), QStringLiteral("Fallback title"));
    EXPECT_EQ(Label("ok_btn"), QStringLiteral("ok_text"));
    EXPECT_EQ(Find("ok_btn")->toolTip(), QStringLiteral("ok_tip"));
    EXPECT_EQ(Label("panel_label"), QStringLiteral("panel_text"));
    EXPECT_EQ(combo->itemText(item), QStringLiteral("combo_item_text"));
    EXPECT_EQ(about->text(), QStringLiteral("About"));

    QSignalSpy reloaded(&CLanguageTable::Instance(), &CLanguageTable::TextsReloaded);
    const std::vector<std::pair<QString, QHash<QString, QString>>> languages = {
        {QStringLiteral("en"),
         {{"title_text", "Title"},
          {"ok_text", "OK"},
          {"ok_tip", "Confirm"},
          {"panel_text", "Panel"},
          {"combo_item_text", "Item"},
          {"about_menu_text", "About kvelm"}}},
        {QStringLiteral("zh"),
         {{"title_text", "标题"},
          {"ok_text", "确定"},
          {"ok_tip", "确认"},
          {"panel_text", "面板"},
          {"combo_item_text", "项目"},
          {"about_menu_text", "关于"}}},
    };
    for (const auto& [code, texts] : languages) {
        CLanguageTable::Instance().SetTexts(texts);
        ReloadTexts();
        EXPECT_EQ(Label("title_label"), texts.value("title_text")) << code.toStdString();
        EXPECT_EQ(Label("ok_btn"), texts.value("ok_text")) << code.toStdString();
        EXPECT_EQ(Find("ok_btn")->toolTip(), texts.value("ok_tip")) << code.toStdString();
        EXPECT_EQ(Label("panel_label"), texts.value("panel_text")) << code.toStdString();
        EXPECT_EQ(combo->itemText(item), texts.value("combo_item_text")) << code.toStdString();
        EXPECT_EQ(about->text(), texts.value("about_menu_text")) << code.toStdString();
    }
    EXPECT_EQ(reloaded.count(), 2);
    EXPECT_TRUE(window.notes.empty()) << "a language switch raises no notification";
    menu->close();
}

TEST_F(LanguageTest, HiddenLabelTranslatesAnIdForCode) {
    CLanguageTable::Instance().SetText(QStringLiteral("software_rev_text"), QStringLiteral("Version: "));
    auto* label = Find<QLabel>("text_test");
    SetResourceText(label, QStringLiteral("software_rev_text"));
    EXPECT_EQ(label->text() + QStringLiteral("V0101"), QStringLiteral("Version: V0101"));
}

TEST_F(LanguageTest, TextSetInCodeAfterUnmarkingSurvivesASwitch) {
    QWidget* title = Find("title_label");
    SetResourceText(title, QString());
    SetText(title, QStringLiteral("formatted 3 items"));
    CLanguageTable::Instance().SetText(QStringLiteral("title_text"), QStringLiteral("Title"));
    ReloadTexts();
    EXPECT_EQ(GetText(title), QStringLiteral("formatted 3 items"));
}
