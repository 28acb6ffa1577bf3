// The Windows side of the platform layer, on real files of drive C: under
// the emulator.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/directory_lister.h"
#include "platform/file_system.h"
#include "publish/output_style.h"
#include "test_support.h"

namespace {

struct Listed {
  std::string name;
  bool directory;
  bool operator==(const Listed& other) const {
    return name == other.name && directory == other.directory;
  }
};

/// Every entry the lister gives for `argument`, and its entryDir afterwards.
std::vector<Listed> list(const std::string& argument, std::string* entryDir = nullptr) {
  DirectoryLister lister(argument);
  std::vector<Listed> entries;
  for (bool more = lister.first(); more; more = lister.next()) {
    entries.push_back({lister.name(), lister.isDirectory()});
  }
  if (entryDir) *entryDir = lister.entryDir;
  return entries;
}

/// Runs a block with the working directory set to `directory`.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& directory) {
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(sizeof buffer, buffer);
    saved_ = buffer;
    SetCurrentDirectoryA(directory.c_str());
  }
  ~WorkingDirectory() { SetCurrentDirectoryA(saved_.c_str()); }

 private:
  std::string saved_;
};

class WindowsListerTest : public testing::Test {
 protected:
  void SetUp() override {
    dir.write("src\\Banana.java", "public class Banana {}\n");
    dir.write("src\\apple.java", "public class apple {}\n");
    dir.write("src\\Upper.JAVA", "public class Upper {}\n");
    dir.write("src\\notes.txt", "");
    dir.write("src\\lib.java\\Inner.java", "public class Inner {}\n");
  }
  TempDir dir;
};

TEST_F(WindowsListerTest, TempDirLiesOnDriveC) { EXPECT_EQ(0u, dir.path().rfind("C:\\", 0)); }

// The platform's own order: case-insensitive here, not byte order.
TEST_F(WindowsListerTest, DirectoryListsEverythingButDotsInPlatformOrder) {
  std::string entryDir;
  std::vector<Listed> expected = {{"apple.java", false},
                                  {"Banana.java", false},
                                  {"lib.java", true},
                                  {"notes.txt", false},
                                  {"Upper.JAVA", false}};
  EXPECT_EQ(expected, list(dir.path() + "\\src", &entryDir));
  EXPECT_EQ(dir.path() + "\\src", entryDir) << "a directory keeps the argument as typed";
}

TEST_F(WindowsListerTest, EmptyArgumentListsTheWorkingDirectoryAsDot) {
  WorkingDirectory inside(dir.path() + "\\src\\lib.java");
  std::string entryDir;
  std::vector<Listed> expected = {{"Inner.java", false}};
  EXPECT_EQ(expected, list("", &entryDir));
  EXPECT_EQ(".", entryDir);
}

TEST_F(WindowsListerTest, FileListsItselfUnderItsAbsoluteDirectory) {
  WorkingDirectory inside(dir.path());
  std::string entryDir;
  std::vector<Listed> expected = {{"Banana.java", false}};
  EXPECT_EQ(expected, list("src/Banana.java", &entryDir));
  EXPECT_EQ(dir.path() + "\\src", entryDir);
}

// The platform matches wildcards, without regard to letter case, and a
// matching directory is listed as one.
TEST_F(WindowsListerTest, WildcardIsMatchedByThePlatform) {
  std::string entryDir;
  std::vector<Listed> expected = {
      {"apple.java", false}, {"Banana.java", false}, {"lib.java", true}, {"Upper.JAVA", false}};
  EXPECT_EQ(expected, list(dir.path() + "\\src\\*.java", &entryDir));
  EXPECT_EQ(dir.path() + "\\src", entryDir);
  std::vector<Listed> banana = {{"Banana.java", false}};
  EXPECT_EQ(banana, list(dir.path() + "\\src\\B?nana.*"));
}

TEST_F(WindowsListerTest, NothingForMissingNamesAndUnmatchedWildcards) {
  EXPECT_TRUE(list(dir.path() + "\\missing").empty());
  EXPECT_TRUE(list(dir.path() + "\\missing\\*.java").empty());
  EXPECT_TRUE(list(dir.path() + "\\src\\*.none").empty());
}

