#include "os/CKThread.h"

#include <cassert>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

struct CKThread::State {
  std::mutex m;
  std::condition_variable ended;
  bool started = false;
  bool done = false;
  bool abandoned = false;
};

CKThread::CKThread() : state_(std::make_shared<State>()) {}

CKThread::~CKThread() { assert(!Running()); }

int CKThread::Start() {
  std::shared_ptr<State> state = state_;
  {
    std::lock_guard<std::mutex> lock(state->m);
    if (state->started) return -1;
    state->started = true;
  }
  try {
    std::thread([this, state] {
      Run();
      bool abandoned = false;
      {
        std::lock_guard<std::mutex> lock(state->m);
        state->done = true;
        abandoned = state->abandoned;
      }
      // From here on the job may already be freed by its owner: only the
      // shared state is touched, unless the owner gave the job up.
      state->ended.notify_all();
      if (abandoned) delete this;
    }).detach();
  } catch (const std::system_error&) {
    std::lock_guard<std::mutex> lock(state->m);
    state->started = false;
    return -1;
  }
  return 0;
}

int CKThread::Wait(unsigned ms) {
  std::unique_lock<std::mutex> lock(state_->m);
  const bool ended = state_->ended.wait_for(lock, std::chrono::milliseconds(ms),
                                            [&] { return !state_->started || state_->done; });
  return ended ? 0 : -1;
}

bool CKThread::Running() const {
  std::lock_guard<std::mutex> lock(state_->m);
  return state_->started && !state_->done;
}

void CKThread::Abandon(std::unique_ptr<CKThread> job) {
  if (!job) return;
  std::shared_ptr<State> state = job->state_;
  bool running = false;
  {
    std::lock_guard<std::mutex> lock(state->m);
    running = state->started && !state->done;
    if (running) state->abandoned = true;
  }
  if (running) job.release();  // the thread frees it
}
