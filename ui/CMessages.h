// The program's private window messages, in one place so that no two
// windows give the same number two meanings.
#pragma once

#include <windows.h>

// A directory load has finished: posted by its worker thread, or sent when
// the load ran on the main thread.
constexpr UINT WM_VELTO_LOADED = WM_APP + 30;