TEST(WindowsFileSystem, FullPathResolvesWithBackslashes) {
  TempDir dir;
  WorkingDirectory inside(dir.path());
  EXPECT_EQ(dir.path() + "\\a\\c.java", fullPath("a/b/../c.java"));
  EXPECT_EQ(dir.path() + "\\x", fullPath(".\\x"));
  EXPECT_EQ("C:\\src\\app\\Animal.java", fullPath("C:\\src\\.\\app\\Animal.java"));
  EXPECT_EQ('\\', kPathSeparator);
  EXPECT_EQ(259u, kMaxFullPath);
}

TEST(WindowsFileSystem, FileTests) {
  TempDir dir;
  std::string file = dir.write("A.java", "class A {}\n");
  EXPECT_TRUE(isRegularFile(file));
  EXPECT_FALSE(isRegularFile(dir.path()));
  EXPECT_FALSE(isRegularFile(dir.path() + "\\missing.java"));
  EXPECT_TRUE(isDirectory(dir.path()));
  EXPECT_FALSE(isDirectory(file));
  EXPECT_TRUE(pathExists(file));
  EXPECT_FALSE(pathExists(dir.path() + "\\missing.java"));
}

TEST(WindowsFileSystem, IdentityNamesTheDirectoryNotTheSpelling) {
  TempDir dir;
  dir.write("a\\x.txt", "");
  dir.write("b\\x.txt", "");
  FileIdentity a, again, b;
  ASSERT_TRUE(fileIdentity(dir.path() + "\\a", a));
  ASSERT_TRUE(fileIdentity(dir.path() + "\\b\\..\\a\\", again));
  ASSERT_TRUE(fileIdentity(dir.path() + "\\b", b));
  EXPECT_TRUE(a == again);
  EXPECT_FALSE(a == b);
  EXPECT_FALSE(fileIdentity(dir.path() + "\\missing", a));
}

// Sources are read as bytes: line ends stay for the statement reader, and a
// Ctrl-Z byte does not end the text as it would in text mode.
TEST(WindowsFileSystem, ReadWholeFileKeepsEveryByte) {
  TempDir dir;
  std::string bytes("class A {}\r\n\x1a class B {}\r\n", 26);
  std::string file = dir.write("A.java", bytes);
  std::string read;
  ASSERT_TRUE(readWholeFile(file, read));
  EXPECT_EQ(bytes, read);
  EXPECT_FALSE(readWholeFile(dir.path() + "\\missing.java", read));
  EXPECT_EQ("", read);
}

TEST(WindowsStyles, GraphicsDrawsCodePage437Bytes) {
  EXPECT_TRUE(kCodePage437Console);
  EXPECT_EQ("   \xC3", BranchTee[Graphics]);
  EXPECT_EQ("   \xC0", BranchCorner[Graphics]);
  EXPECT_EQ("   \xB3", StemBar[Graphics]);
  EXPECT_EQ("    ", StemBlank[Graphics]);
}

// Standard output is a file here, not a console: set-up fails quietly and
// the run publishes as usual.
TEST(WindowsConsole, RedirectedStandardOutputKeepsTheRun) {
  setupConsole();  // this test program's own output is a pipe or a file
  TempDir dir;
  dir.write("A.java", "public class A {}\n");
  dir.write("B.java", "public class B extends A {}\n");
  RunResult result = runKintree("-g .", dir.path());
  EXPECT_EQ(2, result.status);
  EXPECT_EQ("Base path=" + dir.path() +
                "\\\n\nClass Tree\nA.java:  public A  \nB.java:  public   \xC0 B\n",
            result.out);
  EXPECT_EQ("kintree - Files read:2 classes extracted:2\n\n", result.err);
}

TEST(WindowsConsole, EmptyPathArgumentWalksTheWorkingDirectory) {
  TempDir dir;
  dir.write("A.java", "public class A {}\n");
  RunResult result = runKintree("+n -t ''", dir.path());
  EXPECT_EQ(1, result.status);
  EXPECT_NE(std::string::npos, result.out.find("\t" + dir.path() + "\\A.java\t")) << result.out;
}

}  // namespace
