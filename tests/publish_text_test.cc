#include "publish/publish_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/scan_context.h"
#include "class_list_builder.h"
#include "model/class_list.h"
#include "platform/output.h"
#include "publish/output_style.h"
#include "publish/tree_lines.h"
#include "test_support.h"

namespace {

class PublishTextTest : public testing::Test {
 protected:
  PublishTextTest() : context(out), publisher(context.classes, context.options, context.output) {}
  void SetUp() override {
    if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  }

  std::string tree() {
    out.clearCaptured();
    publisher.printTree();
    return out.captured();
  }

  /// The animals: Cat and Dog extend Animal, Dog implements Pet; in the order parsing creates them.
  void animals() {
    build.declare("Animal", "public", "/src/app/Animal.java");
    build.extend(build.declare("Cat", "public", "/src/app/Cat.java"), "Animal");
    ClassInfo* dog = build.declare("Dog", "public", "/src/app/Dog.java");
    build.extend(dog, "Animal");
    build.implement(dog, "Pet");
  }

  Output out;
  ScanContext context;
  ClassListBuilder build{context.classes};
  PublishText publisher;
};

struct StyleCase {
  OutputStyle style;
  const char* cat;  // connection drawn before Cat
  const char* dog;  // and before Dog, the last child
};

class AnimalsInStyle : public PublishTextTest, public testing::WithParamInterface<StyleCase> {};

TEST_P(AnimalsInStyle, PrintTheAnimals) {
  animals();
  context.options.style = GetParam().style;
  EXPECT_EQ(std::string("Base path=/src/app/\n"
                        "\n"
                        "Class Tree\n"
                        "Animal.java:  public Animal  \n"
                        "   Cat.java:  public") +
                GetParam().cat + " Cat\n   Dog.java:  public" + GetParam().dog +
                " Dog Interfaces:Pet\n",
            tree());
}

INSTANTIATE_TEST_SUITE_P(Styles, AnimalsInStyle,
                         testing::Values(StyleCase{PlusMinus, "   +", "   -"},
                                         StyleCase{Graphics, "   \u251C", "   \u2514"},
                                         StyleCase{Spaces, "    ", "    "}));

TEST_F(PublishTextTest, StemsContinueOnlyBelowChildrenThatAreNotLast) {
  context.options.style = PlusMinus;
  build.declare("A", "public", "/s/A.java");
  ClassInfo* b = build.declare("B", "public", "/s/B.java");
  ClassInfo* c = build.declare("C", "public", "/s/C.java");
  build.extend(b, "A");
  build.extend(c, "A");
  build.extend(build.declare("D", "public", "/s/D.java"), "B");
  build.extend(build.declare("E", "public", "/s/E.java"), "B");
  build.extend(build.declare("F", "public", "/s/F.java"), "C");
  EXPECT_EQ(
      "Base path=/s/\n\nClass Tree\n"
      "     A.java:  public A  \n"
      "     B.java:  public   + B\n"
      "     D.java:  public   |   + D\n"
      "     E.java:  public   |   - E\n"
      "     C.java:  public   - C\n"
      "     F.java:  public       - F\n",
      tree());
}

// The last child decides the corner even when it is hidden, so the last
// shown child keeps a tee and its descendants a bar.
TEST_F(PublishTextTest, HiddenLastChildLeavesATeeAndABar) {
  context.options.style = PlusMinus;
  build.declare("P", "public", "/s/P.java");
  ClassInfo* shown = build.declare("Shown", "public", "/s/Shown.java");
  build.extend(shown, "P");
  build.extend(build.declare("Hidden", "", "/s/Hidden.java"), "P");
  build.extend(build.declare("Leaf", "public", "/s/Leaf.java"), "Shown");
  EXPECT_EQ(
      "Base path=/s/\n\nClass Tree\n"
      "     P.java:  public P  \n"
      " Shown.java:  public   + Shown\n"
      "  Leaf.java:  public   |   - Leaf\n",
      tree());
}

TEST_F(PublishTextTest, WidthsSkipAndBasePath) {
  struct Case {
    const char* title;
    std::vector<std::pair<const char*, const char*>> files;  // name, file
    const char* modifiers;
    std::string expected;
  } cases[] = {
      {"single file: the column shows only the name",
       {{"A", "/deep/dir/A.java"}},
       "public",
       "Base path=/deep/dir/A.java\n\nClass Tree\nA.java:  public A  \n"},
      {"shared partial name stays in the base path, skip stops at the separator",
       {{"A", "/src/AnimalA.java"}, {"B", "/src/AnimalB.java"}},
       "public",
       "Base path=/src/Animal\n\nClass Tree\nAnimalA.java:  public A  \n"
       "AnimalB.java:  public B  \n"},
      {"paths without a separator keep their full text",
       {{"A", "A.java"}, {"B", "B.java"}},
       "public",
       "Base path=\n\nClass Tree\n        A.java:  public A  \n        B.java:  public B  \n"},
      {"long modifiers widen the column",
       {{"A", "/a/A.java"}},
       "public static final",
       "Base path=/a/A.java\n\nClass Tree\n     A.java:  public static final A  \n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    context.classes.release();
    for (const auto& file : c.files) build.declare(file.first, c.modifiers, file.second);
    EXPECT_EQ(c.expected, tree());
  }
}

TEST_F(PublishTextTest, ModifiersAreLeftJustifiedOnRootsAndRightJustifiedOnChildren) {
  context.options.style = PlusMinus;
  context.options.includeNonPublic = true;
  build.declare("Base", "", "/s/Base.java");
  build.extend(build.declare("Impl", "final", "/s/Impl.java"), "Base");
  EXPECT_EQ(
      "Base path=/s/\n\nClass Tree\n"
      "  Base.java:         Base  \n"
      "  Impl.java:   final   - Impl\n",
      tree());
}

TEST_F(PublishTextTest, RootLineCarriesGenericMetaAndInterfaces) {
  ClassInfo* box = build.declare("Box", "public", "/s/Box.java");
  box->generic = "<T>";
  box->meta = "@Deprecated ";
  build.implement(box, "Runnable");
  build.implement(box, "Serializable");
  EXPECT_EQ(
      "Base path=/s/Box.java\n\nClass Tree\n"
      "   Box.java:  public Box <T> @Deprecated  Interfaces:Runnable, Serializable\n",
      tree());
}

TEST_F(PublishTextTest, PlaceholderRootShowsTheReferringFile) {
  context.options.style = PlusMinus;
  build.extend(build.declare("Cat", "public", "/zoo/Cat.java"), "Animal");
  EXPECT_EQ(
      "Base path=/zoo/Cat.java\n\nClass Tree\n"
      " Cat.java:         Animal  \n"
      " Cat.java:  public   - Cat\n",
      tree());
}

TEST_F(PublishTextTest, ClassWithTwoParentsAppearsUnderEachWithTheOther) {
  context.options.style = PlusMinus;
  build.declare("A", "public", "/s/A.java");
  build.declare("B", "public", "/s/B.java");
  ClassInfo* both = build.declare("Both", "public", "/s/Both.java");
  build.extend(both, "A");
  build.extend(both, "B");
  EXPECT_EQ(
      "Base path=/s/\n\nClass Tree\n"
      "     A.java:  public A  \n"
      "  Both.java:  public   - Both  (B)\n"
      "     B.java:  public B  \n"
      "  Both.java:  public   - Both  (A)\n",
      tree());
}

TEST_F(PublishTextTest, OwnParentIsARootPrintedOnce) {
  ClassInfo* loop = build.declare("Loop", "public", "/s/Loop.java");
  build.extend(loop, "Loop");
  EXPECT_EQ("Base path=/s/Loop.java\n\nClass Tree\n  Loop.java:  public Loop  \n", tree());
}

// A longer cycle below a root: the descent stops at the record it would
// enter a second time; a cycle without a root prints nothing.
TEST_F(PublishTextTest, CyclesEndTheDescent) {
  context.options.style = PlusMinus;
  build.declare("R", "public", "/s/R.java");
  ClassInfo* a = build.declare("A", "public", "/s/A.java");
  ClassInfo* b = build.declare("B", "public", "/s/B.java");
  build.extend(a, "R");
  build.extend(b, "A");
  build.extend(a, "B");
  ClassInfo* x = build.declare("X", "public", "/s/X.java");
  ClassInfo* y = build.declare("Y", "public", "/s/Y.java");
  build.extend(x, "Y");
  build.extend(y, "X");
  EXPECT_EQ(
      "Base path=/s/\n\nClass Tree\n"
      "     R.java:  public R  \n"
      "     A.java:  public   - A  (B)\n"
      "     B.java:  public       - B\n",
      tree());
}

TEST_F(PublishTextTest, SwitchesAIAndPrintedFlags) {
  context.options.style = PlusMinus;
  ClassInfo* api = build.declare("Api", "", "/s/Api.java", "interface");
  ClassInfo* hidden = build.declare("Hidden", "private", "/s/Hidden.java");
  hidden->flags = 7;  // stale bits are cleared before the tree
  EXPECT_EQ("Base path=/s/\n\nClass Tree\n", tree());
  context.options.includeNonPublic = true;
  EXPECT_EQ("Base path=/s/\n\nClass Tree\nHidden.java:  private Hidden  \n", tree());
  context.options.includeInterfaces = true;
  EXPECT_EQ(
      "Base path=/s/\n\nClass Tree\n   Api.java:          Api  \n"
      "Hidden.java:  private Hidden  \n",
      tree());
  EXPECT_EQ(kPrinted, api->flags);
  EXPECT_EQ(kPrinted, hidden->flags);
}

// The JavaScript row draws no glyphs, so every line stays short however
// deep it stands and only the descent itself is put to the test.
TEST_F(PublishTextTest, ChainTensOfThousandsDeepPrintsWithoutOverflow) {
  context.options.style = JavaScript;
  const int depth = 50000;
  ClassInfo* previous = build.declare("C0", "public", "/s/C.java");
  for (int i = 1; i <= depth; ++i) {
    ClassInfo* next = build.declare("C" + std::to_string(i), "public", "/s/C.java");
    build.extend(next, previous->name);
    previous = next;
  }
  std::string text = tree();
  EXPECT_EQ(0u, text.find("Base path=/s/C.java\n     C.java public C0  "));
  std::string last = "     C.java public C50000";
  ASSERT_GE(text.size(), last.size());
  EXPECT_EQ(last, text.substr(text.size() - last.size()));
  size_t lines = 0;  // the row ends no line, so the records are counted
  for (size_t at = text.find("C.java public C"); at != std::string::npos;
       at = text.find("C.java public C", at + 1)) {
    ++lines;
  }
  EXPECT_EQ(static_cast<size_t>(depth) + 1, lines);
}

TEST_F(PublishTextTest, NameTableListsEveryRecordWithDefaults) {
  animals();
  ClassInfo* cat = context.classes.addClass("class", "Cat", "", "", "", false);
  cat->meta = "@Keep ";
  ClassInfo* nameless = context.classes.addClass("class", "Zed", "", "", "", true);
  nameless->generic = "<K,V>";
  context.classes.addClass("class", "Zed", "", "", "q", true);  // a second package
  out.clearCaptured();
  publisher.printNames();
  EXPECT_EQ(
      "Type\tClassName\tGeneric\tModifiers\tFirstParent\tFirstChild\tInterfaces\tFile\tPackage\t"
      "Meta\n"
      "class\tAnimal\t\tpublic\t_NoParent_\tCat\t\t/src/app/Animal.java\tapp\t\n"
      "class\tCat\t\tpublic\tAnimal\t_NoChildren_\t\t/src/app/Cat.java\tapp\t@Keep \n"
      "class\tDog\t\tpublic\tAnimal\t_NoChildren_\tPet\t/src/app/Dog.java\tapp\t\n"
      "interface\tPet\t\t\t_NoParent_\t_NoChildren_\t\t/src/app/Dog.java\tapp\t\n"
      "class\tZed\t<K,V>\t\t_NoParent_\t_NoChildren_\t\t_NoFilename_\t_NoPackage_\t\n"
      "class\tZed\t\t\t_NoParent_\t_NoChildren_\t\t_NoFilename_\tq\t\n",
      out.captured());
}

TEST_F(PublishTextTest, NameTableListsInterfacesInCreationOrder) {
  ClassInfo* x = build.declare("X", "public", "/s/X.java");
  build.declare("Zeta", "", "/s/Zeta.java", "interface");
  build.implement(x, "Alpha");
  build.implement(x, "Zeta");
  out.clearCaptured();
  publisher.printNames();
  EXPECT_NE(std::string::npos, out.captured().find("\tZeta, Alpha\t"));
}

TEST_F(PublishTextTest, PublishFollowsShowNamesAndShowTree) {
  animals();
  struct Case {
    bool names;
    bool tree;
    bool expectNames;
    bool expectTree;
  } cases[] = {{false, true, false, true},
               {true, false, true, false},
               {true, true, true, true},
               {false, false, false, false}};
  for (const Case& c : cases) {
    context.options.showNames = c.names;
    context.options.showTree = c.tree;
    out.clearCaptured();
    publisher.publish();
    std::string text = out.captured();
    size_t names = text.find("Type\tClassName");
    size_t tree = text.find("Base path=");
    EXPECT_EQ(c.expectNames, names != std::string::npos);
    EXPECT_EQ(c.expectTree, tree != std::string::npos);
    if (c.expectNames && c.expectTree) {
      EXPECT_LT(names, tree);
    }
  }
}

TEST(CommonPrefix, KeepsTheSharedLeadingBytes) {
  struct Case {
    const char* a;
    const char* b;
    const char* prefix;
  } cases[] = {{"", "", ""},         {"", "/a/b", "/a/b"},
               {"/a/b", "", "/a/b"}, {"/src/x", "/src/y", "/src/"},
               {"ab", "abc", "ab"},  {"abc", "ab", "ab"},
               {"x", "y", ""},       {"\xC3\xA9", "\xC3\xA8", "\xC3"}};
  for (const Case& c : cases) EXPECT_EQ(c.prefix, commonPrefix(c.a, c.b)) << c.a << "|" << c.b;
}

TEST_F(PublishTextTest, TitleAtPicksByPositionOrFallsBack) {
  EXPECT_EQ("fallback", publisher.titleAt(0, "fallback"));
  context.options.titles = {"first", "second"};
  EXPECT_EQ("first", publisher.titleAt(0, "x"));
  EXPECT_EQ("second", publisher.titleAt(1, "x"));
  EXPECT_EQ("x", publisher.titleAt(2, "x"));
}

TEST_F(PublishTextTest, PrintInterfacesCountsWhatItWrites) {
  ClassInfo* x = build.declare("X", "public", "/s/X.java");
  EXPECT_EQ(0u, writeInterfaces(out, *x, " Interfaces:", nullptr));
  EXPECT_EQ("", out.captured());
  build.implement(x, "I");
  build.implement(x, "J");
  EXPECT_EQ(2u, writeInterfaces(out, *x, "L:", nullptr));
  EXPECT_EQ("L:I, J", out.captured());
}

TEST(StyleRows, HoldTheirLiteralTexts) {
  if (kWindowsBuild) GTEST_SKIP() << "POSIX expectations";
  struct Row {
    const char* name;
    const StyleRow& row;
    std::vector<std::string> texts;
  } rows[] = {
      {"TreeHeader",
       TreeHeader,
       {"\nClass Tree\n", "\nClass Tree\n", "\nClass Tree\n", "<table>", ""}},
      {"LineStart", LineStart, {"", "", "", "<tr><td>", ""}},
      {"FieldSeparator", FieldSeparator, {": ", ": ", ": ", "<td>", ""}},
      {"LineEnd", LineEnd, {"\n", "\n", "\n", "</tr>\n", ""}},
      {"BranchTee", BranchTee, {"   \u251C", "   +", "    ", "<img class='img2'>", ""}},
      {"BranchCorner", BranchCorner, {"   \u2514", "   -", "    ", "<img class='img1'>", ""}},
      {"StemBar", StemBar, {"   \u2502", "   |", "    ", "<img class='img0'>", ""}},
      {"StemBlank", StemBlank, {"    ", "    ", "    ", "<img class='imgN'>", ""}},
  };
  for (const Row& r : rows) {
    for (int style = 0; style < 5; ++style) {
      EXPECT_EQ(r.texts[style], r.row[static_cast<OutputStyle>(style)]) << r.name << " " << style;
    }
  }
}

// Output::field is printf's "%*.*s", which every column of the tree uses.
TEST(OutputField, PadsCutsAndJustifiesLikePrintf) {
  struct Case {
    const char* text;
    int width;
    int precision;
    const char* result;
  } cases[] = {
      {"ab", 5, 5, "   ab"},     {"ab", -5, 5, "ab   "},  {"abcdef", 4, 4, "abcd"},
      {"abcdef", -4, 4, "abcd"}, {"abc", 0, -1, "abc"},   {"abc", 2, -1, "abc"},
      {"", 3, 3, "   "},         {"abc", 6, 2, "    ab"}, {"abc", -6, 0, "      "},
  };
  for (const Case& c : cases) {
    Output out;
    out.field(c.text, c.width, c.precision);
    EXPECT_EQ(c.result, out.captured()) << c.text << " " << c.width << "." << c.precision;
  }
}

}  // namespace
