#include "parse/drop_last_components.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct DropCase {
  const char* name;
  int32_t count;
  const char* result;  // the name afterwards
  bool nothingLeft;
};

const DropCase kCases[] = {
    {"java.util.List", 0, "java.util.List", false},
    {"java.util.List", 1, "java.util", false},
    {"java.util.List", 2, "java", false},
    {"java.util.List", 3, "java.util.List", true},
    {"java.util.*", 0, "java.util.*", false},
    {"java.util.*", 1, "java.util", false},
    {"java.util.*", 2, "java", false},
    {"java.util.*", 3, "java.util.*", true},
    {"app", 0, "app", false},
    {"app", 1, "app", true},
    {"app", 2, "app", true},
    // A dot at index 0 leaves nothing in front of it.
    {".a", 1, ".a", true},
    {"a.b.c", 2, "a", false},
    {".a.b", 2, ".a.b", true},
    {"a.", 1, "a", false},
    {"a..b", 2, "a", false},
    {"a..b", 3, "a..b", true},
    {"..", 1, ".", false},
    {"..", 2, "..", true},
    {"", 0, "", false},
    {"", 1, "", true},
    {"x.y", INT32_MAX, "x.y", true},
    {"x.y", -1, "x.y", false},
};

TEST(DropLastComponentsTest, Table) {
  for (const DropCase& c : kCases) {
    std::string name = c.name;
    EXPECT_EQ(c.nothingLeft, dropLastComponents(name, c.count)) << c.name << " by " << c.count;
    EXPECT_EQ(c.result, name) << c.name << " by " << c.count;
  }
}

}  // namespace
