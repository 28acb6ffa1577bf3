#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/directory_lister.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// Entry paths are entryDir + "/" + name: a directory keeps the argument as
// typed, anything else is resolved and cut at its last separator.
TEST(DirectoryListerTest, EntryDirAndNamesForEachArgumentForm) {
  TempDir dir;
  dir.write("src/B.java", "");
  dir.write("src/A.java", "");
  fs::create_directories(dir.path() + "/src/sub");
  struct Case {
    std::string argument;
    std::string entryDir;
    std::vector<std::string> names;  // with "/" after directories
  } cases[] = {
      {dir.path() + "/src", dir.path() + "/src", {"A.java", "B.java", "sub/"}},
      {dir.path() + "/src/", dir.path() + "/src/", {"A.java", "B.java", "sub/"}},
      {dir.path() + "/src/B.java", dir.path() + "/src", {"B.java"}},
      {dir.path() + "/src/../src/*.java", dir.path() + "/src", {"A.java", "B.java"}},
      {dir.path() + "/src/s?b", dir.path() + "/src", {"sub/"}},
      {dir.path() + "/src/sub", dir.path() + "/src/sub", {}},
      {dir.path() + "/src/none", dir.path() + "/src", {}},
      {"/", "/", {}},  // only the form is checked here, not the entries
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    DirectoryLister lister(c.argument);
    std::vector<std::string> names;
    for (bool more = lister.first(); more; more = lister.next()) {
      names.push_back(lister.name() + (lister.isDirectory() ? "/" : ""));
    }
    EXPECT_EQ(c.entryDir, lister.entryDir);
    if (c.argument != "/") {
      EXPECT_EQ(c.names, names);
    }
  }
  DirectoryLister empty("");
  empty.first();
  EXPECT_EQ(".", empty.entryDir);
}

TEST(MatchesWildcard, StarAndQuestionMark) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  } cases[] = {
      {"abc", "a*c", true},     {"abc", "a?c", true},
      {"ac", "a?c", false},     {"", "*", true},
      {"x", "", false},         {"", "", true},
      {"aXbXc", "*X*X*", true}, {"abcabd", "*abd", true},
      {"abcab", "*abd", false}, {"A.java", "a.java", false},
      {".hidden", "*", true},   {"a.b", "a?b", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.matches, matchesWildcard(c.name, c.pattern)) << c.name << " ~ " << c.pattern;
  }
}

}  // namespace
