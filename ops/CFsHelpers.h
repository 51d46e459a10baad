// File-system helpers of the operations. Each returns 0 on success and a
// small negative step number on failure, leaving the Win32 last error set.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "files/CFichier.h"

// Creates the directories of a path prefix that ends with a backslash.
int CreatePathDirectories(const std::string& prefix);

// Copies a file or a whole directory tree; never overwrites, never merges
// into an existing directory. Everything created is appended to made, in the
// order made. A copy that fails midway removes what it created (the error of
// the failure stays the last error).
int CopyTree(const std::string& from, const std::string& to, std::vector<CCopie>* made);
// Removes what a copy created, newest first: each file only while it still
// has the size and write time the copy gave it, each directory only once
// empty. What is removed (or already gone) leaves made; what stays is counted
// in *left. 0 when nothing stays, else -1 with the last error set to the
// reason of the first thing left.
int DeleteCopied(std::vector<CCopie>& made, int* left);

// The checks made before a target is created: 0 when `to` may be made from
// `from`, else a step number with *code the Win32 error to report. -1 a path
// component is a reserved device name (CON, NUL, COM1 ...), ERROR_INVALID_NAME:
// the system would send the data to the device and report success. -2 a name
// past the limits, with the code of NameLimit. -3 a directory moved or copied
// into its own tree, ERROR_BAD_PATHNAME: the copy would list the copy it is
// making and recurse until the paths overflow. fromIsDir tells whether `from` is a directory, as
// its entry knows: asking the file system again costs a directory scan under
// Wine for every file of a batch.
int CheckTarget(const std::string& from, const std::string& to, bool fromIsDir, unsigned long* code);

// The longest name of one path component the file systems take.
constexpr size_t kMaxComponent = 255;

// -1 (*code ERROR_FILENAME_EXCED_RANGE) when a component of path is longer
// than kMaxComponent or its full path does not fit the ANSI calls' MAX_PATH;
// -2 (*code ERROR_INVALID_NAME) for a component made only of dots and blanks
// other than "." and ".." (the system would shorten it to nothing, or to the
// directory itself); else 0. Without this check such names fail with codes that point
// elsewhere (file or path not found, already exists).
int NameLimit(const std::string& path, unsigned long* code);

// True when some component of path is a reserved device name.
bool HasDeviceName(const std::string& path);
