#include "sweep_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTextStream>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "devices/discovery/simulated_rows.h"
#include "devices/usb_device.h"
#include "mainwnd/device_option_ui.h"
#include "mainwnd/device_part.h"
#include "mainwnd/file_dialog.h"
#include "mainwnd/main_wnd.h"
#include "mainwnd/page_wiring_part.h"
#include "mainwnd/profile_keep_part.h"
#include "mainwnd/settings_part.h"
#include "panels/light/color_palette_ui.h"
#include "shell/msg_wnd.h"
#include "sim/sim_command_device.h"
#include "sim/sim_devices.h"
#include "ui/controls.h"

namespace {

constexpr int kReadTimeoutMs = 8000;
constexpr int kPopupTimeoutMs = 2000;

// The program's own controls that take input without being one of Qt's input classes.
bool IsCustomPicker(const QWidget* widget) {
    const QString skinClass = SkinClassOf(widget);
    return skinClass.compare(QLatin1String("ColorPalette"), Qt::CaseInsensitive) == 0 ||
           skinClass.compare(QLatin1String("SelectPanel"), Qt::CaseInsensitive) == 0;
}

bool IsInteractive(const QWidget* widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return !edit->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(widget)) return !text->isReadOnly();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) return !plain->isReadOnly();
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QAbstractSlider*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
           IsCustomPicker(widget);
}

// Rows of item views and the parts of a combo are the view's or the combo's, not controls
// of their own.
bool InsideCompound(const QWidget* widget, const QWidget* page) {
    for (const QWidget* w = widget->parentWidget(); w && w != page; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w)) return true;
    return false;
}

// The texts a row widget shows, joined.
QString RowTexts(const QWidget* row) {
    QStringList texts;
    for (const QWidget* child : row->findChildren<QWidget*>()) {
        const QString text = (qobject_cast<const QLabel*>(child) || qobject_cast<const QLineEdit*>(child) ||
                              qobject_cast<const QAbstractButton*>(child))
                                 ? GetText(child)
                                 : QString();
        if (!text.isEmpty()) texts << text;
    }
    return texts.join(QLatin1Char('/'));
}

QString ListShown(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) {
        const QWidget* row = list->itemWidget(list->item(i));
        rows << (row ? RowTexts(row) : list->item(i)->text());
    }
    // The current row is where the person looks, not what the list holds.
    return QStringLiteral("rows [%1]").arg(rows.join(QLatin1Char('|')));
}

void ExpectOnScreen(const QWidget* control, const QString& name) {
    EXPECT_TRUE(control->isVisible()) << name.toStdString() << " is not on screen (show its tab first)";
    EXPECT_TRUE(control->isEnabled()) << name.toStdString() << " is disabled";
}

}  // namespace

// ---- the program ----

void SweepFixture::SetUp() {
    ASSERT_TRUE(dataHome_.IsValid());
    SimHidBus::Instance().UnplugAll();
    dataHome_.SetEnv("XDG_DATA_HOME", dataHome_.Path().string());
    CMsgWnd::ClearNextAnswers();
    ClearNextFileNames();
}

void SweepFixture::TearDown() {
    CloseWindow();
    CMsgWnd::ClearNextAnswers();
    ClearNextFileNames();
    SimHidBus::Instance().UnplugAll();
}

void SweepFixture::Start(const std::string& simulateList) {
    simulateList_ = simulateList;
    AddSimulatedDeviceRows(simulateList);
    for (const std::string& name : SimulatedDeviceNames(simulateList)) {
        std::shared_ptr<ISimDevice> sim = MakeSimulatedDevice(name);
        ASSERT_NE(sim, nullptr) << name;
        if (auto command = std::dynamic_pointer_cast<SimCommandDevice>(sim))
            command->Plug();
        else
            SimHidBus::Instance().Plug(sim);
        sims_[name] = sim;
    }
    BuildWindow();
}

void SweepFixture::BuildWindow() {
    wnd_ = std::make_unique<CMainWnd>();
    auto devices = std::make_unique<CDevicePart>(simulateList_);
    devices_ = devices.get();
    CDevicePart& deviceRef = *devices;
    wnd_->AddPart(std::move(devices));
    wnd_->AddPart(std::make_unique<CPageWiringPart>());
    wnd_->AddPart(std::make_unique<CSettingsPart>());
    wnd_->AddPart(std::make_unique<CProfileKeepPart>(deviceRef));
    ASSERT_TRUE(wnd_->CreateMainWindow());
}

