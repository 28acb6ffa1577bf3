#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_system.h"

namespace fs = std::filesystem;

namespace {

TEST(FullPath, IsAbsoluteAndLexicallyNormalised) {
  struct Case {
    const char* path;
    const char* full;
  } cases[] = {
      {"/a/./b//c/../d", "/a/b/d"}, {"/..", "/"}, {"/", "/"}, {"/a/b/..", "/a"}, {"//x//", "/x"},
      {"/a/../../b", "/b"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.full, fullPath(c.path)) << c.path;
  EXPECT_EQ(fullPath(fs::current_path().string()) + "/rel", fullPath("rel"));
  EXPECT_EQ(fullPath(fs::current_path().string()), fullPath(""));
}

}  // namespace
