#pragma once
// The controls of the macro page, made in code under the names the page wiring looks for.
class QWidget;

namespace macropage {

inline constexpr const char* kRowSkin = "XML\\CustomControlXML\\MacroActionRow.xml";

// Builds the controls into `panel` (which gets a layout).
void BuildMacroControls(QWidget* panel);

}  // namespace macropage
