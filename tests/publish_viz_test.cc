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
  PublishViz viz(context.classes, context.options, context.output);
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
  PublishViz viz(context.classes, context.options, context.output);
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
  PublishViz viz(context.classes, context.options, context.output);
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
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.writeGraphNode(*find("Root")), 2u);
}

// Regression: a recursive descent overflowed the stack on a deep chain.
TEST_F(VizTest, DeepChainNeedsNoDeepRecursion) {
  const int depth = 30000;
  chain("Deep", depth);
  PublishViz viz(context.classes, context.options, context.output);
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
  PublishViz viz(context.classes, context.options, context.output);
  EXPECT_EQ(viz.treeSize(*find("L77a")), 2u * (1 + 2 * (1 + 0)));
  EXPECT_EQ(viz.treeSize(*find("L0a")), std::numeric_limits<uint64_t>::max());
}

}  // namespace
