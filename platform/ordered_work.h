#ifndef KINTREE_PLATFORM_ORDERED_WORK_H_
#define KINTREE_PLATFORM_ORDERED_WORK_H_

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

/// Runs jobs on several threads and hands their results to one merge
/// function on the calling thread, in the order the jobs were added: the
/// merged outcome is the same whatever the number of threads. A window of
/// slots bounds how far the work runs ahead of the merge, and so the memory
/// held by results not yet merged; a slot's result object is reused, so its
/// buffers keep their room from one job to the next.
///
/// With one thread no thread is started: add() runs the job and merges its
/// result at once. With N threads, N - 1 helpers run jobs and the calling
/// thread runs jobs too while it waits for the oldest result.
template <typename Job, typename Result, typename Worker>
class OrderedWork {
 public:
  /// `run` fills a result from a job with the scratch state of the thread
  /// running it; `merge` takes the results in order on the calling thread.
  using Run = std::function<void(Worker&, Job&, Result&)>;
  using Merge = std::function<void(Result&)>;

  OrderedWork(int threads, Run run, Merge merge) : run_(std::move(run)), merge_(std::move(merge)) {
    size_t count = threads > 1 ? static_cast<size_t>(threads) : 1;
    workers_.resize(count);
    slots_.resize(count == 1 ? 1 : count * kSlotsPerThread);
    for (size_t i = 1; i < count; ++i) helpers_.emplace_back([this, i] { help(workers_[i]); });
  }

  ~OrderedWork() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    jobAdded_.notify_all();
    for (std::thread& helper : helpers_) helper.join();
  }

  OrderedWork(const OrderedWork&) = delete;
  OrderedWork& operator=(const OrderedWork&) = delete;

  /// Queues a job; merges older results first when the window is full.
  void add(Job job) {
    if (helpers_.empty()) {
      run_(workers_[0], job, slots_[0].result);
      merge_(slots_[0].result);
      return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    while (added_ - merged_ == slots_.size()) mergeOldest(lock);
    Slot& slot = slots_[added_ % slots_.size()];
    slot.job = std::move(job);
    slot.done = false;
    ++added_;
    lock.unlock();
    jobAdded_.notify_one();
  }

  /// Merges every result of the jobs added so far. Called from within a
  /// merge (a message that must follow the results before it does), it has
  /// nothing to do: those results are merged already.
  void finish() {
    if (helpers_.empty() || merging_) return;
    std::unique_lock<std::mutex> lock(mutex_);
    while (merged_ < added_) mergeOldest(lock);
  }

 private:
  static constexpr size_t kSlotsPerThread = 16;

  struct Slot {
    Job job;
    Result result;
    bool done = true;
  };

  /// Runs the next job not yet started; the lock is released meanwhile.
  void runNext(std::unique_lock<std::mutex>& lock, Worker& worker) {
    Slot& slot = slots_[started_++ % slots_.size()];
    lock.unlock();
    run_(worker, slot.job, slot.result);
    lock.lock();
    slot.done = true;
    jobDone_.notify_all();
  }

  void help(Worker& worker) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      jobAdded_.wait(lock, [this] { return stopping_ || started_ < added_; });
      if (started_ < added_) {
        runNext(lock, worker);
      } else {
        return;
      }
    }
  }

  /// Waits for the oldest result, running jobs meanwhile, and merges it
  /// with the lock released: no helper touches a finished slot, and only
  /// this thread adds jobs, so the slot stays as it is.
  void mergeOldest(std::unique_lock<std::mutex>& lock) {
    Slot& slot = slots_[merged_ % slots_.size()];
    while (!slot.done) {
      if (started_ < added_) {
        runNext(lock, workers_[0]);
      } else {
        jobDone_.wait(lock);
      }
    }
    merging_ = true;
    lock.unlock();
    merge_(slot.result);
    lock.lock();
    merging_ = false;
    ++merged_;
  }

  Run run_;
  Merge merge_;
  std::vector<Worker> workers_;  // [0] is the calling thread's
  std::vector<Slot> slots_;
  std::vector<std::thread> helpers_;
  std::mutex mutex_;
  std::condition_variable jobAdded_;
  std::condition_variable jobDone_;
  size_t added_ = 0;    // jobs added so far
  size_t started_ = 0;  // jobs taken by a thread
  size_t merged_ = 0;   // results merged
  bool stopping_ = false;
  bool merging_ = false;  // only the calling thread reads or writes it
};

#endif  // KINTREE_PLATFORM_ORDERED_WORK_H_
