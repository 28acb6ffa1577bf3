// Two runs over one tree give the same bytes on every output, and memory
// follows the number of records, not the number of bytes read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

TEST(Determinism, TwoRunsGiveIdenticalBytesOnEveryOutput) {
  TempDir dir;
  dir.write("src/b/Animal.java",
            "package b;\nimport java.util.List;\npublic abstract class Animal implements "
            "Comparable<Animal> {\n  public static class Habitat {}\n}\n");
  dir.write("src/b/Cat.java",
            "package b;\nimport static java.lang.Math.max;\n@Deprecated public class Cat extends "
            "Animal implements Pet, Named {}\n");
  dir.write("src/a/Pet.java",
            "package a;\nimport b.Animal;\npublic interface Pet extends Named {}\ninterface Named "
            "{}\nclass Loop extends Pool {}\nclass Pool extends Loop {}\n");
  dir.write("src/c/Same.java", "package c;\npublic class Cat extends b.Animal {}\n");
  const char* kSwitches[] = {"-g",    "-x",      "-s",       "+n -t",   "-A -I -x",   "-z",
                             "-M -x", "-M=1 +n", "-M=2 -z",  "-l=4 -x", "-l=3 -M -x", "-h",
                             "-j",    "-T",      "-T -A -I", "-M -j"};
  for (const char* switches : kSwitches) {
    RunResult first = runKintree(std::string(switches) + " src", dir.path());
    RunResult second = runKintree(std::string(switches) + " src", dir.path());
    EXPECT_FALSE(first.out.empty()) << switches;
    EXPECT_EQ(first.out, second.out) << switches;
    EXPECT_EQ(first.err, second.err) << switches;
    EXPECT_EQ(first.status, second.status) << switches;
  }
}

TEST(Determinism, SplitGraphFilesAreTheSameOnEveryRun) {
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  TempDir dir;
  for (int i = 0; i < 30; ++i) {
    dir.write("src/T" + std::to_string(i) + ".java",
              "public class R" + std::to_string(i % 5) + " {}\npublic class K" + std::to_string(i) +
                  " extends R" + std::to_string(i % 5) + " {}\n");
  }
  dir.write("out/.keep", "");
  std::string files[2];
  for (std::string& listing : files) {
    RunResult run = runKintree("-z -N=7 -O=out/ src >/dev/null; cat out/*.gv", dir.path());
    listing = run.out;
  }
  EXPECT_NE(files[0].find("digraph"), std::string::npos);
  EXPECT_EQ(files[0], files[1]);
}

#if !defined(__SANITIZE_ADDRESS__)
TEST(Memory, PeakFollowsRecordsNotBytesRead) {
  if (kWindowsBuild) GTEST_SKIP() << "minutes under the emulator";
  // 20,000 files of one class each, read once bare and once with 4 KB of
  // comment in every file: 80 MB more to read, and the same records.
  constexpr int kFiles = 20000;
  TempDir small;
  TempDir padded;
  std::string comment = "/*" + std::string(4 * 1024, 'c') + "*/\n";
  for (int i = 0; i < kFiles; ++i) {
    std::string name = std::to_string(i);
    std::string text = "public class K" + name + " extends K" + std::to_string(i / 2) + " {}\n";
    std::string path = "src/d" + std::to_string(i % 100) + "/K" + name + ".java";
    small.write(path, text);
    padded.write(path, comment + text);
  }
  MeasuredRun bare = runKintreeMeasured({"-x", "src"}, small.path());
  MeasuredRun heavy = runKintreeMeasured({"-x", "src"}, padded.path());
  ASSERT_EQ(bare.status, 255);
  ASSERT_EQ(heavy.status, 255);
  EXPECT_EQ(bare.err, heavy.err);
  // Each file is read into one buffer at a time: the padding may cost a
  // few buffers, never a share of the 80 MB.
  EXPECT_LT(heavy.peakKilobytes, bare.peakKilobytes + 16 * 1024)
      << "bare " << bare.peakKilobytes << " KB";
  // And the records themselves take far less than a kilobyte each.
  EXPECT_LT(bare.peakKilobytes, 20 * 1024 + kFiles);
}
#endif

}  // namespace
