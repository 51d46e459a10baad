// Directories shown by the open Windows Explorer windows.
#pragma once

#include <string>
#include <vector>

// The directory an Explorer window title names: from the character before
// its last ':' (the drive letter), or the whole title when it is a UNC path
// (two leading backslashes and more); "" when the title names none.
std::string DirectoryFromExplorerTitle(const std::string& title);

// The directories of the open Explorer windows (classes "ExploreWClass" and
// "CabinetWClass"), in window order, without duplicates.
std::vector<std::string> ExplorerDirectories();
