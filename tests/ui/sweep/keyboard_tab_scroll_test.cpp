// The keyboard page's function tabs share one scroll area: each tab opens at its top the
// first time and comes back where the user left it.
#include <QScrollArea>
#include <QScrollBar>
#include "sweep_kinds_fixture.h"

namespace kinds_sweep {
namespace {

class KeyboardTabScroll : public KindsSweep {
protected:
    QScrollBar* Bar() const {
        auto* area = qobject_cast<QScrollArea*>(Control("kb_function_scroll"));
        return area ? area->verticalScrollBar() : nullptr;
    }
    void Show(const char* tab) {
        Click(tab);
        QApplication::processEvents();
        QApplication::processEvents();
    }
};

TEST_F(KeyboardTabScroll, EachTabKeepsItsOwnPosition) {
    ASSERT_NE(Open(DeviceKind::kKeyboard, "deng_Op_tab"), nullptr);
    wnd->resize(wnd->width(), 560);  // short enough that every tab scrolls
    QApplication::processEvents();
    QScrollBar* bar = Bar();
    ASSERT_NE(bar, nullptr);
    ASSERT_GT(bar->maximum(), 20) << "the lighting tab must scroll for this test";
    // Scrolled as a user scrolls: through the bar's actions.
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    const int lighting = bar->value();

    for (const char* tab : {"key_Op_tab", "macro_Op_tab", "system_Op_tab"}) {
        Show(tab);
        EXPECT_EQ(bar->value(), 0) << tab << " opens at its top";
    }
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int system = bar->value();
    ASSERT_GT(system, 0) << "the system tab must scroll for this test";

    Show("deng_Op_tab");
    EXPECT_EQ(bar->value(), lighting) << "the lighting tab comes back where it was left";
    Show("system_Op_tab");
    EXPECT_EQ(bar->value(), system);
    Show("macro_Op_tab");
    EXPECT_EQ(bar->value(), 0);
}

}  // namespace
}  // namespace kinds_sweep
