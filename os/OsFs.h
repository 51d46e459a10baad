// The file-system seam of the operations: questions about paths and the
// changes a rename, copy or undo makes. Paths are Windows path texts ('\'
// separates directories) on both sides; the Win32 side calls the ANSI API,
// the native side POSIX calls after turning each '\' into '/'. Failures leave
// a Win32 error code, read by FsLastError, on both sides.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The Win32 error codes the seam and its callers use, with their Win32 values.
constexpr unsigned long kFsFileNotFound = 2;
constexpr unsigned long kFsPathNotFound = 3;
constexpr unsigned long kFsAccessDenied = 5;
constexpr unsigned long kFsNoMoreFiles = 18;
constexpr unsigned long kFsGenFailure = 31;
constexpr unsigned long kFsSharingViolation = 32;
constexpr unsigned long kFsFileExists = 80;
constexpr unsigned long kFsInvalidName = 123;
constexpr unsigned long kFsDirNotEmpty = 145;
constexpr unsigned long kFsBadPathname = 161;
constexpr unsigned long kFsAlreadyExists = 183;
constexpr unsigned long kFsFilenameTooLong = 206;
constexpr unsigned long kFsNoUnicodeTranslation = 1113;
// The longest full path the ANSI calls take, its terminating zero included.
constexpr size_t kFsMaxPath = 260;

// The error of the last failed call on this thread; 0 after FsSetLastError(0).
unsigned long FsLastError();
void FsSetLastError(unsigned long code);

// The path names an existing directory.
bool IsDirectory(const std::string& path);
// The system's long form of an existing path (at most 260 bytes); "" when the
// path does not exist or its long form does not fit.
std::string LongName(const std::string& path);
// The absolute form of a path, existing or not, "." and ".." resolved; ""
// when it does not fit 4 x kFsMaxPath.
std::string FsFullPath(const std::string& path);

// What a path names now.
struct CFsStat {
  bool isDir = false;
  bool readOnly = false;
  uint64_t size = 0;
  uint64_t writeTime = 0;  // 100 ns units since 1601 UTC
};
// false when the path names nothing.
bool FsStat(const std::string& path, CFsStat* st);

// Each returns true on success. A move or copy never replaces an existing
// target; a copy keeps the file's write time.
bool FsMove(const std::string& from, const std::string& to);
bool FsCopyFile(const std::string& from, const std::string& to);
bool FsCreateDirectory(const std::string& path);
bool FsRemoveDirectory(const std::string& path);
bool FsDeleteFile(const std::string& path);
bool FsSetReadOnly(const std::string& path, bool readOnly);

// The names in a directory, "." and ".." left out. 0; -1 the directory cannot
// be listed; -2 a name the code page cannot hold exactly (its ANSI form may
// be another file's), kFsNoUnicodeTranslation; -3 the listing broke midway.
int FsListDirectory(const std::string& dir, std::vector<std::string>* names);
