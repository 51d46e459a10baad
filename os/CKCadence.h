// Paces progress reports on the program's one clock (TickCountMs): a report
// is due at most once every period, so a long run shows progress without
// spending its time drawing it.
#pragma once

#include <cstdint>

#include "os/LocalTime.h"

class CKCadence {
 public:
  static constexpr uint32_t kProgressMs = 500;

  // dueAtOnce: the first report is due at once, else one period from now.
  explicit CKCadence(bool dueAtOnce, uint32_t periodMs = kProgressMs)
      : period_(periodMs), last_(TickCountMs()), due_(dueAtOnce) {}

  // Whether a report is due (always when forced); the next one is then due a
  // period later. The unsigned difference stays right when the clock wraps.
  bool Due(bool force = false) {
    const uint32_t now = TickCountMs();
    if (!force && !due_ && now - last_ < period_) return false;
    last_ = now;
    due_ = false;
    return true;
  }

 private:
  uint32_t period_;
  uint32_t last_;
  bool due_;
};
