#include "publish/publish_viz.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "viz_test.h"

namespace {

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
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
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
    build.declare("Animal");
    build.extend(build.declare("Cat"), "Animal");
    ClassInfo* dog = build.declare("Dog");
    build.extend(dog, "Animal");
    build.implement(dog, "Pet");
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
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.writeGraphNode(*build.find("Animal")), 5u);
  EXPECT_EQ(viz.writeGraphNode(*build.find("Pet")), 1u);
  EXPECT_EQ(viz.treeSize(*build.find("Animal")), 3u);
  EXPECT_EQ(viz.treeSize(*build.find("Pet")), 0u);
  EXPECT_EQ(viz.writeInterfaceEdges(*build.find("Dog")), 1u);
  viz.graphName = viz.graphLabel = "Counts";
  std::string lines = out.captured();
  out.clearCaptured();
  viz.writeGraphHeader();
  EXPECT_FALSE(viz.headerPending);
  renderSvg(out.captured() + lines + "}\n");
}

TEST_F(AnimalsTest, InclusionSwitchesLeaveTheGraphAlone) {
  build.declare("Hidden", "");
  build.extend(build.find("Hidden"), "Animal");
  std::string plain = graph();
  out.clearCaptured();
  context.options.includeNonPublic = true;
  context.options.includeInterfaces = true;
  EXPECT_EQ(graph(), plain);
  EXPECT_NE(plain.find("\"Animal\" -> \"Hidden\""), std::string::npos);
}

TEST_F(AnimalsTest, TitleIsQuotedAndEscapedInNameAndLabel) {
  context.options.titles = {"say \"hi\" now"};
  std::string text = graph();
  EXPECT_EQ(text.rfind("digraph \"say \\\"hi\\\" now\" {\n", 0), 0u) << text;
  EXPECT_NE(text.find("label=\"say \\\"hi\\\" now Class Hierarchy"), std::string::npos);
}

TEST_F(VizTest, HeaderEscapesBackslashes) {
  PublishViz viz(context.classes, context.options, context.output);
  viz.graphName = "back\\";
  viz.graphLabel = "slash\\";
  viz.writeGraphHeader();
  std::string text = out.captured();
  EXPECT_EQ(text.rfind("digraph \"back\\\\\" {\n", 0), 0u) << text;
  EXPECT_NE(text.find("label=\"slash\\\\ Class Hierarchy"), std::string::npos) << text;
  renderSvg(text + "}\n");
}

TEST_F(VizTest, NestedClassImplementingDottedInterfaceIsOneNode) {
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  build.declare("Outer");
  ClassInfo* inner = build.declare("Outer.Inner", "public static");
  build.extend(inner, "Outer");
  build.implement(inner, "java.io.Serializable");
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
  build.declare("Shape", "public abstract");
  build.extend(build.declare("Circle"), "Shape");
  build.extend(build.declare("Square"), "Shape");
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
  build.declare("Base");
  build.extend(build.declare("Middle", "abstract"), "Base");
  build.extend(build.declare("Leaf", "final"), "Middle");
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
  build.extend(build.declare("Widget"), "Component");
  build.declare("Lonely", "");
  EXPECT_EQ(graph(), kHeader +
                         "\"Component\"  [fillcolor=cyan4]\n"
                         "\"Component\" -> \"Widget\"\n"
                         "\"Widget\"\n"
                         "\"Lonely\"  [color=red] \n"
                         "\"Lonely\"\n"
                         "}\n");
}

TEST_F(VizTest, SharedInterfaceGetsItsBoxOncePerImplementer) {
  build.declare("Base");
  ClassInfo* first = build.declare("First");
  ClassInfo* second = build.declare("Second");
  build.extend(first, "Base");
  build.extend(second, "Base");
  build.implement(first, "Runnable");
  build.implement(second, "Runnable");
  std::string text = graph();
  EXPECT_EQ(occurrences(text, "\"Runnable\"  [style=filled, fillcolor=yellow] \n"), 2u) << text;
}

