// Entry point of the Windows program.
#include <windows.h>

#include <cstdlib>

#include "app/CStartup.h"

// Arguments reach the program as typed: "/S *" must not become a file list.
extern "C" {
int _dowildcard = 0;
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int showCommand) {
  return VeltoMain(inst, showCommand, __argc, __argv);
}
