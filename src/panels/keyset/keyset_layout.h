#pragma once
// The controls of the key assignment panel, made in code under the names the page wiring
// looks for: the function combo, one page per function in "function_switch_tablayout",
// and the default / cancel / apply / write buttons.
class QWidget;

namespace keyset {

// The function combo lists functions 0..11 (keyset_texts.h names them).
inline constexpr int kFunctionCount = 12;
inline constexpr const char* kModifierOptionPrefix = "key_ComBox_check_";
inline constexpr const char* kModifierOptionGroup = "keyset_modifier_group";

// Builds the controls into `panel` (which gets a layout).
void BuildKeySetControls(QWidget* panel);

}  // namespace keyset
