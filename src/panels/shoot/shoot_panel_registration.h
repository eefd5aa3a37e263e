#pragma once
// Registers the gun presets panel with the control factory: the class "ShootControl"
// (CShootControlUI) and the subtree class "ShootKeySetControlUI", which the mouse page
// names and which is built from "XML\\CustomControlXML\\ShootControl.xml".
void RegisterShootPanelClasses();
