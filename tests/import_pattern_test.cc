#include "parse/import_pattern.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

// The groups of an ECMAScript search for `pattern`: the reference the
// hand-written matchers must agree with. Empty when there is no match.
std::vector<std::string> regexGroups(const std::regex& pattern, const std::string& statement) {
  std::smatch match;
  if (!std::regex_search(statement, match, pattern)) return {};
  std::vector<std::string> groups;
  for (size_t i = 1; i < match.size(); ++i) groups.push_back(match[i].str());
  return groups;
}

std::vector<std::string> importGroups(const std::string& statement) {
  ImportGroups groups;
  if (!findImport(statement, groups)) return {};
  return {groups.modifier, groups.name};
}

std::vector<std::string> packageGroups(const std::string& statement) {
  std::string name;
  if (!findImportPackage(statement, name)) return {};
  return {name};
}

const std::regex& importRegex() {
  static const std::regex pattern(kImportPattern, std::regex::ECMAScript);
  return pattern;
}

const std::regex& packageRegex() {
  static const std::regex pattern(kImportPackagePattern, std::regex::ECMAScript);
  return pattern;
}

struct PatternCase {
  const char* statement;
  std::vector<std::string> groups;  // empty: no match
};

const PatternCase kImportCases[] = {
    {"import java.util.List;", {"", "java.util.List"}},
    {"import java.util.*;", {"", "java.util.*"}},
    {"import static org.junit.Assert.*;", {"static ", "org.junit.Assert.*"}},
    {"import static a;", {"static ", "a"}},
    // "static" alone is a name: the first alternative needs its blank.
    {"import static;", {"", "static"}},
    {"import static ;", {}},
    {"import static static x;", {}},
    {"import  static a;", {}},
    {"import  java.List;", {}},
    // A failed start is followed by the next "import ".
    {"import import x;", {"", "x"}},
    {"import a b;import c;", {"", "c"}},
    {"import static import static q.R;", {"static ", "q.R"}},
    // The search is not anchored to a word start.
    {"reimport x;", {"", "x"}},
    {"x = 1; import a.b;", {"", "a.b"}},
    {"import a;b;", {"", "a"}},
    {"import java.util.*.*;", {"", "java.util.*.*"}},
    {"import a.b..c_1.D9;", {"", "a.b..c_1.D9"}},
    {"import a.b", {}},
    {"import ;", {}},
    {"import *;", {}},
    {"import _a;", {}},
    {"import 1a;", {}},
    {"import a.B$C;", {}},
    {"import a.b ;", {}},
    {"import caf\xc3\xa9;", {}},
    {"Import a;", {}},
    {"import", {}},
    {"", {}},
};

const PatternCase kPackageCases[] = {
    {"package com.acme;", {"com.acme"}},
    {"package app;", {"app"}},
    // Unlike an imported name, a package name may start with anything of
    // its class.
    {"package 1._x;", {"1._x"}},
    {"package .;", {"."}},
    {"package ;", {}},
    {"package  a;", {}},
    {"package a.*;", {}},
    {"package a b;package c;", {"c"}},
    {"package package d;", {"d"}},
    {"subpackage e;", {"e"}},
    {"@Deprecated package f.g;", {"f.g"}},
    {"package h", {}},
    {"package h.i ;", {}},
    {"package \xc3\xa9;", {}},
    {"Package a;", {}},
    {"", {}},
};

TEST(ImportPatternTest, ImportStatements) {
  for (const PatternCase& c : kImportCases) {
    EXPECT_EQ(c.groups, importGroups(c.statement)) << '"' << c.statement << '"';
    EXPECT_EQ(c.groups, regexGroups(importRegex(), c.statement)) << '"' << c.statement << '"';
  }
}

TEST(ImportPatternTest, PackageStatements) {
  for (const PatternCase& c : kPackageCases) {
    EXPECT_EQ(c.groups, packageGroups(c.statement)) << '"' << c.statement << '"';
    EXPECT_EQ(c.groups, regexGroups(packageRegex(), c.statement)) << '"' << c.statement << '"';
  }
}

