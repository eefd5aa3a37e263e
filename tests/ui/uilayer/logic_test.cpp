// Pure rules of the layer: numbered names, DPI values, the menu file format and placement,
// style sheet urls, the resource list and the program folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <climits>
#include <cstdlib>
#include "test_window.h"
#include "ui/control_names.h"
#include "ui/dpi.h"
#include "ui/menu_xml.h"
#include "ui/program_folder.h"
#include "ui/skin_resources.h"
#include "ui/skin_style.h"

TEST(ControlNames, SplitAtTheLastUnderscore) {
    struct Case {
        const char* name;
        const char* prefix;
        int number;
    };
    const Case cases[] = {
        {"DPI_slider_2", "DPI_slider_", 2},
        {"key_17", "key_", 17},
        {"key_", "key_", 0},
        {"closebtn", "", 0},
        {"a_-5", "a_", -5},
        {"a_12x", "a_", 12},
        {"a_ 7", "a_", 7},
        {"a_x1", "a_", 0},
        {"a_99999999999", "a_", INT_MAX},
        {"a_-99999999999", "a_", INT_MIN},
        {"tolva_DPI_edit_1", "tolva_DPI_edit_", 1},
    };
    for (const Case& c : cases) {
        const NumberedName split = SplitNumberedName(QLatin1String(c.name));
        EXPECT_EQ(split.prefix, QLatin1String(c.prefix)) << c.name;
        EXPECT_EQ(split.number, c.number) << c.name;
    }
    int n = -1;
    EXPECT_TRUE(MatchNumberedName(QStringLiteral("dpi_SLIDER_6"), QStringLiteral("DPI_slider_"), &n));
    EXPECT_EQ(n, 6);
    EXPECT_FALSE(MatchNumberedName(QStringLiteral("tolva_DPI_slider_6"), QStringLiteral("DPI_slider_"), &n));
    EXPECT_FALSE(MatchNumberedName(QStringLiteral("closebtn"), QString(), &n)) << "no prefix matches nothing";
    EXPECT_EQ(MakeNumberedName(QStringLiteral("key_"), 4), QStringLiteral("key_4"));
}

TEST(Dpi, SupportedValuesAndScale) {
    for (int dpi : {48, 72, 96, 120, 144, 168, 192}) EXPECT_TRUE(IsSupportedDpi(dpi)) << dpi;
    for (int dpi : {0, 95, 100, 110, 200}) EXPECT_FALSE(IsSupportedDpi(dpi)) << dpi;
    EXPECT_EQ(DpiToScale(96), 100);
    EXPECT_EQ(DpiToScale(144), 150);
    EXPECT_EQ(ScaleByDpi(60, 144), 90);
    EXPECT_GT(ScreenDpi(nullptr), 0);
}

TEST(MenuXml, ParsesItemsSeparatorsAndSubmenus) {
    const MenuSpec spec = ParseMenuXml(R"(<Menu>
        <Item name="about_menu" textid="about_menu_text" text="About"/>
        <Separator/>
        <Item name="more" text="More"><Item name="left_down" enabled="false"/></Item>
        <Item name="hidden" visible="0" icon="common/x.png"/>
        <Comment>ignored</Comment>
      </Menu>)");
    ASSERT_TRUE(spec.ok) << spec.error.toStdString();
    ASSERT_EQ(spec.items.size(), 4u);
    EXPECT_EQ(spec.items[0].name, QStringLiteral("about_menu"));
    EXPECT_EQ(spec.items[0].textId, QStringLiteral("about_menu_text"));
    EXPECT_TRUE(spec.items[1].separator);
    ASSERT_EQ(spec.items[2].children.size(), 1u);
    EXPECT_FALSE(spec.items[2].children[0].enabled);
    EXPECT_FALSE(spec.items[3].visible);
    EXPECT_EQ(spec.items[3].icon, QStringLiteral("common/x.png"));
}

TEST(MenuXml, RejectsBrokenFiles) {
    for (const char* bad : {"", "<Menu><Item name='a'>", "<Dialog/>", "not xml"}) {
        const MenuSpec spec = ParseMenuXml(bad);
        EXPECT_FALSE(spec.ok) << bad;
        EXPECT_FALSE(spec.error.isEmpty()) << bad;
        EXPECT_TRUE(spec.items.empty()) << bad;
    }
}

TEST(MenuXml, PlacementFollowsTheAlignmentFlags) {
    struct Case {
        int alignment;
        int left;
        int top;
    };
    // Menu 100 x 50 opened at (500, 400).
    const Case cases[] = {
        {kMenuAlignLeft | kMenuAlignTop, 500, 400},      // 6: opens right and down
        {kMenuAlignRight | kMenuAlignTop, 400, 400},     // 12: top taskbar
        {kMenuAlignLeft | kMenuAlignBottom, 500, 350},   // 18: left taskbar
        {kMenuAlignRight | kMenuAlignBottom, 400, 350},  // 24: bottom or right taskbar
        {0, 500, 400},
    };
    for (const Case& c : cases) {
        int left = 0, top = 0;
        MenuTopLeft(500, 400, 100, 50, c.alignment, &left, &top);
        EXPECT_EQ(left, c.left) << c.alignment;
        EXPECT_EQ(top, c.top) << c.alignment;
    }
}

