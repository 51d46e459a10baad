// Runs velto.exe with the arguments given, as a script would, answering every
// message box it shows with OK; prints each box's text on a line "box: ...".
// For shell-level tests that cannot answer boxes themselves. Exit code 0 when
// velto.exe ended by itself, 1 when it could not start or hung.
#include <cstdio>
#include <string>
#include <vector>

#include "support/CProcess.h"
#include "support/CVelto.h"

int main(int argc, char** argv) {
  std::string args;
  for (int i = 1; i < argc; ++i) args += (i > 1 ? " " : "") + Quote(argv[i]);
  std::vector<std::string> boxes;
  const int rc = RunVelto(args, &boxes);
  for (std::string b : boxes) {
    for (char& c : b)
      if (c == '\n' || c == '\r') c = ' ';
    std::printf("box: %s\n", b.c_str());
  }
  return rc == 0 ? 0 : 1;
}
