// The texts of the key panel and the macro page: every id they use is in both language
// files, and switching the language in the running window switches their controls.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "keymacro_fixture.h"
#include "macros/key_assignment.h"
#include "macros/key_table.h"
#include "panels/keyset/keyset_texts.h"
#include "panels/macro/macro_texts.h"
#include "shell/language_files.h"
#include "shell/language_manager.h"

namespace {

constexpr int kEnglish = 0, kChinese = 1;

QHash<QString, QString> LanguageTexts(const char* file) {
    QHash<QString, QString> texts;
    EXPECT_TRUE(
        ReadLanguageFile(CLanguageManager::LanguageFolder() + QLatin1Char('/') + QLatin1String(file), &texts))
        << file;
    return texts;
}

std::vector<TextId> PanelTexts() {
    std::vector<TextId> all;
    for (const auto& table : keyset::text::kTables) all.insert(all.end(), table.begin(), table.end());
    for (const auto& table : macropage::text::kTables) all.insert(all.end(), table.begin(), table.end());
    return all;
}

std::vector<std::string> OptionIds() {
    std::vector<std::string> ids;
    for (macros::KeyFunction function : keyset::text::kTranslatedOptionFunctions)
        for (const macros::OptionRow& row : macros::OptionTable(function))
            ids.push_back(keyset::text::OptionTextId(row));
    return ids;
}

}  // namespace

TEST(PanelTextIds, EveryIdIsInBothLanguageFilesWithItsEnglishText) {
    const QHash<QString, QString> english = LanguageTexts("lan_en.xml");
    const QHash<QString, QString> chinese = LanguageTexts("lan_cn.xml");
    ASSERT_FALSE(english.isEmpty());
    const std::vector<TextId> texts = PanelTexts();
    ASSERT_GT(texts.size(), 50u);
    for (const TextId& text : texts) {
        const QString id = QLatin1String(text.id);
        EXPECT_EQ(english.value(id), QString::fromUtf8(text.english)) << text.id;
        EXPECT_FALSE(chinese.value(id).isEmpty()) << text.id << " has no Chinese text";
    }
    const std::vector<std::string> options = OptionIds();
    EXPECT_EQ(options.size(), 5u + 3u + 18u + 3u);
    for (const std::string& id : options) {
        EXPECT_TRUE(english.contains(QString::fromStdString(id))) << id;
        EXPECT_TRUE(chinese.contains(QString::fromStdString(id))) << id;
    }
    // Numbered texts keep their place holder in both languages.
    EXPECT_TRUE(chinese.value(QLatin1String(keyset::text::kTitle.id)).contains(QLatin1String("%1")));
}

TEST(PanelTextIds, OptionIdsFollowTheTypedWords) {
    const struct {
        macros::KeyFunction function;
        std::string_view word;
        const char* id;
    } cases[] = {{macros::KeyFunction::Media, "play-pause", "keyset_option_play_pause"},
                 {macros::KeyFunction::Media, "browser-favorites", "keyset_option_browser_favorites"},
                 {macros::KeyFunction::Dpi, "dpi-cycle", "keyset_option_dpi_cycle"},
                 {macros::KeyFunction::MouseButton, "left", "keyset_option_left"}};
    for (const auto& c : cases) {
        const auto rows = macros::OptionTable(c.function);
        const auto row =
            std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.word == c.word; });
        ASSERT_NE(row, rows.end()) << c.word;
        EXPECT_EQ(keyset::text::OptionTextId(*row), c.id);
    }
}

class PanelTexts : public KeyMacroFixture {
protected:
    void TearDown() override {
        CLanguageManager::Instance().ApplyLanguage(kEnglish);
        KeyMacroFixture::TearDown();
    }
    QString Item(const char* combo, int index) const {
        auto* box = qobject_cast<QComboBox*>(PageControl(combo));
        return box && index < box->count() ? box->itemText(index) : QStringLiteral("<missing>");
    }
    QString Placeholder(const char* edit) const {
        auto* line = qobject_cast<QLineEdit*>(PageControl(edit));
        return line ? line->placeholderText() : QStringLiteral("<missing>");
    }
    static void Switch(int language) {
        CLanguageManager::Instance().ApplyLanguage(language);
        QApplication::processEvents();
    }
};

