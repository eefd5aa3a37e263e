// Skins load through res.xml and the control factory: standard kinds, short class names,
// subtrees built from their own skin, the window's creation callback, unknown classes.
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include "test_window.h"
#include "ui/control_factory.h"
#include "ui/skin_builder.h"

TEST(SkinBuilder, EveryStandardControlKindLoads) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 400, 600));
    const std::vector<std::pair<const char*, const char*>> kinds = {
        {"plain_btn", "QPushButton"}, {"opt_a", "QPushButton"},        {"check_1", "QCheckBox"},
        {"combo", "QComboBox"},       {"list", "QListWidget"},         {"edit", "QLineEdit"},
        {"slider", "QSlider"},        {"progress", "QProgressBar"},    {"tab", "QStackedWidget"},
        {"title_label", "QLabel"},    {"short_option", "QPushButton"},
    };
    for (const auto& [name, cls] : kinds) {
        QWidget* control = window.FindControl(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_STREQ(control->metaObject()->className(), cls) << name;
    }
    EXPECT_EQ(window.FindControl<QComboBox>(QStringLiteral("combo"))->count(), 3);
    EXPECT_TRUE(window.FindControl<QPushButton>(QStringLiteral("short_option"))->isCheckable());
    EXPECT_EQ(SkinClassOf(window.FindControl(QStringLiteral("short_option"))), QStringLiteral("Option"));
    EXPECT_TRUE(IsSelected(window.FindControl(QStringLiteral("opt_a"))));
    EXPECT_EQ(OptionGroupOf(window.FindControl<QPushButton>(QStringLiteral("opt_b"))),
              QStringLiteral("tabs_group"));
}

TEST(SkinBuilder, SubtreeClassIsBuiltFromItsOwnSkin) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 400, 600));
    QWidget* host = window.FindControl(QStringLiteral("panel_host"));
    ASSERT_NE(host, nullptr);
    EXPECT_NE(FindControl(host, QStringLiteral("panel_btn")), nullptr);
    EXPECT_NE(FindControl(host, QStringLiteral("panel_label")), nullptr);
    EXPECT_EQ(window.FindControl(QStringLiteral("test_panel_root")), nullptr)
        << "the root takes the skin's name";
    EXPECT_EQ(SkinClassOf(host), QStringLiteral("testPANELui")) << "class names are compared without case";
}

TEST(SkinBuilder, WindowCallbackComesBeforeTheFactory) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 400, 600));
    EXPECT_EQ(window.FindControl<QLabel>(QStringLiteral("shared_control"))->text(),
              QStringLiteral("from window"));

    QWidget* plain = CSkinBuilder::Build(QStringLiteral("XML_TEST"), nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(FindControl<QLabel>(plain, QStringLiteral("shared_control"))->text(),
              QStringLiteral("from factory"));
    delete plain;
}

TEST(SkinBuilder, UnknownClassIsLeftOutAndTheRestLoads) {
    TestWindow window;
    ASSERT_TRUE(window.Create(nullptr, QStringLiteral("t"), 400, 600));
    EXPECT_EQ(window.FindControl(QStringLiteral("ghost")), nullptr);
    EXPECT_NE(window.FindControl(QStringLiteral("shared_control")), nullptr);
}

TEST(SkinBuilder, FileNamesResolveWithBackslashesAndAnyCase) {
    for (const char* name :
         {"XML_ROW", "xml_row", "XML\\test\\row.xml", "xml\\TEST\\Row.XML", "XML/test/row.xml"}) {
        QWidget* row = CSkinBuilder::Build(QLatin1String(name), nullptr);
        EXPECT_NE(row, nullptr) << name;
        delete row;
    }
}

TEST(SkinBuilder, BrokenOrMissingSkinsFailCleanly) {
    EXPECT_EQ(CSkinBuilder::Build(QStringLiteral("XML\\no_such.xml"), nullptr), nullptr);
    EXPECT_TRUE(CSkinBuilder::LastError().contains(QStringLiteral("no_such")));
    EXPECT_EQ(CSkinBuilder::BuildFromData("<ui version=\"4.0\"><widget class=\"QWidget\"", nullptr), nullptr);

    TestWindow window(QStringLiteral("XML\\missing.xml"));
    EXPECT_FALSE(window.Create(nullptr, QStringLiteral("t"), 100, 100));
    EXPECT_FALSE(window.IsCreated());
    EXPECT_EQ(window.initCalls, 0);
}

TEST(SkinBuilder, SkinThatContainsItselfStopsInsteadOfRecursing) {
    QWidget* root = CSkinBuilder::Build(QStringLiteral("XML\\test\\loop.xml"), nullptr);
    ASSERT_NE(root, nullptr);
    const int depth = static_cast<int>(root->findChildren<QWidget*>(QStringLiteral("inner")).size());
    EXPECT_GT(depth, 0);
    EXPECT_LE(depth, 16);
    delete root;
}

TEST(SkinBuilder, BuildIntoFillsAContainer) {
    QWidget container;
    QWidget* root =
        CSkinBuilder::BuildInto(&container, QStringLiteral("XML\\CustomControlXML\\TestPanel.xml"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->parentWidget(), &container);
    ASSERT_NE(container.layout(), nullptr);
    EXPECT_EQ(container.layout()->indexOf(root), 0);
}
