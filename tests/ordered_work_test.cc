#include "platform/ordered_work.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Scratch {
  std::string buffer;  // reused by every job of one thread
};

// Jobs of very different cost finish out of order on several threads; the
// merge must still see them in the order they were added, each once, with
// the result its own job made. A message from within a merge asks for the
// results before it, which are merged already.
TEST(OrderedWork, MergesEveryResultOnceInTheOrderOfTheJobs) {
  for (int threads : {1, 2, 8}) {
    std::vector<int> merged;
    int finishesFromMerge = 0;
    OrderedWork<int, std::string, Scratch>* self = nullptr;
    OrderedWork<int, std::string, Scratch> work(
        threads,
        [](Scratch& scratch, int& job, std::string& result) {
          // Every seventh job costs a thousand times more than the others.
          size_t rounds = job % 7 == 0 ? 20000 : 20;
          scratch.buffer.assign(rounds, static_cast<char>('a' + job % 26));
          result = std::to_string(job) + ":" + std::to_string(scratch.buffer.size());
        },
        [&](std::string& result) {
          int job = std::stoi(result);
          size_t rounds = job % 7 == 0 ? 20000 : 20;
          EXPECT_EQ(result, std::to_string(job) + ":" + std::to_string(rounds));
          merged.push_back(job);
          if (job % 100 == 0) {
            self->finish();
            ++finishesFromMerge;
          }
        });
    self = &work;
    for (int job = 0; job < 1000; ++job) {
      work.add(job);
      // One thread merges each result before add returns.
      if (threads == 1) {
        ASSERT_EQ(merged.size(), static_cast<size_t>(job + 1));
      }
    }
    work.finish();
    ASSERT_EQ(merged.size(), 1000u) << threads << " threads";
    for (int job = 0; job < 1000; ++job) ASSERT_EQ(merged[job], job) << threads << " threads";
    EXPECT_EQ(finishesFromMerge, 10);
  }
}

}  // namespace