void SweepFixture::CloseWindow() {
    slot_ = nullptr;
    devices_ = nullptr;
    if (wnd_ && wnd_->IsCreated()) wnd_->Close(0);
    wnd_.reset();
    QApplication::processEvents();
}

DeviceSlot* SweepFixture::OpenDevice(const std::string& simName, ReadyCheck ready) {
    const auto it = sims_.find(simName);
    if (it == sims_.end() || !wnd_) {
        ADD_FAILURE() << simName << " is not in the simulated list or the window is not started";
        return nullptr;
    }
    const ISimDevice& sim = *it->second;
    // The parts fill the window after its first paint; the page is the user's after that.
    if (!QTest::qWaitFor([this] { return wnd_->Initialised(); }, kReadTimeoutMs)) {
        ADD_FAILURE() << "the window was not filled";
        return nullptr;
    }
    openedSim_ = simName;
    openedReady_ = ready;
    slot_ = nullptr;
    const bool read = QTest::qWaitFor(
        [&] {
            for (const auto& slot : devices_->Slots().All()) {
                const HidDeviceInfo& info = slot->device->HidInfo();
                if (!slot->entry || !slot->entry->IsShown() || !slot->page ||
                    info.vendorId != sim.VendorId() || info.productId != sim.ProductId())
                    continue;
                const std::string profile = slot->device->GetProfileFile();
                if (slot->device->IoBusy() || profile.empty() ||
                    !QFile::exists(QString::fromStdString(profile)) || (ready && !ready(*slot)))
                    return false;
                slot_ = slot.get();
                return true;
            }
            return false;
        },
        kReadTimeoutMs);
    if (!read) {
        ADD_FAILURE() << simName << " was not found and read";
        return nullptr;
    }
    SetSelected(FindControl(slot_->entry, QStringLiteral("device_select")), true, true);
    EXPECT_EQ(wnd_->SelectedSlot(), slot_);
    wnd_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(wnd_.get()));
    EXPECT_TRUE(QTest::qWaitForWindowActive(wnd_.get()));
    QApplication::processEvents();
    return slot_;
}

void SweepFixture::Restart() {
    CloseWindow();
    BuildWindow();
    if (!openedSim_.empty()) OpenDevice(openedSim_, openedReady_);
}

QWidget* SweepFixture::Page() const {
    return slot_ ? slot_->page : nullptr;
}

bool SweepFixture::Settle(const std::function<bool()>& also, int timeoutMs) const {
    return QTest::qWaitFor([&] { return slot_ && !slot_->device->IoBusy() && (!also || also()); }, timeoutMs);
}

// ---- controls ----

QWidget* SweepFixture::Control(const QString& name) const {
    QWidget* control = Page() ? FindControl(Page(), name) : nullptr;
    if (!control) ADD_FAILURE() << "no control " << name.toStdString() << " on the page";
    return control;
}

bool SweepFixture::GiveFocus(QWidget* control) const {
    // A popup that closed or a message box may have taken the activation: the person's
    // click on the field brings the window back first.
    if (QApplication::activeWindow() != wnd_.get()) {
        wnd_->activateWindow();
        // The offscreen platform leaves a closed combo list as the active window.
        QApplication::setActiveWindow(wnd_.get());
        if (!QTest::qWaitForWindowActive(wnd_.get())) return false;
    }
    control->setFocus(Qt::MouseFocusReason);
    return control->hasFocus();
}

void SweepFixture::Click(const QString& name) {
    auto* button = qobject_cast<QAbstractButton*>(Control(name));
    ASSERT_NE(button, nullptr) << name.toStdString() << " is no button";
    ExpectOnScreen(button, name);
    // A check box or radio button takes clicks on its box, at its left.
    const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                      box ? QPoint(8, button->height() / 2) : button->rect().center());
    Driven(name);
}

void SweepFixture::ClickAt(const QString& name, const QPoint& point) {
    QWidget* control = Control(name);
    ASSERT_NE(control, nullptr);
    ExpectOnScreen(control, name);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, point);
    Driven(name);
}

