// Language list, language files, the stored choice, and switching the main window.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include "shell/app_names.h"
#include "shell/font_table.h"
#include "shell/language_files.h"
#include "shell/user_settings.h"
#include "ui/language_table.h"
#include "shell_fixture.h"

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(KVELM_SHELL_TEST_FIXTURES "/") + QLatin1String(name);
}
QString Resource(const QString& relative) {
    return QStringLiteral(KVELM_SHELL_TEST_DATA "/") + relative;
}

QHash<QString, QString> LanguageTexts(const QString& file) {
    QHash<QString, QString> texts;
    EXPECT_TRUE(ReadLanguageFile(Resource(QStringLiteral("lang/")) + file, &texts)) << file.toStdString();
    return texts;
}

// Every text id the skins name: textId / toolTipId / placeholderTextId properties and menu
// items' textid.
QSet<QString> SkinTextIds() {
    QSet<QString> ids;
    QDirIterator it(Resource(QStringLiteral("skin")), {QStringLiteral("*.xml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        QXmlStreamReader xml(&file);
        QString pendingProperty;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("property")) {
                const QString name = xml.attributes().value(QLatin1String("name")).toString();
                pendingProperty = (name == QLatin1String("textId") || name == QLatin1String("toolTipId") ||
                                   name == QLatin1String("placeholderTextId"))
                                      ? name
                                      : QString();
            } else if (xml.name() == QLatin1String("string") && !pendingProperty.isEmpty()) {
                ids.insert(xml.readElementText());
                pendingProperty.clear();
            } else if (xml.name().compare(QLatin1String("Item"), Qt::CaseInsensitive) == 0) {
                const QString id = xml.attributes().value(QLatin1String("textid")).toString();
                if (!id.isEmpty()) ids.insert(id);
            }
        }
    }
    return ids;
}

}  // namespace

TEST(LanguageFiles, StoredIdsReadAsLeadingDecimals) {
    struct Case {
        const char* text;
        int id;
    };
    const Case cases[] = {{"2052", 2052}, {"  1033", 1033}, {"2052\0", 2052},
                          {"+7", 7},      {"-3x", -3},      {"abc", 0},
                          {"", 0},        {"12ab34", 12},   {"99999999999", 2147483647}};
    for (const Case& c : cases) EXPECT_EQ(ParseLanguageId(QString::fromUtf8(c.text)), c.id) << c.text;
}

