// What the file list may do with the status bar: write its panes, and hand a
// loader's worker thread a writer of the free text pane.
#pragma once

#include <functional>
#include <string>

class CStatusTexts {
 public:
  enum Pane { kText = 0, kOper = 1, kSelSize = 2, kSel = 3 };
  // Called from a worker thread. It holds nothing of this object, so a load
  // given up to its thread may still call it after the status bar is gone,
  // and it never blocks on a main thread busy waiting for that worker.
  using WorkerWriter = std::function<void(const std::string& text)>;

  virtual void SetText(Pane pane, const std::string& text) = 0;
  virtual WorkerWriter TextWriterForWorker() const = 0;

 protected:
  ~CStatusTexts() = default;
};
