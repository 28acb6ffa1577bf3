#include "publish/section_replacements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SplitAtCommas, KeepsPartsEndingAtACommaAndANonEmptyLastPart) {
  struct Case {
    std::string text;
    std::vector<std::string> parts;
  };
  const Case cases[] = {
      {"x1,foo1", {"x1", "foo1"}},
      {"x1,foo1,", {"x1", "foo1"}},
      {"x1,", {"x1"}},
      {"x1,,", {"x1", ""}},
      {"a,b,c", {"a", "b", "c"}},
      {"whole", {"whole"}},
      {"", {}},
      {",", {""}},
      {",x", {"", "x"}},
      {",,", {"", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(splitAtCommas(c.text), c.parts) << c.text;
}

struct ReplacementCase {
  std::vector<std::string> replacements;
  std::string section;
  std::string expected;
};

TEST(ApplyReplacements, AppliesTwoPartEntriesInOrderAndIgnoresTheRest) {
  const ReplacementCase cases[] = {
      {{"x1,foo1"}, "x1x1", "foo1foo1"},
      // Inserted text is not searched again.
      {{"a,aa"}, "aa", "aaaa"},
      // Later entries see what earlier ones wrote.
      {{"x1,foo1", "foo1,bar"}, "x1", "bar"},
      {{"foo1,bar", "x1,foo1"}, "x1", "foo1"},
      {{"a,b,c"}, "a", "a"},
      {{"x1"}, "x1", "x1"},
      {{"x1,"}, "x1", "x1"},
      // A trailing comma still gives two parts; an empty find is skipped.
      {{"x1,y,"}, "x1", "y"},
      {{",x"}, "abc", "abc"},
      {{"x1,,"}, "ax1b", "ab"},
      {{}, "unchanged", "unchanged"},
      {{"x,y"}, "", ""},
  };
  for (const ReplacementCase& c : cases) {
    std::string section = c.section;
    applyReplacements(section, c.replacements);
    EXPECT_EQ(section, c.expected) << c.section;
  }
}

}  // namespace
