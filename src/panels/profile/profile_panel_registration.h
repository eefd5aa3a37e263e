#pragma once
// Makes the profile panel's classes known to the skin loader:
//   "DeviceProfile"   -> CDeviceProfileUI
//   "DeviceProfileUI" -> the subtree of "XML\\CustomControlXML\\DeviceProfile.xml"
// Call once at start-up (and in tests) before building a skin that names them.
void RegisterProfilePanelClasses();
