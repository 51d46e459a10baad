// The process current directory, read through the system.
#pragma once

#include <string>

// The current directory, without a trailing separator except at a root; empty
// when it cannot be read.
std::string CurrentDirectory();
// Makes dir (a Windows path text) the current directory; false when it cannot be.
bool ChangeDirectory(const std::string& dir);
