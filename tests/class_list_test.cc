#include "model/class_list.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/log.h"
#include "base/patterns.h"

namespace {

// Collects the messages of one test and restores the process-wide threshold.
class ClassListTest : public testing::Test {
 protected:
  ClassListTest() {
    Log::destination = &messages;
    Log::threshold = 0;
  }
  ~ClassListTest() override {
    Log::destination = &std::cerr;
    Log::threshold = 0;
  }

  /// A declaration (defined) or a reference (not defined) of `name`.
  ClassInfo* add(const std::string& name, const std::string& package, bool defined,
                 const std::string& kind = "class", const std::string& modifiers = "public",
                 const std::string& file = "F.java") {
    return classes.addClass(kind, name, modifiers, file, package, defined);
  }

  /// One line per record in list order: kind, name, [modifiers], file,
  /// package, defined or placeholder.
  std::vector<std::string> summary() const {
    std::vector<std::string> lines;
    for (const auto& entry : classes.records()) {
      const ClassInfo& r = *entry.second;
      lines.push_back(r.kind + " " + r.name + " [" + r.modifiers + "] " + r.file + " " + r.package +
                      (r.defined ? " defined" : " placeholder"));
    }
    return lines;
  }

  static std::vector<std::string> names(const ClassSet& set) {
    std::vector<std::string> result;
    for (const ClassInfo* record : set) result.push_back(record->name);
    return result;
  }

