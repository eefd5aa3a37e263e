// The classes the test skins name: two subtrees from other skin files (one of them loops
// back into itself) and a control made by the factory.
#include <gtest/gtest.h>
#include <QLabel>

#include "ui/control_factory.h"

namespace {

class TestSkinClasses : public ::testing::Environment {
public:
    void SetUp() override {
        CControlFactory& factory = CControlFactory::Instance();
        factory.RegisterSubtree(QStringLiteral("TestPanelUI"),
                                QStringLiteral("XML\\CustomControlXML\\TestPanel.xml"));
        factory.RegisterSubtree(QStringLiteral("LoopClass"), QStringLiteral("XML\\test\\loop.xml"));
        factory.RegisterControl(QStringLiteral("Shared"), [](QWidget* parent) -> QWidget* {
            return new QLabel(QStringLiteral("from factory"), parent);
        });
    }
};

const auto* const kClasses = ::testing::AddGlobalTestEnvironment(new TestSkinClasses);

}  // namespace
