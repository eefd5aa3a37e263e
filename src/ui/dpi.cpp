#include "ui/dpi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

bool IsSupportedDpi(int dpi) {
    switch (dpi) {
    case 48:
    case 72:
    case 96:
    case 120:
    case 144:
    case 168:
    case 192:
        return true;
    default:
        return false;
    }
}

int DpiToScale(int dpi) {
    return static_cast<int>(std::lround(dpi * 100.0 / 96.0));
}

int ScaleByDpi(int length, int dpi) {
    return static_cast<int>(std::lround(length * dpi / 96.0));
}

int ScreenDpi(const QWidget* widget) {
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return 96;
    return static_cast<int>(std::lround(screen->logicalDotsPerInch() * screen->devicePixelRatio()));
}
