// The device bar with every simulated kind present at once: each entry's name stays
// readable (whole, or elided with the whole name in its tool tips), entries do not overlap,
// and the arrows bring every entry into view.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <algorithm>
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "ui/controls.h"
#include "sweep_fixture.h"

namespace {

const std::string kAllDevices = "mouse,mouse3389,mousewl,keyboard,pad,headset";
const QChar kEllipsis(0x2026);

class DeviceBarNames : public SweepFixture {
protected:
    void SetUp() override {
        SweepFixture::SetUp();
        Start(kAllDevices);
        for (const char* sim : {"mouse", "mouse3389", "mousewl", "keyboard", "pad", "headset"})
            ASSERT_NE(OpenDevice(sim), nullptr) << sim;
        QApplication::processEvents();
    }

    std::vector<CDeviceOptionUI*> ShownEntries() const {
        std::vector<CDeviceOptionUI*> entries;
        for (const auto& slot : Devices().Slots().All())
            if (slot->entry && slot->entry->IsShown()) entries.push_back(slot->entry);
        std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        return entries;
    }
};

TEST_F(DeviceBarNames, EveryNameIsReadableAndEveryEntryHasItsOwnPlace) {
    const std::vector<CDeviceOptionUI*> entries = ShownEntries();
    ASSERT_EQ(entries.size(), 6u);
    for (size_t i = 0; i < entries.size(); ++i) {
        CDeviceOptionUI* entry = entries[i];
        const std::string name = entry->Name().toStdString();
        auto* label = FindControl<QLabel>(entry, QStringLiteral("device_select_name"));
        ASSERT_NE(label, nullptr);
        const QString shown = label->text();
        // What is drawn fits the label: nothing runs into the neighbour or is cut mid-glyph.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->width()) << name;
        // Whole, or its beginning followed by an ellipsis, and then the tool tips say it all.
        if (shown != entry->Name()) {
            ASSERT_TRUE(shown.endsWith(kEllipsis)) << name << " shown as " << shown.toStdString();
            EXPECT_TRUE(entry->Name().startsWith(shown.chopped(1))) << name;
            EXPECT_GE(shown.size(), 6) << name << ": too short to tell the devices apart";
        }
        EXPECT_EQ(label->toolTip(), entry->Name());
        EXPECT_EQ(entry->SelectOption()->toolTip(), entry->Name())
            << "the picture's tool tip names the device, not only its kind";
        if (i > 0) {
            EXPECT_LE(entries[i - 1]->geometry().right(), entry->geometry().left())
                << entries[i - 1]->Name().toStdString() << " overlaps " << name;
        }
    }
}

TEST_F(DeviceBarNames, TheWirelessMouseToolTipGivesItsName) {
    for (const auto& slot : Devices().Slots().All()) {
        if (!slot->entry || !slot->entry->IsShown() ||
            !slot->entry->Name().contains(QStringLiteral("Wireless")))
            continue;
        EXPECT_EQ(slot->entry->SelectOption()->toolTip(), slot->entry->Name());
        EXPECT_NE(slot->entry->SelectOption()->toolTip(), QStringLiteral("Mouse"));
        return;
    }
    FAIL() << "no wireless mouse in the bar";
}

// A bar narrower than its entries scrolls: stepping with the arrows brings each selected
// entry wholly into view.
TEST_F(DeviceBarNames, ANarrowBarScrollsTheSelectedEntryIntoView) {
    auto* scroll = Window().FindControl<QScrollArea>(QStringLiteral("device_select_scroll"));
    ASSERT_NE(scroll, nullptr);
    scroll->setMaximumWidth(300);
    QApplication::processEvents();
    const std::vector<CDeviceOptionUI*> entries = ShownEntries();
    entries.front()->Select(true);
    auto* next = Window().FindControl<QAbstractButton>(QStringLiteral("device_select_next"));
    ASSERT_NE(next, nullptr);
    for (size_t i = 1; i < entries.size(); ++i) {
        ASSERT_TRUE(next->isEnabled()) << i;
        next->click();
        QApplication::processEvents();
        ASSERT_TRUE(entries[i]->IsSelected()) << i;
        const QRect inView(entries[i]->mapTo(scroll->viewport(), QPoint(0, 0)), entries[i]->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(inView))
            << entries[i]->Name().toStdString() << " is not in view after the arrow selected it";
    }
    EXPECT_FALSE(next->isEnabled()) << "the last entry has no next";
}

}  // namespace
