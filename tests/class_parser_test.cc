#include "parse/class_parser.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/scan_context.h"
#include "base/log.h"
#include "base/patterns.h"
#include "base/replace.h"
#include "model/class_list.h"
#include "parse/parse_file.h"
#include "platform/output.h"
#include "test_support.h"

namespace {

class ClassParserTest : public testing::Test {
 protected:
  ClassParserTest() : context(out) {
    Log::destination = &messages;
    Log::threshold = 0;
  }
  ~ClassParserTest() override {
    Log::destination = &std::cerr;
    Log::threshold = 0;
  }

  void parse(const std::string& source, const std::string& path = "/src/F.java") {
    parseClassText(source, path, context.classes, settings, out);
  }

  /// One line per record in list order.
  std::vector<std::string> records() const {
    std::vector<std::string> lines;
    for (const auto& entry : context.classes.records()) lines.push_back(describe(*entry.second));
    return lines;
  }

  /// kind name [modifiers] meta=... generic=... package, then the parents
  /// and interfaces; "placeholder" for records no declaration reached.
  static std::string describe(const ClassInfo& r) {
    std::string line = r.kind + " " + r.name + " [" + r.modifiers + "] meta=" + r.meta +
                       " generic=" + r.generic + " " + r.package;
    if (!r.defined) line += " placeholder";
    if (!r.parents.empty()) {
      line += " extends";
      for (const ClassInfo* p : r.parents) line += " " + p->name;
    }
    if (!r.interfaces.empty()) {
      line += " implements";
      for (const ClassInfo* i : r.interfaces) line += " " + i->name;
    }
    return line;
  }

