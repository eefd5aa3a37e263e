#pragma once
// Numbers typed into edits and stored as text in macro files are read the same way.
#include <string_view>

namespace mouse {

// Leading-digits conversion: optional blanks, an optional sign, then decimal digits; the
// rest is ignored ("30ms" reads 30). No digits give 0; values beyond the int range saturate.
int ParseLeadingDecimal(std::string_view text);

}  // namespace mouse
