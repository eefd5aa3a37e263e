#pragma once
// Name rules of the profile list. Names are UTF-8 text and are compared without regard to
// letter case (Unicode simple case folding of the C.UTF-8 locale; ASCII only if that locale
// is missing).
#include <string>
#include <vector>

// True when the names are equal apart from letter case.
bool ProfileNamesEqual(const std::string& a, const std::string& b);
// True when one of taken equals name apart from letter case.
bool ProfileNameTaken(const std::string& name, const std::vector<std::string>& taken);

// "profile<n>" for the smallest n >= 1 whose name is not taken.
std::string NewProfileName(const std::vector<std::string>& taken);
// name + " copy", with " copy" appended again while the result is taken
// ("Game copy", "Game copy copy", ...).
std::string CopyProfileName(const std::string& name, const std::vector<std::string>& taken);
// name unchanged when free; otherwise "(1)" is appended, then "(2)" to that, and so on while
// the result is taken ("Work", "Work(1)", "Work(1)(2)", ...).
std::string ImportProfileName(const std::string& name, const std::vector<std::string>& taken);

// True when id names a file in the user folder and nothing outside it: not empty, no '/',
// no NUL, and not starting with '.' (which also rules out "." and "..").
bool IsSafeFileStem(const std::string& id);
// True when id can serve as a profile identifier: a safe file stem that is also valid UTF-8
// (other text would be re-encoded when the list is written and then name another file).
bool IsPlainProfileId(const std::string& id);
