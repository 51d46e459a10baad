// Questions to the file system about a path, the same on every side: the
// Win32 side asks GetFileAttributesA and GetLongPathNameA, the native side
// stat and realpath.
#pragma once

#include <string>

// The path names an existing directory.
bool IsDirectory(const std::string& path);
// The system's long form of an existing path (at most 260 bytes); "" when the
// path does not exist or its long form does not fit.
std::string LongName(const std::string& path);