void SweepFixture::TypeAndEnter(const QString& name, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(Control(name));
    ASSERT_NE(edit, nullptr) << name.toStdString() << " is no edit";
    ExpectOnScreen(edit, name);
    ASSERT_TRUE(GiveFocus(edit)) << name.toStdString();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    Driven(name);
}

void SweepFixture::TypeAndLeave(const QString& name, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(Control(name));
    ASSERT_NE(edit, nullptr) << name.toStdString() << " is no edit";
    ExpectOnScreen(edit, name);
    ASSERT_TRUE(GiveFocus(edit)) << name.toStdString();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    // The focus goes to the page, as when the user clicks beside the field.
    Page()->setFocusPolicy(Qt::ClickFocus);
    Page()->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(edit->hasFocus()) << name.toStdString();
    Driven(name);
}

void SweepFixture::DragAndRelease(const QString& name, int value) {
    auto* slider = qobject_cast<QAbstractSlider*>(Control(name));
    ASSERT_NE(slider, nullptr) << name.toStdString() << " is no slider";
    ExpectOnScreen(slider, name);
    slider->setSliderDown(true);
    slider->setSliderPosition(value);
    slider->setSliderDown(false);
    Driven(name);
}

void SweepFixture::Tick(const QString& name, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(Control(name));
    ASSERT_NE(button, nullptr) << name.toStdString() << " is no option";
    ASSERT_TRUE(button->isCheckable()) << name.toStdString();
    if (button->isChecked() != checked) Click(name);
    EXPECT_EQ(button->isChecked(), checked) << name.toStdString();
    Driven(name);
}

void SweepFixture::Choose(const QString& name, int index) {
    auto* combo = qobject_cast<QComboBox*>(Control(name));
    ASSERT_NE(combo, nullptr) << name.toStdString() << " is no combo";
    ExpectOnScreen(combo, name);
    ASSERT_GE(index, 0);
    ASSERT_LT(index, combo->count()) << name.toStdString();
    // The press opens the list; the item is taken with Return, as from the keyboard.
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
    QAbstractItemView* view = combo->view();
    if (!view->isVisible()) combo->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); }, kPopupTimeoutMs)) << name.toStdString();
    view->setCurrentIndex(combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }, kPopupTimeoutMs))
        << name.toStdString();
    EXPECT_EQ(combo->currentIndex(), index) << name.toStdString();
    Driven(name);
}

void SweepFixture::Choose(const QString& name, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(Control(name));
    ASSERT_NE(combo, nullptr) << name.toStdString() << " is no combo";
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << name.toStdString() << " has no item " << text.toStdString();
    Choose(name, index);
}

void SweepFixture::ChooseRow(const QString& name, int row) {
    auto* list = qobject_cast<QListWidget*>(Control(name));
    ASSERT_NE(list, nullptr) << name.toStdString() << " is no list";
    ExpectOnScreen(list, name);
    ASSERT_LT(row, list->count()) << name.toStdString();
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
    EXPECT_EQ(list->currentRow(), row) << name.toStdString();
    Driven(name);
}

// ---- shown state ----

QString SweepFixture::ShownOf(const QWidget* control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QString text = QStringLiteral("text '%1'").arg(button->text());
        // Colour buttons show their colour as the skin property the panels set.
        const QVariant colour = button->property("bkcolor");
        if (colour.isValid()) text += QStringLiteral(" colour %1").arg(colour.toString());
        return button->isCheckable() ? QStringLiteral("checked %1 ").arg(button->isChecked() ? 1 : 0) + text
                                     : text;
    }
    if (auto* slider = qobject_cast<const QAbstractSlider*>(control))
        return QStringLiteral("value %1").arg(slider->value());
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return QStringLiteral("index %1 '%2'").arg(combo->currentIndex()).arg(combo->currentText());
    if (auto* list = qobject_cast<const QListWidget*>(control)) return ListShown(list);
    if (auto* palette = qobject_cast<const CColorPaletteUI*>(control))
        return QStringLiteral("colour %1").arg(palette->GetColour(), 8, 16, QLatin1Char('0'));
    const QString text = GetText(control);
    return text.isNull() ? QString() : QStringLiteral("text '%1'").arg(text);
}

