// Fills a file entry's base items from one directory-search record, without
// opening the file. The dates' texts are made when first asked for
// (CFichier::ItemText).
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "files/CFichier.h"
#include "files/Formats.h"

// Shell type names by attributes only depend on the extension and on the
// directory flag, and each SHGetFileInfoA call costs about 0.1 ms, so the
// names are asked once per extension and remembered.
class CTypeCache {
 public:
  // Type name of a path, or false when the shell has none.
  bool TypeName(const std::string& path, bool isDir, std::string& out);
  // The same for dir + name, the path made only when the shell is asked.
  bool TypeName(const std::string& dir, const std::string& name, bool isDir, std::string& out);

 private:
  struct Cached {
    bool ok;
    std::string name;
  };
  std::map<std::string, Cached> cache_;  // key: "D" or "F" + upper-cased extension
};

struct CBaseOptions {
  bool sizeInBytes = false;  // fic_octet_lf
  CSizeUnits units;
};

// absDir ends with a backslash; relPath is empty or ends with a backslash.
void FillBaseItems(CFichier& entry, const std::string& absDir, const std::string& relPath,
                   const WIN32_FIND_DATAA& fd, const CBaseOptions& options, CTypeCache& types);

FileTime ToFileTime(const FILETIME& ft);
