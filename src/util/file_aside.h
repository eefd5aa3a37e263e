#pragma once
// Keeping a broken file before the program replaces it: the file moves to a name of its
// own beside it, and a copy kept earlier is never replaced by a later one.
#include <string>

// Moves whatever is at path (a file, a link, a pipe, a directory) out of the way under the
// first free name of path + ".bad", ".bad.1", ".bad.2", ... An existing entry of such a
// name is never replaced. Returns the new name, or an empty text when nothing was moved.
std::string KeepFileAside(const std::string& path);

// Writes bytes as a new file under the first free name of the same series, for a file that
// stays in use but whose old content should be kept. Returns the name, or empty when
// nothing was written (bytes empty included).
std::string KeepCopyAside(const std::string& path, const std::string& bytes);

// Makes the settings file at path safe for a reader and writer that follow links and block
// on pipes: a link to a readable regular file within maxBytes is replaced by a copy of that
// file (its target is never written); a link to anything else, a pipe, a directory, a
// device, a file over maxBytes or one that cannot be read is kept aside. Returns a message
// naming the file and where it was kept, or empty when nothing had to be set aside.
std::string GuardSettingsFile(const std::string& path, long long maxBytes);
