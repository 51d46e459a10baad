// The worker-thread base: a job given up while its thread is blocked is freed
// by that thread once it runs on, and never before; a job waited for ends.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "os/CKThread.h"

namespace {

// A gate the job blocks on until the test opens it.
struct Gate {
  std::mutex m;
  std::condition_variable cv;
  bool open = false;
  bool reached = false;
  void Open() {
    std::lock_guard<std::mutex> lock(m);
    open = true;
    cv.notify_all();
  }
  void WaitReached() {
    std::unique_lock<std::mutex> lock(m);
    cv.wait(lock, [&] { return reached; });
  }
};

class GatedJob : public CKThread {
 public:
  GatedJob(Gate& gate, std::atomic<int>& freed) : gate_(gate), freed_(freed) {}
  ~GatedJob() override {
    Wait(10000);
    ++freed_;
  }
  std::vector<int> work;  // written by the thread after the gate

 protected:
  void Run() override {
    std::unique_lock<std::mutex> lock(gate_.m);
    gate_.reached = true;
    gate_.cv.notify_all();
    gate_.cv.wait(lock, [&] { return gate_.open; });
    lock.unlock();
    for (int i = 0; i < 1000 && !StopRequested(); ++i) work.push_back(i);
  }

 private:
  Gate& gate_;
  std::atomic<int>& freed_;
};

bool Eventually(const std::atomic<int>& value, int expected) {
  for (int i = 0; i < 1000 && value.load() != expected; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return value.load() == expected;
}

TEST(WorkerThread, AbandonedJobIsFreedByItsThreadAfterItEnds) {
  Gate gate;
  std::atomic<int> freed{0};
  auto job = std::make_unique<GatedJob>(gate, freed);
  ASSERT_EQ(job->Start(), 0);
  gate.WaitReached();
  job->RequestStop();
  EXPECT_EQ(job->Wait(20), -1);  // blocked: the stop cannot be seen yet
  EXPECT_TRUE(job->Running());
  CKThread::Abandon(std::move(job));
  EXPECT_EQ(freed.load(), 0);  // still in use by its thread

  // The next job works while the abandoned one is still blocked.
  Gate next;
  std::atomic<int> nextFreed{0};
  {
    GatedJob second(next, nextFreed);
    ASSERT_EQ(second.Start(), 0);
    next.Open();
    EXPECT_EQ(second.Wait(10000), 0);
    EXPECT_EQ(second.work.size(), 1000u);
  }
  EXPECT_EQ(nextFreed.load(), 1);

  gate.Open();
  EXPECT_TRUE(Eventually(freed, 1));
}

TEST(WorkerThread, AbandoningAnEndedOrUnstartedJobFreesItAtOnce) {
  Gate gate;
  std::atomic<int> freed{0};
  auto ended = std::make_unique<GatedJob>(gate, freed);
  gate.Open();
  ASSERT_EQ(ended->Start(), 0);
  ASSERT_EQ(ended->Wait(10000), 0);
  EXPECT_FALSE(ended->Running());
  CKThread::Abandon(std::move(ended));
  EXPECT_EQ(freed.load(), 1);
  CKThread::Abandon(std::make_unique<GatedJob>(gate, freed));
  EXPECT_EQ(freed.load(), 2);
}

TEST(WorkerThread, AJobStartsOnce) {
  Gate gate;
  gate.Open();
  std::atomic<int> freed{0};
  GatedJob job(gate, freed);
  EXPECT_EQ(job.Wait(0), 0);  // never started: nothing to wait for
  ASSERT_EQ(job.Start(), 0);
  EXPECT_EQ(job.Start(), -1);
  EXPECT_EQ(job.Wait(10000), 0);
}

}  // namespace
