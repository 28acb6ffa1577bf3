// Whole runs over hierarchies that stress every descent: a chain deeper
// than any call stack, cycles, self links, thousands of equal names and an
// interface lattice whose tree output doubles with every level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

std::string summary(int files, int classes) {
  return "kintree - Files read:" + std::to_string(files) +
         " classes extracted:" + std::to_string(classes) + "\n\n";
}

size_t countOf(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

class DeepChain : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new TempDir;
    if (kWindowsBuild) return;
    std::string text = "public class C0 {}\n";
    for (int i = 1; i < kDepth; ++i) {
      text += "public class C" + std::to_string(i) + " extends C" + std::to_string(i - 1) + " {}\n";
    }
    dir->write("src/Chain.java", text);
  }
  static void TearDownTestSuite() { delete dir; }
  void SetUp() override {
    if (kWindowsBuild) GTEST_SKIP() << "minutes under the emulator";
  }

  static constexpr int kDepth = 50000;
  static TempDir* dir;
};
TempDir* DeepChain::dir = nullptr;

// The text tree of the chain is about 5 GB (each level indents four more
// columns), so it goes to /dev/null: the run must end with every level
// printed and nothing on standard error but the summary. So must the pages.
TEST_F(DeepChain, EveryTreeAndPageEndsWithoutStackOverflow) {
  // -g and -s draw through the same descent as -x, only with other glyphs.
  for (const char* style : {"-x", "-h", "-j", "-T"}) {
    MeasuredRun run = runKintreeMeasured({style, "src"}, dir->path());
    EXPECT_EQ(run.status, 255) << style;
    EXPECT_EQ(run.err, summary(1, kDepth)) << style;
  }
}

TEST_F(DeepChain, GraphHoldsEveryEdge) {
  RunResult run = runKintree("-z src", dir->path());
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err, summary(1, kDepth));
  EXPECT_EQ(countOf(run.out, "\" -> \""), static_cast<size_t>(kDepth) - 1);
  EXPECT_NE(run.out.find("\"C49998\" -> \"C49999\"\n"), std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
}

TEST_F(DeepChain, NameTableListsEveryRecord) {
  RunResult run = runKintree("+n -t src", dir->path());
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(countOf(run.out, "\n"), static_cast<size_t>(kDepth) + 1);
  EXPECT_NE(run.out.find("class\tC49998\t\tpublic\tC49997\tC49999\t"), std::string::npos);
}

struct Shape {
  const char* name;
  const char* source;
  const char* switches;
  int classes;
  const char* tree;  ///< the -x tree after the base path line
};

class SmallHierarchy : public testing::TestWithParam<Shape> {};

TEST_P(SmallHierarchy, PrintsEachRecordOncePerPath) {
  TempDir dir;
  dir.write("src/H.java", GetParam().source);
  RunResult run = runKintree(std::string(GetParam().switches) + " src", dir.path());
  EXPECT_EQ(run.status, GetParam().classes);
  EXPECT_EQ(run.err, summary(1, GetParam().classes));
  size_t header = run.out.find('\n');
  ASSERT_NE(header, std::string::npos);
  EXPECT_EQ(run.out.substr(header + 1), GetParam().tree);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SmallHierarchy,
    testing::Values(
        // Neither record of a bare cycle is a root: nothing to show.
        Shape{"TwoClassCycle", "public class A extends B {}\npublic class B extends A {}\n", "-x",
              2, "\nClass Tree\n"},
        // Entered from a root, the cycle is walked once round and stops at the
        // record already on the path.
        Shape{"CycleBelowARoot",
              "public class R {}\npublic class A extends R, B {}\npublic class B extends A {}\n",
              "-x", 3,
              "\nClass Tree\nH.java:  public R  \nH.java:  public   - A  (B)\nH.java:  public      "
              " - B\n"},
        Shape{"ClassExtendingItself", "public class S extends S {}\npublic class T extends S {}\n",
              "-x", 2, "\nClass Tree\nH.java:  public S  \nH.java:  public   - T\n"},
        Shape{"InterfaceExtendingItself", "public interface I extends I {}\n", "-I -x", 1,
              "\nClass Tree\nH.java:  public I  \n"}),
    [](const testing::TestParamInfo<Shape>& info) { return info.param.name; });

TEST(SameNames, TenThousandPackagesDeclareOneName) {
  if (kWindowsBuild) GTEST_SKIP() << "minutes under the emulator";
  // A package statement holds for the declarations after it, so a hundred
  // files of a hundred packages each make the 10,000 records.
  TempDir dir;
  constexpr int kFiles = 100;
  constexpr int kPackages = 100 * kFiles;
  for (int file = 0; file < kFiles; ++file) {
    std::string text;
    for (int i = file * 100; i < (file + 1) * 100; ++i) {
      text += "package p" + std::to_string(i) + ";\npublic class Same {}\n";
    }
    dir.write("src/f" + std::to_string(1000 + file) + ".java", text);
  }
  // A later reference attaches to the first record of the name.
  dir.write("src/zz/User.java", "package zz;\npublic class User extends Same {}\n");
  RunResult run = runKintree("+n -x src", dir.path());
  EXPECT_EQ(run.status, 255);
  EXPECT_EQ(run.err, summary(kFiles + 1, kPackages + 1));
  EXPECT_EQ(countOf(run.out, "class\tSame\t"), static_cast<size_t>(kPackages));
  EXPECT_EQ(countOf(run.out, "  public Same  \n"), static_cast<size_t>(kPackages));
  EXPECT_EQ(countOf(run.out, "- User\n"), 1u);
  // The first record is the one of the first package read, p0.
  EXPECT_NE(run.out.find("class\tSame\t\tpublic\t_NoParent_\tUser\t\t" + dir.path() +
                         "/src/f1000.java\tp0\t\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("class\tSame\t\tpublic\t_NoParent_\t_NoChildren_\t\t" + dir.path() +
                         "/src/f1099.java\tp9999\t\n"),
            std::string::npos);
}

TEST(InterfaceLattice, TwentyLevelsWithInterfacesShownEndInBoundedMemory) {
  if (kWindowsBuild) GTEST_SKIP() << "minutes under the emulator";
  // Two interfaces per level, each extending both of the level below: the
  // tree prints every path, 2^20 lines and about 200 MB, to /dev/null.
  TempDir dir;
  std::string text = "public interface I0a {}\npublic interface I0b {}\n";
  constexpr int kLevels = 20;
  for (int i = 1; i < kLevels; ++i) {
    std::string below = std::to_string(i - 1);
    for (const char* side : {"a", "b"}) {
      text += "public interface I" + std::to_string(i) + side + " extends I" + below + "a, I" +
              below + "b {}\n";
    }
  }
  dir.write("src/Lattice.java", text);
  for (const char* style : {"-x", "-z", "-j"}) {
    MeasuredRun run = runKintreeMeasured({"-I", style, "src"}, dir.path());
    EXPECT_EQ(run.status, 2 * kLevels) << style;
    EXPECT_EQ(run.err, summary(1, 2 * kLevels)) << style;
#if !defined(__SANITIZE_ADDRESS__)
    // Output is written as it is made, never gathered whole.
    EXPECT_LT(run.peakKilobytes, 64 * 1024) << style;
#endif
  }
}

}  // namespace
