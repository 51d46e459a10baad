// Shell type names (the listing's type item), asked when first needed: a run
// that never shows, sorts, evaluates or writes a type never loads the shell.
// The shell's type of a name by attributes depends only on its extension and
// on the directory flag, and each question costs about 0.1 ms, so each is
// asked once per process and remembered, for every thread.
#pragma once

#include <string>

// The type name of an entry called `name` (a path or a bare name); empty
// when the shell has none. The text lives as long as the process.
const std::string& ShellTypeName(const std::string& name, bool isDir);