TEST(LanguageFiles, ConfigEntriesReadWithoutTrustingTypes) {
    std::vector<LanguageEntry> entries;
    ASSERT_TRUE(ReadLanguageConfig(Fixture("Language_mixed.config"), &entries));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].id, 1033);
    EXPECT_EQ(entries[0].file, QStringLiteral("lan_en.xml"));
    EXPECT_EQ(entries[1].id, 0) << "an id written as text reads as 0";
    EXPECT_EQ(entries[1].name, QString()) << "a number where a name belongs reads as empty";
    EXPECT_EQ(LanguageIndexOfId(entries, 2052), 2) << "the first entry with the id";
    EXPECT_EQ(LanguageIndexOfId(entries, 9999), 0);

    EXPECT_FALSE(ReadLanguageConfig(Fixture("Language_broken.config"), &entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(ReadLanguageConfig(Fixture("no_such.config"), &entries));
}

TEST(LanguageFiles, LanguageXmlParsing) {
    QHash<QString, QString> texts{{QStringLiteral("old"), QStringLiteral("kept")}};
    const QByteArray good =
        "<?xml version=\"1.0\"?>\n<Language name=\"en\">\n"
        "  <Text id=\"a\">Save &amp; close</Text>\n"
        "  <Text id=\"b\">Version: </Text>\n"
        "  <Note>ignored</Note>\n"
        "  <Text>no id</Text>\n"
        "</Language>\n";
    ASSERT_TRUE(ParseLanguageXml(good, &texts));
    EXPECT_EQ(texts.size(), 2);
    EXPECT_EQ(texts.value(QStringLiteral("a")), QStringLiteral("Save & close"));
    EXPECT_EQ(texts.value(QStringLiteral("b")), QStringLiteral("Version: ")) << "blanks are part of the text";

    QHash<QString, QString> untouched{{QStringLiteral("old"), QStringLiteral("kept")}};
    QString error;
    EXPECT_FALSE(ParseLanguageXml("<Texts><Text id=\"a\">x</Text></Texts>", &untouched, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ParseLanguageXml("<Language><Text id=\"a\">x</Language>", &untouched, &error));
    EXPECT_FALSE(ParseLanguageXml("", &untouched, &error));
    EXPECT_EQ(untouched.value(QStringLiteral("old")), QStringLiteral("kept"))
        << "a failed parse changes nothing";
}

TEST(LanguageFiles, EveryLanguageHasEveryTextTheSkinsAndProgramUse) {
    std::vector<LanguageEntry> entries;
    ASSERT_TRUE(ReadLanguageConfig(Resource(QStringLiteral("DefaultData/Language.config")), &entries));
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, QStringLiteral("en")) << "English is index 0";
    EXPECT_EQ(entries[1].name, QStringLiteral("zh_CN"));

    QSet<QString> needed = SkinTextIds();
    ASSERT_FALSE(needed.isEmpty());
    // Ids the program's code uses.
    for (const char* id : {"software_rev_text",      "message_text_2",        "message_text_4",
                           "message_text_5",         "message_text_6",        "message_text_7",
                           "message_text_16",        "message_text_22",       "ms_device_name_text",
                           "kb_device_name_text",    "hd_device_name_text",   "unknow_device_name_text",
                           "keep_profile_menu_text", "login_apply_menu_text", "sim_devices_menu_text",
                           "sim_plug_menu_text",     "sim_unplug_menu_text",  "follow_focus_menu_text",
                           "profile_for_program",    "follow_focus_wayland"})
        needed.insert(QLatin1String(id));
    for (const LanguageEntry& entry : entries) needed.insert(entry.textId);

    const QSet<QString> first =
        QSet<QString>(LanguageTexts(entries[0].file).keyBegin(), LanguageTexts(entries[0].file).keyEnd());
    for (const LanguageEntry& entry : entries) {
        const QHash<QString, QString> texts = LanguageTexts(entry.file);
        QStringList missing;
        for (const QString& id : needed)
            if (texts.value(id).isEmpty()) missing << id;
        missing.sort();
        EXPECT_EQ(missing.join(QLatin1Char(' ')), QString()) << entry.file.toStdString() << " lacks texts";
        const QSet<QString> ids(texts.keyBegin(), texts.keyEnd());
        EXPECT_EQ(ids, first) << entry.file.toStdString() << " and " << entries[0].file.toStdString()
                              << " hold different ids";
        // "message_text_16" is used as a format with one number.
        const QString format = texts.value(QStringLiteral("message_text_16"));
        EXPECT_EQ(format.count(QRegularExpression(QStringLiteral("%[^%]"))), 1) << format.toStdString();
        EXPECT_TRUE(format.contains(QStringLiteral("%d"))) << format.toStdString();
    }
}

class LanguageManagerTest : public ::testing::Test {
protected:
    void SetUp() override { CLanguageManager::Instance().ResetForTest(); }
    void TearDown() override {
        StoreLanguage(QStringLiteral("1033"));
        CLanguageManager::Instance().ResetForTest();
        CLanguageManager::Instance().ApplyLanguage(0);
    }
};

TEST_F(LanguageManagerTest, FirstApplicationRebuildsFontsAndTheCurrentIndexDoesNothing) {
    CLanguageManager& manager = CLanguageManager::Instance();
    const int rebuilds = CFontTable::Instance().Rebuilds();
    {
        DebugLines lines;
        EXPECT_TRUE(manager.ApplyLanguage(1));
        EXPECT_EQ(CFontTable::Instance().Rebuilds(), rebuilds + 1) << "the current index was -1";
        EXPECT_TRUE(lines.Has("写成功！\n"));
        EXPECT_EQ(manager.CurrentName(), QStringLiteral("zh_CN"));
        EXPECT_EQ(CLanguageTable::Instance().Text(QStringLiteral("confirm_text")), QStringLiteral("确定"));
    }
    {
        DebugLines lines;
        EXPECT_FALSE(manager.ApplyLanguage(1));
        EXPECT_EQ(CFontTable::Instance().Rebuilds(), rebuilds + 1);
        EXPECT_FALSE(lines.Has("写成功！\n")) << "the current index changes nothing";
    }
    // Leaving index 1 for 0 rebuilds (0 is in the rule); 1 -> 3 would not.
    EXPECT_TRUE(manager.ApplyLanguage(0));
    EXPECT_EQ(CFontTable::Instance().Rebuilds(), rebuilds + 2);
    EXPECT_EQ(CLanguageTable::Instance().Text(QStringLiteral("confirm_text")), QStringLiteral("OK"));
}

TEST_F(LanguageManagerTest, ChoiceIsRememberedForTheUser) {
    CLanguageManager& manager = CLanguageManager::Instance();
    manager.ApplyLanguage(1);
    EXPECT_EQ(ReadStoredLanguage().value_or(QString()), QStringLiteral("2052"));
    EXPECT_EQ(manager.ReadLanguage(), 1);
    manager.ApplyLanguage(0);
    EXPECT_EQ(ReadStoredLanguage().value_or(QString()), QStringLiteral("1033"));
    EXPECT_EQ(manager.ReadLanguage(), 0);

    struct Case {
        const char* stored;
        int index;
    };
    const Case cases[] = {{"2052", 1}, {"2052xyz", 1}, {"abc", 0}, {"4242", 0}, {"", 0}};
    for (const Case& c : cases) {
        ASSERT_TRUE(StoreLanguage(QLatin1String(c.stored)));
        EXPECT_EQ(manager.ReadLanguage(), c.index) << c.stored;
    }
}

TEST_F(LanguageManagerTest, IndexWithoutEntryKeepsTheTexts) {
    CLanguageManager& manager = CLanguageManager::Instance();
    manager.ApplyLanguage(0);
    EXPECT_TRUE(manager.ApplyLanguage(7));
    EXPECT_EQ(manager.CurrentIndex(), 7);
    EXPECT_EQ(CLanguageTable::Instance().Text(QStringLiteral("confirm_text")), QStringLiteral("OK"));
    EXPECT_EQ(ReadStoredLanguage().value_or(QString()), QStringLiteral("1033"))
        << "nothing stored for a missing entry";
}

using MainWndLanguage = MainWndFixture;

TEST_F(MainWndLanguage, SwitchChangesEveryResourceTextOfTheWindow) {
    const QHash<QString, QString> english = LanguageTexts(QStringLiteral("lan_en.xml"));
    const QHash<QString, QString> chinese = LanguageTexts(QStringLiteral("lan_cn.xml"));
    QList<QWidget*> marked;
    for (QWidget* w : wnd->findChildren<QWidget*>())
        if (!w->property("textId").toString().isEmpty() && !w->property("textId").toString().isNull())
            marked << w;
    ASSERT_GE(marked.size(), 4) << "the main skin marks its texts";

    auto expectTexts = [&](const QHash<QString, QString>& texts, const char* language) {
        for (QWidget* w : marked) {
            const QString id = w->property("textId").toString();
            EXPECT_EQ(GetText(w), texts.value(id)) << language << ": " << w->objectName().toStdString();
        }
        const QString tipId = Control("skinbtn")->property("toolTipId").toString();
        EXPECT_EQ(Control("skinbtn")->toolTip(), texts.value(tipId)) << language << ": tool tip";
    };
    wnd->SendMessage(kMsgLanguageChanged, 1, 0);
    expectTexts(chinese, "Chinese");
    ASSERT_EQ(record->languages, std::vector<int>{1});

    wnd->SendMessage(kMsgLanguageChanged, 0, 0);
    expectTexts(english, "English");
    EXPECT_EQ(record->languages, (std::vector<int>{1, 0}));
    EXPECT_NE(TextOf("nodevice_title"), chinese.value(QStringLiteral("nodevice_title_text")));
}

TEST_F(MainWndLanguage, AppliedLanguageIsTheStoredOneAtWindowInit) {
    // The fixture's window applied the stored choice; a new window does the same.
    StoreLanguage(QStringLiteral("2052"));
    TearDown();
    SetUp();
    EXPECT_EQ(CLanguageManager::Instance().CurrentIndex(), 1);
    EXPECT_EQ(TextOf("nodevice_ok_btn"), QStringLiteral("确定"));
    StoreLanguage(QStringLiteral("1033"));
}