TEST(StyleSheet, RelativeUrlsPointIntoTheSkinFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"a { border-image: url(common/bk.png); }", "a { border-image: url(\"/skin/common/bk.png\"); }"},
        {"a { image: url('sysbtn/x y.png') }", "a { image: url(\"/skin/sysbtn/x y.png\") }"},
        {"a { image: url(\"/abs/p.png\") }", "a { image: url(\"/abs/p.png\") }"},
        {"a { image: url(:/qt/res.png) }", "a { image: url(:/qt/res.png) }"},
        {"a { image: url(skin:x.png) }", "a { image: url(skin:x.png) }"},
        {"b { color: red; }", "b { color: red; }"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ResolveStyleSheetUrls(QLatin1String(in), QStringLiteral("/skin")), QString::fromUtf8(out))
            << in;
}

TEST(StyleSheet, ImageAndColourOfOneControlDoNotReplaceEachOther) {
    QWidget parent;
    auto* root = new QWidget(&parent);
    auto* child = new QWidget(root);
    SetBackgroundColor(root, ArgbToColor(0xFF102030));
    SetBackgroundImage(root, QStringLiteral("common/background.png"));
    EXPECT_TRUE(root->styleSheet().contains(QStringLiteral("rgba(16,32,48,255)")));
    EXPECT_TRUE(root->styleSheet().contains(QStringLiteral("common/background.png")));
    SetBackgroundImage(root, QString());
    EXPECT_FALSE(root->styleSheet().contains(QStringLiteral("background.png")));
    EXPECT_TRUE(root->styleSheet().contains(QStringLiteral("rgba(16,32,48,255)")));
    EXPECT_TRUE(child->styleSheet().isEmpty());

    QPushButton button;
    SetButtonImages(&button, QStringLiteral("n.png"), QStringLiteral("s.png"));
    EXPECT_TRUE(button.styleSheet().contains(QStringLiteral(":checked")));
}

TEST(SkinResources, ResListMapsIdsWithoutCase) {
    CSkinResources& r = CSkinResources::Instance();
    EXPECT_EQ(r.FileOfId(QStringLiteral("xml_test")), QStringLiteral("XML/test/controls.xml"));
    EXPECT_TRUE(
        r.Resolve(QStringLiteral("XML_TEST")).endsWith(QStringLiteral("/skin/XML/test/controls.xml")));
    EXPECT_TRUE(r.Resolve(QStringLiteral("XML_NONE")).isEmpty());
    EXPECT_TRUE(r.PathOf(QStringLiteral("common\\new.png")).endsWith(QStringLiteral("/skin/common/new.png")));
}

TEST(SkinResources, BrokenResListLeavesNoIdsButFilesStillResolve) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Sub"));
    QFile file(dir.path() + QStringLiteral("/res.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Resources><Resource id=\"A\" file=\"a.xml\"/><Resource");
    file.close();
    QFile other(dir.path() + QStringLiteral("/Sub/Page.xml"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    CSkinResources r;
    EXPECT_FALSE(r.Load(dir.path()));
    EXPECT_TRUE(r.FileOfId(QStringLiteral("A")).isEmpty());
    EXPECT_EQ(r.Resolve(QStringLiteral("sub\\page.xml")), dir.path() + QStringLiteral("/Sub/Page.xml"));
}

TEST(ProgramFolder, EnvironmentOverridesTheExecutableFolder) {
    EXPECT_EQ(ProgramFolder(), QDir(QStringLiteral(KVELM_UI_TEST_DATA)).absolutePath().toStdString());
    EXPECT_EQ(SkinFolder(), ProgramFolder() + "/skin");
    const std::string saved = std::getenv("KVELM_DATA_DIR");
    unsetenv("KVELM_DATA_DIR");
    const std::string fallback = ProgramFolder();
    setenv("KVELM_DATA_DIR", saved.c_str(), 1);
    EXPECT_EQ(fallback, QCoreApplication::applicationDirPath().toStdString());

    const std::pair<const char*, const char*> names[] = {
        {"XML\\DeviceXml\\mousedevice.xml", "XML/DeviceXml/mousedevice.xml"},
        {"\\menu.xml", "menu.xml"},
        {"a\\\\b//c", "a/b/c"},
        {"setwnd.xml", "setwnd.xml"},
    };
    for (const auto& [in, out] : names) EXPECT_EQ(ToSlashPath(in), out) << in;
}

TEST(StyleSheet, SkinStyleSheetIsAppliedWithItsImagesFound) {
    const QString before = qApp->styleSheet();
    ASSERT_TRUE(ApplySkinStyleSheet());
    const QString expected = CSkinResources::Instance().Folder() + QStringLiteral("/common/button.png");
    EXPECT_TRUE(qApp->styleSheet().contains(QStringLiteral("url(\"%1\")").arg(expected)))
        << qApp->styleSheet().toStdString();
    qApp->setStyleSheet(before);
}
