#pragma once
// Registers the program's own controls with the control factory under the class names
// skins use: "DeviceKeyButton", "SelectPanel", "HandImgButton", "HandImgSelectButton",
// "RedioMacroButton" (and "CRedioMacroButtonUI"), "ChartView", "Wnd" (and "CWndUI").
// Replaces the plain stand-ins the factory starts with.
void RegisterCustomControls();
