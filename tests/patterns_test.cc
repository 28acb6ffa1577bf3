#include "base/patterns.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>

namespace {

TEST(CompileWildcard, StarBecomesDotStarAndTheRestIsRegex) {
  struct Case {
    const char* wildcard;
    const char* text;
    bool matches;
  } cases[] = {
      {"*Test*", "/src/FooTest.java", true},
      {"Test", "FooTest", false},
      {"[Tt]est[0-9]", "test4", true},
      {"[Tt]est[0-9]", "Test", false},
      {"a.c", "abc", true},
      {"ab?", "a", true},
      {"*", "", true},
      {"x+", "xxx", true},
      {"^A$", "A", true},
  };
  for (const Case& c : cases) {
    std::optional<std::regex> pattern = compileWildcard(c.wildcard);
    ASSERT_TRUE(pattern.has_value()) << c.wildcard;
    EXPECT_EQ(c.matches, matchesAny(c.text, {*pattern})) << c.wildcard << " ~ " << c.text;
  }
  for (const char* invalid : {"[", "(", "a**{", "\\"}) {
    EXPECT_FALSE(compileWildcard(invalid).has_value()) << invalid;
  }
  EXPECT_FALSE(matchesAny("anything", {}));
}

}  // namespace
