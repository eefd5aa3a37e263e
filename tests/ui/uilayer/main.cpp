// Test main: offscreen Qt, the test skin folder as program folder, and the classes the
// test skins name.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <cstdlib>
#include "ui/control_factory.h"
#include "ui/skin_resources.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KVELM_DATA_DIR", KVELM_UI_TEST_DATA, 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    CSkinResources::Instance().Load();
    CControlFactory& factory = CControlFactory::Instance();
    factory.RegisterSubtree(QStringLiteral("TestPanelUI"),
                            QStringLiteral("XML\\CustomControlXML\\TestPanel.xml"));
    factory.RegisterSubtree(QStringLiteral("LoopClass"), QStringLiteral("XML\\test\\loop.xml"));
    factory.RegisterControl(QStringLiteral("Shared"), [](QWidget* parent) -> QWidget* {
        return new QLabel(QStringLiteral("from factory"), parent);
    });
    return RUN_ALL_TESTS();
}
