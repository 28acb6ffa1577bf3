#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/directory_lister.h"
#include "test_support.h"

namespace {

// Every byte value, many times over, so a lost or doubled chunk shows.
std::string patternedBytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

TEST(ReadWholeFileTest, ReadsRegularFilesOfEverySize) {
  TempDir dir;
  for (size_t size :
       {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{65537}, size_t{300001}}) {
    std::string expected = patternedBytes(size);
    std::string path = dir.write("f" + std::to_string(size), expected);
    std::string contents = "left over";
    ASSERT_TRUE(readWholeFile(path, contents)) << size;
    EXPECT_EQ(expected, contents) << size;
  }
}

// One buffer serves a whole run: after a large file a small one is seen
// alone, and a failed read leaves nothing to see.
TEST(ReadIntoBufferTest, ViewsEachFileAloneInAReusedBuffer) {
  TempDir dir;
  std::string large = dir.write("large", patternedBytes(300001));
  std::string small = dir.write("small", "class A {}\n");
  std::string buffer;
  std::string_view text;
  ASSERT_TRUE(readIntoBuffer(large, buffer, text));
  EXPECT_EQ(patternedBytes(300001), text);
  ASSERT_TRUE(readIntoBuffer(small, buffer, text));
  EXPECT_EQ("class A {}\n", text);
  EXPECT_EQ(buffer.data(), text.data());
  EXPECT_GE(buffer.size(), size_t{300001});
  EXPECT_FALSE(readIntoBuffer(dir.path() + "/missing", buffer, text));
  EXPECT_EQ("", text);
}

// A pipe has no size to ask for: it is read in chunks up to its end.
TEST(ReadWholeFileTest, ReadsAPipeToItsEnd) {
  TempDir dir;
  std::string path = dir.path() + "/pipe";
  ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
  std::string expected = patternedBytes(200000);
  std::thread writer([&] { std::ofstream(path, std::ios::binary) << expected; });
  std::string contents;
  bool ok = readWholeFile(path, contents);
  writer.join();
  ASSERT_TRUE(ok);
  EXPECT_EQ(expected, contents);
}

TEST(ReadWholeFileTest, FailsEmptyOnMissingFilesAndDirectories) {
  TempDir dir;
  std::string contents = "left over";
  EXPECT_FALSE(readWholeFile(dir.path() + "/missing", contents));
  EXPECT_EQ("", contents);
  contents = "left over";
  EXPECT_FALSE(readWholeFile(dir.path(), contents));
  EXPECT_EQ("", contents);
}

// The listing's own entry type spares the walker a status query, but only
// for plain files: links and directories are still asked about.
TEST(DirectoryListerTest, KnowsRegularFilesOnlyFromTheListing) {
  TempDir dir;
  dir.write("d/file.java", "class A {}\n");
  std::filesystem::create_directory(dir.path() + "/d/sub");
  std::filesystem::create_symlink(dir.path() + "/d/file.java", dir.path() + "/d/link.java");
  DirectoryLister lister(dir.path() + "/d");
  std::vector<std::pair<std::string, bool>> seen;
  for (bool more = lister.first(); more; more = lister.next()) {
    seen.emplace_back(lister.name(), lister.knownRegularFile());
  }
  std::vector<std::pair<std::string, bool>> expected = {
      {"file.java", true}, {"link.java", false}, {"sub", false}};
  EXPECT_EQ(expected, seen);

  // A file named as the argument lists itself, its type not known.
  DirectoryLister single(dir.path() + "/d/file.java");
  ASSERT_TRUE(single.first());
  EXPECT_FALSE(single.knownRegularFile());
}

}  // namespace
