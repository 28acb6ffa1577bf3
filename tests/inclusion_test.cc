#include "model/inclusion.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/class_list.h"

namespace {

struct ShownCase {
  const char* kind;
  const char* modifiers;
  bool includeNonPublic;
  bool includeInterfaces;
  bool printed;
  bool shown;
};

class OneRecordTest : public testing::TestWithParam<ShownCase> {};

TEST_P(OneRecordTest, IsShownAndIsShownDeepAgreeWithoutChildren) {
  const ShownCase& c = GetParam();
  ClassList classes;
  ClassInfo* r = classes.addClass(c.kind, "R", c.modifiers, "R.java", "p", true);
  if (c.printed) r->flags = kPrinted;
  Inclusion inclusion(classes, c.includeNonPublic, c.includeInterfaces);
  EXPECT_EQ(c.shown, inclusion.isShown(*r)) << c.kind << " [" << c.modifiers << "]";
  EXPECT_EQ(c.shown, inclusion.isShownDeep(*r)) << c.kind << " [" << c.modifiers << "]";
}

const ShownCase kShownCases[] = {
    {"class", "public", false, false, false, true},
    {"class", "", false, false, false, false},  // package-private
    {"class", "protected", false, false, false, false},
    {"class", "private static", false, false, false, false},
    {"class", "static public final", false, false, false, true},
    {"class", "nonpublicish", false, false, false, true},  // a plain substring test
    {"class", "Public", false, false, false, false},
    {"class", "", true, false, false, true},  // -A
    {"class", "private", true, true, false, true},
    {"interface", "public", false, false, false, false},  // interfaces need -I
    {"interface", "public", true, false, false, false},   // -A is not enough
    {"interface", "", false, true, false, true},          // -I whatever the modifiers
    {"Class", "public", false, false, false, false},      // the kind compares exactly
    {"Class", "", false, true, false, true},
    {"class", "public", true, true, true, false},  // printed roots never again
    {"interface", "", false, true, true, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, OneRecordTest, testing::ValuesIn(kShownCases));

// A small hierarchy built from "child:parent" links; records named with a
// leading "+" are public classes, "~" interfaces, the rest package-private.
class DeepTest : public testing::Test {
 protected:
  ClassInfo* declare(const std::string& marked) {
    std::string name = marked;
    std::string kind = "class";
    std::string modifiers;
    if (name[0] == '+') modifiers = "public";
    if (name[0] == '~') kind = "interface";
    if (name[0] == '+' || name[0] == '~') name = name.substr(1);
    return classes.addClass(kind, name, modifiers, name + ".java", "p", true);
  }
  void link(const std::string& child, const std::string& parent) {
    ClassInfo* record = classes.addClass("class", child, "", "x.java", "p", false);
    classes.linkParent(record, parent, "x.java", "p");
  }
  ClassInfo& at(const std::string& name) {
    return *classes.addClass("class", name, "", "x.java", "p", false);
  }
  ClassList classes;
};

TEST_F(DeepTest, PlaceholderParentIsShownExactlyWhenSomethingBelowIs) {
  declare("+Shown");
  declare("Hidden");
  link("Shown", "Top");
  link("Hidden", "Other");
  Inclusion inclusion(classes, false, false);
  EXPECT_FALSE(inclusion.isShown(at("Top")));
  EXPECT_TRUE(inclusion.isShownDeep(at("Top")));
  EXPECT_FALSE(inclusion.isShownDeep(at("Other")));
}

TEST_F(DeepTest, HiddenChainLeadingToAPublicClassIsShown) {
  declare("A");
  declare("B");
  declare("+C");
  link("B", "A");
  link("C", "B");
  Inclusion inclusion(classes, false, false);
  EXPECT_TRUE(inclusion.isShownDeep(at("A")));
  EXPECT_TRUE(inclusion.isShownDeep(at("B")));
  EXPECT_FALSE(inclusion.isShown(at("B")));
}

TEST_F(DeepTest, InterfaceBelowNeedsMinusI) {
  declare("A");
  declare("~I");
  link("I", "A");
  EXPECT_FALSE(Inclusion(classes, true, false).isShownDeep(at("I")));
  EXPECT_TRUE(Inclusion(classes, false, true).isShownDeep(at("A")));
  EXPECT_FALSE(Inclusion(classes, false, false).isShownDeep(at("A")));
}

TEST_F(DeepTest, OwnChildIsAcceptedBeforeKindAndModifiers) {
  declare("~Self");
  link("Self", "Self");
  Inclusion inclusion(classes, false, false);
  EXPECT_FALSE(inclusion.isShown(at("Self")));
  EXPECT_TRUE(inclusion.isShownDeep(at("Self")));
}

TEST_F(DeepTest, PrintedDescendantDoesNotCount) {
  declare("A");
  declare("+B");
  link("B", "A");
  at("B").flags = kPrinted;
  Inclusion inclusion(classes, false, false);
  EXPECT_FALSE(inclusion.isShownDeep(at("B")));
  EXPECT_FALSE(inclusion.isShownDeep(at("A")));
}

// The descent must end on cycles longer than a self-link.
TEST_F(DeepTest, HiddenCycleEndsAndIsRejected) {
  declare("A");
  declare("B");
  declare("C");
  link("A", "B");
  link("B", "C");
  link("C", "A");
  Inclusion inclusion(classes, false, false);
  EXPECT_FALSE(inclusion.isShownDeep(at("A")));
  EXPECT_FALSE(inclusion.isShownDeep(at("C")));
}

TEST_F(DeepTest, CycleWithAShownMemberOrExitIsAccepted) {
  declare("A");
  declare("B");
  declare("+Out");
  link("A", "B");
  link("B", "A");
  link("Out", "B");
  Inclusion inclusion(classes, false, false);
  EXPECT_TRUE(inclusion.isShownDeep(at("A")));
  EXPECT_TRUE(inclusion.isShownDeep(at("B")));
}

TEST_F(DeepTest, MarkPrintedRejectsTheRootAndWhatOnlyItMadeShown) {
  declare("Top");
  declare("Mid");
  declare("+Leaf");
  declare("+Other");
  link("Mid", "Top");
  link("Leaf", "Mid");
  link("Other", "Side");
  Inclusion inclusion(classes, false, false);
  ASSERT_TRUE(inclusion.isShownDeep(at("Top")));
  ASSERT_TRUE(inclusion.isShownDeep(at("Side")));
  inclusion.markPrinted(at("Leaf"));
  EXPECT_TRUE(at("Leaf").flags & kPrinted);
  EXPECT_FALSE(inclusion.isShown(at("Leaf")));
  EXPECT_FALSE(inclusion.isShownDeep(at("Leaf")));
  EXPECT_FALSE(inclusion.isShownDeep(at("Mid")));
  EXPECT_FALSE(inclusion.isShownDeep(at("Top")));
  EXPECT_TRUE(inclusion.isShownDeep(at("Side")));
}

TEST_F(DeepTest, ChainOfAHundredThousandLevelsNeedsNoDeepStack) {
  const int depth = 100000;
  declare("+N" + std::to_string(depth));
  for (int i = depth; i > 0; --i) link("N" + std::to_string(i), "N" + std::to_string(i - 1));
  Inclusion inclusion(classes, false, false);
  EXPECT_TRUE(inclusion.isShownDeep(at("N0")));
  EXPECT_TRUE(inclusion.isShownDeep(at("N50000")));
}

// The remembered verdicts must give what the plain recursive rule gives,
// with a record already on the descent path rejected.
bool plainDeep(const ClassInfo& r, std::vector<const ClassInfo*>& path, bool nonPublic,
               bool interfaces) {
  if (r.flags & kPrinted) return false;
  path.push_back(&r);
  bool accepted = false;
  for (const ClassInfo* k : r.children) {
    if (k == &r) {
      accepted = true;
      break;
    }
    bool onPath = false;
    for (const ClassInfo* p : path) onPath = onPath || p == k;
    if (!onPath && plainDeep(*k, path, nonPublic, interfaces)) {
      accepted = true;
      break;
    }
  }
  path.pop_back();
  if (accepted) return true;
  if (r.kind != "class") return interfaces;
  return nonPublic || r.modifiers.find("public") != std::string::npos;
}

TEST(InclusionAgainstPlainRule, RandomGraphsWithCyclesAndPrintedRoots) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 300; ++round) {
    ClassList classes;
    int count = 2 + static_cast<int>(random() % 9);
    std::vector<ClassInfo*> records;
    for (int i = 0; i < count; ++i) {
      unsigned pick = random() % 4;
      records.push_back(classes.addClass(pick == 3 ? "interface" : "class", "R" + std::to_string(i),
                                         pick == 0 ? "public" : "", "f", "p", true));
    }
    int links = static_cast<int>(random() % (2 * count + 1));
    for (int i = 0; i < links; ++i) {
      ClassInfo* child = records[random() % count];
      classes.linkParent(child, records[random() % count]->name, "f", "p");
    }
    bool nonPublic = random() % 4 == 0;
    bool interfaces = random() % 2 == 0;
    Inclusion inclusion(classes, nonPublic, interfaces);
    for (int step = 0; step < 4; ++step) {
      for (ClassInfo* r : records) {
        std::vector<const ClassInfo*> path;
        ASSERT_EQ(plainDeep(*r, path, nonPublic, interfaces), inclusion.isShownDeep(*r))
            << "round " << round << " step " << step << " record " << r->name;
      }
      inclusion.markPrinted(*records[random() % count]);
    }
  }
}

}  // namespace
