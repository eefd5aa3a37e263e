#pragma once
// Reading a user's file as hostile input: only a regular file is read, and only up to a cap.
// The file is opened without blocking, so a named pipe in place of a data file returns at
// once instead of waiting for a writer, and fstat decides before any byte is read; a
// directory, a device node or a pipe is not a data file. A file that grows while it is
// read is held to the same cap.
#include <string>

enum class FileRead {
    Read,        // *bytes holds the whole file
    Missing,     // no such file (or an empty path)
    NotRegular,  // a directory, pipe, socket or device
    TooLarge,    // larger than the cap; nothing is kept
    Failed,      // could not be opened or read (permission, I/O error)
};

// Reads the file at path into *bytes (cleared first). *osError (when given) gets the errno
// of a failed open or read, else 0.
FileRead ReadRegularFile(const std::string& path, long long maxBytes, std::string* bytes,
                         int* osError = nullptr);

// A sentence for the user naming the file and what is wrong with it; empty for Read and
// Missing.
std::string DescribeFileRead(FileRead result, const std::string& path, long long maxBytes);

// The cap as a user reads it: "64 KB", "1 MB".
std::string DescribeByteCount(long long bytes);
