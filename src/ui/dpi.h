#pragma once
// DPI values. The program thinks in dots per inch with 96 as 100 %. Qt already draws
// widgets at the screen's device-pixel ratio; a window's DPI value is what the program's
// own geometry (offsets, window sizes) is scaled with (CSkinWindow::Scale).
class QWidget;

// The DPI values a window accepts: 48, 72, 96, 120, 144, 168 and 192.
bool IsSupportedDpi(int dpi);
// Percent for a DPI: 96 -> 100, 144 -> 150.
int DpiToScale(int dpi);
// A length at 96 DPI scaled to dpi (rounded to the nearest pixel).
int ScaleByDpi(int length, int dpi);
// The DPI of the screen showing widget (the primary screen for null or a hidden widget):
// logical dots per inch times the device-pixel ratio, rounded.
int ScreenDpi(const QWidget* widget);