QString SweepFixture::Shown(const QString& name) const {
    const QWidget* control = Control(name);
    return control ? ShownOf(control) : QString();
}

std::vector<QWidget*> SweepFixture::InteractiveControls(const QWidget* page) {
    std::vector<QWidget*> controls;
    if (!page) return controls;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !IsInteractive(widget) ||
            InsideCompound(widget, page))
            continue;
        controls.push_back(widget);
    }
    return controls;
}

ShownState SweepFixture::Snapshot() const {
    ShownState state;
    for (const QWidget* control : InteractiveControls(Page()))
        if (control->isVisible()) state.emplace(control->objectName(), ShownOf(control));
    return state;
}

void SweepFixture::ExpectSameShown(const ShownState& before, const ShownState& after,
                                   const DisplayOnlyList& changes) {
    for (const auto& [name, shown] : before) {
        if (std::any_of(changes.begin(), changes.end(),
                        [&](const auto& entry) { return Matches(name, entry.first); }))
            continue;
        const auto it = after.find(name);
        if (it == after.end()) {
            ADD_FAILURE() << name.toStdString() << " is gone after the restart";
            continue;
        }
        EXPECT_EQ(it->second.toStdString(), shown.toStdString())
            << name.toStdString() << " after the restart";
    }
}

bool SweepFixture::Matches(const QString& name, const QString& pattern) {
    return pattern.endsWith(QLatin1Char('*')) ? name.startsWith(pattern.chopped(1)) : name == pattern;
}

void SweepFixture::CoverageCheck(const std::string& pageName, const DisplayOnlyList& displayOnly) {
    QStringList drivenLines, listedLines, missing;
    std::set<QString> listedUsed;
    std::set<QString> seen;
    for (const QWidget* control : InteractiveControls(Page())) {
        const QString name = control->objectName();
        if (!seen.insert(name).second) continue;
        for (const auto& entry : displayOnly)
            if (Matches(name, entry.first)) listedUsed.insert(entry.first);
        if (driven_.count(name)) {
            drivenLines << QStringLiteral("  driven        %1").arg(name);
            continue;
        }
        const auto listed = std::find_if(displayOnly.begin(), displayOnly.end(),
                                         [&](const auto& entry) { return Matches(name, entry.first); });
        if (listed != displayOnly.end()) {
            listedLines << QStringLiteral("  display-only  %1: %2").arg(name, listed->second);
            continue;
        }
        missing << name;
    }
    EXPECT_TRUE(missing.isEmpty()) << "page " << pageName << ": controls neither driven nor listed: "
                                   << missing.join(QLatin1String(", ")).toStdString();
    // A list entry that names nothing on the page is out of date.
    for (const auto& entry : displayOnly)
        EXPECT_TRUE(listedUsed.count(entry.first))
            << "page " << pageName << ": listed " << entry.first.toStdString() << " matches no control";

    QString report = QStringLiteral("page %1: %2 controls driven, %3 display-only\n")
                         .arg(QString::fromStdString(pageName))
                         .arg(drivenLines.size())
                         .arg(listedLines.size());
    report += drivenLines.join(QLatin1Char('\n')) + QLatin1Char('\n') + listedLines.join(QLatin1Char('\n')) +
              QLatin1Char('\n');
    std::cout << report.toStdString() << std::flush;
    QDir().mkpath(QStringLiteral(KVELM_SWEEP_ARTIFACTS));
    QFile file(QStringLiteral(KVELM_SWEEP_ARTIFACTS "/sweep_%1.txt").arg(QString::fromStdString(pageName)));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) QTextStream(&file) << report;
}

// ---- the profile file ----

std::string SweepFixture::ProfilePath() const {
    return slot_ ? slot_->device->GetProfileFile() : std::string();
}

Json::Value SweepFixture::ProfileJson() const {
    return ReadJsonFile(ProfilePath());
}

std::string SweepFixture::UserFile(const std::string& name) const {
    return slot_ ? (std::filesystem::path(slot_->device->DataFolder()) / name).string() : std::string();
}

Json::Value SweepFixture::ReadJsonFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    Json::Value root;
    Json::Reader().parse(bytes.constData(), bytes.constData() + bytes.size(), root);
    return root;
}
