// Worker-thread base. The derived job implements Run() and polls
// StopRequested() between units of work. A started job lives on the heap and
// belongs to its owner until the owner either waits for it to end or gives it
// up with Abandon(); an abandoned job is freed by its own thread when Run()
// returns. So a job that outlasts its owner's patience (a dead network
// share) never works on memory the owner reuses, and the owner never frees a
// job its thread still uses.
#pragma once

#include <atomic>
#include <memory>

class CKThread {
 public:
  CKThread();
  // The derived class stops its own thread before its members go; the base
  // only checks that it has.
  virtual ~CKThread();
  CKThread(const CKThread&) = delete;
  CKThread& operator=(const CKThread&) = delete;

  // Starts Run() on a new thread, once; -1 when the thread cannot be created
  // or the job was started before.
  int Start();
  // Waits at most ms milliseconds for Run() to return: 0 when it has (or the
  // job never started), -1 on time-out.
  int Wait(unsigned ms);
  // Started and Run() has not returned yet.
  bool Running() const;

  // Gives up a job whose thread may still run: freed by its thread when Run()
  // returns, or at once when it already has (or never started).
  static void Abandon(std::unique_ptr<CKThread> job);

  void RequestStop() { stop_.store(true); }
  bool StopRequested() const { return stop_.load(); }

 protected:
  virtual void Run() = 0;

 private:
  struct State;
  // Shared with the thread, so that the thread can still signal the end after
  // the owner has freed the job.
  std::shared_ptr<State> state_;
  std::atomic<bool> stop_{false};
};
