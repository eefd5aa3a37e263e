#pragma once
// Makes the lighting panel's classes known to the skin loader:
//   "LightControl"      -> CLightControlUI
//   "ColorPalette"      -> CColorPaletteUI
//   "LightSetControlUI" -> the subtree of "XML\\CustomControlXML\\LightControl.xml"
// Call once at start-up (and in tests) before building a skin that names them.
void RegisterLightPanelClasses();
