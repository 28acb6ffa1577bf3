#include "parse/class_pattern.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

// The groups of an ECMAScript search for the header pattern: the reference
// the hand-written matcher must agree with. Empty when there is no match.
std::vector<std::string> regexGroups(const std::string& statement) {
  static const std::regex pattern(kClassPattern, std::regex::ECMAScript);
  std::smatch match;
  if (!std::regex_search(statement, match, pattern)) return {};
  std::vector<std::string> groups;
  for (size_t i = 1; i < match.size(); ++i) groups.push_back(match[i].str());
  return groups;
}

std::vector<std::string> matcherGroups(const std::string& statement) {
  ClassGroups g;
  if (!findClassDeclaration(statement, g)) return {};
  return {g.annotation, g.modifiers, g.kind, g.name, g.generic, g.extends, g.implements};
}

TEST(ClassPattern, DocumentedHeadersGiveTheRegexGroups) {
  for (const char* statement : {
           "@Deprecated public abstract class Shape<T> extends Base implements "
           "Comparable<Shape<T>>,Serializable {",
           "static class Inner extends Shape<Integer> {",
           "class Local {",
           "@A @B public class X {",
           "@Anno(a = 1) public class X {",
           "public @interface Marker {",
           "class Box <T> {",
           "class C<T extends Comparable<T>> {",
           "interface I extends A,B<C> {",
           "class X implements Map<K,V>,Serializable {",
           "public enum Color {",
           "void f() {",
           "new Runnable() {",
           "class {",
           "class A extends {",
           "class A implements {",
           "class A<> {",
           "class A<T>> extends B> {",
           "class A extends B implements C implements D {",
           "class A extends B extends C {",
           "final class class B {",
           "interface class A {",
           "x class y interface Z {",
           "class A/{ extends B {",
           "class A<x/{y> {",
           // "." stops at line ends, "[^ ]" does not.
           "class A<x\ny> {",
           "class A<x\ry> extends B> {",
           "a\nb class X {",
       }) {
    EXPECT_EQ(regexGroups(statement), matcherGroups(statement)) << statement;
  }
}

// Statements made of the pattern's own words and signs: whole headers with
// parts right, wrong or missing, and the words in any order.
TEST(ClassPattern, RandomStatementsGiveTheRegexGroups) {
  const std::vector<std::string> tokens = {
      "class", "interface", "extends", "implements", "public", "static", "final",   "abstract",
      "A",     "Ab",        "B9",      "_x",         "@A",     "@B(",    ")",       "<",
      ">",     ">>",        "<T>",     ",",          ".",      "a",      "Aa",      "1",
      "/{",    "=",         "?",       "\xC3\xA9",   "enum",   "classX", "Map<K,V>"};
  const std::vector<std::string> separators = {" ", " ", " ", "", "  "};
  // Headers assembled part by part, each part right, wrong or missing.
  const std::vector<std::vector<std::string>> parts = {
      {"", "", "x ", "a.b = ", "/{ "},
      {"", "", "@A ", "@B(x = 1) ", "@A @B ", "@"},
      {"", "public ", "public static ", "final public ", "Abstract ", "B "},
      {"class ", "class ", "interface ", "interface ", "enum ", "classinterface ", "class"},
      {"A", "Ab_1", "", "A.B", "a"},
      {"", "", "<T>", " <T>", "<K,V>", "<T extends Comparable<T>>", "<A<B>>>", "<", ">", "<T>x"},
      {"", "", " extends A", " extends A,B<C>", " extends java.util.List<X>", " extends",
       " extends A implements", "extends A"},
      {"", "", " implements I", " implements I,J<K<L>>", " implements", " implements  I"},
      {"", "", " ", " x", " /{"},
  };
  std::mt19937 random(4242);
  int matched = 0;
  int generic = 0;
  int lists = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string statement;
    if (round % 2 == 0) {
      for (const std::vector<std::string>& choices : parts) {
        statement += choices[random() % choices.size()];
      }
    } else {
      int count = 1 + static_cast<int>(random() % 12);
      for (int i = 0; i < count; ++i) {
        if (i > 0) statement += separators[random() % separators.size()];
        statement += tokens[random() % tokens.size()];
      }
    }
    statement += random() % 3 == 0 ? "{" : " {";
    std::vector<std::string> expected = regexGroups(statement);
    ASSERT_EQ(expected, matcherGroups(statement)) << "'" << statement << "'";
    if (expected.empty()) continue;
    ++matched;
    generic += !expected[4].empty();
    lists += !expected[5].empty() && !expected[6].empty();
  }
  // The statements must reach every part of the pattern often enough.
  EXPECT_GT(matched, 2000);
  EXPECT_GT(generic, 1000);
  EXPECT_GT(lists, 500);
}

// A regex engine would recurse once per character of this header.
TEST(ClassPattern, HeaderOfHundredsOfKilobytesIsMatchedWithoutDeepRecursion) {
  std::string list = "B";
  for (int i = 0; i < 100000; ++i) list += ",B" + std::to_string(i % 10);
  std::string statement =
      "public final class Huge<T> extends " + list + " implements " + list + " {";
  ClassGroups g;
  ASSERT_TRUE(findClassDeclaration(statement, g));
  EXPECT_EQ("public ", g.annotation);  // the first token, joined to the modifiers later
  EXPECT_EQ("final ", g.modifiers);
  EXPECT_EQ("class", g.kind);
  EXPECT_EQ("Huge", g.name);
  EXPECT_EQ("<T>", g.generic);
  EXPECT_EQ(" extends " + list, g.extends);
  EXPECT_EQ(" implements " + list, g.implements);
}

}  // namespace
