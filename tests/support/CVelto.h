// Runs the program itself as a script would, answering every box it shows.
#pragma once

#include <string>
#include <vector>

// Windows path of the velto.exe of this build tree.
std::string VeltoExe();

// Runs velto.exe with args (already quoted as needed); the texts of the boxes
// it showed are appended to boxes, each answered with OK. 0 when it ended by
// itself within timeoutMs, -1 when it could not start, -2 on a time-out.
int RunVelto(const std::string& args, std::vector<std::string>* boxes, unsigned timeoutMs = 60000);

// A key of an INI file, parsed from the file's bytes; "<absent>" when the key
// is not there. The test process must not read through the private-profile
// functions a file that another process rewrites: they may serve the copy
// they cached, when both writes fall within the file time's resolution.
std::string IniValue(const std::string& path, const char* section, const char* key);