// Random statements and near misses of real ones, built from fragments that
// meet every branch of the matchers: both keywords with and without their
// blank, letters, digits, the other name characters, the terminator, a blank
// and bytes outside every class.
class RandomStatements {
 public:
  explicit RandomStatements(std::string keyword) : keyword_(std::move(keyword)) {}

  std::string next() {
    ++round_;
    if (round_ % 2 == 0) return junk(12);
    // Junk around the keyword, an optional "static", a name that now and
    // then holds a stray fragment, and usually the terminator.
    std::string statement = junk(3) + keyword_;
    const char* extra[] = {"", "static ", "static", "import ", "package "};
    statement += extra[below(5)];
    for (size_t n = below(6); n > 0; --n) {
      statement += below(12) == 0 ? kFragments[below(kFragments.size())]
                                  : std::string(1, kNameCharacters[below(kNameCharacters.size())]);
    }
    if (below(5) != 0) statement += ";";
    return statement + junk(3);
  }

 private:
  size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  std::string junk(size_t most) {
    std::string text;
    for (size_t n = below(most + 1); n > 0; --n) text += kFragments[below(kFragments.size())];
    return text;
  }

  const std::vector<std::string> kFragments = {
      "import ", "package ", "static ", "import", "package", "static", "a", "Z",    "s",
      "0",       "_",        ".",       "*",      ";",       " ",      "$", "\xc3", "{"};
  const std::string kNameCharacters = "abZ09_.*";
  std::string keyword_;
  std::mt19937 random_{20240611};
  int round_ = 0;
};

TEST(ImportPatternTest, ImportAgreesWithRegexOnRandomStatements) {
  RandomStatements statements("import ");
  int found = 0, foundStatic = 0;
  for (int round = 0; round < 20000 && !HasFailure(); ++round) {
    std::string statement = statements.next();
    std::vector<std::string> groups = importGroups(statement);
    EXPECT_EQ(regexGroups(importRegex(), statement), groups) << '"' << statement << '"';
    if (!groups.empty()) {
      ++found;
      if (!groups[0].empty()) ++foundStatic;
    }
  }
  // The statements must reach both outcomes and both alternatives often.
  EXPECT_GT(found, 2000);
  EXPECT_GT(foundStatic, 300);
  EXPECT_LT(found, 18000);
}

TEST(ImportPatternTest, PackageAgreesWithRegexOnRandomStatements) {
  RandomStatements statements("package ");
  int found = 0;
  for (int round = 0; round < 20000 && !HasFailure(); ++round) {
    std::string statement = statements.next();
    std::vector<std::string> groups = packageGroups(statement);
    EXPECT_EQ(regexGroups(packageRegex(), statement), groups) << '"' << statement << '"';
    if (!groups.empty()) ++found;
  }
  EXPECT_GT(found, 2000);
  EXPECT_LT(found, 18000);
}

// A regex engine recurses once per character of a run; these lengths would
// overflow its stack.
TEST(ImportPatternTest, LongStatementsNeedNoRecursion) {
  std::string name = "a" + std::string(1000000, 'b');
  ImportGroups groups;
  ASSERT_TRUE(findImport("import " + name + ";", groups));
  EXPECT_EQ(name, groups.name);
  std::string package;
  ASSERT_TRUE(findImportPackage("package " + name + ";", package));
  EXPECT_EQ(name, package);
  // Many failing starts in a row still find the one at the end.
  std::string statement;
  for (int i = 0; i < 100000; ++i) statement += "import x package y ";
  ASSERT_TRUE(findImport(statement + "import static y;", groups));
  EXPECT_EQ("static ", groups.modifier);
  EXPECT_EQ("y", groups.name);
  ASSERT_TRUE(findImportPackage(statement + "package z;", package));
  EXPECT_EQ("z", package);
}

}  // namespace
