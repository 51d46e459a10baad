// The program's private window messages, in one place so that no two
// windows give the same number two meanings.
#pragma once

#include <windows.h>

// A directory load has finished: posted by its worker thread, or sent when
// the load ran on the main thread.
constexpr UINT WM_VELTO_LOADED = WM_APP + 30;
// The future names of a background run are ready: posted by its thread,
// with the run's generation.
constexpr UINT WM_VELTO_NAMES = WM_APP + 31;
// A column header was dragged: the list's column order is final now.
constexpr UINT WM_VELTO_COLUMNS = WM_APP + 32;

// Timers of the main window: the pause after typing before an immediate
// recompute, and the slices in which a background run's copies are taken.
constexpr UINT_PTR kTimerRecalc = 1;
constexpr UINT_PTR kTimerGather = 2;

// Sent to a per-monitor aware window moved to a monitor of another DPI; the
// headers declare it only for newer targets than the program's.
constexpr UINT kWmDpiChanged = 0x02E0;