  Output out;
  ScanContext context;
  ParseSettings settings;
  std::string buffer;
  std::ostringstream messages;
};

const char kShapeSource[] =
    "package com.acme;\n"
    "/** A shape. */\n"
    "@Deprecated\n"
    "public abstract class Shape<T> extends Base implements Comparable<Shape<T>>, Serializable {\n"
    "    static class Inner extends Shape<Integer> { }\n"
    "    void f() { class Local { } }\n"
    "}\n";

TEST_F(ClassParserTest, ShapeExampleGivesItsRecords) {
  parse(kShapeSource);
  EXPECT_EQ((std::vector<std::string>{
                "class Base [] meta= generic= com.acme placeholder",
                "interface Comparable [] meta= generic= com.acme placeholder",
                "interface Serializable [] meta= generic= com.acme placeholder",
                "class Shape [public abstract] meta=@Deprecated  generic=<T> com.acme extends Base "
                "implements Comparable Serializable",
                "class Shape..Local [] meta= generic= com.acme",
                "class Shape.Inner [static] meta= generic= com.acme extends Shape",
            }),
            records());
  for (const auto& entry : context.classes.records()) EXPECT_EQ("/src/F.java", entry.second->file);
  EXPECT_EQ("", out.captured());
}

// The line of the keyword, also when the ", " replacement shortened the
// statement before it; placeholders have none.
TEST_F(ClassParserTest, DeclarationsKnowTheLineOfTheirKeyword) {
  parse(std::string(kShapeSource) +
        "@Anno(a, b)\npublic\nclass K<A, B>\n{ /* c\n */ interface\nJ {} }\n");
  std::vector<std::string> lines;
  for (const auto& entry : context.classes.records()) {
    lines.push_back(entry.second->name + ":" + std::to_string(entry.second->line));
  }
  EXPECT_EQ((std::vector<std::string>{"Base:0", "Comparable:0", "K:10", "K.J:12", "Serializable:0",
                                      "Shape:4", "Shape..Local:6", "Shape.Inner:5"}),
            lines);
}

TEST_F(ClassParserTest, ShapeExampleDumpsAtLevelFour) {
  settings.logLevel = 4;
  parse(kShapeSource);
  EXPECT_EQ(
      "@Deprecated public abstract class Shape<T> extends Base implements "
      "Comparable<Shape<T>>,Serializable {\n"
      "  Modifiers       =public abstract\n"
      "  classOrInterface=class\n"
      "  name            =Shape\n"
      "  generic         =<T>\n"
      "  extends         =Base\n"
      "  implements      =Comparable<Shape<T>>,Serializable\n"
      "static class Inner extends Shape<Integer> {\n"
      "  Modifiers       =static\n"
      "  classOrInterface=class\n"
      "  name            =Shape.Inner\n"
      "  generic         =\n"
      "  extends         =Shape<Integer>\n"
      "  implements      =\n"
      "class Local {\n"
      "  Modifiers       =\n"
      "  classOrInterface=class\n"
      "  name            =Shape..Local\n"
      "  generic         =\n"
      "  extends         =\n"
      "  implements      =\n",
      out.captured());
}

struct DumpLevelCase {
  int32_t level;
  bool dumps;
};

class DumpLevel : public ClassParserTest, public testing::WithParamInterface<DumpLevelCase> {};

TEST_P(DumpLevel, DecidesWhetherTheDumpIsPrinted) {
  settings.logLevel = GetParam().level;
  parse("public class Foo extends Bar {\n}\n");
  std::string dump =
      "public class Foo extends Bar {\n"
      "  Modifiers       =public\n"
      "  classOrInterface=class\n"
      "  name            =Foo\n"
      "  generic         =\n"
      "  extends         =Bar\n"
      "  implements      =\n";
  EXPECT_EQ(GetParam().dumps ? dump : std::string(), out.captured()) << GetParam().level;
}

// The level compares as an unsigned number, so -1 is the highest.
INSTANTIATE_TEST_SUITE_P(Levels, DumpLevel,
                         testing::Values(DumpLevelCase{0, false}, DumpLevelCase{3, false},
                                         DumpLevelCase{4, true}, DumpLevelCase{9, true},
                                         DumpLevelCase{-1, true}));

TEST_F(ClassParserTest, RefusedDeclarationDumpsNothingButStillNamesItsInnerClasses) {
  settings.logLevel = 4;
  context.classes.ignorePatterns.push_back(*compileWildcard("Outer"));
  parse("public class Outer extends Base {\n  public static class Inner { }\n}\n");
  EXPECT_EQ(std::vector<std::string>{"class Outer.Inner [public static] meta= generic= none"},
            records());
  EXPECT_EQ(std::string::npos, out.captured().find("name            =Outer\n"));
  EXPECT_NE(std::string::npos, out.captured().find("name            =Outer.Inner\n"));
}

struct HeaderCase {
  const char* title;
  const char* source;
  std::string record;  // describe() of the record named `name`
  const char* name;
};

class Header : public ClassParserTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(Header, GivesTheRecord) {
  parse(GetParam().source);
  std::string found = "(none)";
  for (const auto& entry : context.classes.records()) {
    if (entry.second->name == GetParam().name && entry.second->defined) {
      found = describe(*entry.second);
    }
  }
  EXPECT_EQ(GetParam().record, found) << GetParam().title;
}

const HeaderCase kHeaderCases[] = {
    {"public class", "public class Foo {}", "class Foo [public] meta= generic= none", "Foo"},
    {"no modifiers", "class Foo {}", "class Foo [] meta= generic= none", "Foo"},
    {"order of modifiers kept", "final public class Foo {}",
     "class Foo [final public] meta= generic= none", "Foo"},
    {"last annotation wins", "@A @B public class X {}", "class X [public] meta=@B  generic= none",
     "X"},
    {"annotation with blanks joins the modifiers", "@Anno(a = 1) public class X {}",
     "class X [1) public] meta= generic= none", "X"},
    {"annotation literal dropped", "@SuppressWarnings(\"unchecked\")\npublic class Foo {}",
     "class Foo [public] meta=@SuppressWarnings()  generic= none", "Foo"},
    {"annotation type", "public @interface Marker {}", "interface Marker [] meta= generic= none",
     "Marker"},
    {"interface", "public interface Api extends Base {}",
     "interface Api [public] meta= generic= none extends Base", "Api"},
    {"generic list", "class Box<K, V> {}", "class Box [] meta= generic=<K,V> none", "Box"},
    {"blank before generic", "class Box <T> {}", "class Box [] meta= generic= <T> none", "Box"},
    {"bounded generic", "class C<T extends Comparable<T>> {}",
     "class C [] meta= generic=<T extends Comparable<T>> none", "C"},
    {"qualified parent", "class A extends java.util.AbstractList<String> {}",
     "class A [] meta= generic= none extends java.util.AbstractList", "A"},
    {"two parents", "interface I extends A, B<C> {}",
     "interface I [] meta= generic= none extends A B", "I"},
    {"two interfaces", "class X implements Map<K, V>, Serializable {}",
     "class X [] meta= generic= none implements Map Serializable", "X"},
    {"nested arguments", "class D extends Base<Map<K,V>> implements I<X>, J {}",
     "class D [] meta= generic= none extends Base implements I J", "D"},
    {"blank before comma", "class X implements A , B {}",
     "class X [] meta= generic= none implements A B", "X"},
    {"header over lines with comments", "public /* c */ class\n  Foo // why\n  extends Bar\n{\n}\n",
     "class Foo [public] meta= generic= none extends Bar", "Foo"},
    {"keyword in a string is no header", "String s = \"class Fake {\";\nclass Real {}", "(none)",
     "Fake"},
    {"package", "package a.b_c.D1;\nclass P {}", "class P [] meta= generic= a.b_c.D1", "P"},
    {"second package statement", "package a;\nclass P {}\npackage b;\nclass Q {}",
     "class Q [] meta= generic= b", "Q"},
    {"enum records nothing", "public enum Color { RED; }", "(none)", "Color"},
    {"class in a top-level enum", "enum E { A; class In { } }", "class In [] meta= generic= none",
     "In"},
    {"class in a nested enum", "class Outer { enum E { X; class In { } } }",
     "class Outer..In [] meta= generic= none", "Outer..In"},
    {"record records nothing", "public record Point(int x, int y) implements Shape { }", "(none)",
     "Point"},
    {"class in a top-level record", "record R(int a) { class In { } }",
     "class In [] meta= generic= none", "In"},
    {"class in a nested record", "class Outer { record R(int a) { class In { } } }",
     "class Outer..In [] meta= generic= none", "Outer..In"},
    {"doubly nested", "class A { class B { class C { } } }", "class A.B.C [] meta= generic= none",
     "A.B.C"},
    {"anonymous body adds a component", "class A { void f() { new Runnable() { class L { } }; } }",
     "class A...L [] meta= generic= none", "A...L"},
    {"unbalanced brace at the top", "}\n}\nclass T { class U { } }",
     "class T.U [] meta= generic= none", "T.U"},
    {"brace in a method moves the nesting", "class A { void f() { } class B { } }",
     "class A.B [] meta= generic= none", "A.B"},
    // The reader takes the character after a "/" along unseen, so braces
    // can stand inside a statement, each moving the nesting in its turn.
    {"braces inside a statement move the nesting in order",
     "class A { x = 1 /} 2 /{ 3 /{; class B { } }", "class ..B [] meta= generic= none", "..B"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Header, testing::ValuesIn(kHeaderCases));

TEST_F(ClassParserTest, FileWithoutPackageGetsNoneAfterAFileWithOne) {
  parse("package a;\nclass P {}\n", "/a/P.java");
  parse("class Q {}\n", "/Q.java");
  EXPECT_EQ(
      (std::vector<std::string>{"class P [] meta= generic= a", "class Q [] meta= generic= none"}),
      records());
}

TEST_F(ClassParserTest, MergedDeclarationOverwritesMetaAndGeneric) {
  parse("@Old class A<T> {}\n", "/1/A.java");
  parse("class A {}\n", "/2/A.java");
  EXPECT_EQ(std::vector<std::string>{"class A [] meta= generic= none"}, records());
}

TEST_F(ClassParserTest, RefusedInterfaceAndParentAreLeftOut) {
  context.classes.ignorePatterns.push_back(*compileWildcard("Ser*"));
  context.classes.ignorePatterns.push_back(*compileWildcard("Base"));
  parse("class A extends Base implements Serializable, Runnable {}\n");
  EXPECT_EQ((std::vector<std::string>{"class A [] meta= generic= none implements Runnable",
                                      "interface Runnable [] meta= generic= none placeholder"}),
            records());
}

TEST_F(ClassParserTest, ByteOrderMarkIsSkippedAndMissingFileRecordsNothing) {
  TempDir dir;
  std::string path = dir.write("X.java", "\xEF\xBB\xBFpublic class X {}\n");
  parseFile(path, context.classes, settings, buffer, out);
  parseFile(dir.path() + "/Missing.java", context.classes, settings, buffer, out);
  EXPECT_EQ(std::vector<std::string>{"class X [public] meta= generic= none"}, records());
  EXPECT_EQ(path, context.classes.records().begin()->second->file);
  EXPECT_EQ("", messages.str());
}

struct SplitCase {
  const char* list;
  std::vector<std::string> items;
};

class SplitTopLevel : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTopLevel, SplitsAtCommasOutsideBrackets) {
  EXPECT_EQ(GetParam().items, splitTopLevel(GetParam().list)) << GetParam().list;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTopLevel,
    testing::Values(SplitCase{"Comparable<Pair<K,V>>,Serializable",
                              {"Comparable<Pair<K,V>>", "Serializable"}},
                    SplitCase{"A,,B,", {"A", "B"}}, SplitCase{"", {}}, SplitCase{",A", {"A"}},
                    SplitCase{"A ,B", {"A ", "B"}},  // items are not trimmed here
                    SplitCase{"A<B,C>", {"A<B,C>"}},
                    SplitCase{"A>,B", {"A>,B"}}));  // depth below zero hides the comma

TEST(FindTopLevel, CountsAngleDepthFromTheStart) {
  const size_t none = std::string_view::npos;
  EXPECT_EQ(6u, findTopLevel("a<b,c>,d", ",", 0));
  EXPECT_EQ(3u, findTopLevel("a<b>", ">", 0));  // a closing bracket is tested at depth zero
  EXPECT_EQ(3u, findTopLevel("a,b,c", ",", 2));
  EXPECT_EQ(1u, findTopLevel("x;y,z", ",;", 0));
  EXPECT_EQ(none, findTopLevel("a<b,c", ",", 0));
  EXPECT_EQ(none, findTopLevel("", ",", 0));
}

// The hand-written removal must do what replacing "<.*>" by nothing does.
TEST(RemoveTypeArguments, EqualsTheRegexReplacement) {
  for (const char* text : {"A", "A<B>", "A<B>.C<D>", "A<B<C>>", "A>B<", "A<B", "A>", "<>",
                           "a>b<c>d", "x<y>z<w", "Map<K,V>x"}) {
    std::string byHand = text;
    std::string byRegex = text;
    replaceRegex(byRegex, "<.*>", "");
    EXPECT_EQ(byRegex, removeTypeArguments(byHand)) << text;
  }
}

}  // namespace