  ClassList classes;
  std::ostringstream messages;
};

TEST_F(ClassListTest, NewNameCreatesARecordFromTheArguments) {
  ClassInfo* r =
      classes.addClass("interface", "Shape", "public abstract", "a/Shape.java", "p", true);
  ASSERT_NE(nullptr, r);
  EXPECT_EQ("interface", r->kind);
  EXPECT_EQ("Shape", r->name);
  EXPECT_EQ("public abstract", r->modifiers);
  EXPECT_EQ("a/Shape.java", r->file);
  EXPECT_EQ("p", r->package);
  EXPECT_TRUE(r->defined);
  EXPECT_EQ("", r->generic);
  EXPECT_EQ("", r->meta);
  EXPECT_EQ(0u, r->flags);
  EXPECT_TRUE(r->parents.empty() && r->children.empty() && r->interfaces.empty());
  EXPECT_EQ(1u, classes.size());
}

// One call of addClass: name, kind, modifiers, file, package, defined.
struct Call {
  const char* name;
  const char* kind;
  const char* modifiers;
  const char* file;
  const char* package;
  bool defined;
};

struct MergeCase {
  const char* title;
  std::vector<Call> calls;
  std::vector<std::string> records;
};

class MergeRules : public ClassListTest, public testing::WithParamInterface<MergeCase> {};

TEST_P(MergeRules, LeaveTheseRecords) {
  for (const Call& c : GetParam().calls) {
    classes.addClass(c.kind, c.name, c.modifiers, c.file, c.package, c.defined);
  }
  EXPECT_EQ(GetParam().records, summary()) << GetParam().title;
}

const MergeCase kMergeCases[] = {
    {"same name in two packages gives two records in creation order",
     {{"A", "class", "public", "p/A.java", "p", true}, {"A", "class", "", "q/A.java", "q", true}},
     {"class A [public] p/A.java p defined", "class A [] q/A.java q defined"}},
    {"same package merges and the second declaration wins",
     {{"A", "class", "public", "1.java", "p", true},
      {"A", "interface", "final", "2.java", "p", true}},
     {"interface A [final] 2.java p defined"}},
    {"a declaration fills the placeholder whatever its package",
     {{"A", "class", "", "Ref.java", "r", false}, {"A", "class", "public", "A.java", "p", true}},
     {"class A [public] A.java p defined"}},
    {"a reference keeps the record unchanged",
     {{"A", "class", "public", "A.java", "p", true},
      {"A", "interface", "", "Ref.java", "r", false}},
     {"class A [public] A.java p defined"}},
    {"an implemented name turns into the kind of its later declaration",
     {{"I", "interface", "", "C.java", "p", false}, {"I", "class", "public", "I.java", "p", true}},
     {"class I [public] I.java p defined"}},
    {"a declaration walks past other packages to its own",
     {{"A", "class", "", "p.java", "p", true},
      {"A", "class", "", "q.java", "q", true},
      {"A", "class", "static", "q2.java", "q", true}},
     {"class A [] p.java p defined", "class A [static] q2.java q defined"}},
    {"references never add a second record",
     {{"A", "class", "", "1.java", "p", false}, {"A", "interface", "", "2.java", "q", false}},
     {"class A [] 1.java p placeholder"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, MergeRules, testing::ValuesIn(kMergeCases));

TEST_F(ClassListTest, ReferenceAfterASecondPackageAttachesToTheFirstRecord) {
  ClassInfo* p = add("A", "p", true);
  ClassInfo* q = add("A", "q", true);
  ASSERT_NE(p, q);
  EXPECT_EQ(p, add("A", "q", false));
  ClassInfo* child = add("B", "q", true);
  classes.linkParent(child, "A", "B.java", "q");
  EXPECT_EQ(std::vector<std::string>{"B"}, names(p->children));
  EXPECT_TRUE(q->children.empty());
}

TEST_F(ClassListTest, MergeKeepsGenericMetaFlagsAndLinks) {
  ClassInfo* r = add("A", "p", false);
  r->generic = "<T>";
  r->meta = "@X ";
  r->flags = kPrinted;
  ClassInfo* child = add("B", "p", true);
  classes.linkParent(child, "A", "B.java", "p");
  ClassInfo* merged = add("A", "p", true, "interface", "public", "A.java");
  ASSERT_EQ(r, merged);
  EXPECT_EQ("<T>", merged->generic);
  EXPECT_EQ("@X ", merged->meta);
  EXPECT_EQ(kPrinted, merged->flags);
  EXPECT_EQ(std::vector<std::string>{"B"}, names(merged->children));
  EXPECT_EQ("interface", merged->kind);
}

TEST_F(ClassListTest, DuplicateWarningAtLevelOneNamesBothFiles) {
  Log::threshold = 1;
  add("A", "p", true, "class", "", "one/A.java");
  EXPECT_EQ("", messages.str());
  add("A", "p", true, "class", "", "two/A.java");
  EXPECT_EQ("\x1b[01;32m Warning Duplicate class=A\n File two/A.java\n  and one/A.java\x1b[00m \n",
            messages.str());
}

TEST_F(ClassListTest, DuplicateIntoPlaceholderIsNoDuplicate) {
  Log::threshold = 1;
  add("A", "p", false);
  add("A", "p", true);
  EXPECT_EQ("", messages.str());
}

TEST_F(ClassListTest, WarningsBelowTheirLevelWriteNothing) {
  classes.ignorePatterns.push_back(*compileWildcard("Skip*"));
  add("A", "p", true);
  add("A", "p", true);  // duplicate, level 1
  add("SkipMe", "p", true);
  EXPECT_EQ("", messages.str());
  Log::threshold = 1;
  add("SkipMe", "p", true);  // level 2 stays silent at 1
  EXPECT_EQ("", messages.str());
}

TEST_F(ClassListTest, IgnoredNameWarnsAtLevelTwoAndMakesNoRecord) {
  Log::threshold = 2;
  classes.ignorePatterns.push_back(*compileWildcard("*Test"));
  EXPECT_EQ(nullptr, add("FooTest", "p", true));
  EXPECT_EQ(nullptr, add("FooTest", "p", false, "interface", ""));
  ClassInfo* child = add("Foo", "p", true);
  classes.linkParent(child, "BarTest", "Foo.java", "p");
  EXPECT_TRUE(child->parents.empty());
  EXPECT_EQ(std::vector<std::string>{"class Foo [public] F.java p defined"}, summary());
  EXPECT_EQ(
      "\x1b[01;35m Warning Ignoring class:FooTest\x1b[00m \n"
      "\x1b[01;35m Warning Ignoring class:FooTest\x1b[00m \n"
      "\x1b[01;35m Warning Ignoring class:BarTest\x1b[00m \n",
      messages.str());
}

struct PatternCase {
  std::vector<const char*> ignore;
  std::vector<const char*> include;
  const char* name;
  bool recorded;
};

class ClassPatterns : public ClassListTest, public testing::WithParamInterface<PatternCase> {};

TEST_P(ClassPatterns, DecideWhetherANameIsRecorded) {
  for (const char* text : GetParam().ignore)
    classes.ignorePatterns.push_back(*compileWildcard(text));
  for (const char* text : GetParam().include) {
    classes.includePatterns.push_back(*compileWildcard(text));
  }
  EXPECT_EQ(GetParam().recorded, add(GetParam().name, "p", true) != nullptr) << GetParam().name;
}

const PatternCase kPatternCases[] = {
    {{"Test"}, {}, "MyTest", true},  // the whole name must match
    {{"*Test"}, {}, "MyTest", false},
    {{"*test"}, {}, "MyTest", true},  // case-sensitive
    {{"[Tt]est[0-9]"}, {}, "test7", false},
    {{"A?"}, {}, "A", false},         // "?" keeps its regex meaning
    {{"A.B"}, {}, "AxB", false},      // so does "."
    {{"X", "Y*"}, {}, "Yes", false},  // any of the sequence
    {{}, {"com.*"}, "com.acme", true},
    {{}, {"com.*"}, "org.acme", false},
    {{}, {"A", "B"}, "B", true},
    {{"A*"}, {"A*"}, "Alpha", false},  // ignoring wins
};

INSTANTIATE_TEST_SUITE_P(Cases, ClassPatterns, testing::ValuesIn(kPatternCases));

TEST_F(ClassListTest, IncludePatternsRefuseUnmatchedParentsSilently) {
  Log::threshold = 5;
  classes.includePatterns.push_back(*compileWildcard("app.*"));
  ClassInfo* child = add("app.Main", "app", true);
  classes.linkParent(child, "lib.Base", "Main.java", "app");
  classes.linkParent(child, "app.Base", "Main.java", "app");
  EXPECT_EQ(std::vector<std::string>{"app.Base"}, names(child->parents));
  EXPECT_EQ(2u, classes.size());
  EXPECT_EQ("", messages.str());
}

TEST_F(ClassListTest, PatternAddedLaterRefusesEvenAnExistingName) {
  ClassInfo* a = add("Alpha", "p", true);
  ASSERT_NE(nullptr, a);
  classes.ignorePatterns.push_back(*compileWildcard("Alpha"));
  EXPECT_EQ(nullptr, add("Alpha", "p", false));
  EXPECT_EQ(1u, classes.size());
}

TEST_F(ClassListTest, KeysSortByUnsignedBytesAndEqualNamesByCreation) {
  const char* created[] = {"b", "\xC3\xA9t\xC3\xA9", "Ab", "a", "_", "A", "B", "Z", "A"};
  for (const char* name : created) add(name, name == std::string("A") ? "p" : "q", true);
  add("A", "r", true);
  std::vector<std::string> order;
  for (const auto& entry : classes.records()) {
    order.push_back(entry.second->name + "/" + entry.second->package);
  }
  EXPECT_EQ((std::vector<std::string>{"A/p", "A/r", "Ab/q", "B/q", "Z/q", "_/q", "a/q", "b/q",
                                      "\xC3\xA9t\xC3\xA9/q"}),
            order);
}

TEST_F(ClassListTest, LinkParentCreatesAPlaceholderFromTheReferringFile) {
  ClassInfo* child = add("Cat", "zoo", true, "class", "public", "zoo/Cat.java");
  classes.linkParent(child, "Animal", "zoo/Cat.java", "zoo");
  EXPECT_EQ((std::vector<std::string>{"class Animal [] zoo/Cat.java zoo placeholder",
                                      "class Cat [public] zoo/Cat.java zoo defined"}),
            summary());
  ClassInfo* animal = classes.records().begin()->second.get();
  EXPECT_EQ(std::vector<std::string>{"Animal"}, names(child->parents));
  EXPECT_EQ(std::vector<std::string>{"Cat"}, names(animal->children));

  // The declaration read later merges into the placeholder and keeps its child.
  ClassInfo* declared = add("Animal", "zoo", true, "class", "public abstract", "zoo/Animal.java");
  EXPECT_EQ(animal, declared);
  EXPECT_EQ(std::vector<std::string>{"Cat"}, names(declared->children));
}

TEST_F(ClassListTest, LinkingTwiceLeavesOneEntryEachWay) {
  ClassInfo* child = add("B", "p", true);
  classes.linkParent(child, "A", "B.java", "p");
  classes.linkParent(child, "A", "B.java", "p");
  ClassInfo* parent = add("A", "p", false);
  EXPECT_EQ(1u, child->parents.size());
  EXPECT_EQ(1u, parent->children.size());
}

TEST_F(ClassListTest, ClassNamingItselfIsItsOwnParentAndChild) {
  ClassInfo* self = add("Loop", "p", true);
  classes.linkParent(self, "Loop", "Loop.java", "p");
  EXPECT_TRUE(self->parents.contains(self));
  EXPECT_TRUE(self->children.contains(self));
  EXPECT_EQ(1u, classes.size());
}

// Sets list by creation, whatever the names or the order of linking.
TEST_F(ClassListTest, SetsFollowCreationOrderNotNamesOrLinkOrder) {
  ClassInfo* zed = add("Zed", "p", true);
  ClassInfo* alpha = add("Alpha", "p", true);
  ClassInfo* mid = add("Mid", "p", true);
  ClassInfo* base = add("Base", "p", true);
  for (ClassInfo* child : {mid, alpha, zed, alpha}) {
    classes.linkParent(child, "Base", "x.java", "p");
  }
  EXPECT_EQ((std::vector<std::string>{"Zed", "Alpha", "Mid"}), names(base->children));
  EXPECT_EQ("Zed", base->children.first()->name);
  EXPECT_EQ("Mid", base->children.last()->name);

  for (const char* name : {"I3", "I1", "I2"}) add(name, "p", false, "interface", "");
  for (const char* name : {"I2", "I3", "I1"}) mid->interfaces.insert(add(name, "p", false));
  EXPECT_EQ((std::vector<std::string>{"I3", "I1", "I2"}), names(mid->interfaces));
}

TEST_F(ClassListTest, ReleaseEmptiesTheListButKeepsPatterns) {
  classes.ignorePatterns.push_back(*compileWildcard("X"));
  classes.includePatterns.push_back(*compileWildcard("*"));
  ClassInfo* child = add("B", "p", true);
  classes.linkParent(child, "A", "B.java", "p");
  EXPECT_EQ(2u, classes.size());
  classes.release();
  EXPECT_EQ(0u, classes.size());
  EXPECT_TRUE(classes.records().empty());
  EXPECT_EQ(1u, classes.ignorePatterns.size());
  EXPECT_EQ(1u, classes.includePatterns.size());
  EXPECT_EQ(nullptr, add("X", "p", true));
  EXPECT_NE(nullptr, add("Y", "p", true));
}

}  // namespace
