#pragma once
// Byte-level file helpers of the preset files.
#include <string>

namespace shoot {

// The whole content of a file. False when it cannot be opened or read completely.
bool ReadFileBytes(const std::string& path, std::string* bytes);

// Moves a file out of the way under the first free name of path + ".bad", ".bad.1",
// ".bad.2", ... An existing file of such a name is never replaced. Returns the new name,
// or an empty text when the file could not be moved.
std::string MoveAside(const std::string& path);

}  // namespace shoot
