// The process from its entry to its end: start-up sequence, start-up load,
// message loop, and the orderly end.
#pragma once

#include <windows.h>

int VeltoMain(HINSTANCE inst, int showCommand, int argc, char** argv);
