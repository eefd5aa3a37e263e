// The keyboard page at the window's default size: no control of a tab is cut off at the
// right. Saves a picture of every tab to the build's artifacts folder.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QSlider>

#include "kbpad_window.h"

namespace {

constexpr int kKeyboard = 1;

// The visible controls of `content` whose right edge lies beyond `visibleRight` (in the
// coordinates of `content`), by name.
std::vector<std::string> ControlsCutOff(QWidget* content, int visibleRight) {
    std::vector<std::string> cut;
    for (QWidget* control : content->findChildren<QWidget*>()) {
        const bool interactive = qobject_cast<QAbstractButton*>(control) ||
                                 qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control) ||
                                 qobject_cast<QSlider*>(control);
        if (!interactive || !control->isVisibleTo(content)) continue;
        const int right = control->mapTo(content, QPoint(control->width() - 1, 0)).x();
        if (right > visibleRight)
            cut.push_back(control->objectName().toStdString() + " ends at " + std::to_string(right));
    }
    return cut;
}

class KeyboardLayout : public KbPadWindow {};

TEST_F(KeyboardLayout, EveryTabFitsTheWindowWidth) {
    PlugAndRead(kKeyboard, std::make_shared<SimKeyboard>());
    DeviceSlot* slot = SlotOfKind(kKeyboard);
    ASSERT_NE(slot, nullptr);
    Select(slot);
    auto* scroll = qobject_cast<QScrollArea*>(PageControl(slot, "kb_function_scroll"));
    ASSERT_NE(scroll, nullptr);
    const char* const tabs[] = {"deng_Op_tab", "key_Op_tab", "macro_Op_tab", "system_Op_tab"};
    for (const char* tab : tabs) {
        SetSelected(PageControl(slot, tab), true, true);
        if (std::string(tab) == "key_Op_tab") Click(PageControl(slot, "key_64"));  // the key panel shows
        QApplication::processEvents();
        const QRect page(slot->page->mapTo(wnd.get(), QPoint(0, 0)), slot->page->size());
        EXPECT_LE(page.right(), wnd->width() - 1) << tab;
        EXPECT_LE(scroll->widget()->width(), scroll->viewport()->width()) << tab;
        EXPECT_EQ(ControlsCutOff(scroll->widget(), scroll->viewport()->width() - 1),
                  std::vector<std::string>{})
            << tab;
        const QString folder = QStringLiteral(KVELM_ARTIFACTS_DIR);
        QDir().mkpath(folder);
        EXPECT_TRUE(wnd->grab().save(folder + QStringLiteral("/keyboard_%1.png").arg(QLatin1String(tab))));
    }
}

}  // namespace
