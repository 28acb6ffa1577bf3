#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/log.h"
#include "base/patterns.h"
#include "model/class_list.h"
#include "parse/parse_file.h"
#include "platform/output.h"
#include "scan/walk_path.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

class WalkPathTest : public testing::Test {
 protected:
  WalkPathTest() {
    Log::destination = &messages;
    Log::threshold = 0;
  }
  ~WalkPathTest() override {
    Log::destination = &std::cerr;
    Log::threshold = 0;
  }

  /// A source file declaring one class named after its path.
  std::string source(const std::string& relative) {
    std::string name = "C" + std::to_string(next++);
    return dir.write(relative, "class " + name + " {}\n");
  }
  void ignoreFiles(const char* wildcard) {
    ignoreFilePatterns.push_back(*compileWildcard(wildcard));
  }
  /// Walks the path and parses what it selects, as the run driver does.
  int walk(const std::string& relative) {
    return walkPath(dir.path() + "/" + relative, ignoreFilePatterns, [&](const std::string& path) {
      parseFile(path, classes, ParseSettings(), buffer, out);
    });
  }

  /// The files parsed so far, relative to the test directory, in the order
  /// they were parsed.
  std::vector<std::string> parsed() const {
    std::vector<const ClassInfo*> records;
    for (const auto& entry : classes.records()) records.push_back(entry.second.get());
    std::sort(records.begin(), records.end(),
              [](const ClassInfo* a, const ClassInfo* b) { return a->sequence < b->sequence; });
    std::vector<std::string> files;
    for (const ClassInfo* r : records) files.push_back(r->file.substr(dir.path().size() + 1));
    return files;
  }

  TempDir dir;
  Output out;
  ClassList classes;
  std::vector<std::regex> ignoreFilePatterns;
  std::string buffer;
  std::ostringstream messages;
  int next = 0;
};

TEST_F(WalkPathTest, EntriesInByteOrderDirectoriesDepthFirst) {
  for (const char* file : {"b/Z.java", "a/Y.java", "a/X.java", "C.java", "A.java", "_u.java",
                           "a.java", "B.java", "a/in/W.java", "\xC3\xA9.java", "z.java"}) {
    source(file);
  }
  EXPECT_EQ(11, walk(""));
  EXPECT_EQ(
      (std::vector<std::string>{"A.java", "B.java", "C.java", "_u.java", "a/X.java", "a/Y.java",
                                "a/in/W.java", "a.java", "b/Z.java", "z.java", "\xC3\xA9.java"}),
      parsed());
  EXPECT_EQ("", messages.str());
}

struct ExtensionCase {
  const char* file;
  bool parsed;
};

class Extension : public WalkPathTest, public testing::WithParamInterface<ExtensionCase> {};

TEST_P(Extension, DecidesWhatIsParsedWithoutAMessage) {
  Log::threshold = 9;
  source(GetParam().file);
  EXPECT_EQ(GetParam().parsed ? 1 : 0, walk(""));
  EXPECT_EQ(GetParam().parsed ? 1u : 0u, classes.size());
  EXPECT_EQ("", messages.str());
}

INSTANTIATE_TEST_SUITE_P(
    Names, Extension,
    testing::Values(ExtensionCase{"Foo.java", true}, ExtensionCase{"Foo.JAVA", true},
                    ExtensionCase{"Foo.Java", true}, ExtensionCase{".java", true},
                    ExtensionCase{"Foo.java.bak", false}, ExtensionCase{"Foo.jav", false},
                    ExtensionCase{"Foo.javax", false}, ExtensionCase{"Foo.", false},
                    ExtensionCase{"Foo", false}, ExtensionCase{"pkg.v2/Makefile", false},
                    ExtensionCase{"lib.java/Inner.java", true},
                    ExtensionCase{"x.java/README", false}));