TEST_F(VizTest, ClassWithTwoParentsIsWrittenUnderEach) {
  build.declare("Left");
  build.declare("Right");
  ClassInfo* both = build.declare("Both");
  build.extend(both, "Left");
  build.extend(both, "Right");
  build.extend(build.declare("Below"), "Both");
  std::string text = graph();
  EXPECT_EQ(occurrences(text, "\"Both\" -> \"Below\"\n"), 2u) << text;
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.treeSize(*build.find("Left")), 2u);
}

TEST_F(VizTest, EveryRecordWithAParentWritesNoGraph) {
  build.extend(build.declare("First"), "Second");
  build.extend(build.declare("Second"), "First");
  EXPECT_EQ(graph(), "");
}

// Regression: a loop of parent links below a root made both descents endless.
TEST_F(VizTest, CycleBelowARootWritesTheBackEdgeOnce) {
  build.declare("Root");
  ClassInfo* loopStart = build.declare("LoopStart");
  build.extend(loopStart, "Root");
  build.extend(build.declare("LoopEnd"), "LoopStart");
  build.extend(loopStart, "LoopEnd");
  EXPECT_EQ(graph(), kHeader +
                         "\"Root\"  [fillcolor=cyan4]\n"
                         "\"Root\" -> \"LoopStart\"\n"
                         "\"LoopStart\"  [fillcolor=cyan4]\n"
                         "\"LoopStart\" -> \"LoopEnd\"\n"
                         "\"LoopEnd\"  [fillcolor=cyan4]\n"
                         "\"LoopEnd\" -> \"LoopStart\"\n"
                         "}\n");
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.treeSize(*build.find("Root")), 3u);
  // Asked again, the size must not come from a value the cut made.
  EXPECT_EQ(viz.treeSize(*build.find("LoopEnd")), 2u);
  EXPECT_EQ(viz.treeSize(*build.find("Root")), 3u);
}

TEST_F(VizTest, ClassListingItselfAsParentEndsBelowARoot) {
  build.declare("Root");
  ClassInfo* self = build.declare("Self");
  build.extend(self, "Root");
  build.extend(self, "Self");
  std::string text = graph();
  EXPECT_EQ(occurrences(text, "\"Self\" -> \"Self\"\n"), 1u) << text;
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.writeGraphNode(*build.find("Root")), 2u);
}

// Regression: a recursive descent overflowed the stack on a deep chain.
TEST_F(VizTest, DeepChainNeedsNoDeepRecursion) {
  const int depth = 30000;
  chain("Deep", depth);
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.treeSize(*build.find("Deep")), static_cast<uint64_t>(depth - 1));
  viz.graphName = viz.graphLabel = "Deep";
  viz.writeGraphHeader();
  EXPECT_EQ(viz.writeGraphNode(*build.find("Deep")), static_cast<uint64_t>(depth));
  renderSvg(out.captured() + "}\n", "osage");
}

// Regression: shared subtrees were counted anew for every path, so the
// estimate took exponential time and wrapped around.
TEST_F(VizTest, TreeSizeOfSharedLaddersSaturates) {
  const int levels = 80;
  build.declare("L0a");
  build.declare("L0b");
  for (int level = 1; level < levels; ++level) {
    for (const char* side : {"a", "b"}) {
      ClassInfo* rung = build.declare("L" + std::to_string(level) + side);
      build.extend(rung, "L" + std::to_string(level - 1) + "a");
      build.extend(rung, "L" + std::to_string(level - 1) + "b");
    }
  }
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.treeSize(*build.find("L77a")), 2u * (1 + 2 * (1 + 0)));
  EXPECT_EQ(viz.treeSize(*build.find("L0a")), std::numeric_limits<uint64_t>::max());
}

}  // namespace
