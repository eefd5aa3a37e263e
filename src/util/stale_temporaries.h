#pragma once
// Temporary files that WriteFileAtomic leaves behind when its process dies mid-write.
#include <string>

// True when name has the form WriteFileAtomic gives its temporary files:
// <target name>.tmp.<process id>.<counter>.<random>, all three numbers decimal.
bool IsAtomicWriteTemporaryName(const std::string& name);

// Removes the temporary files of folder (not of its subfolders) whose writing process no
// longer runs. Returns how many were removed.
int RemoveStaleTemporaryFiles(const std::string& folder);
