#include "parse/import_pattern.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

// What an ECMAScript search for the import pattern gives: the reference the
// hand-written matcher must agree with.
bool regexImport(const std::string& statement, ImportGroups& groups) {
  static const std::regex pattern(kImportPattern, std::regex::ECMAScript);
  std::smatch match;
  if (!std::regex_search(statement, match, pattern)) return false;
  groups.modifier = match[1].str();
  groups.name = match[2].str();
  return true;
}

// Compares the matcher with the regex on `statement`; returns what the regex
// found, so callers can see that both outcomes were exercised.
bool expectSameAsRegex(const std::string& statement) {
  ImportGroups expected, actual;
  bool expectedFound = regexImport(statement, expected);
  EXPECT_EQ(expectedFound, findImport(statement, actual)) << '"' << statement << '"';
  if (expectedFound) {
    EXPECT_EQ(expected.modifier, actual.modifier) << '"' << statement << '"';
    EXPECT_EQ(expected.name, actual.name) << '"' << statement << '"';
  }
  return expectedFound;
}

struct ImportCase {
  const char* statement;
  bool found;
  const char* modifier;
  const char* name;
};

const ImportCase kCases[] = {
    {"import java.util.List;", true, "", "java.util.List"},
    {"import java.util.*;", true, "", "java.util.*"},
    {"import static org.junit.Assert.*;", true, "static ", "org.junit.Assert.*"},
    {"import static a;", true, "static ", "a"},
    // "static" alone is a name: the first alternative needs its blank.
    {"import static;", true, "", "static"},
    {"import static ;", false, "", ""},
    {"import static static x;", false, "", ""},
    {"import  static a;", false, "", ""},
    {"import  java.List;", false, "", ""},
    // A failed start is followed by the next "import ".
    {"import import x;", true, "", "x"},
    {"import a b;import c;", true, "", "c"},
    {"import static import static q.R;", true, "static ", "q.R"},
    // The search is not anchored to a word start.
    {"reimport x;", true, "", "x"},
    {"x = 1; import a.b;", true, "", "a.b"},
    {"import a;b;", true, "", "a"},
    {"import java.util.*.*;", true, "", "java.util.*.*"},
    {"import a.b..c_1.D9;", true, "", "a.b..c_1.D9"},
    {"import a.b", false, "", ""},
    {"import ;", false, "", ""},
    {"import *;", false, "", ""},
    {"import _a;", false, "", ""},
    {"import 1a;", false, "", ""},
    {"import a.B$C;", false, "", ""},
    {"import a.b ;", false, "", ""},
    {"import caf\xc3\xa9;", false, "", ""},
    {"Import a;", false, "", ""},
    {"import", false, "", ""},
    {"", false, "", ""},
};

TEST(ImportPatternTest, TableOfStatements) {
  for (const ImportCase& c : kCases) {
    ImportGroups groups;
    ASSERT_EQ(c.found, findImport(c.statement, groups)) << '"' << c.statement << '"';
    if (c.found) {
      EXPECT_EQ(c.modifier, groups.modifier) << '"' << c.statement << '"';
      EXPECT_EQ(c.name, groups.name) << '"' << c.statement << '"';
    }
    expectSameAsRegex(c.statement);
  }
}

TEST(ImportPatternTest, AgreesWithRegexOnRandomStatements) {
  // Fragments chosen to meet every branch of the matcher: both keywords with
  // and without their blank, letters, digits, the other name characters,
  // the terminator, a blank and bytes outside the name class.
  const std::vector<std::string> fragments = {"import ", "static ", "import", "static", "a", "Z",
                                              "s",       "0",       "_",      ".",      "*", ";",
                                              " ",       "$",       "\xc3",   "{"};
  const std::string nameCharacters = "abZ09_.*";
  std::mt19937 random(20240611);
  auto below = [&random](size_t n) {
    return std::uniform_int_distribution<size_t>(0, n - 1)(random);
  };
  auto junk = [&](size_t most) {
    std::string text;
    for (size_t n = below(most + 1); n > 0; --n) text += fragments[below(fragments.size())];
    return text;
  };
  int found = 0, foundStatic = 0;
  for (int round = 0; round < 20000 && !HasFailure(); ++round) {
    std::string statement;
    if (round % 2 == 0) {
      statement = junk(12);
    } else {
      // Near misses of a real import: junk around "import ", an optional
      // "static", a name that now and then holds a stray byte, and usually
      // the terminator.
      statement = junk(3) + "import ";
      const char* keyword[] = {"", "static ", "static", "import "};
      statement += keyword[below(4)];
      for (size_t n = below(6); n > 0; --n) {
        statement += below(12) == 0 ? fragments[below(fragments.size())]
                                    : std::string(1, nameCharacters[below(nameCharacters.size())]);
      }
      if (below(5) != 0) statement += ";";
      statement += junk(3);
    }
    ImportGroups groups;
    if (expectSameAsRegex(statement) && findImport(statement, groups)) {
      ++found;
      if (!groups.modifier.empty()) ++foundStatic;
    }
  }
  // The statements must reach both outcomes and both alternatives often.
  EXPECT_GT(found, 2000);
  EXPECT_GT(foundStatic, 300);
  EXPECT_LT(found, 18000);
}

TEST(ImportPatternTest, LongStatementsNeedNoRecursion) {
  std::string name = "a" + std::string(1000000, 'b');
  ImportGroups groups;
  ASSERT_TRUE(findImport("import " + name + ";", groups));
  EXPECT_EQ(name, groups.name);
  // Many failing starts in a row still find the one at the end.
  std::string statement;
  for (int i = 0; i < 100000; ++i) statement += "import x ";
  statement += "import static y;";
  ASSERT_TRUE(findImport(statement, groups));
  EXPECT_EQ("static ", groups.modifier);
  EXPECT_EQ("y", groups.name);
}

}  // namespace
