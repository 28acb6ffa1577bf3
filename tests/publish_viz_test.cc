#include "publish/publish_viz.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "app/scan_context.h"
#include "platform/output.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

/// Renders `graph` with the real GraphViz and returns the SVG; the text
/// must be accepted without any error or warning. `layout` picks the
/// engine: the layered one takes minutes on a chain tens of thousands deep.
std::string renderSvg(const std::string& graph, const std::string& layout = "dot") {
  TempDir dir;
  std::string input = dir.write("graph.gv", graph);
  std::string svg = dir.path() + "/graph.svg";
  std::string messages = dir.path() + "/messages";
  std::string command =
      "dot -K" + layout + " -Tsvg '" + input + "' >'" + svg + "' 2>'" + messages + "'";
  int status = std::system(command.c_str());
  EXPECT_EQ(status, 0) << graph;
  EXPECT_EQ(slurp(messages), "") << graph;
  return slurp(svg);
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

const std::string kHeader =
    "digraph \"Class Diagram\" {\nbgcolor=transparent\noverlap=false;\n"
    "label=\"Class Diagram Class Hierarchy - Tavrin & GraphViz\";\nfontsize=12;\n"
    "node [shape=box,style=filled,fillcolor=white];\n";

/// A class list built in memory and a context that writes to memory.
class VizTest : public ::testing::Test {
 protected:
  ClassInfo* add(const std::string& name, const std::string& modifiers = "public",
                 const std::string& kind = "class") {
    return context.classes.addClass(kind, name, modifiers, "/src/app/X.java", "app", true);
  }
  void extend(ClassInfo* child, const std::string& parent) {
    context.classes.linkParent(child, parent, "/src/app/X.java", "app");
  }
  void implement(ClassInfo* record, const std::string& name) {
    record->interfaces.insert(
        context.classes.addClass("interface", name, "", "/src/app/X.java", "app", false));
  }
  ClassInfo* find(const std::string& name) {
    return context.classes.records().find(name)->second.get();
  }
  /// A chain of `length` classes under the public root `root`.
  void chain(const std::string& root, int length) {
    std::string previous = root;
    add(root);
    for (int i = 1; i < length; ++i) {
      std::string name = root + std::to_string(i);
      extend(add(name), previous);
      previous = name;
    }
  }
  /// The whole graph text of printTree; standard output is checked by dot.
  std::string graph() {
    PublishViz viz(context.classes, context);
    viz.printTree();
    std::string text = out.captured();
    if (!text.empty()) renderSvg(text);
    return text;
  }

  Output out;
  ScanContext context{out};
};

TEST(DotNameTest, WritesEveryDotAsALineBreak) {
  struct Case {
    const char* name;
    const char* expected;
  } cases[] = {
      {"Animal", "Animal"},
      {"Outer.Inner", "Outer\\nInner"},
      {"java.io.Serializable", "java\\nio\\nSerializable"},
      {"Outer..Local", "Outer\\n\\nLocal"},
      {"Base<Key,Value", "Base<Key,Value"},
      {"say\"hi\\", "say\\\"hi\\\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(dotName(c.name), c.expected) << c.name;
}

TEST(CleanGraphNameTest, KeepsTheDirectoryPartAndJoinsWildRuns) {
  struct Case {
    const char* title;
    const char* expected;
  } cases[] = {
      {"Class Diagram", "Class Diagram"},
      {"My-Project.txt", "My_Project"},
      {"/work/viz/classes.dot", "_work_viz"},
      {"a*?b--c", "a_b_c"},
      // The backslash is no separator here, so the file part stays.
      {"C:\\work\\viz\\classes.dot", "_work_viz_classes"},
      {"notes:draft-1.txt", "draft_1"},
      {"classes.dot", "classes"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(cleanGraphName(c.title), c.expected) << c.title;
}

class AnimalsTest : public VizTest {
 protected:
  void SetUp() override {
    add("Animal");
    extend(add("Cat"), "Animal");
    ClassInfo* dog = add("Dog");
    extend(dog, "Animal");
    implement(dog, "Pet");
  }
};

TEST_F(AnimalsTest, WorkedExampleIsWrittenExactly) {
  EXPECT_EQ(graph(), kHeader +
                         "\"Animal\"  [fillcolor=cyan4]\n"
                         "\"Animal\" -> \"Cat\"\n"
                         "\"Cat\"\n"
                         "\"Animal\" -> \"Dog\"\n"
                         "\"Pet\"  [style=filled, fillcolor=yellow] \n"
                         "\"Pet\" -> \"Dog\" [color=red,penwidth=3.0] \n"
                         "\"Dog\"\n"
                         "\"Pet\"  [color=red] \n"
                         "\"Pet\"\n"
                         "}\n");
}

TEST_F(AnimalsTest, CountsNodesWrittenAndEstimatesTreeSize) {
  PublishViz viz(context.classes, context);
  EXPECT_EQ(viz.writeGraphNode(*find("Animal")), 5u);
  EXPECT_EQ(viz.writeGraphNode(*find("Pet")), 1u);
  EXPECT_EQ(viz.treeSize(*find("Animal")), 3u);
  EXPECT_EQ(viz.treeSize(*find("Pet")), 0u);
  EXPECT_EQ(viz.writeInterfaceEdges(*find("Dog")), 1u);
  viz.graphName = viz.graphLabel = "Counts";
  std::string lines = out.captured();
  out.clearCaptured();
  viz.writeGraphHeader();
  EXPECT_FALSE(viz.headerPending);
  renderSvg(out.captured() + lines + "}\n");
}

TEST_F(AnimalsTest, InclusionSwitchesLeaveTheGraphAlone) {
  add("Hidden", "");
  extend(find("Hidden"), "Animal");
  std::string plain = graph();
  out.clearCaptured();
  context.includeNonPublic = true;
  context.includeInterfaces = true;
  EXPECT_EQ(graph(), plain);
  EXPECT_NE(plain.find("\"Animal\" -> \"Hidden\""), std::string::npos);
}

TEST_F(AnimalsTest, TitleIsQuotedAndEscapedInNameAndLabel) {
  context.titles = {"say \"hi\" now"};
  std::string text = graph();
  EXPECT_EQ(text.rfind("digraph \"say \\\"hi\\\" now\" {\n", 0), 0u) << text;
  EXPECT_NE(text.find("label=\"say \\\"hi\\\" now Class Hierarchy"), std::string::npos);
}

TEST_F(VizTest, HeaderEscapesBackslashes) {
  PublishViz viz(context.classes, context);
  viz.graphName = "back\\";
  viz.graphLabel = "slash\\";
  viz.writeGraphHeader();
  std::string text = out.captured();
  EXPECT_EQ(text.rfind("digraph \"back\\\\\" {\n", 0), 0u) << text;
  EXPECT_NE(text.find("label=\"slash\\\\ Class Hierarchy"), std::string::npos) << text;
  renderSvg(text + "}\n");
}

TEST_F(VizTest, NestedClassImplementingDottedInterfaceIsOneNode) {
  add("Outer");
  ClassInfo* inner = add("Outer.Inner", "public static");
  extend(inner, "Outer");
  implement(inner, "java.io.Serializable");
  std::string text = graph();
  EXPECT_NE(text.find("\"java\\nio\\nSerializable\" -> \"Outer\\nInner\" [color=red"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Outer.Inner"), std::string::npos) << text;

  std::string svg = renderSvg(text);
  EXPECT_EQ(occurrences(svg, "class=\"node\""), 3u) << svg;
  EXPECT_EQ(occurrences(svg, "<title>Outer\\nInner</title>"), 1u) << svg;
  EXPECT_EQ(occurrences(svg, "<title>java\\nio\\nSerializable</title>"), 1u) << svg;
}

TEST_F(VizTest, AbstractParentRepeatsItsColourBeforeEveryEdge) {
  add("Shape", "public abstract");
  extend(add("Circle"), "Shape");
  extend(add("Square"), "Shape");
  EXPECT_EQ(graph(), kHeader +
                         "\"Shape\"  [fillcolor=chartreuse] \n"
                         "\"Shape\" -> \"Circle\"\n"
                         "\"Circle\"\n"
                         "\"Shape\"  [fillcolor=chartreuse] \n"
                         "\"Shape\" -> \"Square\"\n"
                         "\"Square\"\n"
                         "}\n");
}

TEST_F(VizTest, NonPublicLeafIsRedTwiceAndNonPublicParentOnce) {
  add("Base");
  extend(add("Middle", "abstract"), "Base");
  extend(add("Leaf", "final"), "Middle");
  EXPECT_EQ(graph(), kHeader +
                         "\"Base\"  [fillcolor=cyan4]\n"
                         "\"Middle\"  [color=red] \n"
                         "\"Base\" -> \"Middle\"\n"
                         "\"Middle\"  [fillcolor=chartreuse] \n"
                         "\"Leaf\"  [color=red] \n"
                         "\"Middle\" -> \"Leaf\"\n"
                         "\"Leaf\"  [color=red] \n"
                         "\"Leaf\"\n"
                         "}\n");
}

TEST_F(VizTest, PlaceholderRootIsRedOnlyWithoutChildren) {
  extend(add("Widget"), "Component");
  add("Lonely", "");
  EXPECT_EQ(graph(), kHeader +
                         "\"Component\"  [fillcolor=cyan4]\n"
                         "\"Component\" -> \"Widget\"\n"
                         "\"Widget\"\n"
                         "\"Lonely\"  [color=red] \n"
                         "\"Lonely\"\n"
                         "}\n");
}

TEST_F(VizTest, SharedInterfaceGetsItsBoxOncePerImplementer) {
  add("Base");
  ClassInfo* first = add("First");
  ClassInfo* second = add("Second");
  extend(first, "Base");
  extend(second, "Base");
  implement(first, "Runnable");
  implement(second, "Runnable");
  std::string text = graph();
  EXPECT_EQ(occurrences(text, "\"Runnable\"  [style=filled, fillcolor=yellow] \n"), 2u) << text;
}

TEST_F(VizTest, ClassWithTwoParentsIsWrittenUnderEach) {
  add("Left");
  add("Right");
  ClassInfo* both = add("Both");
  extend(both, "Left");
  extend(both, "Right");
  extend(add("Below"), "Both");
  std::string text = graph();
  EXPECT_EQ(occurrences(text, "\"Both\" -> \"Below\"\n"), 2u) << text;
  PublishViz viz(context.classes, context);
  EXPECT_EQ(viz.treeSize(*find("Left")), 2u);
}

TEST_F(VizTest, EveryRecordWithAParentWritesNoGraph) {
  extend(add("First"), "Second");
  extend(add("Second"), "First");
  EXPECT_EQ(graph(), "");
}

// Regression: a loop of parent links below a root made both descents endless.
TEST_F(VizTest, CycleBelowARootWritesTheBackEdgeOnce) {
  add("Root");
  ClassInfo* loopStart = add("LoopStart");
  extend(loopStart, "Root");
  extend(add("LoopEnd"), "LoopStart");
  extend(loopStart, "LoopEnd");
  EXPECT_EQ(graph(), kHeader +
                         "\"Root\"  [fillcolor=cyan4]\n"
                         "\"Root\" -> \"LoopStart\"\n"
                         "\"LoopStart\"  [fillcolor=cyan4]\n"
                         "\"LoopStart\" -> \"LoopEnd\"\n"
                         "\"LoopEnd\"  [fillcolor=cyan4]\n"
                         "\"LoopEnd\" -> \"LoopStart\"\n"
                         "}\n");
  PublishViz viz(context.classes, context);
  EXPECT_EQ(viz.treeSize(*find("Root")), 3u);
  // Asked again, the size must not come from a value the cut made.
  EXPECT_EQ(viz.treeSize(*find("LoopEnd")), 2u);
  EXPECT_EQ(viz.treeSize(*find("Root")), 3u);
}

TEST_F(VizTest, ClassListingItselfAsParentEndsBelowARoot) {
  add("Root");
  ClassInfo* self = add("Self");
  extend(self, "Root");
  extend(self, "Self");
  std::string text = graph();
  EXPECT_EQ(occurrences(text, "\"Self\" -> \"Self\"\n"), 1u) << text;
  PublishViz viz(context.classes, context);
  EXPECT_EQ(viz.writeGraphNode(*find("Root")), 2u);
}

// Regression: a recursive descent overflowed the stack on a deep chain.
TEST_F(VizTest, DeepChainNeedsNoDeepRecursion) {
  const int depth = 30000;
  chain("Deep", depth);
  PublishViz viz(context.classes, context);
  EXPECT_EQ(viz.treeSize(*find("Deep")), static_cast<uint64_t>(depth - 1));
  viz.graphName = viz.graphLabel = "Deep";
  viz.writeGraphHeader();
  EXPECT_EQ(viz.writeGraphNode(*find("Deep")), static_cast<uint64_t>(depth));
  renderSvg(out.captured() + "}\n", "osage");
}

// Regression: shared subtrees were counted anew for every path, so the
// estimate took exponential time and wrapped around.
TEST_F(VizTest, TreeSizeOfSharedLaddersSaturates) {
  const int levels = 80;
  add("L0a");
  add("L0b");
  for (int level = 1; level < levels; ++level) {
    for (const char* side : {"a", "b"}) {
      ClassInfo* rung = add("L" + std::to_string(level) + side);
      extend(rung, "L" + std::to_string(level - 1) + "a");
      extend(rung, "L" + std::to_string(level - 1) + "b");
    }
  }
  PublishViz viz(context.classes, context);
  EXPECT_EQ(viz.treeSize(*find("L77a")), 2u * (1 + 2 * (1 + 0)));
  EXPECT_EQ(viz.treeSize(*find("L0a")), std::numeric_limits<uint64_t>::max());
}

/// Split output into a fresh directory.
class SplitTest : public VizTest {
 protected:
  void SetUp() override { context.outPath = dir.path() + "/"; }
  /// The .gv files made, by name; each must be a graph dot accepts.
  std::vector<std::string> files() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      if (!entry.is_regular_file() || entry.path().extension() != ".gv") continue;
      names.push_back(entry.path().filename().string());
      renderSvg(slurp(entry.path().string()));
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
    context.nodesPerFile = c.budget;
    chain("A", c.firstLength);
    chain("B", c.secondLength);
    EXPECT_EQ(graph(), "");
    EXPECT_EQ(files(), c.expected);
  }
}

TEST_F(SplitTest, SplitByTreeWritesWholeGraphsNamedAfterRoots) {
  context.splitByTree = true;
  extend(add("Cat"), "Animal");
  add("Outer.Inner");
  add("Who?");
  add("Pair<A,B>");
  EXPECT_EQ(graph(), "");
  EXPECT_EQ(files(),
            (std::vector<std::string>{"Animal.gv", "Outer.Inner.gv", "Pair_A_B_.gv", "Who_.gv"}));
  EXPECT_EQ(slurp(dir.path() + "/Who_.gv"), kHeader + "\"Who?\"\n}\n");
}

TEST_F(SplitTest, ReplacementCoversTheWholeFileName) {
  fs::create_directory(dir.path() + "/q_");
  context.outPath = dir.path() + "/q?/";
  add("Solo");
  graph();
  EXPECT_EQ(slurp(dir.path() + "/q_/Solo.gv"), kHeader + "\"Solo\"\n}\n");
}

TEST_F(SplitTest, FailedOpenSendsWholeGraphToStandardOutput) {
  add("Alpha");
  add("Beta");
  add("Gamma");
  fs::create_directory(dir.path() + "/Alpha.gv");
  testing::internal::CaptureStderr();
  std::string text = graph();
  std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_EQ(messages, "Failed to open " + dir.path() + "/Alpha.gv\n");
  EXPECT_EQ(text, kHeader + "\"Alpha\"\n}\n");
  // After the failure the next root begins a file, even without -Z or -N,
  // and the roots after it stay there.
  EXPECT_EQ(files(), std::vector<std::string>{"Beta.gv"});
  EXPECT_EQ(slurp(dir.path() + "/Beta.gv"), kHeader + "\"Beta\"\n\"Gamma\"\n}\n");
}

TEST_F(SplitTest, EveryFailedOpenGetsAWholeGraph) {
  context.outPath = dir.path() + "/missing/";
  add("Alpha");
  add("Beta");
  testing::internal::CaptureStderr();
  std::string text = graph();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Failed to open " + dir.path() +
                                                        "/missing/Alpha.gv\nFailed to open " +
                                                        dir.path() + "/missing/Beta.gv\n");
  EXPECT_EQ(text, kHeader + "\"Alpha\"\n}\n" + kHeader + "\"Beta\"\n}\n");
}

TEST_F(SplitTest, FailedWriteIsReported) {
  ASSERT_EQ(symlink("/dev/full", (dir.path() + "/Full.gv").c_str()), 0);
  add("Full");
  testing::internal::CaptureStderr();
  graph();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Failed to write " + dir.path() + "/Full.gv\n");
}

TEST_F(SplitTest, NamesTableStaysOnStandardOutput) {
  context.showNames = true;
  add("Solo");
  PublishViz viz(context.classes, context);
  viz.publish();
  EXPECT_EQ(out.captured().rfind("Type\tClassName\t", 0), 0u);
  EXPECT_EQ(out.captured().find("digraph"), std::string::npos);
  EXPECT_EQ(files(), std::vector<std::string>{"Solo.gv"});
}

TEST(ExamplesGraphTest, DrawsWithoutAMessage) {
  RunResult result = runKintree("-z examples", KINTREE_SOURCE_DIR);
  EXPECT_EQ(result.out.rfind("digraph \"Class Diagram\" {\n", 0), 0u) << result.out;
  std::string svg = renderSvg(result.out);
  EXPECT_NE(svg.find("<title>Dog\\nPuppy</title>"), std::string::npos);
}

}  // namespace
