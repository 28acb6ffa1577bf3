#include "base/replace.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  struct Case {
    const char* text;
    const char* find;
    const char* replacement;
    const char* result;
  } cases[] = {
      {"a*b*", "*", ".*", "a.*b.*"}, {"aa", "a", "aa", "aaaa"}, {"aaa", "aa", "X", "Xa"},
      {"abc", "", "X", "abc"},       {"", "a", "b", ""},        {"x, y, z", ", ", ",", "x,y,z"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(c.result, replaceAll(text, c.find, c.replacement)) << c.text;
    EXPECT_EQ(c.result, text);
  }
}

}  // namespace
