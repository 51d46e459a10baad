// The main window's status bar: a free text pane (messages, progress), then
// the operation counter, the selected size and the selection counter.
#pragma once

#include <windows.h>

#include <string>

#include "os/CKGuards.h"
#include "ui/CStatusTexts.h"

class CStatusbar : public CStatusTexts {
 public:
  HWND Create(HWND parent, HINSTANCE inst, int id);
  HWND Hwnd() const { return hwnd_; }
  void Layout();  // pane widths from their widest sample texts, in the status font
  void SetText(Pane pane, const std::string& text) override;
  WorkerWriter TextWriterForWorker() const override;
  std::string Text(Pane pane) const;

 private:
  HWND hwnd_ = nullptr;
  CKGdi<HFONT> font_;  // the system's status font, drawn and measured with
};
