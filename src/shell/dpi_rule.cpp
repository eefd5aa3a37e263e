#include "shell/dpi_rule.h"

#include <QApplication>
#include <QWidget>
#include "ui/dpi.h"
#include "ui/skin_window.h"
#include "util/debug_log.h"

namespace {
int programDpi = 96;
}  // namespace

int TakeWindowDpi(int requested, int current, const char* errorLine) {
    if (requested == current) return current;
    if (IsSupportedDpi(requested)) return requested;
    DebugOutput(errorLine);
    return 96;
}

int UiDpiForScreen(QSize devicePixels) {
    return devicePixels.width() > 1500 && devicePixels.height() > 960 ? 144 : 96;
}

void SetAllDpi(int dpi) {
    if (!IsSupportedDpi(dpi)) return;
    programDpi = dpi;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<CSkinWindow*>(top)) window->SetDpi(dpi);
        for (CSkinWindow* inner : top->findChildren<CSkinWindow*>()) inner->SetDpi(dpi);
    }
}

int AllDpi() {
    return programDpi;
}
