#pragma once
// Makes the power panel known to the skin loader: "MpDevicePower" and "CMpDevicePowerUI"
// create a CMpDevicePowerUI. Call once at start-up (and in tests) before building
// "XML\\CustomControlXML\\MpDevicePower.xml".
void RegisterPowerPanelClasses();
