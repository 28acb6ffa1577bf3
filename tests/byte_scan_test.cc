#include "parse/byte_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "tests/statement_reader_reference.h"

namespace {

// The finders as their rules are written, one byte at a time.
size_t plainCodeStop(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    if (std::string_view("\"'/;{}").find(text[i]) != std::string_view::npos) return i;
    std::string_view pair = text.substr(i, 2);
    if (pair == "ss" || pair == "rf" || pair == "ka") return i;
  }
  return text.size();
}

size_t plainTokenStop(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    if (std::string_view(";{}:\"'/\\").find(text[i]) != std::string_view::npos) return i;
  }
  return text.size();
}

size_t plainLiteralStop(std::string_view text, size_t from, char quote) {
  for (size_t i = from; i < text.size(); ++i) {
    if (text[i] == quote || text[i] == '\\' || text[i] == '\n') return i;
  }
  return text.size();
}

// Sparse interesting bytes in long runs of others, so that stops fall on
// every place of a block, on block edges, between a pair's two bytes and in
// the tail that the vector loops leave; texts of every length up to a few
// blocks.
TEST(ByteScanTest, EveryLevelFindsWhatThePlainScanFinds) {
  const std::string kRare = "\"'/;{}:\\\nsrkfa\r";
  std::mt19937 random(20260611);
  forEachScanLevel([&](ScanLevel level) {
    for (int round = 0; round < 3000 && !testing::Test::HasFailure(); ++round) {
      size_t size = random() % 100;
      std::string text(size, 'x');
      for (char& c : text) {
        unsigned pick = random() % 40;
        if (pick < kRare.size()) c = kRare[pick];
        if (pick == 39) c = '\xf0';
      }
      size_t lineFeeds = 0;
      for (char c : text) lineFeeds += c == '\n';
      ASSERT_EQ(countLineFeeds(text), lineFeeds) << static_cast<int>(level) << " " << text;
      for (size_t from = 0; from <= size; ++from) {
        ASSERT_EQ(findCodeStop(text, from), plainCodeStop(text, from))
            << static_cast<int>(level) << " from " << from << ": " << text;
        ASSERT_EQ(findTokenStop(text, from), plainTokenStop(text, from))
            << static_cast<int>(level) << " from " << from << ": " << text;
        for (char quote : {'"', '\''}) {
          ASSERT_EQ(findLiteralStop(text, from, quote), plainLiteralStop(text, from, quote))
              << static_cast<int>(level) << " from " << from << ": " << text;
        }
      }
    }
  });
  // Long runs: the line-feed counters are summed before they wrap.
  std::string lines(300 * 64, 'x');
  for (size_t i = 0; i < lines.size(); i += 2) lines[i] = '\n';
  forEachScanLevel([&](ScanLevel level) {
    EXPECT_EQ(countLineFeeds(lines), lines.size() / 2) << static_cast<int>(level);
  });
}

// Every pair of byte values, which the vector paths classify by their
// halves and in pairs.
TEST(ByteScanTest, EveryLevelStopsAtTheSameBytePairs) {
  forEachScanLevel([](ScanLevel level) {
    std::string text(40, 'x');
    for (int first = 0; first < 256; ++first) {
      for (int second = 0; second < 256; ++second) {
        text[20] = static_cast<char>(first);
        text[21] = static_cast<char>(second);
        ASSERT_EQ(findCodeStop(text, 0), plainCodeStop(text, 0))
            << static_cast<int>(level) << ": " << first << " " << second;
        ASSERT_EQ(findTokenStop(text, 0), plainTokenStop(text, 0))
            << static_cast<int>(level) << ": " << first << " " << second;
      }
    }
  });
}

TEST(ByteScanTest, LevelsAboveTheBestAreRefused) {
  EXPECT_EQ(scanLevel(), bestScanLevel());
  if (bestScanLevel() != ScanLevel::Avx2) {
    EXPECT_FALSE(setScanLevel(ScanLevel::Avx2));
  }
  EXPECT_TRUE(setScanLevel(ScanLevel::Portable));
  EXPECT_EQ(scanLevel(), ScanLevel::Portable);
  EXPECT_TRUE(setScanLevel(bestScanLevel()));
}

}  // namespace
