#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "publish/publish_viz.h"
#include "test_support.h"
#include "viz_test.h"

namespace fs = std::filesystem;

namespace {

TEST_F(VizTest, SwitchInstallsTheGraphPublisher) {
  ASSERT_EQ(SwitchOutcome::Go, context.applySwitch("-x"));
  ASSERT_EQ(SwitchOutcome::Go, context.applySwitch("-z"));
  EXPECT_NE(dynamic_cast<PublishViz*>(context.publisher.get()), nullptr);
  EXPECT_EQ(context.options.style, GraphViz);
}

TEST_F(VizTest, SplitSwitchesWithoutOutPathWriteOneGraph) {
  context.options.splitByTree = true;
  context.options.nodesPerFile = 1;
  build.declare("Alpha");
  build.declare("Beta");
  EXPECT_EQ(graph(), kHeader + "\"Alpha\"\n\"Beta\"\n}\n");
}

/// Split output into a fresh directory.
class SplitTest : public VizTest {
 protected:
  void SetUp() override {
    if (kWindowsBuild) GTEST_SKIP() << "split files with bare line feeds";
    context.options.outPath = dir.path() + "/";
  }
  /// The .gv files made, by name; each must be a graph dot accepts.
  std::vector<std::string> files() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      if (!entry.is_regular_file() || entry.path().extension() != ".gv") continue;
      names.push_back(entry.path().filename().string());
      renderSvg(readFile(entry.path().string()));
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  TempDir dir;
};

TEST_F(SplitTest, NodeBudgetKeepsFileWhileHalfTheNextTreeFits) {
  struct Case {
    const char* what;
    int32_t budget;
    int firstLength;   // writeGraphNode of a chain is its length
    int secondLength;  // treeSize of a chain is its length less one
    std::vector<std::string> expected;
  } cases[] = {
      {"9 + 4/2 > 10 begins a file", 10, 9, 5, {"A.gv", "B.gv"}},
      {"9 + 2/2 is not > 10", 10, 9, 3, {"A.gv"}},
      {"twice 5 is not > 10", 10, 5, 21, {"A.gv"}},
      {"twice 6 > 10 and 6 + 10/2 > 10", 10, 6, 11, {"A.gv", "B.gv"}},
      {"twice 6 > 10 but 6 + 9/2 is not", 10, 6, 10, {"A.gv"}},
      {"no budget", 0, 9, 30, {"A.gv"}},
      {"a negative budget is huge", -1, 9, 30, {"A.gv"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& entry : fs::directory_iterator(dir.path())) fs::remove_all(entry.path());
    context.classes.release();
    out.clearCaptured();
    context.options.nodesPerFile = c.budget;
    chain("A", c.firstLength);
    chain("B", c.secondLength);
    EXPECT_EQ(graph(), "");
    EXPECT_EQ(files(), c.expected);
  }
}

TEST_F(SplitTest, SplitByTreeWritesWholeGraphsNamedAfterRoots) {
  context.options.splitByTree = true;
  build.extend(build.declare("Cat"), "Animal");
  build.declare("Outer.Inner");
  build.declare("Who?");
  build.declare("Pair<A,B>");
  EXPECT_EQ(graph(), "");
  EXPECT_EQ(files(),
            (std::vector<std::string>{"Animal.gv", "Outer.Inner.gv", "Pair_A_B_.gv", "Who_.gv"}));
  EXPECT_EQ(readFile(dir.path() + "/Who_.gv"), kHeader + "\"Who?\"\n}\n");
}

TEST_F(SplitTest, ReplacementCoversTheWholeFileName) {
  fs::create_directory(dir.path() + "/q_");
  context.options.outPath = dir.path() + "/q?/";
  build.declare("Solo");
  graph();
  EXPECT_EQ(readFile(dir.path() + "/q_/Solo.gv"), kHeader + "\"Solo\"\n}\n");
}

TEST_F(SplitTest, FailedOpenSendsWholeGraphToStandardOutput) {
  build.declare("Alpha");
  build.declare("Beta");
  build.declare("Gamma");
  fs::create_directory(dir.path() + "/Alpha.gv");
  testing::internal::CaptureStderr();
  std::string text = graph();
  std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_EQ(messages, "Failed to open " + dir.path() + "/Alpha.gv\n");
  EXPECT_EQ(text, kHeader + "\"Alpha\"\n}\n");
  // After the failure the next root begins a file, even without -Z or -N,
  // and the roots after it stay there.
  EXPECT_EQ(files(), std::vector<std::string>{"Beta.gv"});
  EXPECT_EQ(readFile(dir.path() + "/Beta.gv"), kHeader + "\"Beta\"\n\"Gamma\"\n}\n");
}

TEST_F(SplitTest, EveryFailedOpenGetsAWholeGraph) {
  context.options.outPath = dir.path() + "/missing/";
  build.declare("Alpha");
  build.declare("Beta");
  testing::internal::CaptureStderr();
  std::string text = graph();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Failed to open " + dir.path() +
                                                        "/missing/Alpha.gv\nFailed to open " +
                                                        dir.path() + "/missing/Beta.gv\n");
  EXPECT_EQ(text, kHeader + "\"Alpha\"\n}\n" + kHeader + "\"Beta\"\n}\n");
}

// Only POSIX has a device that refuses every write.
#ifndef _WIN32
TEST_F(SplitTest, FailedWriteIsReported) {
  ASSERT_EQ(symlink("/dev/full", (dir.path() + "/Full.gv").c_str()), 0);
  build.declare("Full");
  testing::internal::CaptureStderr();
  bool written = PublishViz(context.classes, context.options, out).publish();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Failed to write " + dir.path() + "/Full.gv\n");
  EXPECT_FALSE(written) << "a lost graph file must fail the run";
}
#endif

TEST_F(SplitTest, NamesTableStaysOnStandardOutput) {
  context.options.showNames = true;
  build.declare("Solo");
  PublishViz viz(context.classes, context.options, context.output);
  viz.publish();
  EXPECT_EQ(out.captured().rfind("Type\tClassName\t", 0), 0u);
  EXPECT_EQ(out.captured().find("digraph"), std::string::npos);
  EXPECT_EQ(files(), std::vector<std::string>{"Solo.gv"});
}

TEST(ExamplesGraphTest, DrawsWithoutAMessage) {
  if (kWindowsBuild) GTEST_SKIP() << "GraphViz on the build machine";
  RunResult result = runKintree("-z examples", KINTREE_SOURCE_DIR);
  EXPECT_EQ(result.out.rfind("digraph \"Class Diagram\" {\n", 0), 0u) << result.out;
  std::string svg = renderSvg(result.out);
  EXPECT_NE(svg.find("<title>Dog\\nPuppy</title>"), std::string::npos);
}

}  // namespace