TEST_F(PanelTexts, KeyPanelFollowsTheLanguage) {
    Click("key_Op_tab");
    Click("key_2");
    const QString englishTitle = GetText(PageControl("keyset_title"));
    Switch(kEnglish);
    struct Case {
        std::function<QString()> shown;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {[this] { return GetText(PageControl("key_butt_prosave")); }, "Write to device", "写入设备"},
        {[this] { return Item("keyset_function_combo", 2); }, "Horizontal scroll", "水平滚动"},
        {[this] { return Item("keyset_macro_over_combo", 4); }, "Repeat a number of times", "循环指定次数"},
        {[this] { return Item("keyset_media_combo", 1); }, "Play/Pause", "播放/暂停"},
        {[this] { return Item("keyset_mousewheel_combo", 1); }, "Down", "向下"},
        {[this] { return Placeholder("keyset_keyboard_text_edit"); }, "Click here, then press the key",
         "点击此处后按下按键"},
        {[this] { return GetText(PageControl("key_ComBox_check_0")); }, "None", "无"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.shown(), QString::fromUtf8(c.english));
    SaveScreenshot(QStringLiteral("key_panel_en.png"));
    Switch(kChinese);
    for (const Case& c : cases) EXPECT_EQ(c.shown(), QString::fromUtf8(c.chinese));
    SaveScreenshot(QStringLiteral("key_panel_zh.png"));
    // The title names the button as the (now Chinese) Keys list does.
    auto* keys = qobject_cast<QListWidget*>(PageControl("device_setkeyinfo_list"));
    ASSERT_NE(keys, nullptr);
    const QString chineseName = keys->item(2)->text().section(QLatin1Char(':'), 0, 0);
    EXPECT_NE(chineseName, englishTitle);
    EXPECT_TRUE(QTest::qWaitFor([&] { return GetText(PageControl("keyset_title")) == chineseName; }, 1000))
        << GetText(PageControl("keyset_title")).toStdString();
    Switch(kEnglish);
    for (const Case& c : cases) EXPECT_EQ(c.shown(), QString::fromUtf8(c.english));
    EXPECT_TRUE(QTest::qWaitFor([&] { return GetText(PageControl("keyset_title")) == englishTitle; }, 1000));
}

TEST_F(PanelTexts, MacroPageAndItsEventRowsFollowTheLanguage) {
    Click("macro_Op_tab");
    Click("macro_btn_name_add");
    ChooseItem(PageControl("macro_event_key_combo"), static_cast<int>(*macros::FindWordRow("a")));
    ChooseItem(PageControl("macro_event_action_combo"), 1);
    Click("macro_btn_event_insert");
    auto* rows = qobject_cast<QListWidget*>(PageControl("macro_action_list"));
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->count(), 1);
    const auto rowAction = [rows] {
        return GetText(FindControl(ListRowWidget(rows, 0), QStringLiteral("macro_action_kind")));
    };
    const auto tip = [this](const char* name) { return PageControl(name)->toolTip(); };

    Switch(kChinese);
    EXPECT_EQ(GetText(PageControl("macro_btn_starredio")), QStringLiteral("录制"));
    EXPECT_EQ(GetText(PageControl("macro_check_nodelay")), QStringLiteral("无延时"));
    EXPECT_EQ(GetText(PageControl("macro_btn_cancel")), QStringLiteral("撤销更改"));
    EXPECT_EQ(Item("macro_event_action_combo", 0), QStringLiteral("按下"));
    EXPECT_EQ(Placeholder("macro_edit_macroname"), QStringLiteral("新名称"));
    EXPECT_EQ(tip("macro_inset_moveupkey_btn"), QStringLiteral("插入向上的指针移动"));
    EXPECT_EQ(rowAction(), QStringLiteral("松开")) << "a shown event row changes too";
    SaveScreenshot(QStringLiteral("macro_page_zh.png"));

    Switch(kEnglish);
    EXPECT_EQ(GetText(PageControl("macro_btn_starredio")), QStringLiteral("Record"));
    EXPECT_EQ(GetText(PageControl("macro_btn_cancel")), QStringLiteral("Undo changes"));
    EXPECT_EQ(Item("macro_event_action_combo", 0), QStringLiteral("Press"));
    EXPECT_EQ(tip("macro_inset_moveupkey_btn"), QStringLiteral("Insert a pointer move up"));
    EXPECT_EQ(rowAction(), QStringLiteral("Release"));
    SaveScreenshot(QStringLiteral("macro_page_en.png"));
    EXPECT_EQ(GetCurSel(PageControl("macro_event_action_combo")), 1) << "the choice survives the switch";
}
