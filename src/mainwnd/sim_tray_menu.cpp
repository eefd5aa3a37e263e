// While the program runs with simulated devices, the tray menu offers to plug and unplug
// each simulated model, so arrival and removal can be watched without hardware.
#include <QAction>
#include <QMenu>
#include "ui/language_table.h"
#include "ui/menu_wnd.h"
#include "ui/window_messages.h"
#include "mainwnd/device_part.h"
#include "mainwnd/main_wnd.h"
#include "sim/sim_bus.h"
#include "sim/sim_devices.h"

namespace {

constexpr const char* kSimulatedModels[] = {"mouse", "mouse3389", "mousewl", "keyboard", "pad", "headset"};
const QString kPlugPrefix = QStringLiteral("sim_plug_");
const QString kUnplugPrefix = QStringLiteral("sim_unplug_");

}  // namespace

std::string SimulatedModelList() {
    std::string list;
    for (const char* model : kSimulatedModels) list += std::string(list.empty() ? "" : ",") + model;
    return list;
}

namespace {

bool Plugged(const std::string& name) {
    for (const SimHidBus::Entry& entry : SimHidBus::Instance().Devices())
        if (entry.device && entry.device->Name() == name) return true;
    return false;
}

bool IsModel(const QString& name) {
    for (const char* model : kSimulatedModels)
        if (name == QLatin1String(model)) return true;
    return false;
}

// An item that reports its name to the owner window as the menu file's items do.
void AddItem(QMenu* menu, WindowHandle owner, const QString& name, const QString& text, bool enabled) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, action, [owner, name] {
        QString item = name;
        SendWindowMessage(owner, kMsgMenuCommand, reinterpret_cast<WPARAM>(&item), 0);
    });
}

}  // namespace

void CDevicePart::OnTrayMenu(CMainWnd& wnd, CMenuWnd& menu) {
    if (simulateList_.empty()) return;
    CLanguageTable& texts = CLanguageTable::Instance();
    QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().first();
    QMenu* sub = new QMenu(
        texts.Text(QStringLiteral("sim_devices_menu_text"), QStringLiteral("Simulated devices")), &menu);
    sub->menuAction()->setObjectName(QStringLiteral("sim_devices_menu"));
    const QString plugText = texts.Text(QStringLiteral("sim_plug_menu_text"), QStringLiteral("Plug in"));
    const QString unplugText = texts.Text(QStringLiteral("sim_unplug_menu_text"), QStringLiteral("Unplug"));
    for (const char* model : kSimulatedModels) {
        const QString name = QString::fromLatin1(model);
        const bool plugged = Plugged(model);
        AddItem(sub, wnd.GetHWND(), kPlugPrefix + name, plugText + QLatin1Char(' ') + name, !plugged);
        AddItem(sub, wnd.GetHWND(), kUnplugPrefix + name, unplugText + QLatin1Char(' ') + name, plugged);
    }
    // Above the menu file's items, apart from them.
    menu.insertMenu(first, sub);
    menu.insertSeparator(first);
}

bool CDevicePart::OnSimulationCommand(const QString& item) {
    if (simulateList_.empty()) return false;
    if (item.startsWith(kPlugPrefix)) {
        const QString model = item.mid(kPlugPrefix.size());
        if (!IsModel(model)) return false;
        if (!Plugged(model.toStdString()))
            if (auto device = MakeSimulatedDevice(model.toStdString())) SimHidBus::Instance().Plug(device);
        return true;
    }
    if (item.startsWith(kUnplugPrefix)) {
        const QString model = item.mid(kUnplugPrefix.size());
        if (!IsModel(model)) return false;
        for (const SimHidBus::Entry& entry : SimHidBus::Instance().Devices())
            if (entry.device && entry.device->Name() == model.toStdString())
                SimHidBus::Instance().Unplug(entry.id);
        return true;
    }
    return false;
}