TEST_F(WalkPathTest, ArgumentFormsListWhatTheyName) {
  source("src/A.java");
  source("src/sub/B.java");
  source("src/sub2/C.java");
  source("src/Other.java");
  source("src/.hidden.java");
  struct Case {
    const char* argument;
    int count;
    std::vector<std::string> files;
  } cases[] = {
      {"src/A.java", 1, {"src/A.java"}},
      {"src/./sub/../A.java", 1, {"src/A.java"}},
      {"src//sub", 1, {"src/sub/B.java"}},
      {"src/*.java", 3, {"src/.hidden.java", "src/A.java", "src/Other.java"}},
      {"src/?.java", 1, {"src/A.java"}},
      {"src/*.JAVA", -1, {}},
      {"src/sub*", 2, {"src/sub/B.java", "src/sub2/C.java"}},
      {"src/Missing.java", -1, {}},
      {"nowhere/*.java", -1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    classes.release();
    EXPECT_EQ(c.count, walk(c.argument));
    EXPECT_EQ(c.files, parsed());
  }
  // Names that name nothing are errors; a wildcard that matches only files
  // of other kinds is not.
  std::string error = "\x1B[01;31m Error Invalid path ";
  std::string end = "\x1B[00m \n";
  EXPECT_EQ(error + dir.path() + "/src/*.JAVA" + end + error + dir.path() + "/src/Missing.java" +
                end + error + dir.path() + "/nowhere/*.java" + end,
            messages.str());
}

TEST_F(WalkPathTest, EmptyDirectoryYieldsNothingSilently) {
  fs::create_directories(dir.path() + "/empty");
  Log::threshold = 9;
  EXPECT_EQ(0, walk("empty"));
  EXPECT_EQ("", messages.str());
}

TEST_F(WalkPathTest, SameDirectoryTwiceIsWalkedTwice) {
  std::string file = source("src/A.java");
  Log::threshold = 1;
  EXPECT_EQ(1, walk("src"));
  EXPECT_EQ(1, walk("src"));
  EXPECT_EQ(
      "\x1b[01;32m Warning Duplicate class=C0\n File " + file + "\n  and " + file + "\x1b[00m \n",
      messages.str());
}

struct IgnoreCase {
  const char* pattern;
  std::vector<std::string> files;
};

class IgnoreFiles : public WalkPathTest, public testing::WithParamInterface<IgnoreCase> {};

TEST_P(IgnoreFiles, MatchTheWholeAbsolutePath) {
  source("src/Foo.java");
  source("src/FooTest.java");
  source("src/Tests/Bar.java");
  ignoreFiles(GetParam().pattern);
  walk("src");
  EXPECT_EQ(GetParam().files, parsed()) << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, IgnoreFiles,
    testing::Values(
        IgnoreCase{"*Test*", {"src/Foo.java"}},
        IgnoreCase{"Test", {"src/Foo.java", "src/FooTest.java", "src/Tests/Bar.java"}},
        IgnoreCase{"*tests*", {"src/Foo.java", "src/FooTest.java", "src/Tests/Bar.java"}},
        IgnoreCase{"*/Tests", {"src/Foo.java", "src/FooTest.java", "src/Tests/Bar.java"}},
        IgnoreCase{"*Foo.java", {"src/FooTest.java", "src/Tests/Bar.java"}},
        // "?" makes the letter before it optional; it is no one-character wildcard.
        IgnoreCase{"*Foo?java", {"src/Foo.java", "src/FooTest.java", "src/Tests/Bar.java"}},
        IgnoreCase{"*Foo?.java", {"src/FooTest.java", "src/Tests/Bar.java"}}));

TEST_F(WalkPathTest, IgnoredFileWarnsAtLevelTwoOnly) {
  std::string test = source("FooTest.java");
  std::string readme = dir.write("README", "");
  ignoreFiles("*Test*");
  ignoreFiles("*README");
  Log::threshold = 1;
  walk("");
  EXPECT_EQ("", messages.str());
  Log::threshold = 2;
  walk("");
  EXPECT_EQ("\x1b[01;35m Warning Ignoring file:" + test + "\x1b[00m \n" +
                "\x1b[01;35m Warning Ignoring file:" + readme + "\x1b[00m \n",
            messages.str());
  EXPECT_EQ(0u, classes.size());
}

TEST_F(WalkPathTest, EntriesThatAreNoRegularFilesAreInvalid) {
  std::string w = dir.path() + "/w";
  fs::create_directories(w);
  std::string fifo = w + "/pipe.java";
  ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
  std::string fifoText = w + "/pipe.txt";
  ASSERT_EQ(0, mkfifo(fifoText.c_str(), 0600));
  fs::create_symlink(w + "/nothing", w + "/gone.java");
  fs::create_symlink(w + "/nothing", w + "/gone");  // no extension: silent
  fs::create_symlink(w + "/nothing", w + "/gone.");
  fs::create_symlink(source("outside/Real.java"), w + "/link.java");  // links are followed
  EXPECT_EQ(1, walk("w"));
  EXPECT_EQ(std::vector<std::string>{"w/link.java"}, parsed());
  EXPECT_EQ("\x1b[01;31m Error Invalid file " + w + "/gone.java\x1b[00m \n" +
                "\x1b[01;31m Error Invalid file " + fifo + "\x1b[00m \n" +
                "\x1b[01;31m Error Invalid file " + fifoText + "\x1b[00m \n",
            messages.str());
}

TEST_F(WalkPathTest, LinkBackToAnAncestorIsNotEnteredAgain) {
  source("top/A.java");
  source("top/sub/B.java");
  fs::create_directory_symlink(dir.path() + "/top", dir.path() + "/top/sub/up");
  fs::create_directory_symlink(".", dir.path() + "/top/self");
  EXPECT_EQ(2, walk("top"));
  EXPECT_EQ((std::vector<std::string>{"top/A.java", "top/sub/B.java"}), parsed());
}

TEST_F(WalkPathTest, LinkToASiblingDirectoryIsEntered) {
  source("top/a/X.java");
  fs::create_directory_symlink(dir.path() + "/top/a", dir.path() + "/top/b");
  Log::threshold = 1;
  EXPECT_EQ(2, walk("top"));
  // The same declaration read twice: the second file takes over the record.
  EXPECT_EQ(std::vector<std::string>{"top/b/X.java"}, parsed());
  EXPECT_EQ("\x1b[01;32m Warning Duplicate class=C0\n File " + dir.path() +
                "/top/b/X.java\n  and " + dir.path() + "/top/a/X.java\x1b[00m \n",
            messages.str());
}

// Relative arguments are resolved against the working directory of the run.
TEST(WalkPathRun, RelativeArgumentsGiveAbsolutePaths) {
  TempDir dir;
  dir.write("src/A.java", "public class A {}\n");
  RunResult result = runKintree("-x ./src/../src", dir.path());
  EXPECT_EQ(1, result.status);
  EXPECT_EQ("Base path=" + dir.path() + "/src/A.java\n\nClass Tree\nA.java:  public A  \n",
            result.out);
}

}  // namespace
