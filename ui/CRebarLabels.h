// Re-labelling of the toolbar bands after a language change.
#pragma once

#include <windows.h>

class CKMultilangue;

// Each band of rebar whose application value is positive takes the text of
// that id from texts; the others keep theirs.
void LabelBands(HWND rebar, const CKMultilangue& texts);
