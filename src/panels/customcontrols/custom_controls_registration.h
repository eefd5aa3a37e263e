#pragma once
// Registers the program's own controls with the control factory under the class names
// skins use: "DeviceKeyButton", "SelectPanel", "HandImgButton", "HandImgSelectButton",
// "RedioMacroButton" (and "CRedioMacroButtonUI"), "ChartView", "Wnd" (and "CWndUI"),
// "ComboEditContainerElement" and "CloudShareListItemUI" (each also with its C...UI name).
// Replaces the plain stand-ins the factory starts with.
void RegisterCustomControls();
